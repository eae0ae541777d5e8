#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QSplitter>
#include <filesystem>

#include "file_menu_test_support.h"
#include "main_window/date_masks.h"
#include "platform/owner_drawn_list_view.h"
#include "platform/page_control.h"
#include "record_form/control_binding.h"
#include "record_form/editor_state.h"
#include "record_form/item_selection.h"
#include "records/last_error.h"

namespace fs = std::filesystem;

namespace {

using open_file = file_menu_test;

// The window as it stands once a file with records is open and its first record shown.
void expect_file_shown(const Tfrm_main& window) {
  EXPECT_TRUE(editor().data_loaded);
  EXPECT_TRUE(window.menu_save->isEnabled());
  EXPECT_TRUE(window.menu_save_as->isEnabled());
  EXPECT_TRUE(window.menu_edit->menuAction()->isEnabled());
  EXPECT_TRUE(window.menu_new->isEnabled());
  EXPECT_TRUE(window.list_box->isVisible());
  EXPECT_TRUE(window.main_page_control->isVisible());
  EXPECT_FALSE(window.loading_label->isVisible());
  EXPECT_FALSE(window.ProgressBar1->isVisible());
  EXPECT_FALSE(window.bg_loading_image->isVisible());
  EXPECT_TRUE(window.pc_staff->isEnabled());
}

TEST_F(open_file, shows_the_list_by_name_the_first_record_and_the_analysis) {
  const fs::path path = copy_to_folder(example_club_file());
  open_through_menu(path);

  EXPECT_TRUE(environment.dialogs.all_as_scripted());
  EXPECT_EQ(environment.dialogs.shown().size(), 1u);  // the file dialog alone
  expect_file_shown(window);
  EXPECT_FALSE(editor().data_modified);
  ASSERT_EQ(window.list_box->count(), static_cast<int>(store().staff_list.size()));
  const std::vector<QString> texts = list_texts();
  EXPECT_TRUE(std::is_sorted(texts.begin(), texts.end(), [](const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) < 0;
  }));
  EXPECT_EQ(window.list_box->item_index(), 0);
  EXPECT_EQ(editor().current_staff_index, 0);
  ASSERT_NE(editor().current_staff, nullptr);
  EXPECT_EQ(list_entry_of(editor().current_staff), 0);
  EXPECT_EQ(editor().original_staff,
            find_staff(store().staff_orig_list, editor().current_staff->StaffID));
  EXPECT_EQ(window.status_panel(1), " Editing " + qt_path(path));
  EXPECT_EQ(window.status_panel(2), QString());
  EXPECT_EQ(window.status_panel(0), QString("%1 items").arg(window.list_box->count()));
  EXPECT_EQ(window.main_page_control->currentWidget(), window.analysis_tab);
  EXPECT_EQ(window.analysis_control->currentWidget(), window.counts_tab_sheet);
  EXPECT_EQ(window.ProgressBar1->maximum(), static_cast<int>(store().staff_list.size()));
  EXPECT_EQ(window.open_file_name(), qt_path(path));
  // The example holds a record made in the editor, id 50001, and two new items after it.
  EXPECT_EQ(store().temporary_id_counter, 50004);
}

// Showing a record and committing it again is no change: stepping through every record of the
// example file and opening it again asks nothing and stamps nothing.
TEST_F(open_file, stepping_through_an_unchanged_file_changes_nothing) {
  const fs::path path = copy_to_folder(example_club_file());
  open_through_menu(path);
  const staff_snapshot before = take_staff_snapshot(store());
  for (const qor_staff& staff : before.current)
    select_staff(staff.StaffID);
  EXPECT_FALSE(editor().data_modified);

  environment.dialogs.clear();
  open_through_menu(path);
  EXPECT_EQ(environment.dialogs.shown().size(), 1u);  // no question before the file dialog
  const staff_snapshot after = take_staff_snapshot(store());
  ASSERT_EQ(after.current.size(), before.current.size());
  for (std::size_t i = 0; i < before.current.size(); ++i)
    EXPECT_TRUE(same_record(after.current[i], before.current[i])) << before.current[i].StaffID;
}

TEST_F(open_file, an_imported_file_warns_and_then_loads_as_without_the_line) {
  const fs::path path = folder.path() / "Imported.staff";
  write_file_bytes(path, "IMPORTED\r\n" + read_file_bytes(fixture_file("every_section.staff")));
  open_through_menu(path);

  ASSERT_EQ(environment.dialogs.shown_texts().size(), 2u);
  EXPECT_EQ(environment.dialogs.shown_texts()[1], "This file has already been imported into a db");
  EXPECT_EQ(environment.dialogs.shown()[1].type, message_type::warning);
  expect_file_shown(window);
  EXPECT_EQ(store().staff_list.size(), 3u);
}

TEST_F(open_file, cancelling_the_file_dialog_changes_nothing) {
  environment.dialogs.queue_path(QString());
  window.menu_open->trigger();
  EXPECT_FALSE(editor().data_loaded);
  EXPECT_FALSE(window.menu_save->isEnabled());
  EXPECT_FALSE(window.list_box->isVisible());
  EXPECT_TRUE(environment.dialogs.all_as_scripted());
}

TEST_F(open_file, a_file_without_staff_lines_shows_an_empty_list_and_disabled_pages) {
  const fs::path path = write_file_without_staff();
  // The file before shows a player with his playing history selected.
  open_through_menu(copy_to_folder(example_club_file()));
  ASSERT_NE(selected_item<item_kind::history>().current, nullptr);
  open_through_menu(path);

  EXPECT_TRUE(environment.dialogs.all_as_scripted());
  EXPECT_TRUE(editor().data_loaded);
  EXPECT_EQ(window.list_box->count(), 0);
  EXPECT_EQ(editor().current_staff, nullptr);
  // Nothing points into the records of the file before.
  EXPECT_EQ(selected_item<item_kind::history>().current, nullptr);
  EXPECT_EQ(selected_item<item_kind::history>().original, nullptr);
  EXPECT_FALSE(window.pc_staff->isEnabled());
  EXPECT_EQ(window.main_page_control->currentWidget(), window.analysis_tab);
  EXPECT_TRUE(window.menu_save->isEnabled());
}

// A file that cannot be read leaves the file before it open, shown and editable; Save still
// writes to that file and never to the one that failed.
TEST_F(open_file, a_failed_open_keeps_the_previous_file_shown_editable_and_saved_in_place) {
  const fs::path good = copy_to_folder(fixture_file("every_section.staff"));
  const std::string every = read_file_bytes(good);
  const std::size_t header = every.find("[StaffID]");
  const std::size_t first_staff_line = every.find("\n\"", header) + 1;
  const std::size_t after_first_staff_line = every.find('\n', first_staff_line) + 1;

  struct bad_file {
    const char* name;
    std::string bytes;
    std::string message_start;
  };
  const bad_file bad_files[] = {
      {"bad header", every.substr(0, header) + "[NotAHeader]\r\n" + every.substr(header),
       "load_data: Invalid format of file "},
      {"short line",
       every.substr(0, first_staff_line) + "\"77\";\"01/01/2013 10:00:00\"\r\n" +
           every.substr(after_first_staff_line),
       "load_data: Invalid format of file "},
      {"missing", "", "load_data failed to open file "},
  };

  open_through_menu(good);
  ASSERT_EQ(store().staff_list.size(), 3u);
  select_staff(12);
  qor_staff* shown = editor().current_staff;
  ASSERT_NE(shown, nullptr);
  const staff_snapshot before = take_staff_snapshot(store());

  for (const bad_file& bad : bad_files) {
    SCOPED_TRACE(bad.name);
    environment.dialogs.clear();
    const fs::path path = folder.path() / (std::string(bad.name) + ".staff");
    if (!bad.bytes.empty())
      write_file_bytes(path, bad.bytes);
    open_through_menu(path);

    ASSERT_EQ(environment.dialogs.shown().size(), 2u);
    EXPECT_EQ(environment.dialogs.last().type, message_type::error);
    EXPECT_TRUE(environment.dialogs.last().text.startsWith(bad.message_start.c_str()))
        << environment.dialogs.last().text.toStdString();
    expect_file_shown(window);
    EXPECT_EQ(editor().current_staff, shown);
    EXPECT_EQ(window.list_box->count(), 3);
    EXPECT_EQ(list_entry_of(shown), window.list_box->item_index());
    EXPECT_EQ(window.open_file_name(), qt_path(good));
    const staff_snapshot after = take_staff_snapshot(store());
    ASSERT_EQ(after.current.size(), before.current.size());
    for (std::size_t i = 0; i < before.current.size(); ++i)
      EXPECT_TRUE(same_record(after.current[i], before.current[i]));
  }

  // Still editable, and Save goes to the file that was open.
  environment.dialogs.clear();
  edit("staff_first_name")->setText("Evita");
  window.menu_save->trigger();
  EXPECT_EQ(environment.dialogs.shown_texts(), std::vector<QString>{"Data written to file."});
  data_set saved;
  ASSERT_TRUE(reload_file(good, saved));
  ASSERT_NE(find_staff(saved.records.staff_list, 12), nullptr);
  EXPECT_EQ(find_staff(saved.records.staff_list, 12)->StaffFirstName, "Evita");
  EXPECT_FALSE(fs::exists(folder.path() / "missing.staff"));
  EXPECT_EQ(read_file_bytes(folder.path() / "bad header.staff"), bad_files[0].bytes);
}

TEST_F(open_file, a_failed_first_open_leaves_the_empty_window_and_the_file_menu_off) {
  const fs::path path = folder.path() / "Broken.staff";
  write_file_bytes(path, "31/12/1999\r\n8.88\r\n1001\r\n[Nothing]\r\n");
  open_through_menu(path);

  ASSERT_EQ(environment.dialogs.shown().size(), 2u);
  EXPECT_EQ(environment.dialogs.last().text, "load_data: Invalid format of file " + qt_path(path));
  EXPECT_FALSE(editor().data_loaded);
  EXPECT_FALSE(window.menu_save->isEnabled());
  EXPECT_FALSE(window.menu_save_as->isEnabled());
  EXPECT_FALSE(window.menu_edit->menuAction()->isEnabled());
  EXPECT_FALSE(window.list_box->isVisible());
  EXPECT_FALSE(window.main_page_control->isVisible());
  EXPECT_FALSE(window.ProgressBar1->isVisible());
  EXPECT_EQ(window.open_file_name(), "*.staff");
}

TEST_F(open_file, unsaved_changes_are_asked_about_first) {
  const fs::path first = copy_to_folder(fixture_file("every_section.staff"));
  const fs::path second = copy_to_folder(example_club_file(), "Example.staff");
  open_through_menu(first);
  const std::string first_bytes = read_file_bytes(first);

  // Cancel keeps everything, and no file dialog comes up.
  environment.dialogs.clear();
  edit("staff_first_name")->setText("Annika");
  environment.dialogs.queue_answer(dialog_answer::cancel);
  window.menu_open->trigger();
  EXPECT_EQ(environment.dialogs.shown_texts(),
            std::vector<QString>{"Do you want to save changes?"});
  EXPECT_EQ(environment.dialogs.last().buttons, message_buttons::yes_no_cancel);
  EXPECT_TRUE(editor().data_modified);
  EXPECT_EQ(editor().current_staff->StaffFirstName, "Annika");

  // Yes writes the file even when the file dialog is then cancelled; the flag stays set.
  environment.dialogs.clear();
  environment.dialogs.queue_answer(dialog_answer::yes);
  environment.dialogs.queue_path(QString());
  window.menu_open->trigger();
  EXPECT_TRUE(environment.dialogs.all_as_scripted());
  EXPECT_NE(read_file_bytes(first), first_bytes);
  EXPECT_TRUE(editor().data_modified);

  // No drops the changes once the new file is read.
  environment.dialogs.clear();
  const std::string written = read_file_bytes(first);
  environment.dialogs.queue_answer(dialog_answer::no);
  open_through_menu(second);
  EXPECT_TRUE(environment.dialogs.all_as_scripted());
  EXPECT_EQ(read_file_bytes(first), written);
  EXPECT_FALSE(editor().data_modified);
  EXPECT_EQ(window.open_file_name(), qt_path(second));
  EXPECT_EQ(find_staff(store().staff_list, 30), nullptr);
}

TEST_F(open_file, a_failed_save_before_opening_opens_nothing) {
  const fs::path first = copy_to_folder(fixture_file("every_section.staff"));
  open_through_menu(first);
  edit("staff_first_name")->setText("Annika");
  window.set_open_file_name(qt_path(folder.path() / "no such folder" / "Team.staff"));
  environment.dialogs.clear();
  environment.dialogs.queue_answer(dialog_answer::yes);
  window.menu_open->trigger();

  ASSERT_EQ(environment.dialogs.shown().size(), 2u);
  EXPECT_EQ(environment.dialogs.last().type, message_type::error);
  EXPECT_EQ(environment.dialogs.last().text, QString::fromStdString(get_last_error()));
  EXPECT_TRUE(editor().data_modified);
  EXPECT_TRUE(environment.dialogs.all_as_scripted());
}

TEST_F(open_file, sets_the_date_masks_and_hints_for_the_locale) {
  open_through_menu(copy_to_folder(fixture_file("every_section.staff")));
  // The mask the pages were built with, as an edit reports it back.
  QLineEdit built;
  built.setInputMask(date_input_mask(current_formats()));
  const QString mask = built.inputMask();
  int found = 0;
  for (const char* name : date_edit_names()) {
    auto* date_edit = window.controls().get<QLineEdit>(name);
    if (date_edit == nullptr)
      continue;
    ++found;
    SCOPED_TRACE(name);
    EXPECT_EQ(date_edit->inputMask(), mask);
    if (std::string_view(name).starts_with("staff_unavailability_date_"))
      EXPECT_NE(date_edit->toolTip(), "Format: dd/mm/yyyy");
    else
      EXPECT_EQ(date_edit->toolTip(), "Format: dd/mm/yyyy");
  }
  EXPECT_GT(found, 0);
}

TEST_F(open_file, a_missing_weightings_file_warns_but_the_file_opens) {
  fs::remove(program.data() / "weightings.edt");
  open_through_menu(copy_to_folder(fixture_file("every_section.staff")));

  ASSERT_EQ(environment.dialogs.shown().size(), 2u);
  EXPECT_EQ(environment.dialogs.last().type, message_type::warning);
  EXPECT_TRUE(environment.dialogs.last().text.startsWith("load_weightings - missing "));
  expect_file_shown(window);
}

TEST(date_masks, the_reader_masks_become_qt_masks_with_the_locale_separator) {
  EXPECT_EQ(qt_date_mask("!99/99/9999;1;_", '/'), "99/99/9999; ");
  EXPECT_EQ(qt_date_mask("!9999/99/99;1;_", '-'), "9999-99-99; ");
  EXPECT_EQ(qt_date_mask("", '/'), "");
}

}  // namespace
