#pragma once

#include <optional>
#include <string>
#include <string_view>

// The checks a field's text must pass when the user leaves its control, on texts alone: each
// gives the error message to show, or the text to leave in the control. Windows-1252 texts.

struct check_result {
  bool accepted = false;
  std::string message;  // the error dialog's text when not accepted
  // An accepted text the control shows otherwise ("-0" becomes "0"); none keeps it as typed.
  std::optional<std::string> replacement;
};

// A calendar day, compared as yyyymmdd.
struct calendar_day {
  int year = 0;
  int month = 0;
  int day = 0;
  int key() const { return year * 10000 + month * 100 + day; }
};
calendar_day day_from_key(int yyyymmdd);

// What the date checks need of the locale: its date order name, separator and date texts.
struct date_check_texts {
  std::string order = "dd_mm_yyyy";
  char separator = '/';
  std::string date_format = "dd/mm/yyyy";
  std::string no_date_text = "00/00/0000";
};

// A whole number as the platform's conversion reads it (leading blanks, a sign, digits, 32 bits).
std::optional<long long> read_whole_number(std::string_view text);

// A whole number min..max. An empty text is refused with the range message unless
// `empty_allowed`; `control_name` "staff_year_of_birth" adds the not-set hint to that message.
check_result check_int_range(std::string_view text, int min, int max, bool empty_allowed,
                             std::string_view control_name);

// A staff id: a whole number 0 or above.
check_result check_staff_id(std::string_view text);

// A decimal number min..max under the locale's decimal separator; empty is refused.
check_result check_float_range(std::string_view text, double min, double max,
                               char decimal_separator);

// A year edit where 0 stands for not set: any other whole number must lie in min..max; a text
// that is no whole number (the empty text too) is refused with "Not an integer.".
check_result check_year_or_zero(std::string_view text, int min, int max,
                                std::string_view control_name);

// The no-date text, or a real date in the locale's order from `first` to `last`.
check_result check_date_range(std::string_view text, calendar_day first, calendar_day last,
                              const date_check_texts& texts);

// The text read as a date in the locale's order; none for the no-date text or a text that is
// not a real date.
std::optional<calendar_day> read_date(std::string_view text, const date_check_texts& texts);
