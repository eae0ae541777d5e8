// What some kinds add to adding and deleting: the shared favourite and disliked adders, the
// starting values of new items, the history's lock and the contract clauses' "Del All" and
// next-sale-percentage removal.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "../support/user_typing.h"
#include "item_list_editing_fixture.h"
#include "record_form/contract_fields.h"
#include "records/staff_record.h"

namespace {

using enum item_kind;

// Two day-first date texts name the same day, written with or without leading zeros.
bool same_day(std::string_view a, std::string_view b) {
  int day[2] = {}, month[2] = {}, year[2] = {};
  const std::string texts[] = {std::string(a), std::string(b)};
  for (int i = 0; i < 2; ++i) {
    if (std::sscanf(texts[i].c_str(), "%d/%d/%d", &day[i], &month[i], &year[i]) != 3)
      return false;
  }
  return day[0] == day[1] && month[0] == month[1] && year[0] == year[1];
}

class item_kind_rules : public item_list_editing {
 protected:
  item_kind_rules() : saved_file_club_(file_data().file_club_id) {}
  ~item_kind_rules() override {
    file_data().file_club_id = saved_file_club_;
    contract_fields() = {};
  }

  QCheckBox* check_box(const char* name) { return named<QCheckBox>(name); }

 private:
  std::int32_t saved_file_club_;
};

// The Insert key of a favourite or disliked list adds to that list's kind; the shared adders
// tell the kind from the button and add nothing for any other sender.
TEST_F(item_kind_rules, the_shared_adders_tell_the_kind_from_the_button) {
  show_items();
  QWidget* favourite_staff_list = control("staff_favourite_staff");
  focus_on(favourite_staff_list);
  QTest::keyClick(favourite_staff_list, Qt::Key_Insert);
  QWidget* disliked_clubs = control("staff_disliked_clubs");
  focus_on(disliked_clubs);
  QTest::keyClick(disliked_clubs, Qt::Key_Insert);
  EXPECT_EQ(items_of<favourite_staff>().size(), 1u);
  EXPECT_EQ(items_of<disliked_club>().size(), 1u);

  add_favourite_disliked_staff(control("add_favourite_club"), controls);
  add_favourite_disliked_club(control("add_favourite_staff"), controls);
  add_favourite_disliked_staff(nullptr, controls);
  add_favourite_disliked_club(control("add_disliked_club"), controls);
  EXPECT_EQ(items_of<favourite_staff>().size(), 1u);
  EXPECT_EQ(items_of<disliked_staff>().size(), 0u);
  EXPECT_EQ(items_of<favourite_club>().size(), 0u);
  EXPECT_EQ(items_of<disliked_club>().size(), 2u);
}

// A new favourite staff item shows no name, id 0, rating 0, Permanent ticked and not marked;
// adding stores a name typed for the item being left, whose entry keeps its text until its next
// edit.
TEST_F(item_kind_rules, a_new_favourite_staff_item_is_permanent_and_the_item_left_keeps_its_name) {
  auto& first = add_item<favourite_staff>(1);
  show_items();
  auto* list = named<owner_drawn_list_box>("staff_favourite_staff");
  const QString first_entry = list->item(0)->text();
  type_over(edit("staff_favourite_staff_staff"), "Jones");

  press("add_favourite_staff");

  EXPECT_EQ(first.StaffFavouriteStaffLikedStaff, "Jones");
  EXPECT_EQ(list->item(0)->text(), first_entry);
  const qor_staff_favourite_disliked_staff& made = *items_of<favourite_staff>().back();
  EXPECT_EQ(made.StaffFavouriteStaffLikedStaff, "");
  EXPECT_EQ(made.StaffFavouriteStaffStaffID, 0);
  EXPECT_EQ(made.StaffFavouriteStaffRating, 0);
  EXPECT_EQ(made.StaffFavouriteStaffPermanent, "True");
  EXPECT_EQ(made.StaffFavouriteStaffReason, 0);
  EXPECT_EQ(edit("staff_favourite_staff_staff")->text(), "");
  EXPECT_EQ(edit("staff_favourite_staff_staff_id")->text(), "0");
  EXPECT_EQ(edit("staff_favourite_staff_rating")->text(), "0");
  EXPECT_TRUE(check_box("staff_favourite_staff_permanent")->isChecked());
  EXPECT_FALSE(check_box("staff_favourite_staff_marked_for_deletion")->isChecked());
  EXPECT_EQ(list->item_index(), 1);
}

// Choosing another favourite staff entry commits the panel into the item left, but never a
// rating or staff id whose check refuses it (the arrow keys choose while the refused rating
// still stands in its edit).
TEST_F(item_kind_rules, leaving_a_favourite_staff_item_never_commits_a_refused_value) {
  add_item<favourite_staff>(1).StaffFavouriteStaffRating = 5;
  add_item<favourite_staff>(2).StaffFavouriteStaffRating = 5;
  show_items();
  QWidget* list = control("staff_favourite_staff");
  focus_on(list);
  auto& first = *selected_item<favourite_staff>().current;
  ASSERT_EQ(entry_of<favourite_staff>(&first), 0);
  auto& second = *entry_object<qor_staff_favourite_disliked_staff>(
      named<owner_drawn_list_box>("staff_favourite_staff"), 1);
  second.StaffFavouriteStaffRating = 6;

  for (const char* refused : {"25", "-1", ""}) {
    type_over(edit("staff_favourite_staff_rating"), refused);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(selected_item<favourite_staff>().current, &second);
    EXPECT_EQ(first.StaffFavouriteStaffRating, 5) << refused;
    QTest::keyClick(list, Qt::Key_Up);
  }
  type_over(edit("staff_favourite_staff_staff_id"), "x");
  QTest::keyClick(list, Qt::Key_Down);
  EXPECT_EQ(first.StaffFavouriteStaffRating, 5);

  // An accepted rating is committed the same way.
  QTest::keyClick(list, Qt::Key_Up);
  type_over(edit("staff_favourite_staff_rating"), "12");
  QTest::keyClick(list, Qt::Key_Down);
  EXPECT_EQ(first.StaffFavouriteStaffRating, 12);
  EXPECT_EQ(second.StaffFavouriteStaffRating, 6);
  EXPECT_TRUE(dialogs.shown().empty());
}

// Add commits the staff panel into the item being left as choosing another entry does: never a
// rating or staff id whose check refuses it, while the new item is added all the same.
TEST_F(item_kind_rules, adding_a_staff_item_never_commits_a_refused_value) {
  struct staff_list {
    item_kind kind;
    const char* add_button;
    const char* panel;
  };
  const staff_list lists[] = {
      {favourite_staff, "add_favourite_staff", "staff_favourite_staff"},
      {disliked_staff, "add_disliked_staff", "staff_disliked_staff"},
  };
  const std::pair<const char*, const char*> refused_values[] = {
      {"_rating", "25"}, {"_rating", "-1"}, {"_rating", ""}, {"_staff_id", "x"}};
  auto& liked = add_item<favourite_staff>(1);
  auto& disliked = add_item<disliked_staff>(2);
  for (auto* item : {&liked, &disliked}) {
    item->StaffFavouriteStaffRating = 5;
    item->StaffFavouriteStaffStaffID = 7;
  }
  for (const staff_list& list : lists) {
    const bool favourite = list.kind == favourite_staff;
    auto& items = favourite ? items_of<favourite_staff>() : items_of<disliked_staff>();
    auto& first = favourite ? liked : disliked;
    for (const auto& [field, refused] : refused_values) {
      show_items();
      ASSERT_EQ(favourite ? selected_item<favourite_staff>().current
                          : selected_item<disliked_staff>().current,
                &first);
      const std::string name = std::string(list.panel) + field;
      type_over(edit(name.c_str()), refused);
      press(list.add_button);
      EXPECT_EQ(items.size(), 2u) << name << " " << refused;
      EXPECT_EQ(first.StaffFavouriteStaffRating, 5) << name << " " << refused;
      EXPECT_EQ(first.StaffFavouriteStaffStaffID, 7) << name << " " << refused;
      items.pop_back();
    }

    // An accepted rating is committed.
    show_items();
    type_over(edit((std::string(list.panel) + "_rating").c_str()), "12");
    press(list.add_button);
    EXPECT_EQ(first.StaffFavouriteStaffRating, 12) << list.panel;
  }
  EXPECT_TRUE(dialogs.shown().empty());
}

// The starting values of the kinds that have their own.
TEST_F(item_kind_rules, new_items_start_with_their_kinds_values) {
  staff.StaffJobForClub = 6;
  file_data().file_club_id = 1;
  show_items();
  for (const char* add : {"add_favourite_club", "add_language_btn", "add_ppm_btn", "add_npt_btn",
                          "add_injury_btn", "add_achievements_btn", "add_long_term_career_btn"}) {
    press(add);
  }
  const auto& club = *items_of<favourite_club>().back();
  EXPECT_EQ(club.StaffFavouriteClubsPermanent, "True");
  EXPECT_EQ(club.StaffFavouriteClubsRating, 0);
  EXPECT_EQ(club.StaffFavouriteClubsClub, 0);
  EXPECT_EQ(items_of<language>().back()->StaffLanguagesType, 7);
  EXPECT_EQ(named<owner_drawn_list_box>("staff_language")->item(0)->text(), ", Not Set");
  EXPECT_EQ(items_of<ppm>().back()->StaffPPMPrefferedMove, 0);
  EXPECT_EQ(items_of<npt>().back()->StaffNPTTendency, 0);
  EXPECT_EQ(items_of<npt>().back()->StaffNPTMarkedForDeletion, "False");
  const auto& injury = *items_of<item_kind::injury>().back();
  for (const auto* flag :
       {&injury.StaffInjuriesPermanentInjury, &injury.StaffInjuriesFuturePermanentInjury,
        &injury.StaffInjuriesDoesNotTrain, &injury.StaffInjuriesMarkedForDeletion})
    EXPECT_EQ(*flag, "False");
  const auto& achievement = *items_of<achievements>().back();
  EXPECT_EQ(achievement.StaffAchievementsClub, 1);
  EXPECT_EQ(achievement.StaffAchievementsJob, 6);
  EXPECT_EQ(achievement.StaffAchievementsYear, 0);
  const auto& career = *items_of<long_term_career>().back();
  EXPECT_EQ(career.StaffLongTermCareerClub, 0);
  EXPECT_EQ(career.StaffLongTermCareerMarkedForDeletion, "False");
  EXPECT_EQ(career.DateUpdated, stamp);
}

// A new season starts in 2012 at the file's club with nothing else set; with the lock ticked it
// starts from the season shown instead (club, dates, currencies, loan fee, draft values), still
// without apps, goals, transfer fee or any flag.
TEST_F(item_kind_rules, the_history_lock_starts_a_new_season_from_the_one_shown) {
  file_data().file_club_id = 1;
  const auto& shown_season = add_item<history>(1);
  show_items();

  press("add_history_btn");
  const qor_staff_history& plain = *items_of<history>().back();
  EXPECT_EQ(plain.StaffHistoryClub, 1);
  EXPECT_EQ(plain.StaffHistoryDateJoined, "");
  EXPECT_EQ(plain.StaffHistoryLoanFeeText, "");
  EXPECT_EQ(plain.StaffHistoryTransferFeeCurrency, 0);

  click_entry(history, entry_of<history>(&shown_season));
  check_box("history_lock_cb")->setChecked(true);
  press("add_history_btn");
  const qor_staff_history& locked = *items_of<history>().back();
  EXPECT_EQ(locked.StaffHistoryClub, shown_season.StaffHistoryClub);
  EXPECT_TRUE(
      same_day(locked.StaffHistoryDateJoined.view(), shown_season.StaffHistoryDateJoined.view()));
  EXPECT_TRUE(same_day(locked.StaffHistoryDateDeparted.view(),
                       shown_season.StaffHistoryDateDeparted.view()));
  EXPECT_EQ(locked.StaffHistoryTransferFeeCurrency, shown_season.StaffHistoryTransferFeeCurrency);
  EXPECT_EQ(locked.StaffHistoryLoanFeeText, shown_season.StaffHistoryLoanFeeText);
  EXPECT_EQ(locked.StaffHistoryLoanFee, shown_season.StaffHistoryLoanFee);
  EXPECT_EQ(locked.StaffHistoryLoanFeeCurrency, shown_season.StaffHistoryLoanFeeCurrency);
  EXPECT_EQ(locked.StaffHistoryDraftType, shown_season.StaffHistoryDraftType);
  EXPECT_EQ(locked.StaffHistoryDraftAllocationsInvolved,
            shown_season.StaffHistoryDraftAllocationsInvolved);

  for (const qor_staff_history* season : {&plain, &locked}) {
    EXPECT_EQ(season->StaffHistoryYear, 2012);
    EXPECT_EQ(season->StaffHistoryYearOrder, 0);
    EXPECT_EQ(season->StaffHistoryAppsText, "");
    EXPECT_EQ(season->StaffHistoryApps, 0);
    EXPECT_EQ(season->StaffHistoryGoalsText, "");
    EXPECT_EQ(season->StaffHistoryTransferFeeText, "");
    EXPECT_EQ(season->StaffHistoryTransferFee, 0);
    for (const auto* flag :
         {&season->StaffHistoryOnLoan, &season->StaffHistoryYouthPlayer,
          &season->StaffHistoryPlayerExchangeInvolved, &season->StaffHistoryMarkedForDeletion})
      EXPECT_EQ(*flag, "False");
    EXPECT_EQ(season->DateUpdated, stamp);
  }
  // The grid and its hidden list show the same seasons in the same order, the new one last.
  const std::vector<const void*> lines = listed<history>();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines.back(), &locked);
  auto* grid = named<string_grid>("staff_history_string_grid");
  EXPECT_EQ(grid->row(), 3);
  EXPECT_EQ(grid->cell(0, 3), "2012");
  EXPECT_EQ(caption("staff_history_count"), "3 of 3 items");
}

class contract_clause_rules : public item_kind_rules {
 protected:
  contract_clause_rules() {
    contract_fields().clause_actions = item_list_clause_actions(controls);
    // A club is chosen, so that leaving the contracted club asks only about the clauses.
    combo("staff_club_contracted")->setCurrentIndex(1);
  }

  qor_staff_contract_clauses& clause(std::int32_t id, std::int32_t type, bool exported) {
    auto& made = exported ? add_item<contract_clauses>(id) : add_new_item<contract_clauses>(id);
    made.StaffContractClausesType = type;
    made.StaffContractClausesMarkedForDeletion = "False";
    if (exported)
      store().staff_contract_clauses_orig_list.back()->StaffContractClausesMarkedForDeletion =
          "False";
    return made;
  }

  bool held(const void* item) {
    const auto& items = items_of<contract_clauses>();
    return std::any_of(items.begin(), items.end(),
                       [item](const auto& held_item) { return held_item.get() == item; });
  }

  // The panel's edits and drawing the grid after clauses went reach only those left.
  void use_what_is_left() {
    draw_every_entry(contract_clauses);
    process_staff_contract_clauses_edit(controls);
  }
};

// "Del All" asks first; Yes frees the clauses made in the editor and marks the exported ones,
// which stay listed, the first selected.
TEST_F(contract_clause_rules, del_all_frees_new_clauses_and_marks_exported_ones) {
  auto& kept = clause(1, 3, true);
  auto* made = &clause(2, 3, false);
  show_items();
  click_entry(contract_clauses, entry_of<contract_clauses>(made));
  ASSERT_EQ(selected_item<contract_clauses>().current, made);

  dialogs.queue_answer(dialog_answer::no);
  press("delete_all_contract_clauses_btn");
  EXPECT_EQ(items_of<contract_clauses>().size(), 2u);
  EXPECT_EQ(kept.StaffContractClausesMarkedForDeletion, "False");

  dialogs.queue_answer(dialog_answer::yes);
  press("delete_all_contract_clauses_btn");
  EXPECT_FALSE(held(made));
  EXPECT_EQ(kept.StaffContractClausesMarkedForDeletion, "True");
  EXPECT_EQ(listed<contract_clauses>(), std::vector<const void*>{&kept});
  EXPECT_EQ(selected_item<contract_clauses>().current, &kept);
  EXPECT_EQ(caption("staff_contract_clauses_count"), "1 of 1 items");
  EXPECT_TRUE(check_box("staff_contract_clauses_marked_for_deletion")->isChecked());
  ASSERT_EQ(dialogs.shown().size(), 2u);
  EXPECT_EQ(dialogs.last().text, "Would you like to delete contract clause/s?");
  EXPECT_EQ(dialogs.last().buttons, message_buttons::yes_no);
  use_what_is_left();
}

// With only new clauses, "Del All" leaves none: the panel hides and the grid counts none.
// Without clauses it asks nothing.
TEST_F(contract_clause_rules, del_all_of_new_clauses_empties_the_grid) {
  clause(1, 3, false);
  clause(2, 9, false);
  show_items();
  dialogs.queue_answer(dialog_answer::yes);
  press("delete_all_contract_clauses_btn");
  EXPECT_TRUE(items_of<contract_clauses>().empty());
  EXPECT_EQ(selected_item<contract_clauses>().current, nullptr);
  EXPECT_FALSE(visible("edit_staff_contract_clauses_panel"));
  EXPECT_FALSE(control("staff_contract_clauses_string_grid")->isEnabled());
  EXPECT_EQ(caption("staff_contract_clauses_count"), "0 of 0 items");
  use_what_is_left();

  press("delete_all_contract_clauses_btn");
  EXPECT_EQ(dialogs.shown().size(), 1u);
}

// Leaving the contracted club offers "Del All", then counts the next-sale-percentage clauses,
// those just marked too, without reordering the store; Yes removes them as "Del All" does, any
// other answer keeps them.
TEST_F(contract_clause_rules, leaving_the_contracted_club_offers_to_remove_next_sale_clauses) {
  auto& stored_sale = clause(1, 9, true);
  auto& other = clause(2, 3, true);
  auto* made_sale = &clause(3, 9, false);
  show_items();
  const std::vector<const void*> order = {items_of<contract_clauses>()[0].get(),
                                          items_of<contract_clauses>()[1].get(),
                                          items_of<contract_clauses>()[2].get()};
  click_entry(contract_clauses, entry_of<contract_clauses>(made_sale));

  dialogs.queue_answer(dialog_answer::no);      // "Del All"
  dialogs.queue_answer(dialog_answer::cancel);  // the next-sale clauses
  staff_club_contractedExit(controls);
  EXPECT_EQ(count_next_sale_percentage_clauses(shown_staff), 2);
  EXPECT_EQ(std::vector<const void*>({items_of<contract_clauses>()[0].get(),
                                      items_of<contract_clauses>()[1].get(),
                                      items_of<contract_clauses>()[2].get()}),
            order);
  EXPECT_EQ(stored_sale.StaffContractClausesMarkedForDeletion, "False");

  dialogs.queue_answer(dialog_answer::no);
  dialogs.queue_answer(dialog_answer::yes);
  staff_club_contractedExit(controls);
  EXPECT_FALSE(held(made_sale));
  EXPECT_EQ(stored_sale.StaffContractClausesMarkedForDeletion, "True");
  EXPECT_EQ(other.StaffContractClausesMarkedForDeletion, "False");
  EXPECT_EQ(listed<contract_clauses>().size(), 2u);
  EXPECT_NE(selected_item<contract_clauses>().current, nullptr);
  use_what_is_left();

  // The marked clause still counts.
  dialogs.queue_answer(dialog_answer::no);
  dialogs.queue_answer(dialog_answer::no);
  staff_club_contractedExit(controls);

  const std::vector<QString> asked = dialogs.shown_texts();
  ASSERT_EQ(asked.size(), 6u);
  EXPECT_EQ(asked[0], "Would you like to delete contract clause/s?");
  EXPECT_EQ(asked[1],
            "There are 2 'next sale percentage' contract clauses. Do you want to delete them?");
  EXPECT_EQ(asked[3], asked[1]);
  EXPECT_EQ(asked[5],
            "There is 1 'next sale percentage' contract clause. Do you want to delete it?");
  EXPECT_EQ(dialogs.last().buttons, message_buttons::yes_no_cancel);
  EXPECT_TRUE(dialogs.all_as_scripted());
}

}  // namespace
