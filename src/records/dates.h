#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "system_locale.h"

// Dates are held as text in one of three orders, named by these exact texts; an empty name
// stands for no known order.
inline constexpr std::string_view date_order_dd_mm_yyyy = "dd_mm_yyyy";
inline constexpr std::string_view date_order_mm_dd_yyyy = "mm_dd_yyyy";
inline constexpr std::string_view date_order_yyyy_mm_dd = "yyyy_mm_dd";

// The order of a text holding 31 December: its first number decides (12 month first, 31 day
// first, anything else year first); "" when no number can be read.
std::string date_order_of_sample(std::string_view sample);

// The locale's date order, found by formatting 31 December 2001 with its short date.
std::string detect_locale_date_order(const system_locale& locale);

// ',' when the locale reads "8,88" as a number, else '.'.
char detect_decimal_separator(const system_locale& locale);

// The texts the date edits use for one order and date separator.
struct date_texts {
  std::string date_format;      // "dd/mm/yyyy"
  std::string no_date_text;     // "00/00/0000"
  std::string blank_date_text;  // "  /  /    "
};

// An unknown or empty order takes the year-first row.
date_texts date_texts_for_order(std::string_view order, char separator);

// Edit mask and "Format: ..." hint of the date edits; empty texts for an unknown order.
std::string date_mask_for_order(std::string_view order);
std::string date_hint_for_order(std::string_view order, char separator);

// Rewrites a date, or a date and a " h:m:s" time, from one order into another, joining the date
// parts with `separator` and padding one-digit parts with a leading zero. Any of '/', '-', '.'
// may separate the parts of the input. A text that cannot be read, or a `from` that is not one
// of the three orders, comes back unchanged so that no loaded date is ever lost.
std::string convert_date_order(std::string_view from, std::string_view to, std::string_view text,
                               char separator);

enum class known_date_order : std::uint8_t { none, dd_mm_yyyy, mm_dd_yyyy, yyyy_mm_dd };

// The same conversion prepared once for the many dates of a load, without allocating.
class date_order_conversion {
 public:
  // Six parts of at most eleven characters and five separators.
  static constexpr std::size_t max_length = 6 * 11 + 5;

  date_order_conversion(std::string_view from, std::string_view to, char separator);

  // True when convert gives the text back at once: for an unknown order of the file, or a text
  // already in the written form of an unchanged order.
  bool keeps(std::string_view text) const;

  // What convert_date_order gives: either `text` itself or a text written to `out`.
  std::string_view convert(std::string_view text, std::array<char, max_length>& out) const;

 private:
  // Eight characters of the written form: which must be digits, and what the others are.
  struct form_word {
    std::uint64_t digits = 0;
    std::uint64_t literals = 0;
    std::uint64_t literal_bytes = 0;
  };
  static constexpr std::size_t form_words = 5;  // two for a date, three for a date and time

  bool in_written_form(std::string_view text) const;

  std::array<form_word, form_words> form_;
  std::size_t year_;  // where the year starts
  known_date_order source_;
  known_date_order target_;
  char separator_;
};

// Replaces every `from` by `to`; true when at least one was replaced.
bool replace_char(std::string& text, char from, char to);
bool replace_char(char* text, char from, char to);

// Day, month and year in `order` joined by `separator`, as "05/03/2001": two-digit day and
// month, four-digit year; year first for an unknown order.
std::string format_date(std::string_view order, char separator, int year, int month, int day);

// The writer's first line: 31 December 1999 in that order with that separator ('/' unless the
// separator is one of '/', '-', '.'; day first when the order is unknown).
std::string sample_date_line(std::string_view order, char separator);

// The update stamp of a committed record: the date in `locale_order` joined by `date_separator`,
// then " hh:nn:ss".
std::string format_update_stamp(std::string_view locale_order, char date_separator,
                                const date_time& now);

// Gregorian leap years.
bool is_leap_year(int year);

// Reads a real calendar date written in `order` with any of the separators '/', '-', '.'.
// False for empty, malformed or impossible dates (31/02/2001) and for an unknown order.
bool parse_date_text(std::string_view text, std::string_view order, int& year, int& month,
                     int& day);

// Day number of a civil date (days since 1 January 1970), for whole-day differences.
long long day_number(int year, int month, int day);
