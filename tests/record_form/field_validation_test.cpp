#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>
#include <optional>
#include <string>

#include "form_test_support.h"
#include "platform/app_locale.h"
#include "platform/qt_system_locale.h"
#include "platform/scripted_dialog_service.h"
#include "platform/win1252.h"
#include "record_form/field_validation.h"
#include "record_form/field_validation_bounds.h"
#include "record_form/field_validation_checks.h"
#include "record_form/record_pages.h"

namespace {

// ---- The checks on texts ----

struct int_case {
  const char* text;
  int min;
  int max;
  bool empty_allowed;
  const char* control;
  const char* message;      // null: accepted
  const char* replacement;  // null: the text stays as typed
};

TEST(field_checks, whole_number_ranges_refuse_with_the_range_or_not_a_number_message) {
  const int_case cases[] = {
      {"", 0, 100, false, "staff_pl_squad_number", "Valid value range is 0 - 100", nullptr},
      {"", 0, 255, true, "staff_int_apps", nullptr, nullptr},
      {"101", 0, 100, false, "staff_pl_squad_number", "Valid value range is 0 - 100", nullptr},
      {"100", 0, 100, false, "staff_pl_squad_number", nullptr, nullptr},
      {"0", 0, 100, false, "staff_pl_squad_number", nullptr, nullptr},
      {"-0", 0, 20, false, "staff_pl_pace", nullptr, "0"},
      {"-0", 0, 255, true, "staff_int_apps", nullptr, "0"},
      {"-11", -10, 200, false, "staff_np_potential_ability", "Valid value range is -10 - 200",
       nullptr},
      {"-10", -10, 200, false, "staff_np_potential_ability", nullptr, nullptr},
      {" 7", 0, 20, false, "staff_pl_pace", nullptr, nullptr},
      {"7 ", 0, 20, false, "staff_pl_pace", "7  is not a valid number.", nullptr},
      {"abc", 0, 20, false, "staff_pl_pace", "abc is not a valid number.", nullptr},
      {"1e2", 0, 200, false, "staff_pl_pace", "1e2 is not a valid number.", nullptr},
      {"99999999999", 0, 20, false, "staff_pl_pace", "99999999999 is not a valid number.", nullptr},
      {"1899", 1900, 1998, false, "staff_year_of_birth",
       "Valid value range is 1900 - 1998, or use 0 for 'not set.'", nullptr},
      {"1869", 1870, 2013, false, "staff_international_full_debut_year",
       "Valid value range is 1870 - 2013", nullptr},
  };
  for (const int_case& c : cases) {
    SCOPED_TRACE(std::string(c.control) + " '" + c.text + "'");
    const check_result result = check_int_range(c.text, c.min, c.max, c.empty_allowed, c.control);
    EXPECT_EQ(result.accepted, c.message == nullptr);
    EXPECT_EQ(result.message, c.message ? c.message : "");
    EXPECT_EQ(result.replacement,
              c.replacement ? std::optional<std::string>(c.replacement) : std::nullopt);
  }
}

TEST(field_checks, staff_ids_are_zero_or_above) {
  EXPECT_EQ(check_staff_id("-1").message, "'ID' must be greater than 0, or use 0 for 'not set.'");
  EXPECT_TRUE(check_staff_id("0").accepted);
  EXPECT_TRUE(check_staff_id("123").accepted);
  EXPECT_EQ(check_staff_id("-0").replacement, std::optional<std::string>("0"));
  EXPECT_EQ(check_staff_id("").message, " is not a valid number.");
  EXPECT_EQ(check_staff_id("12a").message, "12a is not a valid number.");
}

TEST(field_checks, decimals_follow_the_locale_separator_and_show_bounds_in_general_form) {
  EXPECT_EQ(check_float_range("9.5", 0, 9, '.').message, "Valid value range is 0 - 9");
  EXPECT_EQ(check_float_range("", 0, 9, '.').message, "Valid value range is 0 - 9");
  EXPECT_EQ(check_float_range("351", 0, 350, '.').message, "Valid value range is 0 - 350");
  EXPECT_EQ(check_float_range("-0.1", 0, 9, '.').message, "Valid value range is 0 - 9");
  EXPECT_TRUE(check_float_range("1.85", 0, 9, '.').accepted);
  EXPECT_TRUE(check_float_range("9", 0, 9, '.').accepted);
  EXPECT_TRUE(check_float_range("1,85", 0, 9, ',').accepted);
  EXPECT_EQ(check_float_range("1,85", 0, 9, '.').message, "1,85 is not a valid number.");
  EXPECT_EQ(check_float_range("1.85", 0, 9, ',').message, "1.85 is not a valid number.");
  EXPECT_EQ(check_float_range("tall", 0, 9, '.').message, "tall is not a valid number.");
  EXPECT_EQ(check_float_range("nan", 0, 9, '.').message, "nan is not a valid number.");
  EXPECT_EQ(check_float_range("-0", 0, 9, '.').replacement, std::optional<std::string>("0"));
}

TEST(field_checks, year_edits_take_zero_as_not_set_and_refuse_what_is_no_whole_number) {
  EXPECT_TRUE(check_year_or_zero("0", 1900, 1998, "staff_year_of_birth").accepted);
  EXPECT_TRUE(check_year_or_zero("1998", 1900, 1998, "staff_year_of_birth").accepted);
  EXPECT_EQ(check_year_or_zero("1899", 1900, 1998, "staff_year_of_birth").message,
            "Valid value range is 1900 - 1998, or use 0 for 'not set.'");
  EXPECT_EQ(check_year_or_zero("abc", 1900, 1998, "staff_year_of_birth").message,
            "Not an integer.");
  EXPECT_EQ(check_year_or_zero("", 1990, 2019, "staff_draft_year").message, "Not an integer.");
  EXPECT_EQ(check_year_or_zero("1989", 1990, 2019, "staff_draft_year").message,
            "Valid value range is 1990 - 2019");
  EXPECT_EQ(check_year_or_zero("2020", 1990, 2019, "staff_draft_year").message,
            "Valid value range is 1990 - 2019");
}

// ---- Date checks in every date order ----

struct date_order_case {
  const char* order;
  char separator;
  const char* before_range;  // 31 December 2009
  const char* last_day;      // 31 December 2020
  const char* impossible;    // 31 February 2010
  const char* range_text;    // "01/01/2010 to 31/12/2020, or use 00/00/0000 for no date."
  const char* format;
  const char* no_date;
};

class date_checks : public testing::TestWithParam<date_order_case> {
 protected:
  form_formats formats() const {
    const date_order_case& c = GetParam();
    return formats_from_locale(fixed_locale(c.order, c.separator, '.', ","));
  }
};

TEST_P(date_checks, refuse_dates_outside_the_range_and_impossible_dates_with_the_locale_texts) {
  const date_order_case& c = GetParam();
  const date_check_texts texts = date_texts_of(formats());
  const calendar_day first{2010, 1, 1};
  const calendar_day last{2020, 12, 31};

  EXPECT_EQ(check_date_range(c.before_range, first, last, texts).message,
            std::string("Date outside valid range. Valid dates range from ") + c.range_text);
  EXPECT_EQ(check_date_range(c.impossible, first, last, texts).message,
            std::string("Invalid date. Date is in format ") + c.format + " and in the range " +
                c.range_text);
  EXPECT_TRUE(check_date_range(c.last_day, first, last, texts).accepted);
  EXPECT_TRUE(check_date_range(c.no_date, first, last, texts).accepted);
  // A mask left blank is not the no-date entry.
  EXPECT_FALSE(check_date_range("", first, last, texts).accepted);
  const std::string blanks = std::string("  ") + c.separator + "  " + c.separator + "    ";
  EXPECT_FALSE(check_date_range(blanks, first, last, texts).accepted);
}

TEST_P(date_checks, the_edit_validator_keeps_the_user_in_the_edit_and_reads_dates) {
  const date_order_case& c = GetParam();
  scoped_scripted_dialogs dialogs;
  QLineEdit edit;
  edit.setText(c.before_range);
  EXPECT_FALSE(validate_date_range(&edit, 20100101, 20201231, formats()));
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.last().type, message_type::error);
  EXPECT_EQ(dialogs.last().buttons, message_buttons::ok);
  EXPECT_EQ(edit.text(), QString(c.before_range)) << "the typed text stays";

  edit.setText(c.last_day);
  calendar_day day;
  EXPECT_TRUE(validate_date_range(&edit, 20100101, 20201231, formats()));
  EXPECT_TRUE(get_edit_date(&edit, day, formats()));
  EXPECT_EQ(day.key(), 20201231);

  clear_date_edit(&edit, formats());
  EXPECT_EQ(edit.text(), QString(c.no_date));
  EXPECT_TRUE(validate_date_range(&edit, 20100101, 20201231, formats()));
  EXPECT_FALSE(get_edit_date(&edit, day, formats()));

  edit.setText(c.impossible);
  EXPECT_FALSE(get_edit_date(&edit, day, formats()));
  EXPECT_EQ(dialogs.last().text, QString("Invalid date. Date is in format ") + c.format);
  EXPECT_EQ(dialogs.shown().size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(
    orders, date_checks,
    testing::Values(date_order_case{"dd_mm_yyyy", '/', "31/12/2009", "31/12/2020", "31/02/2010",
                                    "01/01/2010 to 31/12/2020, or use 00/00/0000 for no date.",
                                    "dd/mm/yyyy", "00/00/0000"},
                    date_order_case{"mm_dd_yyyy", '-', "12-31-2009", "12-31-2020", "02-31-2010",
                                    "01-01-2010 to 12-31-2020, or use 00-00-0000 for no date.",
                                    "mm-dd-yyyy", "00-00-0000"},
                    date_order_case{"yyyy_mm_dd", '.', "2009.12.31", "2020.12.31", "2010.02.31",
                                    "2010.01.01 to 2020.12.31, or use 0000.00.00 for no date.",
                                    "yyyy.mm.dd", "0000.00.00"}),
    [](const testing::TestParamInfo<date_order_case>& info) {
      return std::string(info.param.order);
    });

// ---- Bounds that move with the current year ----

struct bound_case {
  const char* control;
  int min;
  int max_in_2014;
  int max_in_2025;
};

TEST(field_bounds, the_latest_date_or_year_keeps_its_distance_from_the_current_year) {
  const bound_case cases[] = {
      {"staff_date_of_birth", 19200101, 19981231, 20091231},
      {"staff_year_of_birth", 1900, 1998, 2009},
      {"staff_club_contract_expires", 20100101, 20201231, 20311231},
      {"staff_nation_contract_expires", 20100101, 20201231, 20311231},
      {"staff_club_date_joined", 19500101, 20141231, 20251231},
      {"staff_nation_date_joined", 19500101, 20141231, 20251231},
      {"staff_club_signed_last_contract", 19800101, 20141231, 20251231},
      {"staff_injury_from", 20000801, 20141231, 20251231},
      {"staff_deceased_date", 19000101, 20200701, 20310701},
      {"staff_international_full_debut_date", 18700101, 20131231, 20241231},
      {"staff_international_first_goal_year", 1870, 2013, 2024},
      {"staff_club_loan_from", 20050101, 20131231, 20241231},
      {"staff_club_loan_until", 20050101, 20160630, 20270630},
      {"staff_club_date_of_future_transfer", 20070101, 20141231, 20251231},
      {"staff_club_date_of_future_transfer_contract_end", 20090101, 20191231, 20301231},
      {"staff_mls_rights_expiration_date", 19990101, 20200101, 20310101},
      {"staff_contract_extension_end_date", 20120101, 20201231, 20311231},
      {"staff_draft_year", 1990, 2019, 2030},
      {"staff_mls_discovery_player", 19960101, 20141231, 20251231},
      // Number ranges are no years.
      {"staff_pl_squad_number", 0, 100, 100},
      {"staff_np_potential_ability", -10, 200, 200},
      {"staff_pl_weight_amount", 0, 350, 350},
  };
  for (const bound_case& c : cases) {
    SCOPED_TRACE(c.control);
    const control_spec* row = find_control_spec(c.control);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(bounds_in_year(*row, 2014).min, c.min);
    EXPECT_EQ(bounds_in_year(*row, 2014).max, c.max_in_2014);
    EXPECT_EQ(bounds_in_year(*row, 2025).min, c.min);
    EXPECT_EQ(bounds_in_year(*row, 2025).max, c.max_in_2025);
  }
  EXPECT_EQ(moved_date_bound(20120229, 2015), 20130228) << "no 29 February in 2013";
  EXPECT_EQ(moved_date_bound(20120229, 2018), 20160229);
}

// ---- Through the table, under the program's locale and clock ----

class table_checks : public testing::Test {
 protected:
  void check_in_year(int year, const char* control, const char* text) {
    scoped_app_locale locale(english_locale(),
                             std::make_shared<fixed_clock>(date_time{year, 7, 3, 12, 0, 0}));
    edit.setObjectName(control);
    edit.setText(text);
    accepted = validate_field(&edit);
  }

  scoped_scripted_dialogs dialogs;
  QLineEdit edit;
  bool accepted = false;
};

TEST_F(table_checks, the_birth_date_range_follows_the_clock) {
  check_in_year(2014, "staff_date_of_birth", "31/12/1998");
  EXPECT_TRUE(accepted);
  check_in_year(2014, "staff_date_of_birth", "01/01/1999");
  EXPECT_FALSE(accepted);
  EXPECT_EQ(dialogs.last().text,
            "Date outside valid range. Valid dates range from 01/01/1920 to 31/12/1998, or use "
            "00/00/0000 for no date.");
  check_in_year(2025, "staff_date_of_birth", "31/12/2009");
  EXPECT_TRUE(accepted);
  check_in_year(2025, "staff_date_of_birth", "01/01/2010");
  EXPECT_EQ(dialogs.last().text,
            "Date outside valid range. Valid dates range from 01/01/1920 to 31/12/2009, or use "
            "00/00/0000 for no date.");
}

TEST_F(table_checks, the_program_season_gives_the_original_contract_messages) {
  check_in_year(2014, "staff_club_contract_expires", "31/12/2009");
  EXPECT_EQ(dialogs.last().text,
            "Date outside valid range. Valid dates range from 01/01/2010 to 31/12/2020, or use "
            "00/00/0000 for no date.");
  check_in_year(2014, "staff_club_date_joined", "01/01/1950");
  EXPECT_TRUE(accepted);
  check_in_year(2014, "staff_club_date_joined", "31/12/2014");
  EXPECT_TRUE(accepted);
  check_in_year(2014, "staff_club_contract_expires", "00/00/0000");
  EXPECT_TRUE(accepted);
  check_in_year(2030, "staff_club_contract_expires", "31/12/2036");
  EXPECT_TRUE(accepted);
}

TEST_F(table_checks, the_year_of_birth_and_the_draft_year_take_zero_and_move_their_last_year) {
  check_in_year(2025, "staff_year_of_birth", "1899");
  EXPECT_EQ(dialogs.last().text, "Valid value range is 1900 - 2009, or use 0 for 'not set.'");
  check_in_year(2025, "staff_year_of_birth", "0");
  EXPECT_TRUE(accepted);
  check_in_year(2025, "staff_year_of_birth", "abc");
  EXPECT_EQ(dialogs.last().text, "Not an integer.");
  check_in_year(2014, "staff_draft_year", "2020");
  EXPECT_EQ(dialogs.last().text, "Valid value range is 1990 - 2019");
  check_in_year(2025, "staff_draft_year", "2020");
  EXPECT_TRUE(accepted);
}

TEST_F(table_checks, the_discovery_player_date_has_a_range_of_its_own) {
  check_in_year(2025, "staff_mls_discovery_player", "15/03/2021");
  EXPECT_TRUE(accepted) << "a discovery date after the latest birth date";
  check_in_year(2025, "staff_mls_discovery_player", "31/12/1995");
  EXPECT_EQ(dialogs.last().text,
            "Date outside valid range. Valid dates range from 01/01/1996 to 31/12/2025, or use "
            "00/00/0000 for no date.");
}

TEST_F(table_checks, number_edits_keep_their_ranges_and_show_minus_zero_as_zero) {
  check_in_year(2025, "staff_pl_squad_number", "");
  EXPECT_FALSE(accepted);
  EXPECT_EQ(dialogs.last().text, "Valid value range is 0 - 100");
  check_in_year(2025, "staff_int_apps", "");
  EXPECT_TRUE(accepted);
  check_in_year(2025, "staff_pl_pace", "-0");
  EXPECT_TRUE(accepted);
  EXPECT_EQ(edit.text(), "0");
  check_in_year(2025, "staff_pl_height_amount", "9.5");
  EXPECT_EQ(dialogs.last().text, "Valid value range is 0 - 9");
  check_in_year(2025, "staff_pl_height_amount", "1.85");
  EXPECT_TRUE(accepted);
  check_in_year(2025, "staff_notes", "anything");
  EXPECT_TRUE(accepted) << "a control without a check";
  EXPECT_TRUE(dialogs.all_as_scripted());
}

// ---- The focus goes back into a refused edit ----

TEST(field_validators, a_refused_value_puts_the_focus_back_into_its_edit) {
  scoped_scripted_dialogs dialogs;
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* squad_number = new QLineEdit(&window);
  auto* other = new QLineEdit(&window);
  layout->addWidget(squad_number);
  layout->addWidget(other);
  window.show();
  QApplication::setActiveWindow(&window);
  other->setFocus();
  QApplication::processEvents();

  squad_number->setText("-1");
  EXPECT_FALSE(validate_int_range(squad_number, 0, 100));
  QApplication::processEvents();
  EXPECT_EQ(QApplication::focusWidget(), squad_number);
  EXPECT_EQ(dialogs.last().text, "Valid value range is 0 - 100");

  other->setFocus();
  squad_number->setText("-1");
  EXPECT_FALSE(validate_staff_id(squad_number));
  QApplication::processEvents();
  EXPECT_EQ(QApplication::focusWidget(), squad_number);
  EXPECT_EQ(dialogs.last().text, "'ID' must be greater than 0, or use 0 for 'not set.'");
}

}  // namespace
