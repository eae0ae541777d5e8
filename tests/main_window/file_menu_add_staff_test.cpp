#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <filesystem>
#include <functional>
#include <vector>

#include "file_menu_test_support.h"
#include "main_window/staff_list_texts.h"
#include "platform/item_objects.h"
#include "platform/owner_drawn_list_view.h"
#include "platform/page_control.h"
#include "platform/win1252.h"
#include "record_form/editor_state.h"
#include "records/record_store.h"

namespace fs = std::filesystem;

namespace {

using add_staff = file_menu_test;

// A new record as Add staff makes it: the id, the file's club, a player's job and
// classification, and every other field zero or empty.
qor_staff expected_new_staff(std::int32_t id) {
  qor_staff staff;
  staff.StaffID = id;
  staff.StaffClubContracted = file_data().file_club_id;
  staff.StaffJobForClub = 11;
  staff.StaffClassification = 2;
  return staff;
}

QString new_heading() {
  return QString::fromLatin1(std::string(file_data().file_title.view()) + " Staff [New]");
}

TEST_F(add_staff, makes_a_new_player_with_the_next_temporary_id_and_shows_it_as_new) {
  open_through_menu(copy_to_folder(fixture_file("every_section.staff")));
  const std::int32_t first_id = store().temporary_id_counter;
  environment.dialogs.clear();
  window.menu_new->trigger();

  EXPECT_TRUE(environment.dialogs.shown().empty());
  ASSERT_EQ(store().staff_list.size(), 4u);
  const qor_staff* added = store().staff_list.back().get();
  EXPECT_TRUE(same_record(*added, expected_new_staff(first_id)));
  EXPECT_EQ(find_staff(store().staff_orig_list, first_id), nullptr);
  EXPECT_EQ(editor().current_staff, added);
  EXPECT_EQ(editor().original_staff, nullptr);
  EXPECT_EQ(window.list_box->count(), 4);
  EXPECT_EQ(editor().current_staff_index, list_entry_of(added));
  EXPECT_EQ(window.list_box->item_index(), list_entry_of(added));
  EXPECT_EQ(window.label_staff->text(), new_heading());
  EXPECT_EQ(window.status_panel(0), "4 items");
  EXPECT_EQ(edit("staff_id")->text(), QString::number(first_id));
  // Adding is no change in itself; filling the new record in is.
  EXPECT_FALSE(editor().data_modified);
}

TEST_F(add_staff, a_second_add_commits_the_first_new_record_and_takes_the_next_id) {
  open_through_menu(copy_to_folder(fixture_file("every_section.staff")));
  const std::int32_t first_id = store().temporary_id_counter;
  window.menu_new->trigger();
  edit("staff_second_name")->setText("Ashgrove");
  window.menu_new->trigger();

  ASSERT_EQ(store().staff_list.size(), 5u);
  EXPECT_EQ(store().staff_list[3]->StaffID, first_id);
  EXPECT_EQ(store().staff_list[3]->StaffSecondName, "Ashgrove");
  EXPECT_EQ(store().staff_list[4]->StaffID, first_id + 1);
  EXPECT_EQ(editor().current_staff, store().staff_list[4].get());
  EXPECT_TRUE(editor().data_modified);
}

TEST_F(add_staff, the_new_record_survives_save_and_reopen_still_without_an_original) {
  const fs::path path = copy_to_folder(fixture_file("every_section.staff"));
  open_through_menu(path);
  const std::int32_t id = store().temporary_id_counter;
  window.menu_new->trigger();
  edit("staff_first_name")->setText("Milo");
  edit("staff_second_name")->setText("Ashgrove");
  window.menu_save->trigger();
  ASSERT_EQ(environment.dialogs.shown_texts().back(), "Data written to file.");

  environment.dialogs.clear();
  open_through_menu(path);
  EXPECT_TRUE(environment.dialogs.all_as_scripted());
  const qor_staff* reopened = find_staff(store().staff_list, id);
  ASSERT_NE(reopened, nullptr);
  EXPECT_EQ(reopened->StaffFirstName, "Milo");
  EXPECT_EQ(reopened->StaffSecondName, "Ashgrove");
  EXPECT_EQ(reopened->StaffClassification, 2);
  EXPECT_EQ(reopened->StaffJobForClub, 11);
  EXPECT_EQ(find_staff(store().staff_orig_list, id), nullptr);
  EXPECT_EQ(store().staff_orig_list.size(), 3u);
  EXPECT_EQ(window.list_box->count(), 4);
  // The counter starts above the record made in the editor.
  window.menu_new->trigger();
  EXPECT_EQ(editor().current_staff->StaffID, id + 1);
}

TEST_F(add_staff, into_a_file_without_staff_enables_the_record_pages) {
  const fs::path path = write_file_without_staff();
  open_through_menu(path);
  ASSERT_FALSE(window.pc_staff->isEnabled());

  window.menu_new->trigger();

  EXPECT_TRUE(window.pc_staff->isEnabled());
  EXPECT_EQ(window.list_box->count(), 1);
  ASSERT_NE(editor().current_staff, nullptr);
  EXPECT_EQ(editor().current_staff->StaffID, 50001);
  EXPECT_EQ(window.label_staff->text(), new_heading());
}

TEST_F(add_staff, puts_the_focus_in_the_new_records_first_name_wherever_it_was) {
  struct start {
    const char* name;
    std::function<void()> go_there;
  };
  const std::vector<start> starts = {
      {"the staff list", [this] { click_staff_entry(1); }},
      {"a field of another page", [this] { focus_on("staff_pl_pace"); }},
      {"the analysis page",
       [this] {
         window.main_page_control->set_active_page_index(
             window.main_page_control->indexOf(window.analysis_tab));
       }},
  };
  const fs::path path = copy_to_folder(fixture_file("every_section.staff"));
  for (const start& from : starts) {
    SCOPED_TRACE(from.name);
    open_through_menu(path);
    from.go_there();
    environment.dialogs.clear();
    window.menu_new->trigger();

    QWidget* first_name = window.controls().find("staff_first_name");
    EXPECT_EQ(QApplication::focusWidget(), first_name);
    EXPECT_TRUE(first_name->isVisible());
    EXPECT_EQ(editor().current_staff, store().staff_list.back().get());
    EXPECT_TRUE(environment.dialogs.shown().empty());
    // Moving there is no edit of the new record.
    EXPECT_FALSE(editor().data_modified);
  }
}

TEST_F(add_staff, into_a_file_without_staff_focuses_the_first_name_once_the_pages_are_enabled) {
  open_through_menu(write_file_without_staff());
  window.menu_new->trigger();
  EXPECT_EQ(QApplication::focusWidget(), window.controls().find("staff_first_name"));
}

TEST_F(add_staff, does_nothing_before_a_file_is_open) {
  window.menu_new->trigger();
  EXPECT_TRUE(store().staff_list.empty());
  EXPECT_EQ(window.list_box->count(), 0);
}

// After each sort every entry shows and carries the record at its place in the staff vector,
// the one Add staff made included.
TEST_F(add_staff, sorts_around_an_add_leave_every_entry_with_its_own_record_and_text) {
  open_through_menu(copy_to_folder(fixture_file("every_section.staff")));
  const auto expect_entries_follow_the_records = [&](int attribute) {
    const auto& staff = store().staff_list;
    ASSERT_EQ(window.list_box->count(), static_cast<int>(staff.size()));
    staff_entry_texts texts(true, attribute);
    for (std::size_t i = 0; i < staff.size(); ++i) {
      const int index = static_cast<int>(i);
      EXPECT_EQ(entry_object<qor_staff>(window.list_box, index), staff[i].get()) << i;
      EXPECT_EQ(window.list_box->entry_text(index), from_win1252(texts(*staff[i]))) << i;
    }
  };
  window.sort_by_attribute->setCurrentIndex(1);  // "SecondName; 1"
  window.sort_desc_btnClick();
  expect_entries_follow_the_records(1);

  window.menu_new->trigger();
  edit("staff_second_name")->setText("Aardvark");
  window.sort_asc_btnClick();
  expect_entries_follow_the_records(1);
  EXPECT_EQ(to_win1252(window.list_box->entry_text(0)), "Aardvark (Aardvark)");
  EXPECT_EQ(editor().current_staff, store().staff_list.front().get());
  EXPECT_EQ(window.list_box->item_index(), 0);

  window.sort_by_attribute->setCurrentIndex(3);  // "DateOfBirth; 3", the order kept
  window.sort_by_attributeChange();
  expect_entries_follow_the_records(3);
  EXPECT_EQ(window.list_box->item_index(), 0);
}

}  // namespace
