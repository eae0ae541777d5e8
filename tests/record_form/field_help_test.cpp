#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QStackedWidget>
#include <QTabWidget>
#include <memory>
#include <string>

#include "form_test_support.h"
#include "platform/focus_tracker.h"
#include "platform/scripted_dialog_service.h"
#include "platform/win1252.h"
#include "record_form/field_handlers.h"
#include "record_form/field_help.h"
#include "record_form/form_controls.h"
#include "record_form/record_pages.h"

namespace {

// The record pages and the staff tab's controls in one window, with the help panel as a text.
class field_help_window : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    shared = new parts;
    shared->pages = new QTabWidget(&shared->window);
    shared->window.setCentralWidget(shared->pages);
    build_record_pages(shared->pages, shared->controls, field_pages());
    give_checked_edits_valid_values();
    shared->tracker = new focus_tracker(&shared->window);
    install_field_handlers(shared->controls, *shared->tracker,
                           [](const QString& text) { shared->panel = text; });
    shared->window.show();
    QApplication::setActiveWindow(&shared->window);
    QApplication::processEvents();
  }
  static void TearDownTestSuite() {
    delete shared;
    shared = nullptr;
  }

  // A text the row's check accepts, as a shown record gives it.
  static QString accepted_text(const control_spec& row) {
    switch (row.check) {
      case check_kind::date_range:
        return "00/00/0000";
      case check_kind::int_range_blank:
        return "";
      case check_kind::year_of_birth:
      case check_kind::staff_id:
        return "0";
      default:
        return QString::number(row.min);
    }
  }

  static void give_checked_edits_valid_values() {
    for (const page_spec& page : field_pages()) {
      for (const control_spec& row : page.controls) {
        auto* edit = shared->controls.get<QLineEdit>(row.name);
        if (edit != nullptr && row.check != check_kind::none)
          edit->setText(accepted_text(row));
      }
    }
  }

  void TearDown() override { EXPECT_TRUE(dialogs.all_as_scripted()); }

  void SetUp() override {
    // Start from a control without help or check.
    enter("staff_notes");
    shared->panel = "unchanged";
  }

  QWidget* control(const char* name) const { return shared->controls.find(name); }
  QLineEdit* edit(const char* name) const { return shared->controls.get<QLineEdit>(name); }
  const QString& panel() const { return shared->panel; }

  // Any dialog a check shows is answered here, never by a window nobody sees.
  scoped_scripted_dialogs dialogs;

  // Clicks into a control: its pages come to the front first (the focus has been taken off the
  // control being left, so that hiding its page moves no focus of its own).
  void enter(const char* name) {
    QWidget* target = control(name);
    ASSERT_NE(target, nullptr) << name;
    if (QWidget* focused = QApplication::focusWidget())
      focused->clearFocus();
    for (QWidget* w = target; w != nullptr; w = w->parentWidget()) {
      auto* stack = qobject_cast<QStackedWidget*>(w->parentWidget());
      if (stack == nullptr)
        continue;
      if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget()))
        tabs->setCurrentWidget(w);
      else
        stack->setCurrentWidget(w);
    }
    target->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
  }

  QWidget* focused_control() const { return shared->tracker->active_control(); }

  struct parts {
    // The pages are built under a known locale, as the date masks follow it.
    scoped_app_locale locale{english_locale(), test_clock()};
    QMainWindow window;
    QTabWidget* pages = nullptr;
    form_controls controls;
    focus_tracker* tracker = nullptr;
    QString panel;
  };
  static inline parts* shared = nullptr;
};

struct help_case {
  const char* control;
  const char* text;  // Windows-1252
};

TEST_F(field_help_window, entering_a_control_shows_its_help_text_exactly) {
  const help_case cases[] = {
      {"staff_first_name", "The person\x92s first name."},
      {"staff_loaning_club_wages_percentage",
       "the percentage of wages paid by the club that takes the player on loan, NOT the club "
       "that owns the player\x92s registration"},
      {"staff_common_name",
       "The name commonly used to refer to person, if different from the second name."},
      {"staff_second_nation", "The persons's second nation, if they are of dual-nationality."},
      {"staff_np_attacking",
       "Extent to which he likes to use an attacking style of play. 20  = extremely attacking , "
       "1 = ultra-defensive."},
      {"staff_np_squad_rotation",
       "Extent to which he likes to use squad rotation. 20=never picks the same squad, "
       "1=alwasy picks the same squad (when possible)."},
      {"staff_injury_severity",
       "This is the likelihood of the injury to recur. (1 = least likely to 30 = most likely)"},
      {"staff_club_estimated_wage", "approximate weekly wage"},
      {"staff_classification",
       "The classification of the person: non-player, player, both non-player and player."},
      {"staff_classification2",
       "The classification of the person: non-player, player, both non-player and player."},
      {"staff_pl_current_ability2", "How good he currently is (1 - 200)."},
      {"staff_club_loan_buy_amount", "The fee of the future transfer."},
      {"staff_history_fee_currency", "Currency of the transfer fee"},
      {"staff_history_loan_fee_currency", "Currency of the transfer fee"},
      {"staff_contract_clauses_loan_or_future", "The contract clause type."},
      {"staff_contract_clauses_win_or_qualify", "The contract clause type."},
      {"staff_pl_inc_1_1", "Increase abilities and reputations."},
      {"staff_pl_expected_potential_ability",
       "Calculation of average PA the player could expect given his age, position and CA"},
      {"sort_by_attribute", "The field you wish to sort by"},
      // The item editors' own texts.
      {"staff_history_fee", "Fee paid for the player"},
      {"staff_history_loan_fee", "Loan Fee paid for the player"},
      {"staff_contract_clauses_cash", "The amount of cash if needed in this contract clause"},
      {"staff_contract_clauses_percentage",
       "The percentage of wage increase or decrease in contract clause."},
  };
  for (const help_case& c : cases) {
    SCOPED_TRACE(c.control);
    enter(c.control);
    EXPECT_EQ(focused_control(), control(c.control));
    EXPECT_EQ(panel(), from_win1252(c.text));
  }
  enter("staff_first_name");
  EXPECT_TRUE(panel().contains(QChar(0x2019))) << "the typographic apostrophe, not '";
}

TEST_F(field_help_window, some_controls_blank_the_panel_and_others_leave_it_alone) {
  for (const char* blanking : {"staff_coaching_qualification", "staff_national_service_status",
                               "staff_contract_clauses_order", "staff_days_at_club_nation_type",
                               "staff_days_at_club_nation_days", "staff_days_at_club_nation_stint",
                               "staff_retirement_type", "staff_unavailability_type",
                               "staff_unavailability_date_from", "staff_unavailability_date_to"}) {
    SCOPED_TRACE(blanking);
    enter("staff_nation");
    ASSERT_EQ(panel(), "The nation the person is eligible to represent.");
    enter(blanking);
    EXPECT_EQ(focused_control(), control(blanking));
    EXPECT_EQ(panel(), "");
  }
  for (const char* without_help :
       {"staff_notes", "staff_first_language", "staff_age", "staff_club_estimated_wage_currency",
        "staff_nation_contracted"}) {
    SCOPED_TRACE(without_help);
    enter("staff_nation");
    enter(without_help);
    EXPECT_EQ(focused_control(), control(without_help));
    EXPECT_EQ(panel(), "The nation the person is eligible to represent.");
  }
}

TEST_F(field_help_window,
       the_sort_buttons_blank_the_panel_when_left_before_the_next_control_is_entered) {
  enter("sort_asc_btn");
  EXPECT_EQ(panel(), "Sorts in ascending order.");
  enter("staff_id");
  EXPECT_EQ(panel(), "The staff id number (Read Only).") << "exit first, then enter";

  enter("sort_desc_btn");
  EXPECT_EQ(panel(), "Sorts in descending order.");
  enter("staff_notes");
  EXPECT_EQ(panel(), "");
}

TEST_F(field_help_window, a_refused_exit_keeps_the_focus_and_shows_no_new_help) {
  enter("staff_pl_squad_number");
  EXPECT_EQ(panel(), "The player's squad number at his club (0 = none).");
  edit("staff_pl_squad_number")->setText("");

  enter("staff_pl_current_reputation");
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.last().text, "Valid value range is 0 - 100");
  EXPECT_EQ(dialogs.last().type, message_type::error);
  EXPECT_EQ(QApplication::focusWidget(), control("staff_pl_squad_number"));
  EXPECT_EQ(focused_control(), control("staff_pl_squad_number"));
  EXPECT_EQ(panel(), "The player's squad number at his club (0 = none).");

  edit("staff_pl_squad_number")->setText("-0");
  enter("staff_pl_current_reputation");
  EXPECT_EQ(focused_control(), control("staff_pl_current_reputation"));
  EXPECT_EQ(panel(), "His current reputation (1 - 200).");
  EXPECT_EQ(edit("staff_pl_squad_number")->text(), "0");
  EXPECT_EQ(dialogs.shown().size(), 1u);
}

TEST_F(field_help_window, a_refused_date_keeps_the_user_in_the_edit_until_it_is_a_date) {
  enter("staff_club_contract_expires");
  QLineEdit* expires = edit("staff_club_contract_expires");
  expires->setText("31/02/2015");
  enter("staff_club_date_joined");
  EXPECT_EQ(focused_control(), expires);
  EXPECT_TRUE(dialogs.last().text.startsWith("Invalid date. Date is in format dd/mm/yyyy"));
  EXPECT_EQ(panel(), "The date the contract at the club expires.");

  expires->setText("00/00/0000");
  enter("staff_club_date_joined");
  EXPECT_EQ(focused_control(), control("staff_club_date_joined"));
  EXPECT_EQ(panel(), "The date the person joined the club.");
}

TEST_F(field_help_window, entering_a_money_edit_removes_its_thousands_separators_only) {
  edit("staff_club_loan_buy_amount")->setText("1,500,000");
  edit("staff_future_transfer_fee")->setText("2,000");
  enter("staff_club_loan_buy_amount");
  EXPECT_EQ(panel(), "The fee of the future transfer.");
  EXPECT_EQ(edit("staff_club_loan_buy_amount")->text(), "1500000");
  EXPECT_EQ(edit("staff_future_transfer_fee")->text(), "2,000");

  edit("staff_loan_player_wages")->setText("750");
  enter("staff_loan_player_wages");
  EXPECT_EQ(edit("staff_loan_player_wages")->text(), "750");

  scoped_app_locale french(french_locale(), test_clock());
  edit("staff_club_estimated_wage")
      ->setText(from_win1252("12\xA0"
                             "500"));
  enter("staff_club_estimated_wage");
  EXPECT_EQ(edit("staff_club_estimated_wage")->text(), "12500");

  // A plain edit keeps its separators.
  edit("staff_first_name")->setText("1,500");
  enter("staff_first_name");
  EXPECT_EQ(edit("staff_first_name")->text(), "1,500");
}

}  // namespace
