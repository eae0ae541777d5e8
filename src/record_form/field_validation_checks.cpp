#include "record_form/field_validation_checks.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "record_form/form_text.h"
#include "records/dates.h"

namespace {

constexpr std::string_view not_set_hint = ", or use 0 for 'not set.'";

check_result accept(std::string_view text) {
  check_result result;
  result.accepted = true;
  // A typed "-0" is shown as the plain 0 it stands for.
  if (text == "-0")
    result.replacement = "0";
  return result;
}

check_result refuse(std::string message) {
  check_result result;
  result.message = std::move(message);
  return result;
}

std::string not_a_number(std::string_view text) {
  return std::string(text) + " is not a valid number.";
}

std::string int_range_message(int min, int max, std::string_view control_name) {
  std::string message = "Valid value range is " + std::to_string(min) + " - " + std::to_string(max);
  if (control_name == "staff_year_of_birth")
    message += not_set_hint;
  return message;
}

// The bounds in the platform's general float form: 9 for 9.0, 0.5 for 0.5.
std::string general_float(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%g", value);
  return buffer;
}

// A decimal number in which `decimal_separator` is the decimal point; blanks around it allowed.
std::optional<double> read_decimal(std::string_view text, char decimal_separator) {
  text = trim_spaces(text);
  std::string plain;
  for (const char c : text) {
    if (c == '.' && decimal_separator != '.')
      return std::nullopt;  // a point is no decimal point under this locale
    plain += c == decimal_separator ? '.' : c;
  }
  const char* begin = plain.data();
  const char* end = begin + plain.size();
  if (begin != end && *begin == '+')
    ++begin;
  double value = 0.0;
  const auto [stop, error] = std::from_chars(begin, end, value);
  if (error != std::errc() || stop != end || begin == end || !std::isfinite(value))
    return std::nullopt;
  return value;
}

std::string date_text(calendar_day day, const date_check_texts& texts) {
  return format_date(texts.order, texts.separator, day.year, day.month, day.day);
}

}  // namespace

calendar_day day_from_key(int yyyymmdd) {
  return {yyyymmdd / 10000, yyyymmdd / 100 % 100, yyyymmdd % 100};
}

std::optional<long long> read_whole_number(std::string_view text) {
  while (!text.empty() && text.front() == ' ')
    text.remove_prefix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || text.size() > 12)
    return std::nullopt;
  long long value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9')
      return std::nullopt;
    value = value * 10 + (c - '0');
  }
  value = negative ? -value : value;
  if (value < -2147483648LL || value > 2147483647LL)
    return std::nullopt;
  return value;
}

check_result check_int_range(std::string_view text, int min, int max, bool empty_allowed,
                             std::string_view control_name) {
  if (text.empty()) {
    if (empty_allowed)
      return accept(text);
    return refuse(int_range_message(min, max, control_name));
  }
  const std::optional<long long> value = read_whole_number(text);
  if (!value)
    return refuse(not_a_number(text));
  if (*value < min || *value > max)
    return refuse(int_range_message(min, max, control_name));
  return accept(text);
}

check_result check_staff_id(std::string_view text) {
  const std::optional<long long> value = read_whole_number(text);
  if (!value)
    return refuse(not_a_number(text));
  if (*value < 0)
    return refuse("'ID' must be greater than 0" + std::string(not_set_hint));
  return accept(text);
}

check_result check_float_range(std::string_view text, double min, double max,
                               char decimal_separator) {
  const std::string range_message =
      "Valid value range is " + general_float(min) + " - " + general_float(max);
  if (text.empty())
    return refuse(range_message);
  const std::optional<double> value = read_decimal(text, decimal_separator);
  if (!value)
    return refuse(not_a_number(text));
  if (*value < min || *value > max)
    return refuse(range_message);
  return accept(text);
}

check_result check_year_or_zero(std::string_view text, int min, int max,
                                std::string_view control_name) {
  const std::optional<long long> value = read_whole_number(text);
  if (!value)
    return refuse("Not an integer.");
  if (*value == 0)
    return accept(text);
  return check_int_range(text, min, max, false, control_name);
}

std::optional<calendar_day> read_date(std::string_view text, const date_check_texts& texts) {
  if (text == texts.no_date_text)
    return std::nullopt;
  calendar_day day;
  if (!parse_date_text(text, texts.order, day.year, day.month, day.day))
    return std::nullopt;
  return day;
}

check_result check_date_range(std::string_view text, calendar_day first, calendar_day last,
                              const date_check_texts& texts) {
  if (text == texts.no_date_text)
    return accept(text);
  const std::string range = date_text(first, texts) + " to " + date_text(last, texts) +
                            ", or use " + texts.no_date_text + " for no date.";
  const std::optional<calendar_day> day = read_date(text, texts);
  if (!day) {
    return refuse("Invalid date. Date is in format " + texts.date_format + " and in the range " +
                  range);
  }
  if (day->key() < first.key() || day->key() > last.key())
    return refuse("Date outside valid range. Valid dates range from " + range);
  return accept(text);
}
