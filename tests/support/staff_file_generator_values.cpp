#include "staff_file_generator_values.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "records/dates.h"

namespace {

// Bytes a text may hold: the tab and the printable Windows-1252 characters but the double
// quote (the five codes Windows-1252 leaves unassigned are left out as well).
const std::string& text_bytes() {
  static const std::string bytes = [] {
    std::string all = "\t";
    for (int c = 0x20; c <= 0xFF; ++c) {
      const bool unassigned = c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
      if (c != '"' && c != 0x7F && !unassigned) {
        all += static_cast<char>(c);
      }
    }
    return all;
  }();
  return bytes;
}

std::string two_digits(long long value, bool padded) {
  return (padded && value < 10 ? "0" : "") + std::to_string(value);
}

// Joins day, month and year in the order's sequence.
std::string date_in_order(std::string_view order, const std::string& d, const std::string& m,
                          const std::string& y, char separator) {
  const std::string s(1, separator);
  if (order == date_order_mm_dd_yyyy) {
    return m + s + d + s + y;
  }
  if (order == date_order_yyyy_mm_dd) {
    return y + s + m + s + d;
  }
  return d + s + m + s + y;
}

}  // namespace

std::string value_maker::value_for(const field_descriptor& field) {
  switch (field.type) {
    case field_type::integer:
      return integer_text(field.size, 12);
    case field_type::number_and_text:
      return integer_text(field.size, field.text_size - 1);
    case field_type::decimal_and_text:
      return amount();
    case field_type::date_text:
      return date(field.name == "DateUpdated");
    case field_type::boolean_text:
      return boolean(false);
    case field_type::normalised_boolean:
      return boolean(true);
    default:
      return text(field.size);
  }
}

// A value that fits `size` bytes and whose text fits `room` characters; often empty or small,
// sometimes at the limits of the width.
std::string value_maker::integer_text(int size, int room) {
  const long long high = (1LL << (size * 8 - 1)) - 1;
  const long long low = -high - 1;
  const long long roll = random_.between(1, 100);
  std::string text;
  if (roll <= 15) {
    return text;
  }
  if (roll <= 65) {
    text = std::to_string(random_.between(0, std::min(high, 100LL)));
  } else if (roll <= 70) {
    text = std::to_string(roll <= 68 ? low : high);
  } else {
    const long long value = random_.between(low, high);
    const bool plus_sign = options_.variations && value >= 0 && random_.chance(5);
    text = (plus_sign ? "+" : "") + std::to_string(value);
  }
  return static_cast<int>(text.size()) <= room ? text : std::to_string(random_.between(0, 9));
}

// Mostly short or empty, as real files are; now and then as long as the field holds.
std::string value_maker::text(int capacity) {
  const long long longest = std::min(capacity - 1, 100);
  if (random_.chance(30)) {
    return {};
  }
  const long long length =
      random_.between(1, random_.chance(80) ? std::min(longest, 12LL) : longest);
  std::string text;
  for (long long i = 0; i < length; ++i) {
    text += random_.pick(text_bytes());
  }
  return text;
}

std::string value_maker::boolean(bool normalised) {
  static const std::vector<std::string> plain = {"True", "False", "False", ""};
  static const std::vector<std::string> varied = {"TRUE", "false", "true", "yes", "0"};
  if (options_.variations && random_.chance(10)) {
    const std::string& value = random_.pick(varied);
    // The reader keeps a copied boolean as it reads it; only normalised ones get other words.
    return normalised || value == "TRUE" || value == "false" || value == "true" ? value : "True";
  }
  return random_.pick(plain);
}

std::string value_maker::date(bool with_time) {
  static constexpr int month_days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  static constexpr char separators[] = {'/', '-', '.'};
  if (random_.chance(25)) {
    return {};
  }
  const long long month = random_.between(1, 12);
  const long long day = random_.between(1, month_days[month - 1]);
  const long long year = random_.between(1900, 2030);
  // The reader takes any of the three separators and unpadded parts in every file.
  const bool varied = options_.variations && random_.chance(20);
  const char separator = varied ? separators[random_.between(0, 2)] : options_.date_separator;
  std::string text = date_in_order(options_.date_order, two_digits(day, !varied),
                                   two_digits(month, !varied), std::to_string(year), separator);
  if (with_time) {
    text += " " + two_digits(random_.between(0, 23), true) + ":" +
            two_digits(random_.between(0, 59), true) + ":" +
            two_digits(random_.between(0, 59), true);
  }
  return text;
}

// Two decimals, as the writer formats heights and weights, so they read back unchanged.
std::string value_maker::amount() {
  const long long hundredths = random_.between(0, 99999);
  return std::to_string(hundredths / 100) + options_.decimal_separator +
         two_digits(hundredths % 100, true);
}

std::string sample_date_text(const std::string& order, char separator) {
  return date_in_order(order, "31", "12", "1999", separator);
}
