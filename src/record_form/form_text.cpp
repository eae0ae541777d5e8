#include "record_form/form_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "platform/app_locale.h"
#include "record_form/editor_state.h"
#include "records/dates.h"
#include "records/history_order.h"
#include "records/item_records.h"
#include "records/staff_record.h"

std::string strip_char(std::string_view text, char c) {
  std::string result;
  result.reserve(text.size());
  for (char ch : text) {
    if (ch != c)
      result += ch;
  }
  return result;
}

std::string strip_thousands(std::string_view text, std::string_view separator) {
  if (separator.empty())
    return std::string(text);
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    if (text.substr(i, separator.size()) == separator) {
      i += separator.size();
    } else {
      result += text[i++];
    }
  }
  return result;
}

std::int64_t money_currency_value(double amount) {
  return std::llround(amount * 10000.0);
}

std::string money_text(long long amount, std::string_view thousands_separator) {
  const bool negative = amount < 0;
  // Unsigned so that the smallest 64-bit value has a magnitude too.
  unsigned long long magnitude = negative ? 0ull - static_cast<unsigned long long>(amount)
                                          : static_cast<unsigned long long>(amount);
  std::string digits = std::to_string(magnitude);
  std::string grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0)
      grouped += thousands_separator;
    grouped += digits[i];
  }
  return negative ? "-" + grouped : grouped;
}

namespace {

std::string_view trim_blanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
    text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
    text.remove_suffix(1);
  return text;
}

// The whole text as a decimal number: optional sign, digits, one decimal separator.
std::optional<double> parse_whole_decimal(std::string_view text, char decimal_separator) {
  text = trim_blanks(text);
  std::string plain;
  bool digits = false;
  bool separator_seen = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if ((c == '-' || c == '+') && i == 0) {
      plain += c;
    } else if (c >= '0' && c <= '9') {
      digits = true;
      plain += c;
    } else if (c == decimal_separator && !separator_seen) {
      separator_seen = true;
      plain += '.';
    } else {
      return std::nullopt;
    }
  }
  if (!digits)
    return std::nullopt;
  if (!plain.empty() && plain.front() == '+')
    plain.erase(0, 1);
  double value = 0.0;
  const auto [stop, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (error != std::errc() || stop != plain.data() + plain.size())
    return std::nullopt;
  return value;
}

}  // namespace

std::string_view trim_spaces(std::string_view text) {
  while (!text.empty() && text.front() == ' ')
    text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ')
    text.remove_suffix(1);
  return text;
}

std::optional<std::string> money_text_from_string(std::string_view text, char decimal_separator,
                                                  std::string_view thousands_separator) {
  if (text.empty())
    return std::string();
  const std::optional<double> amount = parse_whole_decimal(text, decimal_separator);
  if (!amount || std::fabs(*amount) > 1e14)
    return std::nullopt;
  const std::int64_t currency = money_currency_value(*amount);
  // Round half away from zero to a whole amount, as the currency format shows it.
  const std::int64_t whole = (currency >= 0 ? currency + 5000 : currency - 5000) / 10000;
  return money_text(whole, thousands_separator);
}

std::optional<long long> parse_money_amount(std::string_view text,
                                            std::string_view thousands_separator) {
  const std::string plain = strip_thousands(trim_blanks(text), thousands_separator);
  if (plain.empty() || plain.size() > 18)
    return std::nullopt;
  long long value = 0;
  for (char c : plain) {
    if (c < '0' || c > '9')
      return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value > max_money_amount)
    return std::nullopt;
  return value;
}

std::optional<long long> money_product(long long amount, double factor) {
  const long double product = static_cast<long double>(amount) * factor;
  if (!(product >= 0) || product >= static_cast<long double>(max_money_amount) + 1) {
    return std::nullopt;
  }
  return static_cast<long long>(product);
}

std::string preferred_foot_text(int left_foot, int right_foot) {
  if (left_foot >= 16) {
    if (right_foot < 8)
      return "Left only";
    if (right_foot >= 15)
      return "Either";
    return "Left";
  }
  if (left_foot >= 8)
    return "Right";
  return "Right only";
}

namespace {

std::optional<long long> day_number_of(std::string_view text, const form_formats& formats) {
  int year = 0;
  int month = 0;
  int day = 0;
  if (!parse_date_text(text, formats.locale_date_order, year, month, day))
    return std::nullopt;
  return day_number(year, month, day);
}

long long today_number(const date_time& today) {
  return day_number(today.year, today.month, today.day);
}

}  // namespace

int age_in_years(const qor_staff& staff, const form_formats& formats, const date_time& today) {
  std::optional<long long> birth;
  if (!staff.StaffDateOfBirth.empty())
    birth = day_number_of(staff.StaffDateOfBirth.view(), formats);
  // A date of birth that cannot be read counts as none.
  if (!birth && staff.StaffYearOfBirth >= 1901)
    birth = day_number(staff.StaffYearOfBirth, 1, 1);
  if (!birth)
    return 0;
  return static_cast<int>((today_number(today) - *birth) / 365);
}

int contract_years_left(const qor_staff& staff, const form_formats& formats,
                        const date_time& today) {
  if (staff.StaffContractExpiresClub.empty())
    return 0;
  const std::optional<long long> expiry =
      day_number_of(staff.StaffContractExpiresClub.view(), formats);
  if (!expiry)
    return 0;
  return static_cast<int>((*expiry - today_number(today)) / 365);
}

bool history_before(const qor_staff_history& a, const qor_staff_history& b) {
  return history_order_key(a) < history_order_key(b);
}

int history_staff_id(const qor_staff_history& item) {
  return item.StaffHistoryStaff;
}
int history_year(const qor_staff_history& item) {
  return item.StaffHistoryYear;
}

int age_in_years(const qor_staff& staff) {
  return age_in_years(staff, current_formats(), app_clock().now());
}

int contract_years_left(const qor_staff& staff) {
  return contract_years_left(staff, current_formats(), app_clock().now());
}
