#include <QAction>
#include <QLineEdit>
#include <filesystem>

#include "file_menu_test_support.h"
#include "platform/owner_drawn_list_box.h"
#include "record_form/editor_state.h"
#include "records/last_error.h"
#include "records/staff_backup.h"

namespace fs = std::filesystem;

namespace {

using save_file = file_menu_test;

// The ids of the staff lines of a saved file's current section, in file order.
std::vector<long> current_staff_ids(const std::string& bytes) {
  std::vector<long> ids;
  std::size_t at = bytes.find("[StaffID]");
  while ((at = bytes.find('\n', at)) != std::string::npos) {
    ++at;
    if (bytes.compare(at, 9, "ORIG_DATA") == 0)
      break;
    if (at < bytes.size() && bytes[at] == '"')
      ids.push_back(std::stol(bytes.substr(at + 1)));
  }
  return ids;
}

// The whole road: open, change a record, move on (which commits), save, and read back.
TEST_F(save_file, writes_the_committed_change_and_leaves_everything_else_as_it_was) {
  const fs::path path = copy_to_folder(example_club_file());
  open_through_menu(path);
  const staff_snapshot before = take_staff_snapshot(store());
  const std::int32_t changed_id = 28000105;  // Samu Olvetti
  select_staff(changed_id);
  edit("staff_second_name")->setText("Olvetti-Brandt");
  select_staff(28000112);
  EXPECT_TRUE(editor().data_modified);

  environment.dialogs.clear();
  window.menu_save->trigger();

  EXPECT_EQ(environment.dialogs.shown_texts(), std::vector<QString>{"Data written to file."});
  EXPECT_EQ(environment.dialogs.last().type, message_type::information);
  EXPECT_FALSE(editor().data_modified);
  data_set saved;
  ASSERT_TRUE(reload_file(path, saved));
  const qor_staff* changed = find_staff(saved.records.staff_list, changed_id);
  ASSERT_NE(changed, nullptr);
  EXPECT_EQ(changed->StaffSecondName, "Olvetti-Brandt");
  EXPECT_EQ(changed->DateUpdated, "17/05/2013 09:30:15");
  ASSERT_EQ(saved.records.staff_list.size(), before.current.size());
  for (const qor_staff& old : before.current) {
    if (old.StaffID == changed_id)
      continue;
    const qor_staff* now = find_staff(saved.records.staff_list, old.StaffID);
    ASSERT_NE(now, nullptr) << old.StaffID;
    EXPECT_TRUE(same_record(*now, old)) << old.StaffID;
  }
  ASSERT_EQ(saved.records.staff_orig_list.size(), before.originals.size());
  for (const qor_staff& old : before.originals) {
    const qor_staff* now = find_staff(saved.records.staff_orig_list, old.StaffID);
    ASSERT_NE(now, nullptr) << old.StaffID;
    EXPECT_TRUE(same_record(*now, old)) << old.StaffID;
  }
  const std::vector<long> ids = current_staff_ids(read_file_bytes(path));
  EXPECT_EQ(ids.size(), before.current.size());
  EXPECT_TRUE(std::is_sorted(ids.begin(), ids.end()));
  ASSERT_EQ(backups().size(), 1u);
  EXPECT_EQ(read_file_bytes(backups()[0]), read_file_bytes(example_club_file()));
}

TEST_F(save_file, commits_the_record_on_screen_before_writing) {
  const fs::path path = copy_to_folder(fixture_file("every_section.staff"));
  open_through_menu(path);
  const std::int32_t shown = editor().current_staff->StaffID;
  edit("staff_first_name")->setText("Annelie");
  window.menu_save->trigger();

  data_set saved;
  ASSERT_TRUE(reload_file(path, saved));
  EXPECT_EQ(find_staff(saved.records.staff_list, shown)->StaffFirstName, "Annelie");
  EXPECT_FALSE(editor().data_modified);
}

TEST_F(save_file, a_failed_save_shows_why_and_keeps_the_changes) {
  open_through_menu(copy_to_folder(fixture_file("every_section.staff")));
  // A regular file where the folder should be: nothing can be created below it.
  write_file_bytes(folder.path() / "not a folder", "x");
  window.set_open_file_name(qt_path(folder.path() / "not a folder" / "Team.staff"));
  edit("staff_first_name")->setText("Annelie");
  environment.dialogs.clear();
  window.menu_save->trigger();

  ASSERT_EQ(environment.dialogs.shown().size(), 1u);
  EXPECT_EQ(environment.dialogs.last().type, message_type::error);
  EXPECT_EQ(environment.dialogs.last().text, QString::fromStdString(get_last_error()));
  EXPECT_TRUE(environment.dialogs.last().text.contains("not a folder"));
  EXPECT_TRUE(editor().data_modified);
  EXPECT_EQ(editor().current_staff->StaffFirstName, "Annelie");
}

TEST_F(save_file, a_failed_backup_is_told_but_the_file_is_still_written) {
  const fs::path path = copy_to_folder(fixture_file("every_section.staff"));
  open_through_menu(path);
  // The backup folder's place is taken by a file, so no backup can be made.
  write_file_bytes(backup_folder(), "x");
  edit("staff_first_name")->setText("Annelie");
  environment.dialogs.clear();
  window.menu_save->trigger();

  ASSERT_EQ(environment.dialogs.shown().size(), 2u);
  EXPECT_EQ(environment.dialogs.shown()[0].type, message_type::warning);
  EXPECT_EQ(environment.dialogs.shown_texts()[1], "Data written to file.");
  data_set saved;
  ASSERT_TRUE(reload_file(path, saved));
  EXPECT_EQ(find_staff(saved.records.staff_list, 30)->StaffFirstName, "Annelie");
}

TEST_F(save_file, save_as_writes_the_new_file_and_later_saves_go_there) {
  const fs::path path = copy_to_folder(fixture_file("every_section.staff"));
  const std::string original_bytes = read_file_bytes(path);
  open_through_menu(path);
  edit("staff_first_name")->setText("Annelie");
  environment.dialogs.clear();
  // A name typed without an extension gets the dialog's default one.
  environment.dialogs.queue_path(qt_path(folder.path() / "Copy"));
  window.menu_save_as->trigger();

  const fs::path copy = folder.path() / "Copy.staff";
  EXPECT_EQ(environment.dialogs.shown_texts().back(), "Data written to file.");
  EXPECT_EQ(environment.dialogs.shown()[0].options.file_name, "Team.staff");
  EXPECT_TRUE(environment.dialogs.all_as_scripted());
  ASSERT_TRUE(fs::exists(copy));
  EXPECT_EQ(read_file_bytes(path), original_bytes);
  EXPECT_EQ(window.open_file_name(), qt_path(copy));
  EXPECT_EQ(window.status_panel(1), " Editing " + qt_path(copy));
  EXPECT_FALSE(editor().data_modified);

  edit("staff_first_name")->setText("Annemarie");
  window.menu_save->trigger();
  data_set saved;
  ASSERT_TRUE(reload_file(copy, saved));
  EXPECT_EQ(find_staff(saved.records.staff_list, 30)->StaffFirstName, "Annemarie");
  EXPECT_EQ(read_file_bytes(path), original_bytes);
}

TEST_F(save_file, save_as_onto_an_existing_file_asks_first) {
  const fs::path path = copy_to_folder(fixture_file("every_section.staff"));
  const fs::path other = folder.path() / "Other.staff";
  write_file_bytes(other, "keep me");
  open_through_menu(path);
  edit("staff_first_name")->setText("Annelie");

  // Cancel writes nothing, but the record on screen has been committed.
  environment.dialogs.clear();
  environment.dialogs.queue_path(qt_path(other));
  environment.dialogs.queue_answer(dialog_answer::cancel);
  window.menu_save_as->trigger();
  EXPECT_EQ(environment.dialogs.shown_texts().back(), "File exists. Overwrite?");
  EXPECT_EQ(environment.dialogs.last().buttons, message_buttons::ok_cancel);
  EXPECT_EQ(read_file_bytes(other), "keep me");
  EXPECT_EQ(editor().current_staff->StaffFirstName, "Annelie");
  EXPECT_TRUE(editor().data_modified);
  EXPECT_EQ(window.open_file_name(), qt_path(path));

  // OK overwrites it.
  environment.dialogs.clear();
  environment.dialogs.queue_path(qt_path(other));
  environment.dialogs.queue_answer(dialog_answer::ok);
  window.menu_save_as->trigger();
  EXPECT_TRUE(environment.dialogs.all_as_scripted());
  data_set saved;
  ASSERT_TRUE(reload_file(other, saved));
  EXPECT_EQ(find_staff(saved.records.staff_list, 30)->StaffFirstName, "Annelie");
}

TEST_F(save_file, save_as_of_a_file_without_staff_refuses_while_save_writes_it) {
  const fs::path path = write_file_without_staff();
  open_through_menu(path);

  environment.dialogs.clear();
  window.menu_save_as->trigger();
  EXPECT_EQ(environment.dialogs.shown_texts(), std::vector<QString>{"Data not loaded / empty."});
  EXPECT_EQ(environment.dialogs.last().type, message_type::error);

  environment.dialogs.clear();
  window.menu_save->trigger();
  EXPECT_EQ(environment.dialogs.shown_texts(), std::vector<QString>{"Data written to file."});
  data_set saved;
  EXPECT_TRUE(reload_file(path, saved));
}

}  // namespace
