#include <gtest/gtest.h>
#include <QAction>
#include <QLineEdit>
#include <filesystem>
#include <fstream>

#include "main_window/main_window.h"
#include "record_form/editor_state.h"
#include "record_form/staff_commit.h"
#include "records/last_error.h"
#include "records/record_store.h"
#include "window_test_support.h"

namespace fs = std::filesystem;

namespace {

class main_window_close : public testing::Test {
 protected:
  main_window_close() { window.show(); }

  void open_a_file() {
    editor().data_loaded = true;
    window.set_open_file_name(QString::fromStdString(target.string()));
  }

  window_test_environment environment;
  temporary_folder folder;
  fs::path target = folder.path() / "Team.staff";
  Tfrm_main window;
};

TEST_F(main_window_close, before_any_file_is_opened_the_window_closes_without_a_question) {
  window.menu_exit->trigger();
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(environment.dialogs.shown().empty());
}

TEST_F(main_window_close, an_unchanged_file_asks_whether_to_quit) {
  open_a_file();
  struct quit_case {
    dialog_answer answer;
    bool closes;
  };
  for (const quit_case c : {quit_case{dialog_answer::cancel, false}, {dialog_answer::ok, true}}) {
    environment.dialogs.clear();
    environment.dialogs.queue_answer(c.answer);
    EXPECT_EQ(window.close(), c.closes);
    ASSERT_EQ(environment.dialogs.shown_texts(),
              std::vector<QString>{"Do you really want to quit?"});
    EXPECT_EQ(environment.dialogs.last().type, message_type::confirmation);
    EXPECT_EQ(environment.dialogs.last().buttons, message_buttons::ok_cancel);
    EXPECT_TRUE(environment.dialogs.all_as_scripted());
  }
  EXPECT_FALSE(fs::exists(target));
}

TEST_F(main_window_close, unsaved_changes_ask_to_save_and_no_or_cancel_write_nothing) {
  open_a_file();
  editor().data_modified = true;
  struct save_case {
    dialog_answer answer;
    bool closes;
  };
  for (const save_case c : {save_case{dialog_answer::cancel, false}, {dialog_answer::no, true}}) {
    environment.dialogs.clear();
    environment.dialogs.queue_answer(c.answer);
    EXPECT_EQ(window.close(), c.closes);
    ASSERT_EQ(environment.dialogs.shown_texts(),
              std::vector<QString>{"Do you want to save changes?"});
    EXPECT_EQ(environment.dialogs.last().buttons, message_buttons::yes_no_cancel);
    EXPECT_TRUE(editor().data_modified);
  }
  EXPECT_FALSE(fs::exists(target));
}

TEST_F(main_window_close, yes_saves_to_the_file_being_edited_and_closes) {
  open_a_file();
  editor().data_modified = true;
  environment.dialogs.queue_answer(dialog_answer::yes);
  EXPECT_TRUE(window.close());
  EXPECT_TRUE(fs::exists(target));
  EXPECT_EQ(environment.dialogs.shown_texts(),
            std::vector<QString>{"Do you want to save changes?"});
}

TEST_F(main_window_close, a_backup_that_cannot_be_taken_is_reported_and_the_save_goes_on) {
  copied_program_folder program;
  std::ofstream(program.path() / "backup staff files") << "a file where the folder should be";
  std::ofstream(target) << "the file as it was loaded";
  file_data().file_name = target.string();
  open_a_file();
  editor().data_modified = true;
  environment.dialogs.queue_answer(dialog_answer::yes);

  EXPECT_TRUE(window.close());

  ASSERT_EQ(environment.dialogs.shown().size(), 2u);
  EXPECT_EQ(environment.dialogs.last().type, message_type::warning);
  EXPECT_FALSE(environment.dialogs.last().text.isEmpty());
  file_data().file_name.clear();
}

TEST_F(main_window_close, a_failed_save_shows_why_and_keeps_the_window_and_the_changes) {
  open_a_file();
  const fs::path unwritable = folder.path() / "no such folder" / "Team.staff";
  window.set_open_file_name(QString::fromStdString(unwritable.string()));
  editor().data_modified = true;
  environment.dialogs.queue_answer(dialog_answer::yes);

  EXPECT_FALSE(window.close());

  ASSERT_EQ(environment.dialogs.shown().size(), 2u);
  EXPECT_EQ(environment.dialogs.last().type, message_type::error);
  EXPECT_EQ(environment.dialogs.last().text, QString::fromStdString(get_last_error()));
  EXPECT_TRUE(
      environment.dialogs.last().text.contains(QString::fromStdString(unwritable.string())));
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(editor().data_modified);
  EXPECT_FALSE(fs::exists(unwritable));
}

TEST_F(main_window_close, an_edit_typed_but_not_yet_committed_still_asks_to_save) {
  open_a_file();
  auto staff = std::make_unique<qor_staff>();
  staff->StaffID = 1;
  staff->StaffFirstName = "Aldo";
  staff->StaffSecondName = "Brenner";
  editor().current_staff = staff.get();
  store().staff_list.push_back(std::move(staff));
  fill_staff_fields(*editor().current_staff, window.controls());
  auto* first_name = window.controls().get<QLineEdit>("staff_first_name");
  ASSERT_NE(first_name, nullptr);
  first_name->setText("Aldous");
  ASSERT_FALSE(editor().data_modified);

  environment.dialogs.queue_answer(dialog_answer::cancel);
  EXPECT_FALSE(window.close());

  EXPECT_EQ(environment.dialogs.shown_texts(),
            std::vector<QString>{"Do you want to save changes?"});
  EXPECT_EQ(editor().current_staff->StaffFirstName, "Aldous");
  EXPECT_TRUE(editor().data_modified);
}

}  // namespace
