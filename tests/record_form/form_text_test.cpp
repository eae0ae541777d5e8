#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "form_test_support.h"
#include "record_form/editor_state.h"
#include "record_form/form_text.h"
#include "records/item_records.h"
#include "records/staff_record.h"

namespace {

TEST(money_text, groups_digits_with_each_thousands_separator) {
  struct money_case {
    long long amount;
    const char* separator;
    const char* text;
  };
  const money_case cases[] = {
      {1500000, ",", "1,500,000"},
      {1500000, ".", "1.500.000"},
      {1500000, "\xA0",
       "1\xA0"
       "500\xA0"
       "000"},
      {0, ",", "0"},
      {999, ",", "999"},
      {1000, ",", "1,000"},
      {-1234567, ",", "-1,234,567"},
      {1234567, "", "1234567"},
  };
  for (const money_case& c : cases) {
    EXPECT_EQ(money_text(c.amount, c.separator), c.text) << c.amount;
  }
}

TEST(money_text, from_a_string_reads_the_locale_decimal_separator_and_rounds) {
  EXPECT_EQ(money_text_from_string("", '.', ","), "");
  EXPECT_EQ(money_text_from_string("1500000", '.', ","), "1,500,000");
  EXPECT_EQ(money_text_from_string("1234,5", ',', "."), "1.235");
  EXPECT_EQ(money_text_from_string("1234.4", '.', "\xA0"),
            "1\xA0"
            "234");
  EXPECT_EQ(money_text_from_string("12x", '.', ","), std::nullopt);
  EXPECT_EQ(money_text_from_string("1.5", ',', "."), std::nullopt);
}

TEST(money_text, currency_values_are_amounts_times_ten_thousand) {
  EXPECT_EQ(money_currency_value(1.5), 15000);
  EXPECT_EQ(money_currency_value(999999999.0), 9999999990000LL);
}

TEST(money_amounts, are_read_in_64_bits_and_refused_above_the_largest_amount) {
  EXPECT_EQ(parse_money_amount("1,234,567", ","), 1234567);
  EXPECT_EQ(parse_money_amount("1\xA0"
                               "234",
                               "\xA0"),
            1234);
  EXPECT_EQ(parse_money_amount("999999999", ","), 999999999);
  EXPECT_EQ(parse_money_amount("1000000000", ","), std::nullopt);
  EXPECT_EQ(parse_money_amount("4294967297", ","), std::nullopt);  // would wrap to 1
  EXPECT_EQ(parse_money_amount("-5", ","), std::nullopt);
  EXPECT_EQ(parse_money_amount("", ","), std::nullopt);
}

TEST(money_amounts, products_are_refused_rather_than_wrapped) {
  EXPECT_EQ(money_product(520, 4.34812141), 2261);
  EXPECT_EQ(money_product(520, 52.177457), 27132);
  EXPECT_EQ(money_product(520, 48), 24960);
  // 41,297,763 a week is above 2^31 a year at 52: refused, not shown negative.
  EXPECT_EQ(money_product(41297763, 52), std::nullopt);
  EXPECT_EQ(money_product(19230769, 52), 999999988);
}

TEST(strip_char, removes_every_occurrence) {
  EXPECT_EQ(strip_char("1,234,567", ','), "1234567");
  EXPECT_EQ(strip_char("", ','), "");
  EXPECT_EQ(strip_thousands("1 234", ""), "1 234");
}

TEST(preferred_foot_text, follows_the_left_foot_then_the_right) {
  struct foot_case {
    int left;
    int right;
    const char* text;
  };
  const foot_case cases[] = {{18, 6, "Left only"}, {18, 15, "Either"}, {18, 12, "Left"},
                             {16, 8, "Left"},      {12, 3, "Right"},   {15, 20, "Right"},
                             {5, 20, "Right only"}};
  for (const foot_case& c : cases) {
    EXPECT_EQ(preferred_foot_text(c.left, c.right), c.text) << c.left << "/" << c.right;
  }
}

TEST(age_in_years, counts_years_of_365_days) {
  const form_formats formats = formats_from_locale(*english_locale());
  qor_staff staff;
  staff.StaffDateOfBirth = "01/01/2000";
  EXPECT_EQ(age_in_years(staff, formats, {2029, 12, 23}), 29);  // 10949 days
  EXPECT_EQ(age_in_years(staff, formats, {2029, 12, 24}), 30);  // 10950 days

  qor_staff by_year;
  by_year.StaffYearOfBirth = 1900;
  EXPECT_EQ(age_in_years(by_year, formats, {2025, 7, 3}), 0);
  by_year.StaffYearOfBirth = 1901;
  EXPECT_EQ(age_in_years(by_year, formats, {1911, 1, 1}), 10);  // 3652 days

  // A date of birth that cannot be read gives way to the year of birth, or to 0.
  for (const char* unreadable : {"31/02/2005", "00/00/0000", "  /  /    ", "2005"}) {
    qor_staff staff_by_year;
    staff_by_year.StaffDateOfBirth = unreadable;
    staff_by_year.StaffYearOfBirth = 2005;
    EXPECT_EQ(age_in_years(staff_by_year, formats, {2025, 7, 3}), 20) << unreadable;
    staff_by_year.StaffYearOfBirth = 0;
    EXPECT_EQ(age_in_years(staff_by_year, formats, {2025, 7, 3}), 0) << unreadable;
  }
}

TEST(contract_years_left, truncates_toward_zero) {
  const form_formats formats = formats_from_locale(*english_locale());
  const date_time today{2025, 1, 1};
  qor_staff staff;
  EXPECT_EQ(contract_years_left(staff, formats, today), 0);
  staff.StaffContractExpiresClub = "05/02/2026";  // 400 days ahead
  EXPECT_EQ(contract_years_left(staff, formats, today), 1);
  staff.StaffContractExpiresClub = "20/07/2025";  // 200 days ahead
  EXPECT_EQ(contract_years_left(staff, formats, today), 0);
  staff.StaffContractExpiresClub = "28/11/2023";  // 400 days ago
  EXPECT_EQ(contract_years_left(staff, formats, today), -1);
}

TEST(first_history_year, finds_the_earliest_year_of_that_staff_member) {
  std::vector<std::unique_ptr<qor_staff_history>> history;
  auto add = [&](int id, int staff, int year) {
    auto item = std::make_unique<qor_staff_history>();
    item->StaffHistoryID = id;
    item->StaffHistoryStaff = staff;
    item->StaffHistoryYear = year;
    history.push_back(std::move(item));
  };
  add(3, 10, 2004);
  add(1, 10, 2001);
  add(2, 11, 1990);
  EXPECT_EQ(first_history_year(10, 2025, history, true), 2001);
  EXPECT_EQ(history.front()->StaffHistoryYear, 1990);  // sorted by year
  EXPECT_EQ(first_history_year(10, 1995, history, false), 1995);
  EXPECT_EQ(first_history_year(99, 2025, history, false), 2025);
}

}  // namespace
