#include <QLineEdit>
#include <charconv>
#include <cstdio>
#include <optional>

#include "platform/control_tag.h"
#include "record_form/binding_support.h"
#include "record_form/control_binding.h"
#include "record_form/field_validation_checks.h"
#include "record_form/form_text.h"
#include "records/dates.h"

namespace {

constexpr std::string_view fill_failure = "fill_control(..): Error casting to AnsiString in edit: ";
constexpr std::string_view text_apply_failure =
    "apply_from_control(TCustomEdit*,char*): Error casting from AnsiString in edit: ";
constexpr std::string_view edit_apply_failure =
    "apply_from_control(..): Error casting from AnsiString in edit: ";

// A decimal number under the locale's separator; the whole text must be the number.
std::optional<double> parse_decimal(std::string_view text, char decimal_separator) {
  std::string plain;
  for (char c : text)
    plain += (c == decimal_separator) ? '.' : (c == '.' ? ',' : c);
  while (!plain.empty() && plain.back() == ' ')
    plain.pop_back();
  std::size_t start = plain.find_first_not_of(' ');
  if (start == std::string::npos)
    return std::nullopt;
  // from_chars: the process's C locale must not change the decimal point.
  const char* begin = plain.data() + start;
  const char* end = plain.data() + plain.size();
  if (*begin == '+')
    ++begin;
  double value = 0.0;
  const auto [stop, error] = std::from_chars(begin, end, value);
  if (error != std::errc() || stop != end)
    return std::nullopt;
  return value;
}

void show_text(QLineEdit* edit, std::string_view text) {
  edit->setText(display_text(text));
  clear_unshown(edit);
}

void fail_fill(QLineEdit* edit, std::string_view message) {
  report_binding_failure(message, edit);
  edit->clear();
  mark_unshown(edit);
}

bool is_no_date(std::string_view text) {
  return text.empty() || text == "0/0/0";
}

}  // namespace

std::string format_decimal(double value, char decimal_separator) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
  std::string text(buffer, result.ptr);
  if (decimal_separator == ',') {
    for (char& c : text) {
      if (c == '.')
        c = ',';
    }
  }
  return text;
}

std::string format_date(int year, int month, int day, const form_formats& formats) {
  char buffer[32];
  const char s = formats.date_separator;
  if (formats.locale_date_order == date_order_dd_mm_yyyy) {
    std::snprintf(buffer, sizeof buffer, "%02d%c%02d%c%04d", day, s, month, s, year);
  } else if (formats.locale_date_order == date_order_mm_dd_yyyy) {
    std::snprintf(buffer, sizeof buffer, "%02d%c%02d%c%04d", month, s, day, s, year);
  } else {
    std::snprintf(buffer, sizeof buffer, "%04d%c%02d%c%02d", year, s, month, s, day);
  }
  return buffer;
}

QString date_input_mask(const form_formats& formats) {
  const QChar s = QChar::fromLatin1(formats.date_separator);
  const QString mask = formats.locale_date_order == date_order_yyyy_mm_dd
                           ? QStringLiteral("9999") + s + "99" + s + "99"
                           : QStringLiteral("99") + s + "99" + s + "9999";
  return mask + QStringLiteral("; ");
}

bool fill_control(QLineEdit* edit, const field_slot& value, int tag, const form_formats& formats) {
  set_control_tag(edit, tag);
  if (value.is_integer()) {
    show_text(edit, std::to_string(read_integer(value)));
  } else if (value.is_decimal()) {
    show_text(edit, format_decimal(read_decimal(value), formats.decimal_separator));
  } else if (value.is_text()) {
    show_text(edit, read_text(value));
  } else {
    fail_fill(edit, fill_failure);
  }
  return true;
}

bool fill_money_control(QLineEdit* edit, const field_slot& value, int tag,
                        const form_formats& formats) {
  set_control_tag(edit, tag);
  if (value.is_integer()) {
    show_text(edit, money_text(read_integer(value), formats.thousands_separator));
    return true;
  }
  const std::string_view text = read_text(value);
  if (text.empty()) {
    show_text(edit, "");
    return true;
  }
  const std::optional<long long> amount = read_whole_number(text);
  if (!amount) {
    fail_fill(edit, fill_failure);
    return true;
  }
  show_text(edit, money_text(*amount, formats.thousands_separator));
  return true;
}

bool fill_date_control(QLineEdit* edit, const field_slot& value, int tag,
                       const form_formats& formats) {
  set_control_tag(edit, tag);
  if (value.is_integer()) {
    show_text(edit, std::to_string(read_integer(value)));
    return true;
  }
  const std::string_view text = read_text(value);
  if (is_no_date(text)) {
    show_text(edit, formats.no_date_text);
    return true;
  }
  int year = 0;
  int month = 0;
  int day = 0;
  if (!parse_date_text(text, formats.locale_date_order, year, month, day)) {
    fail_fill(edit, fill_failure);
    return true;
  }
  show_text(edit, format_date(year, month, day, formats));
  return true;
}

bool apply_from_control(QLineEdit* edit, const field_slot& field, const form_formats& formats) {
  if (field.is_text()) {
    std::string text = widget_text(edit->text());
    if (text.size() >= field.capacity)
      text.resize(field.capacity - 1u);
    if (text == read_text(field))
      return false;
    write_text(field, text);
    return true;
  }
  if (field.is_integer()) {
    const int tag = control_tag(edit);
    if (tag != text_value_tag)
      return store_integer(field, tag);
    if (edit->text().isEmpty())
      edit->setText(QStringLiteral("0"));
    const std::optional<long long> value = read_whole_number(widget_text(edit->text()));
    if (!value) {
      report_binding_failure(edit_apply_failure, edit);
      return false;
    }
    return store_integer(field, *value);
  }
  if (field.is_decimal()) {
    const std::string text = widget_text(edit->text());
    // The edit shows the value rounded to two places; unchanged text is not a new value.
    if (text == format_decimal(read_decimal(field), formats.decimal_separator))
      return false;
    const std::optional<double> value = parse_decimal(text, formats.decimal_separator);
    if (!value) {
      report_binding_failure(edit_apply_failure, edit);
      return false;
    }
    if (cut_to_precision(field, *value) == read_decimal(field))
      return false;
    write_decimal(field, *value);
    return true;
  }
  return false;
}

bool apply_money_from_control(QLineEdit* edit, const field_slot& field, const field_slot& amount,
                              const form_formats& formats) {
  if (shows_unshown_value(edit))
    return false;
  std::string text = strip_thousands(widget_text(edit->text()), formats.thousands_separator);
  if (field.is_text()) {
    if (text == read_text(field))
      return false;
    std::optional<long long> value = 0;
    if (!text.empty())
      value = parse_money_amount(text, {});
    if (!value) {
      report_binding_failure(text_apply_failure, edit);
      return false;
    }
    write_text(field, text);
    if (amount.is_integer())
      write_integer(amount, *value);
    return true;
  }
  if (field.is_integer()) {
    const int tag = control_tag(edit);
    if (tag != text_value_tag)
      return store_integer(field, tag);
    // An amount shown as it is stored is no new value, even one no edit would accept.
    if (widget_text(edit->text()) == money_text(read_integer(field), formats.thousands_separator))
      return false;
    if (text.empty())
      text = "0";
    const std::optional<long long> value = parse_money_amount(text, {});
    if (!value) {
      report_binding_failure(edit_apply_failure, edit);
      return false;
    }
    return store_integer(field, *value);
  }
  return false;
}

bool apply_date_from_control(QLineEdit* edit, const field_slot& date_field,
                             const form_formats& formats) {
  if (shows_unshown_value(edit))
    return false;
  const std::string shown = widget_text(edit->text());
  const std::string_view stored = read_text(date_field);
  const bool shows_no_date = shown == formats.no_date_text;
  if (shows_no_date && is_no_date(stored))
    return false;
  if (same_text_ignoring_case(shown, stored))
    return false;
  if (shows_no_date) {
    write_text(date_field, "");
    return true;
  }
  int year = 0;
  int month = 0;
  int day = 0;
  if (!parse_date_text(shown, formats.locale_date_order, year, month, day)) {
    report_binding_failure(edit_apply_failure, edit);
    return false;
  }
  // The same date written another way (5/3/2001 shown as 05/03/2001) is not a change.
  int stored_year = 0;
  int stored_month = 0;
  int stored_day = 0;
  if (parse_date_text(stored, formats.locale_date_order, stored_year, stored_month, stored_day) &&
      stored_year == year && stored_month == month && stored_day == day) {
    return false;
  }
  write_text(date_field, format_date(year, month, day, formats));
  return true;
}
