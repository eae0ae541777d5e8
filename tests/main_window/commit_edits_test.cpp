#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>

#include "../support/user_typing.h"
#include "analysis/error_check_flags.h"
#include "file_menu_test_support.h"
#include "platform/item_objects.h"
#include "platform/owner_drawn_list_view.h"
#include "record_form/editor_state.h"

namespace fs = std::filesystem;

namespace {

// Staff of the example club, and items of theirs that a detail panel shows first.
constexpr std::int32_t job_owner = 28000118;
constexpr std::int32_t job_item = 700221;  // rated 9
constexpr std::int32_t injury_owner = 28000100;
constexpr std::int32_t injury_item = 700105;  // not permanent

// The commands that leave the record or write the file.
enum class command { save, save_as, open, close, add_staff, sort };

// What the user leaves in a detail panel, the focus still in the control, before a command.
enum class panel_edit { rating_typed, permanence_ticked };

template <class Item>
const Item* find_item(const record_vector<Item>& items, std::int32_t id) {
  for (const auto& item : items) {
    if (item && record_id(*item) == id)
      return item.get();
  }
  return nullptr;
}

bool edit_reached(panel_edit edit, const record_store& records) {
  if (edit == panel_edit::rating_typed) {
    const auto* item = find_item(records.staff_job_list, job_item);
    return item != nullptr && item->StaffJobRating == 12;
  }
  const auto* item = find_item(records.staff_injury_list, injury_item);
  return item != nullptr && item->StaffInjuriesPermanentInjury == "True";
}

class commit_edits_test : public file_menu_test {
 protected:
  void open_example() {
    opened_ = copy_to_folder(example_club_file());
    open_through_menu(opened_);
    environment.dialogs.clear();
  }

  // The first player of the file, shown.
  const qor_staff* show_first_player() {
    const qor_staff* player = nullptr;
    for (const auto& staff : store().staff_list) {
      if (player == nullptr && is_player(*staff))
        player = staff.get();
    }
    EXPECT_NE(player, nullptr);
    select_staff(player->StaffID);
    return player;
  }

  // The first player of the file, shown, with an out-of-range pace typed and still focused.
  const qor_staff* type_refused_pace() {
    const qor_staff* player = show_first_player();
    focus_on("staff_pl_pace");
    edit("staff_pl_pace")->setText("25");
    editor().data_modified = false;
    environment.dialogs.clear();
    return player;
  }

  void make(panel_edit edit_made) {
    if (edit_made == panel_edit::rating_typed) {
      select_staff(job_owner);
      focus_on("staff_job_rating");
      type_over(edit("staff_job_rating"), "12");
    } else {
      select_staff(injury_owner);
      focus_on("staff_injury_permanent");
      window.controls().get<QAbstractButton>("staff_injury_permanent")->click();
    }
  }

  // Runs the command as a user who wants the file written would; returns the file it writes,
  // empty for a command that only leaves the record.
  fs::path run(command given) {
    switch (given) {
      case command::save:
        window.menu_save->trigger();
        return opened_;
      case command::save_as: {
        const fs::path copy = folder.path() / "Copy.staff";
        environment.dialogs.queue_path(qt_path(copy));
        window.menu_save_as->trigger();
        return copy;
      }
      case command::open:
        environment.dialogs.queue_answer(dialog_answer::yes);  // save the changes
        environment.dialogs.queue_path(QString());             // then open nothing
        window.menu_open->trigger();
        return opened_;
      case command::close:
        environment.dialogs.queue_answer(dialog_answer::yes);
        window.close();
        return opened_;
      case command::add_staff:
        window.menu_new->trigger();
        return {};
      case command::sort:
        window.sort_asc_btn->click();
        return {};
    }
    return {};
  }

  fs::path opened_;
};

const char* name_of(command given) {
  constexpr const char* names[] = {"save", "save_as", "open", "close", "add_staff", "sort"};
  return names[static_cast<int>(given)];
}

constexpr command every_command[] = {command::save,  command::save_as,   command::open,
                                     command::close, command::add_staff, command::sort};

// A value the focused field refuses keeps the record and its entry, whether a mouse click on
// another entry or a program choosing one (the analysis pages) tried to leave it.
TEST_F(commit_edits_test, a_refused_value_stops_the_click_on_another_staff_entry) {
  open_example();
  const qor_staff* player = type_refused_pace();
  const auto pace = player->StaffPlayerPace;
  const int shown = list_entry_of(player);
  const int other = shown == 0 ? 1 : shown - 1;
  const qor_staff* neighbour = entry_object<qor_staff>(window.list_box, other);
  QLineEdit* pace_edit = edit("staff_pl_pace");

  click_staff_entry(other);
  window.list_box->set_item_index(other);
  window.list_boxClick();

  EXPECT_EQ(environment.dialogs.shown().size(), 2u);  // once for each try
  EXPECT_EQ(environment.dialogs.last().type, message_type::error);
  EXPECT_EQ(editor().current_staff, player);
  EXPECT_EQ(window.list_box->item_index(), shown);
  EXPECT_EQ(QApplication::focusWidget(), pace_edit);
  EXPECT_EQ(player->StaffPlayerPace, pace);
  EXPECT_FALSE(editor().data_modified);

  // Mended, the same click leaves the record with the value committed.
  pace_edit->setText("15");
  click_staff_entry(other);
  EXPECT_EQ(editor().current_staff, neighbour);
  EXPECT_EQ(window.list_box->item_index(), other);
  EXPECT_EQ(player->StaffPlayerPace, 15);
  EXPECT_EQ(environment.dialogs.shown().size(), 2u);
}

// The leave checks come after the field's own check; staying puts the entry back the same way.
TEST_F(commit_edits_test, staying_after_a_leave_check_keeps_the_record_and_its_entry) {
  open_example();
  error_checks() = error_check_flags{};
  const qor_staff* player = show_first_player();
  const int shown = list_entry_of(player);
  const int other = shown == 0 ? 1 : shown - 1;
  // A record without a second name is questioned when it is left.
  focus_on("staff_second_name");
  edit("staff_second_name")->setText("");
  editor().data_modified = false;
  environment.dialogs.clear();
  environment.dialogs.queue_answer(dialog_answer::yes);  // stay and mend it

  click_staff_entry(other);
  ASSERT_EQ(environment.dialogs.shown().size(), 1u);
  EXPECT_TRUE(environment.dialogs.last().text.contains("missing a second name"))
      << environment.dialogs.last().text.toStdString();
  EXPECT_EQ(editor().current_staff, player);
  EXPECT_EQ(window.list_box->item_index(), shown);
  EXPECT_FALSE(player->StaffSecondName.view().empty());
  EXPECT_FALSE(editor().data_modified);
  EXPECT_TRUE(environment.dialogs.all_as_scripted());
}

class commands_with_a_panel_edit
    : public commit_edits_test,
      public ::testing::WithParamInterface<std::tuple<command, panel_edit>> {};

// The edit still in the focused detail panel reaches its item, and the file where the command
// writes one.
TEST_P(commands_with_a_panel_edit, commit_the_item_the_panel_shows) {
  const auto [given, edit_made] = GetParam();
  open_example();
  make(edit_made);
  const fs::path written = run(given);
  EXPECT_EQ(environment.dialogs.unexpected_count(), 0);
  if (written.empty()) {
    EXPECT_TRUE(edit_reached(edit_made, store()));
    return;
  }
  data_set saved;
  ASSERT_TRUE(reload_file(written, saved));
  EXPECT_TRUE(edit_reached(edit_made, saved.records));
}

INSTANTIATE_TEST_SUITE_P(every_command, commands_with_a_panel_edit,
                         ::testing::Combine(::testing::ValuesIn(every_command),
                                            ::testing::Values(panel_edit::rating_typed,
                                                              panel_edit::permanence_ticked)),
                         [](const auto& info) {
                           return std::string(name_of(std::get<0>(info.param))) +
                                  (std::get<1>(info.param) == panel_edit::rating_typed
                                       ? "_rating_typed"
                                       : "_permanence_ticked");
                         });

class commands_after_a_refused_value : public commit_edits_test,
                                       public ::testing::WithParamInterface<command> {};

// A value the focused field refuses stops the command: its message once, nothing committed or
// written, the record and the focus where they were.
TEST_P(commands_after_a_refused_value, stop_before_anything_is_committed_or_written) {
  open_example();
  const qor_staff* player = type_refused_pace();
  const auto pace = player->StaffPlayerPace;
  const std::size_t staff_count = store().staff_list.size();
  const std::string bytes = read_file_bytes(opened_);

  const fs::path written = run(GetParam());

  ASSERT_EQ(environment.dialogs.shown().size(), 1u);
  EXPECT_EQ(environment.dialogs.last().type, message_type::error);
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(editor().current_staff, player);
  EXPECT_EQ(player->StaffPlayerPace, pace);
  EXPECT_FALSE(editor().data_modified);
  EXPECT_EQ(QApplication::focusWidget(), edit("staff_pl_pace"));
  EXPECT_EQ(store().staff_list.size(), staff_count);
  EXPECT_TRUE(window.currently_sorted_by_label->text().isEmpty());
  EXPECT_EQ(read_file_bytes(opened_), bytes);
  EXPECT_TRUE(written.empty() || written == opened_ || !fs::exists(written));
  EXPECT_TRUE(backups().empty());
}

INSTANTIATE_TEST_SUITE_P(every_command, commands_after_a_refused_value,
                         ::testing::ValuesIn(every_command),
                         [](const auto& info) { return std::string(name_of(info.param)); });

}  // namespace
