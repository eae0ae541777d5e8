#include <gtest/gtest.h>

#include <QLineEdit>

#include "field_rules_fixture.h"
#include "platform/control_tag.h"
#include "platform/string_grid.h"
#include "record_form/contract_fields.h"
#include "record_form/contract_fields_wages.h"

namespace {

// ---- Wage arithmetic ----

struct wage_case {
  wage_triplet triplet;
  wage_period period;
  long long amount;
  wage_amounts expected;
};

TEST(wage_conversions, the_edited_amount_drives_the_other_two) {
  constexpr auto current = wage_triplet::current_contract;
  constexpr auto future = wage_triplet::future_transfer;
  const wage_case cases[] = {
      {current, wage_period::weekly, 100, {100, 434, 5217}},
      {current, wage_period::monthly, 1000, {229, 1000, 12000}},
      {current, wage_period::yearly, 52000, {996, 4333, 52000}},
      {current, wage_period::weekly, 0, {0, 0, 0}},
      {future, wage_period::weekly, 100, {100, 433, 5200}},
      {future, wage_period::monthly, 1000, {230, 1000, 12000}},
      {future, wage_period::yearly, 52000, {1000, 4333, 52000}},
      // The largest weekly amount whose year of 52 weeks still fits.
      {future, wage_period::weekly, 19230769, {19230769, 83333332, 999999988}},
  };
  for (const wage_case& c : cases) {
    SCOPED_TRACE(c.amount);
    EXPECT_EQ(convert_wage(c.triplet, c.period, c.amount), c.expected);
  }
}

TEST(wage_conversions, a_derived_amount_past_the_money_range_is_refused_not_wrapped) {
  // 41297763 x 52 no longer fits 32 bits; the refusal must not depend on that.
  EXPECT_EQ(convert_wage(wage_triplet::future_transfer, wage_period::weekly, 41297763),
            std::nullopt);
  EXPECT_EQ(convert_wage(wage_triplet::future_transfer, wage_period::weekly, 19230770),
            std::nullopt);
  EXPECT_EQ(convert_wage(wage_triplet::current_contract, wage_period::monthly, 100000000),
            std::nullopt);
  EXPECT_EQ(convert_wage(wage_triplet::current_contract, wage_period::weekly, -1), std::nullopt);
  EXPECT_EQ(convert_wage(wage_triplet::current_contract, wage_period::yearly, 1000000000),
            std::nullopt);
}

TEST(wage_conversions, the_largest_convertible_amount_is_the_last_that_fits) {
  for (auto triplet : {wage_triplet::current_contract, wage_triplet::future_transfer}) {
    for (auto period : {wage_period::weekly, wage_period::monthly, wage_period::yearly}) {
      const long long largest = largest_convertible_wage(triplet, period);
      SCOPED_TRACE(largest);
      EXPECT_TRUE(convert_wage(triplet, period, largest).has_value());
      if (largest < 999999999) {
        EXPECT_FALSE(convert_wage(triplet, period, largest + 1).has_value());
      }
    }
  }
  EXPECT_EQ(largest_convertible_wage(wage_triplet::future_transfer, wage_period::weekly), 19230769);
  EXPECT_EQ(largest_convertible_wage(wage_triplet::current_contract, wage_period::yearly),
            999999999);
}

// ---- Wage and money edits on the form ----

using contract_fields_form = field_rules_form;

TEST_F(contract_fields_form, leaving_a_wage_edit_fills_its_triplet_with_money_texts) {
  type_into("staff_club_estimated_wage_month", "1,000");
  focus_on("staff_club_contract_extension_option");
  EXPECT_EQ(text_of("staff_club_estimated_wage"), "229");
  EXPECT_EQ(text_of("staff_club_estimated_wage_month"), "1,000");
  EXPECT_EQ(text_of("staff_club_estimated_wage_year"), "12,000");
  EXPECT_TRUE(shown().empty());

  type_into("staff_future_transfer_estimated_wage", "100");
  focus_on("staff_future_transfer_fee");
  EXPECT_EQ(text_of("staff_future_transfer_estimated_wage_month"), "433");
  EXPECT_EQ(text_of("staff_future_transfer_estimated_wage_year"), "5,200");

  // Only the weekly amounts reach the record.
  apply_staff(staff, controls);
  EXPECT_EQ(staff->StaffEstimatedWageText, "229");
  EXPECT_EQ(staff->StaffEstimatedWage, 229);
  EXPECT_EQ(staff->StaffFutureTransferEstimatedWage, 100);
}

TEST_F(contract_fields_form, emptying_a_wage_edit_empties_the_other_two) {
  type_into("staff_club_estimated_wage", "100");
  focus_on("staff_club_contract_extension_option");
  ASSERT_EQ(text_of("staff_club_estimated_wage_year"), "5,217");
  type_into("staff_club_estimated_wage_year", "");
  focus_on("staff_club_contract_extension_option");
  EXPECT_EQ(text_of("staff_club_estimated_wage"), "");
  EXPECT_EQ(text_of("staff_club_estimated_wage_month"), "");
}

TEST_F(contract_fields_form, a_wage_whose_year_would_pass_the_range_is_refused_and_kept) {
  type_into("staff_future_transfer_estimated_wage_month", "50");
  focus_on("staff_future_transfer_fee");
  type_into("staff_future_transfer_estimated_wage", "20000000");
  focus_on("staff_future_transfer_fee");
  ASSERT_EQ(shown().size(), 1u);
  EXPECT_EQ(shown()[0], "Valid value range is 0 - 19230769");
  EXPECT_EQ(QApplication::focusWidget(), edit("staff_future_transfer_estimated_wage"));
  EXPECT_EQ(text_of("staff_future_transfer_estimated_wage"), "20000000");
  EXPECT_EQ(text_of("staff_future_transfer_estimated_wage_month"), "50");
  EXPECT_EQ(text_of("staff_future_transfer_estimated_wage_year"), "600");
}

TEST_F(contract_fields_form, money_edits_show_thousands_and_refuse_typed_separators) {
  type_into("staff_club_loan_buy_amount", "1234567");
  focus_on("staff_loaning_club_wages_percentage");
  EXPECT_EQ(text_of("staff_club_loan_buy_amount"), "1,234,567");

  // Entering shows bare digits again.
  focus_on("staff_club_loan_buy_amount");
  EXPECT_EQ(text_of("staff_club_loan_buy_amount"), "1234567");

  type_into("staff_loan_player_wages", "");
  focus_on("staff_loaning_club_wages_percentage");
  EXPECT_EQ(text_of("staff_loan_player_wages"), "");
  EXPECT_TRUE(shown().empty());

  type_into("staff_future_transfer_fee", "1,000");
  focus_on("staff_club_loan_buy_amount");
  ASSERT_EQ(shown().size(), 1u);
  EXPECT_EQ(shown()[0], "1,000 is not a valid number.");
  EXPECT_EQ(QApplication::focusWidget(), edit("staff_future_transfer_fee"));
}

// ---- Clearing routines ----

TEST_F(contract_fields_form, clearing_all_loan_fields_on_yes_commits_cleanly) {
  dialogs.queue_answer(dialog_answer::yes);
  clear_all_loan_fields(controls);
  EXPECT_EQ(shown(), std::vector<QString>{"Would you like to clear all loan fields?"});
  EXPECT_EQ(combo("staff_club_loan_to")->currentIndex(), 0);
  EXPECT_EQ(text_of("staff_club_loan_from"), "00/00/0000");
  EXPECT_EQ(text_of("staff_club_loan_until"), "00/00/0000");
  EXPECT_EQ(text_of("staff_club_loan_buy_amount"), "");
  EXPECT_EQ(text_of("staff_loaning_club_wages_percentage"), "0");
  EXPECT_FALSE(box("staff_club_loan_buy_option")->isChecked());
  EXPECT_FALSE(box("staff_can_be_recalled")->isChecked());

  dialogs.clear();
  apply_staff(staff, controls);
  EXPECT_TRUE(shown().empty()) << "every cleared control must commit without an error";
  EXPECT_EQ(staff->StaffClubOnLoanTo, 0);
  EXPECT_EQ(staff->StaffDateOnLoanToFrom, "");
  EXPECT_EQ(staff->StaffDateOnLoanToUntil, "");
  EXPECT_EQ(staff->StaffLoanClubBuyAmountText, "");
  EXPECT_EQ(staff->StaffLoanClubBuyAmountCurrency, 0);
  EXPECT_EQ(staff->StaffPlayerLoanSquadNumber, 0);
  EXPECT_EQ(staff->StaffLoanClubBuyOption, "False");
}

TEST_F(contract_fields_form, the_other_clearing_routines_keep_the_club_and_no_changes_nothing) {
  staff->StaffClubOnLoanTo = 9;
  staff->StaffClubFutureTransfer = 9;
  show_staff();
  dialogs.queue_answer(dialog_answer::no);
  clear_loan_fields(controls);
  EXPECT_EQ(text_of("staff_club_loan_from"), "05/03/2001");

  dialogs.queue_answer(dialog_answer::yes);
  clear_loan_fields(controls);
  EXPECT_EQ(combo("staff_club_loan_to")->currentIndex(), 2);
  EXPECT_EQ(text_of("staff_club_loan_from"), "00/00/0000");

  type_into("staff_future_transfer_estimated_wage_month", "1,000");
  focus_on("staff_future_transfer_fee");
  dialogs.queue_answer(dialog_answer::yes);
  clear_future_transfer_fields(controls);
  EXPECT_EQ(combo("staff_club_future_transfer")->currentIndex(), 2);
  EXPECT_EQ(text_of("staff_club_date_of_future_transfer"), "00/00/0000");
  EXPECT_EQ(text_of("staff_future_transfer_fee"), "");
  EXPECT_EQ(text_of("staff_future_transfer_estimated_wage"), "");
  EXPECT_EQ(text_of("staff_future_transfer_estimated_wage_month"), "1,000");
  EXPECT_EQ(combo("staff_future_transfer_job")->currentIndex(), 0);
  EXPECT_TRUE(dialogs.all_as_scripted());

  dialogs.clear();
  apply_staff(staff, controls);
  EXPECT_TRUE(shown().empty());
  EXPECT_EQ(staff->StaffDateFutureTransfer, "");
  EXPECT_EQ(staff->StaffFutureTransferJob, 0);
}

TEST_F(contract_fields_form, a_loan_club_asks_once_per_visit_and_keeps_the_new_club) {
  staff->StaffClubOnLoanTo = 7;
  show_staff();
  focus_on("staff_club_loan_to");
  EXPECT_EQ(control_tag(combo("staff_club_loan_to")), combo_visit_entered_tag);
  dialogs.queue_answer(dialog_answer::no);
  choose("staff_club_loan_to", 2);
  choose("staff_club_loan_to", 0);
  EXPECT_EQ(shown(), std::vector<QString>{"Would you like to clear all other loan fields?"});
  EXPECT_EQ(combo("staff_club_loan_to")->currentIndex(), 0);

  focus_on("staff_pl_loan_squad_number");
  EXPECT_EQ(control_tag(combo("staff_club_loan_to")), -99);
  focus_on("staff_club_loan_to");
  dialogs.queue_answer(dialog_answer::no);
  choose("staff_club_loan_to", 1);
  EXPECT_EQ(shown().size(), 2u);
  EXPECT_TRUE(dialogs.all_as_scripted());
}

TEST_F(contract_fields_form, the_option_to_buy_warns_only_when_ticked_by_the_user_without_a_fee) {
  edit("staff_club_loan_buy_amount")->clear();
  box("staff_club_loan_buy_option")->setChecked(false);
  box("staff_club_loan_buy_option")->setChecked(true);
  EXPECT_EQ(shown(),
            std::vector<QString>{"If you set 'Option To Buy' then 'Fee to Buy' must be set"});
  EXPECT_TRUE(box("staff_club_loan_buy_option")->isChecked());

  dialogs.clear();
  box("staff_club_loan_buy_option")->setChecked(false);
  {
    filling_guard filling;
    box("staff_club_loan_buy_option")->setChecked(true);
  }
  EXPECT_TRUE(shown().empty());
}

// ---- Contract boxes ----

TEST_F(contract_fields_form, a_contract_box_cleared_by_the_program_only_disables_its_panel) {
  QAbstractButton* club = box("radiobutton_staff_club_contract");
  club->setChecked(true);
  ASSERT_TRUE(edit("staff_club_date_joined")->isEnabled());
  club->setChecked(false);
  EXPECT_FALSE(edit("staff_club_date_joined")->isEnabled());
  EXPECT_EQ(text_of("staff_club_date_joined"), "05/03/2001");
  EXPECT_TRUE(shown().empty());
  club->setChecked(true);
  EXPECT_TRUE(edit("staff_club_date_joined")->isEnabled());
}

TEST_F(contract_fields_form, the_user_unticking_the_club_contract_is_asked_first) {
  QAbstractButton* club = box("radiobutton_staff_club_contract");
  club->setChecked(true);
  focus_on(club);
  dialogs.queue_answer(dialog_answer::cancel);
  club->setChecked(false);
  EXPECT_EQ(shown(), std::vector<QString>{
                         "Are you sure? This will result in his club contract being reset."});
  EXPECT_TRUE(club->isChecked());
  EXPECT_TRUE(edit("staff_club_date_joined")->isEnabled());
  EXPECT_EQ(combo("staff_club_contracted")->currentIndex(), 1);

  dialogs.queue_answer(dialog_answer::ok);
  club->setChecked(false);
  EXPECT_FALSE(edit("staff_club_date_joined")->isEnabled());
  EXPECT_EQ(combo("staff_club_contracted")->currentIndex(), 0);
  EXPECT_EQ(text_of("staff_club_date_joined"), "00/00/0000");
  EXPECT_EQ(text_of("staff_club_contract_expires"), "00/00/0000");
  EXPECT_EQ(text_of("staff_club_contract_extension_option"), "");

  dialogs.clear();
  apply_staff(staff, controls);
  EXPECT_TRUE(shown().empty());
  EXPECT_EQ(staff->StaffClubContracted, 0);
  EXPECT_EQ(staff->StaffDateJoinedClub, "");
  EXPECT_EQ(staff->StaffDateSignedLastContract, "");
}

TEST_F(contract_fields_form, the_mls_panel_follows_its_box) {
  QAbstractButton* mls = box("radiobutton_staff_club_contract_mls_specific");
  mls->setChecked(true);
  EXPECT_TRUE(edit("staff_draft_year")->isEnabled());
  mls->setChecked(false);
  EXPECT_FALSE(edit("staff_draft_year")->isEnabled());
  EXPECT_FALSE(combo("staff_draft_club")->isEnabled());
  EXPECT_TRUE(shown().empty());
}

// ---- Leaving the contracted club ----

TEST_F(contract_fields_form, a_player_who_changed_club_is_offered_to_clear_squad_and_contract) {
  // A clause row below the header: the clause list asks its own question.
  controls.get<string_grid>("staff_contract_clauses_string_grid")->set_row_count(2);
  focus_on("staff_club_contracted");
  choose("staff_club_contracted", 2);
  dialogs.queue_answer(dialog_answer::yes);
  dialogs.queue_answer(dialog_answer::yes);
  focus_on("staff_club_contract_extension_option");
  EXPECT_EQ(shown(), (std::vector<QString>{
                         "You have changed contracted club. Would you like to clear squad number?",
                         "You have changed contracted club. Would you like to clear current "
                         "contract details?"}));
  EXPECT_EQ(text_of("staff_pl_squad_number"), "0");
  EXPECT_EQ(combo("staff_contract_type")->currentIndex(), 0);
  EXPECT_EQ(text_of("staff_club_estimated_wage"), "");
  EXPECT_EQ(text_of("staff_club_signed_last_contract"), "00/00/0000");
  EXPECT_FALSE(contract_fields().contracted_club_changed);

  EXPECT_EQ(clause_deletions, 1);
  dialogs.clear();
  apply_staff(staff, controls);
  EXPECT_TRUE(shown().empty());
  EXPECT_EQ(staff->StaffClubContracted, 9);
  EXPECT_EQ(staff->StaffContractType, 0);
  EXPECT_EQ(staff->StaffDateJoinedClub, "");
}

TEST_F(contract_fields_form, a_non_player_without_club_is_asked_about_contract_and_confidence) {
  staff->StaffClassification = 1;
  staff->StaffClubContracted = 0;
  show_staff();
  focus_on("staff_club_contracted");
  choose("staff_club_contracted", 0);
  dialogs.queue_answer(dialog_answer::yes);
  dialogs.queue_answer(dialog_answer::no);
  focus_on("staff_club_contract_extension_option");
  EXPECT_EQ(shown(), (std::vector<QString>{"Would you like to clear all other club contact fields?",
                                           "Would you like to clear board/fan confidence?"}));
  EXPECT_EQ(text_of("staff_club_co_owned_by_percentage"), "0");
  EXPECT_EQ(text_of("staff_loan_player_wages"), "");
  EXPECT_EQ(text_of("staff_np_board_confidence"), "7");
}

TEST_F(contract_fields_form, leaving_an_unchanged_club_still_offers_loan_and_next_sale_clauses) {
  staff->StaffClubOnLoanTo = 9;
  show_staff();
  struct count_case {
    int clauses;
    const char* question;
  };
  const count_case cases[] = {
      {1, "There is 1 'next sale percentage' contract clause. Do you want to delete it?"},
      {3, "There are 3 'next sale percentage' contract clauses. Do you want to delete them?"},
  };
  for (const count_case& c : cases) {
    dialogs.clear();
    next_sale_clauses = c.clauses;
    next_sale_deleted_for = 0;
    focus_on("staff_club_contracted");
    dialogs.queue_answer(dialog_answer::no);
    dialogs.queue_answer(dialog_answer::yes);
    focus_on("staff_club_contract_extension_option");
    EXPECT_EQ(shown(), (std::vector<QString>{"Would you like to clear all loan fields?",
                                             QString(c.question)}));
    EXPECT_EQ(next_sale_deleted_for, staff->StaffID);
    EXPECT_EQ(combo("staff_club_loan_to")->currentIndex(), 2);
  }
  dialogs.clear();
  focus_on("staff_club_contracted");
  dialogs.queue_answer(dialog_answer::no);
  dialogs.queue_answer(dialog_answer::cancel);
  next_sale_deleted_for = 0;
  focus_on("staff_club_contract_extension_option");
  EXPECT_EQ(next_sale_deleted_for, 0);
}

}  // namespace
