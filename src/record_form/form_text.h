#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/dates.h"
#include "records/system_locale.h"

struct qor_staff;
struct qor_staff_history;
struct form_formats;

// Text, money and date helpers of the record form; Windows-1252 texts, no widgets.

// Money amounts are whole numbers from 0 to this.
inline constexpr long long max_money_amount = 999999999;

// The text without the spaces before and after it.
std::string_view trim_spaces(std::string_view text);
// The text without any occurrence of `c`.
std::string strip_char(std::string_view text, char c);
// The text without the locale's thousands separator (which may be empty: nothing to remove).
std::string strip_thousands(std::string_view text, std::string_view separator);

// Amount x 10000 rounded to 64 bits, as the money texts carry it internally.
std::int64_t money_currency_value(double amount);

// The amount with the locale's thousands separator between groups of three digits and no
// decimals: 1234567 -> "1,234,567"; 0 -> "0"; a negative amount keeps its sign.
std::string money_text(long long amount, std::string_view thousands_separator);

// "" for ""; otherwise the text read as a decimal number (with `decimal_separator`) and
// rounded to a whole amount, as money text. No value when the text is not a number.
std::optional<std::string> money_text_from_string(std::string_view text, char decimal_separator,
                                                  std::string_view thousands_separator);

// A whole number optionally grouped by the thousands separator, computed in 64 bits: no value
// when the text is not one or lies outside 0..max_money_amount (never wrapped).
std::optional<long long> parse_money_amount(std::string_view text,
                                            std::string_view thousands_separator);

// amount x factor truncated toward zero, in 64 bits; no value when the result lies outside
// 0..max_money_amount (the wage per month and year of a weekly wage).
std::optional<long long> money_product(long long amount, double factor);

// Foot text of the left and right foot ratings ("Left only", "Either", "Left", "Right",
// "Right only"); the right foot counts only when the left is 16 or more.
std::string preferred_foot_text(int left_foot, int right_foot);

// Whole years of age on `today` (days / 365): from the date of birth, else (also when the date
// cannot be read) from 1 January of a year of birth of 1901 or later; 0 otherwise.
int age_in_years(const qor_staff& staff, const form_formats& formats, const date_time& today);

// The same today, under the program's locale and clock.
int age_in_years(const qor_staff& staff);

// Whole years (days / 365, toward zero) until the club contract expires; 0 when there is no
// expiry or it cannot be read.
int contract_years_left(const qor_staff& staff, const form_formats& formats,
                        const date_time& today);
int contract_years_left(const qor_staff& staff);

// Whether `a` comes before `b` in the history order (records/history_order.h).
bool history_before(const qor_staff_history& a, const qor_staff_history& b);

// The smallest history year of that staff member below `start_year`, else `start_year`; sorts
// the vector (of pointers or owning pointers) in history order first when asked.
template <class HistoryVector>
int first_history_year(int staff_id, int start_year, HistoryVector& history, bool sort_first) {
  if (sort_first) {
    std::stable_sort(history.begin(), history.end(), [](const auto& a, const auto& b) {
      return a != nullptr && b != nullptr && history_before(*a, *b);
    });
  }
  int result = start_year;
  for (const auto& item : history) {
    if (item != nullptr && history_staff_id(*item) == staff_id && history_year(*item) < result) {
      result = history_year(*item);
    }
  }
  return result;
}

int history_staff_id(const qor_staff_history& item);
int history_year(const qor_staff_history& item);
