#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <string>

#include "../support/user_typing.h"
#include "item_panel_fixture.h"
#include "platform/item_objects.h"
#include "platform/owner_drawn_list_box.h"
#include "platform/string_grid.h"
#include "record_form/item_apply.h"
#include "sub_records/item_panel_edits.h"

namespace {

using dialog_kind = scripted_dialog_service::dialog_kind;

constexpr const char* unchanged_stamp = "01/01/2020 10:00:00";

std::string text_of(const QLineEdit* edit) {
  return to_win1252(edit->text());
}

// What the panel cannot show stays as it was when another field is edited: a code the list
// lacks, a flag that is neither "True" nor "False", a language level without an entry.
TEST_F(item_panel_form, values_the_panel_cannot_show_are_not_written_back) {
  auto& job = add_item<item_kind::job>(1);
  job.StaffJobJob = 99;
  auto& liked = add_item<item_kind::favourite_staff>(2);
  liked.StaffFavouriteStaffPermanent = "";
  auto& language = add_item<item_kind::language>(3);
  language.StaffLanguagesType = 9;
  show_items();

  type_into("staff_job_rating", "18");
  EXPECT_EQ(job.StaffJobJob, 99);
  EXPECT_EQ(job.StaffJobRating, 18);
  EXPECT_EQ(job.DateUpdated, stamp);

  type_into("staff_favourite_staff_rating", "12");
  EXPECT_EQ(liked.StaffFavouriteStaffPermanent, "");
  EXPECT_EQ(liked.StaffFavouriteStaffRating, 12);
  // Once the user sets the box, it is the user's value.
  box("staff_favourite_staff_permanent")->click();
  EXPECT_EQ(liked.StaffFavouriteStaffPermanent, "True");

  choose("staff_language_language", 2);
  EXPECT_EQ(language.StaffLanguagesLanguage, "Wales");
  EXPECT_EQ(language.StaffLanguagesType, 9);
}

// Once the user has changed a control that stood in for a value the panel could not show, the
// control holds the user's value, also when changed back to what it showed at first.
TEST_F(item_panel_form, a_stand_in_the_user_changed_and_changed_back_is_stored) {
  auto& liked = add_item<item_kind::favourite_staff>(1);
  liked.StaffFavouriteStaffPermanent = "";
  liked.StaffFavouriteStaffReason = 99;
  QAbstractButton* permanent = box("staff_favourite_staff_permanent");
  permanent->setChecked(true);  // as the previous item left it
  show_items();
  ASSERT_FALSE(permanent->isChecked());
  ASSERT_EQ(combo("staff_favourite_staff_reason")->currentIndex(), 0);

  permanent->click();
  EXPECT_EQ(liked.StaffFavouriteStaffPermanent, "True");
  permanent->click();
  EXPECT_EQ(liked.StaffFavouriteStaffPermanent, "False");
  choose("staff_favourite_staff_reason", 2);
  EXPECT_EQ(liked.StaffFavouriteStaffReason, 2);
  choose("staff_favourite_staff_reason", 0);
  EXPECT_EQ(liked.StaffFavouriteStaffReason, 0);
}

// Promotion or relegation is kept as the text of its position; an unset text stays unset
// until the user chooses.
TEST_F(item_panel_form, promotion_or_relegation_is_shown_and_stored_as_its_position) {
  auto& promoted = add_item<item_kind::achievements>(1);
  promoted.StaffAchievementsYear = 1990;
  promoted.StaffAchievementsPromotionOrRelegation = "1";
  auto& unset = add_item<item_kind::achievements>(2);
  unset.StaffAchievementsYear = 1991;
  show_items();
  ASSERT_EQ(&shown<item_kind::achievements>(), &promoted);
  EXPECT_EQ(combo("staff_achievements_promotion_or_relegation")->currentIndex(), 1);
  choose("staff_achievements_promotion_or_relegation", 2);
  EXPECT_EQ(promoted.StaffAchievementsPromotionOrRelegation, "2");
  EXPECT_EQ(promoted.DateUpdated, stamp);

  selected_item<item_kind::achievements>().current = &unset;
  fill_staff_achievements_details(&unset, controls);
  choose("staff_achievements_placing", 2);
  EXPECT_EQ(unset.StaffAchievementsPlacing, 2);
  EXPECT_EQ(unset.StaffAchievementsPromotionOrRelegation, "");
}

// A program fill raises the boxes' and combos' events too; none of them may write the panel
// into the item meanwhile.
TEST_F(item_panel_form, handlers_do_nothing_while_controls_are_filled) {
  auto& liked = add_item<item_kind::favourite_staff>(1);
  auto& job = add_item<item_kind::job>(2);
  show_items();
  editor().filling_controls = true;
  box("staff_favourite_staff_permanent")->click();
  choose("staff_job_job", 1);
  type_into("staff_job_rating", "18");
  EXPECT_EQ(liked.StaffFavouriteStaffPermanent, "True");
  EXPECT_EQ(job.StaffJobJob, 2);
  EXPECT_EQ(job.StaffJobRating, 7);
  EXPECT_EQ(job.DateUpdated, unchanged_stamp);
  EXPECT_FALSE(editor().data_modified);
}

// Flags are written "True" or "False"; another spelling under a ticked box is rewritten and
// counts, except for the injury and 15-21 flags, which compare ignoring case.
TEST_F(item_panel_form, flag_spellings_are_rewritten_except_where_case_is_ignored) {
  auto& liked = add_item<item_kind::favourite_staff>(1);
  liked.StaffFavouriteStaffMarkedForDeletion = "true";
  auto& injury = add_item<item_kind::injury>(2);
  injury.StaffInjuriesPermanentInjury = "true";
  injury.StaffInjuriesFuturePermanentInjury = "TRUE";
  injury.StaffInjuriesDoesNotTrain = "tRuE";
  show_items();

  process_staff_favourite_staff_edit(controls);
  EXPECT_EQ(liked.StaffFavouriteStaffMarkedForDeletion, "True");
  EXPECT_EQ(liked.DateUpdated, stamp);

  process_staff_injury_edit(controls);
  EXPECT_EQ(injury.StaffInjuriesPermanentInjury, "true");
  EXPECT_EQ(injury.DateUpdated, unchanged_stamp);
}

// History fees keep their text without separators and the number beside it; -1 and -2 stand
// for undisclosed and nominal fees. The edit shows the amount grouped again once left.
TEST_F(item_panel_form, history_fees_are_stored_bare_and_shown_grouped) {
  auto& season = add_item<item_kind::history>(1);
  show_items();
  focus_on("staff_history_fee");
  EXPECT_EQ(help.toStdString(), "Fee paid for the player");
  type_over(edit("staff_history_fee"), "1500000");
  leave();
  EXPECT_EQ(season.StaffHistoryTransferFeeText, "1500000");
  EXPECT_EQ(season.StaffHistoryTransferFee, 1500000);
  EXPECT_EQ(text_of(edit("staff_history_fee")), "1,500,000");
  // Entering again edits the bare number.
  focus_on("staff_history_fee");
  EXPECT_EQ(text_of(edit("staff_history_fee")), "1500000");
  leave();

  type_into("staff_history_loan_fee", "-1");
  EXPECT_EQ(season.StaffHistoryLoanFeeText, "-1");
  EXPECT_EQ(season.StaffHistoryLoanFee, -1);
  EXPECT_TRUE(dialogs.shown().empty()) << dialogs.last().text.toStdString();

  type_into("staff_history_loan_fee", "1.5");
  EXPECT_EQ(dialogs.shown_texts(), std::vector<QString>{"Not an integer."});
  EXPECT_EQ(QApplication::focusWidget(), edit("staff_history_loan_fee"));
  EXPECT_EQ(season.StaffHistoryLoanFee, -1);
}

// A year of 0 is left alone; other years run to the program's last season moved to today
// (2013 in 2014, so 2024 in 2025).
TEST_F(item_panel_form, history_years_are_checked_against_the_moved_last_season) {
  auto& season = add_item<item_kind::history>(1);
  show_items();
  type_into("staff_history_year", "0");
  EXPECT_EQ(season.StaffHistoryYear, 7);
  type_into("staff_history_year", "2024");
  EXPECT_EQ(season.StaffHistoryYear, 2024);
  EXPECT_EQ(season.DateUpdated, stamp);
  type_into("staff_history_year", "2025");
  type_into("staff_history_year", "");
  EXPECT_EQ(dialogs.shown_texts(),
            (std::vector<QString>{"Valid value range is 1878 - 2024", "Not an integer."}));
  EXPECT_EQ(season.StaffHistoryYear, 2024);
}

// A date joined before the staff member's earliest season warns first, then may use the wide
// range; the vector keeps the order its grid and hidden list show.
TEST_F(item_panel_form, a_date_joined_before_the_earliest_season_warns_and_is_kept) {
  auto& later = add_item<item_kind::history>(1);
  later.StaffHistoryYear = 1995;
  auto& earliest = add_item<item_kind::history>(2);
  earliest.StaffHistoryYear = 1990;
  show_items();
  ASSERT_EQ(&shown<item_kind::history>(), &earliest);
  // Another staff member's older season, added after the list was sorted for showing.
  auto& other = add_item<item_kind::history>(3);
  other.StaffHistoryStaff = 99;
  other.StaffHistoryYear = 1900;
  const auto* first_in_vector = store().staff_history_list.front().get();
  type_into("staff_history_date_joined", "01/06/1985");
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.last().type, message_type::warning);
  EXPECT_TRUE(dialogs.last().text.startsWith("The staff member 'date from' is before history"));
  EXPECT_EQ(earliest.StaffHistoryDateJoined, "01/06/1985");
  EXPECT_EQ(store().staff_history_list.front().get(), first_in_vector);
}

// Before the earliest season a date joined may lie in either range: the youth-years warning
// alone when one accepts it, and one refusal after it only when both refuse, leaving the item
// as it was. The grid and its hidden list keep naming the same seasons.
TEST_F(item_panel_form, a_date_joined_before_the_earliest_season_is_refused_once_if_at_all) {
  auto& earliest = add_item<item_kind::history>(1);
  earliest.StaffHistoryYear = 1879;
  auto& later = add_item<item_kind::history>(2);
  later.StaffHistoryYear = 1885;
  show_items();
  ASSERT_EQ(&shown<item_kind::history>(), &earliest);

  // Before 1 August 1878, so outside the wide range, but within the season's.
  type_into("staff_history_date_joined", "01/03/1878");
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.last().type, message_type::warning);
  EXPECT_EQ(earliest.StaffHistoryDateJoined, "01/03/1878");

  dialogs.clear();
  type_into("staff_history_date_joined", "01/03/1877");
  ASSERT_EQ(dialogs.shown().size(), 2u);
  EXPECT_EQ(dialogs.shown()[0].type, message_type::warning);
  EXPECT_EQ(dialogs.shown()[1].type, message_type::error);
  EXPECT_TRUE(dialogs.shown()[1].text.startsWith("Date outside valid range."));
  EXPECT_EQ(earliest.StaffHistoryDateJoined, "01/03/1878");

  auto* grid = qobject_cast<string_grid*>(control("staff_history_string_grid"));
  auto* lines = qobject_cast<owner_drawn_list_box*>(control("staff_history"));
  ASSERT_EQ(lines->count(), 2);
  for (int line = 0; line < lines->count(); ++line) {
    EXPECT_EQ(grid->cell(0, line + 1).toInt(),
              entry_object<qor_staff_history>(lines, line)->StaffHistoryYear);
  }
}

// The latest dates of the panels' checks move with the year: 1 January 2020 in 2014 is
// 1 January 2031 in 2025.
TEST_F(item_panel_form, panel_date_checks_move_their_latest_day_with_the_year) {
  auto& retirement = add_item<item_kind::retirement>(1);
  show_items();
  type_into("staff_retirement_date", "01/01/2031");
  EXPECT_EQ(retirement.StaffRetirementDate, "01/01/2031");
  type_into("staff_retirement_date", "02/01/2031");
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_TRUE(dialogs.last().text.startsWith("Date outside valid range."));
  EXPECT_EQ(retirement.StaffRetirementDate, "01/01/2031");
}

// Entering a type-27 clause's cash or percentage warns every time; other types do not.
TEST_F(item_panel_form, cash_or_percentage_clauses_warn_when_their_amounts_are_entered) {
  auto& clause = add_item<item_kind::contract_clauses>(1);
  clause.StaffContractClausesType = 27;
  clause.StaffContractClausesCash = 2500000;
  show_items();
  for (int visit = 0; visit < 2; ++visit) {
    focus_on("staff_contract_clauses_cash");
    EXPECT_EQ(help.toStdString(), "The amount of cash if needed in this contract clause");
    EXPECT_EQ(text_of(edit("staff_contract_clauses_cash")), "2500000");
    focus_on("staff_contract_clauses_percentage");
    EXPECT_EQ(help.toStdString(),
              "The percentage of wage increase or decrease in contract clause.");
  }
  leave();
  ASSERT_EQ(dialogs.shown().size(), 4u);
  for (const auto& warning : dialogs.shown()) {
    EXPECT_EQ(warning.text, "Please only enter percentage or cash/currency");
    EXPECT_EQ(warning.type, message_type::warning);
    EXPECT_EQ(warning.buttons, message_buttons::yes_no_cancel);
  }
  EXPECT_EQ(clause.DateUpdated, unchanged_stamp);

  dialogs.clear();
  clause.StaffContractClausesType = 5;
  focus_on("staff_contract_clauses_cash");
  focus_on("staff_contract_clauses_percentage");
  leave();
  EXPECT_TRUE(dialogs.shown().empty());
}

// Type 12 asks whether the common type 11 is meant; Yes stores 11 and shows it, found by its
// code wherever it stands in the list.
TEST_F(item_panel_form, a_type_12_clause_becomes_type_11_on_yes) {
  lookups().contract_clauses_type_list = {"Not set; 0", "Twelve; 12", "Eleven; 11"};
  set_choices("contract_clauses_type_list", lookups().contract_clauses_type_list);
  auto& clause = add_item<item_kind::contract_clauses>(1);
  show_items();
  dialogs.queue_answer(dialog_answer::yes);
  choose("staff_contract_clauses_type", 1);
  EXPECT_EQ(dialogs.last().text,
            "should this be the more common 'fee after league appearances' clause?");
  EXPECT_EQ(clause.StaffContractClausesType, 11);
  EXPECT_EQ(combo("staff_contract_clauses_type")->currentIndex(), 2);
  EXPECT_EQ(clause.DateUpdated, stamp);

  dialogs.queue_answer(dialog_answer::no);
  choose("staff_contract_clauses_type", 1);
  EXPECT_EQ(clause.StaffContractClausesType, 12);
  EXPECT_TRUE(dialogs.all_as_scripted());
}

// A post held at a club cannot also name a nation: the rule runs after the club is stored.
TEST_F(item_panel_form, choosing_a_non_player_club_closes_the_nation_choice) {
  auto& post = add_item<item_kind::non_player_history>(1);
  post.StaffNonPlayerHistoryClubContracted = 0;
  post.StaffNonPlayerHistoryNationContracted = "";
  show_items();
  ASSERT_TRUE(combo("staff_non_player_history_nation")->isEnabled());
  choose("staff_non_player_history_club", 1);
  EXPECT_EQ(post.StaffNonPlayerHistoryClubContracted, 1);
  EXPECT_FALSE(combo("staff_non_player_history_nation")->isEnabled());
  choose("staff_non_player_history_club", 0);
  EXPECT_TRUE(combo("staff_non_player_history_nation")->isEnabled());
}

}  // namespace
