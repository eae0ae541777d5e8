#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <memory>

#include "analysis/error_check_flags.h"
#include "file_menu_test_support.h"
#include "platform/item_objects.h"
#include "platform/owner_drawn_list_view.h"
#include "platform/page_control.h"
#include "record_form/editor_state.h"

namespace {

class analysis_pages_test : public file_menu_test {
 protected:
  QListWidget* analysis_list() { return window.findChild<QListWidget*>("analysis_list_box"); }
  void click(const char* button) { window.findChild<QPushButton*>(button)->click(); }
  QString count(const char* edit) { return window.findChild<QLineEdit*>(edit)->text(); }
};

TEST_F(analysis_pages_test, opening_a_file_counts_its_staff_and_a_listed_record_can_be_opened) {
  open_through_menu(copy_to_folder(example_club_file()));
  const auto staff_count = static_cast<int>(store().staff_list.size());
  ASSERT_GT(staff_count, 1);
  EXPECT_EQ(count("amount_of_staff_edit").toInt(), staff_count);
  EXPECT_EQ(window.main_page_control->currentWidget(), window.analysis_tab);

  click("view_staff_bt");
  QListWidget* list = analysis_list();
  ASSERT_EQ(list->count(), staff_count);
  const int last = staff_count - 1;
  const auto* chosen = entry_object<const qor_staff>(list, last);
  ASSERT_NE(chosen, editor().current_staff);
  list->setCurrentRow(last);
  emit list->itemDoubleClicked(list->item(last));
  EXPECT_EQ(editor().current_staff, chosen);
  EXPECT_EQ(window.main_page_control->currentWidget(), window.staff_tab);
}

// The example club's squad ranges come from the shipped club list: they must spread its players
// over the squad rows, each player in exactly one row by ability.
TEST_F(analysis_pages_test, the_example_spreads_its_players_over_the_squad_rows) {
  open_through_menu(copy_to_folder(example_club_file()));
  const int players =
      count("amount_of_players_edit").toInt() + count("amount_of_player_non_players_edit").toInt();
  ASSERT_GT(players, 4);
  int counted = 0;
  for (const char* row : {"above_pl_edit", "star_pl_edit", "first_team_pl_edit", "other_pl_edit"}) {
    const int in_row = count(row).toInt();
    EXPECT_GT(in_row, 0) << row;
    EXPECT_LT(in_row, players) << row;
    counted += in_row;
  }
  EXPECT_EQ(counted, players);
}

TEST_F(analysis_pages_test, going_to_a_listed_record_asks_the_leave_checks_first) {
  open_through_menu(copy_to_folder(example_club_file()));
  error_checks() = error_check_flags{};
  const qor_staff* left = editor().current_staff;
  ASSERT_NE(left, nullptr);
  // A record without a second name is questioned when it is left.
  edit("staff_second_name")->setText("");
  click("view_staff_bt");
  QListWidget* list = analysis_list();
  const int last = list->count() - 1;
  const auto* chosen = entry_object<const qor_staff>(list, last);
  ASSERT_NE(chosen, left);
  list->setCurrentRow(last);

  const std::size_t shown_before = environment.dialogs.shown().size();
  environment.dialogs.queue_answer(dialog_answer::yes);  // stay and mend it
  emit list->itemDoubleClicked(list->item(last));
  ASSERT_EQ(environment.dialogs.shown().size(), shown_before + 1);
  EXPECT_TRUE(environment.dialogs.shown().back().text.contains("missing a second name"))
      << environment.dialogs.shown().back().text.toStdString();
  EXPECT_EQ(editor().current_staff, left);
  EXPECT_EQ(window.list_box->item_index(), list_entry_of(left));

  click("view_staff_bt");
  list->setCurrentRow(last);
  environment.dialogs.queue_answer(dialog_answer::no);  // leave it as it is
  emit list->itemDoubleClicked(list->item(last));
  EXPECT_EQ(editor().current_staff, chosen);
  EXPECT_TRUE(environment.dialogs.all_as_scripted());
}

TEST_F(analysis_pages_test, leaving_the_staff_page_counts_the_committed_record) {
  open_through_menu(copy_to_folder(example_club_file()));
  const qor_staff* player = nullptr;
  for (const auto& staff : store().staff_list) {
    if (is_player(*staff) && staff->StaffPlayerCurrentAbility > 0)
      player = staff.get();
  }
  ASSERT_NE(player, nullptr);
  select_staff(player->StaffID);
  const int missing_before = count("missing_pl_ca_edit").toInt();
  // Both views of the current ability say 0, as a user would have typed it.
  edit("staff_pl_current_ability")->setText("0");
  edit("staff_pl_current_ability2")->setText("0");
  bool allowed = false;
  window.main_page_controlChanging(allowed);
  EXPECT_TRUE(allowed);
  EXPECT_EQ(player->StaffPlayerCurrentAbility, 0);
  EXPECT_EQ(count("missing_pl_ca_edit").toInt(), missing_before + 1);
}

TEST_F(analysis_pages_test, an_empty_file_counts_nothing_and_lists_nothing) {
  open_through_menu(write_file_without_staff());
  EXPECT_EQ(count("amount_of_staff_edit"), "0");
  click("BitBtn1");
  EXPECT_EQ(analysis_list()->count(), 0);
  click("view_staff_bt");
  EXPECT_EQ(analysis_list()->count(), 0);
}

// "Select All" asks for every player, however many digits the count has; the players listed
// are forgotten when another file is opened, before the records they point at are freed.
TEST_F(analysis_pages_test, select_all_takes_every_player_and_a_new_file_empties_the_list) {
  open_through_menu(copy_to_folder(example_club_file()));
  const qor_staff* player = nullptr;
  for (const auto& staff : store().staff_list) {
    if (is_player(*staff))
      player = staff.get();
  }
  ASSERT_NE(player, nullptr);
  qor_staff copy = *player;
  for (int i = 0; i < 1200; ++i) {
    copy.StaffID = 900000 + i;
    store().staff_list.push_back(std::make_unique<qor_staff>(copy));
  }
  int players = 0;
  for (const auto& staff : store().staff_list)
    players += is_player(*staff) ? 1 : 0;
  ASSERT_GE(players, 1000);

  auto* attribute = window.findChild<QComboBox*>("avg_attribute_var");
  attribute->setCurrentIndex(1);
  click("select_all_staff_btn");
  EXPECT_EQ(count("avgs_amount_of_staff"), QString::number(players));
  auto* evaluated = window.findChild<QListWidget*>("avgs_staff_evaluated_list_box");
  EXPECT_EQ(evaluated->count(), players);

  open_through_menu(copy_to_folder(example_club_file(), "again.staff"));
  EXPECT_EQ(evaluated->count(), 0);
}

}  // namespace
