#include "dates.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <utility>

#include "word_bytes.h"

namespace {

using date_order = known_date_order;

date_order order_from_name(std::string_view name) {
  if (name == date_order_dd_mm_yyyy) {
    return date_order::dd_mm_yyyy;
  }
  if (name == date_order_mm_dd_yyyy) {
    return date_order::mm_dd_yyyy;
  }
  if (name == date_order_yyyy_mm_dd) {
    return date_order::yyyy_mm_dd;
  }
  return date_order::none;
}

constexpr std::array<char, 3> date_separators = {'/', '-', '.'};

bool is_white_space(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

// Reads a text the way a scanf pattern of "%d" numbers and literal characters does, without
// locale lookups or allocations.
class pattern_reader {
 public:
  explicit pattern_reader(std::string_view text) : text_(text) {}

  // "%d": white space, an optional sign, digits. A number beyond int counts as unreadable.
  bool read_number(int& value) {
    skip_white_space();
    std::size_t position = position_;
    bool negative = false;
    if (position < text_.size() && (text_[position] == '+' || text_[position] == '-')) {
      negative = text_[position] == '-';
      ++position;
    }
    long long result = 0;
    const std::size_t first_digit = position;
    for (; position < text_.size() && is_digit(text_[position]); ++position) {
      result = result * 10 + (text_[position] - '0');
      if (result > static_cast<long long>(std::numeric_limits<int>::max()) + 1) {
        return false;
      }
    }
    if (position == first_digit) {
      return false;
    }
    result = negative ? -result : result;
    if (result > std::numeric_limits<int>::max()) {
      return false;
    }
    value = static_cast<int>(result);
    position_ = position;
    return true;
  }

  bool read_literal(char c) {
    if (position_ < text_.size() && text_[position_] == c) {
      ++position_;
      return true;
    }
    return false;
  }

  // A blank in a pattern matches any run of white space, also none.
  void skip_white_space() {
    while (position_ < text_.size() && is_white_space(text_[position_])) {
      ++position_;
    }
  }

  bool at_end() const { return position_ == text_.size(); }

 private:
  std::string_view text_;
  std::size_t position_ = 0;
};

// "%d<s>%d<s>%d": how many of the three numbers could be read.
int read_date_parts(pattern_reader& reader, char separator, std::array<int, 3>& parts) {
  for (int i = 0; i < 3; ++i) {
    if ((i > 0 && !reader.read_literal(separator)) || !reader.read_number(parts[i])) {
      return i;
    }
  }
  return 3;
}

// " %d:%d:%d" after a date: true when all three numbers are read.
bool read_time_parts(pattern_reader& reader, std::array<int, 3>& parts) {
  reader.skip_white_space();
  return reader.read_number(parts[0]) && reader.read_literal(':') && reader.read_number(parts[1]) &&
         reader.read_literal(':') && reader.read_number(parts[2]);
}

// Writes a part in decimal, with a leading zero when it is one character long; returns the end.
char* put_padded(char* out, int part) {
  if (part >= 0 && part < 100) {  // days, months and times
    *out++ = static_cast<char>('0' + part / 10);
    *out++ = static_cast<char>('0' + part % 10);
    return out;
  }
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, part).ptr;
  if (end - digits == 1) {
    *out++ = '0';
  }
  return std::copy(digits, end, out);
}

// A part in decimal with at least `width` digits.
void append_zero_filled(std::string& out, int part, int width) {
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, part).ptr;
  for (auto length = end - digits; length < width; ++length) {
    out += '0';
  }
  out.append(digits, end);
}

// Positions of day, month and year among the three parts of a date written in `order`.
struct part_positions {
  int day, month, year;
};

part_positions positions_of(date_order order) {
  switch (order) {
    case date_order::dd_mm_yyyy:
      return {0, 1, 2};
    case date_order::mm_dd_yyyy:
      return {1, 0, 2};
    case date_order::yyyy_mm_dd:
    case date_order::none:
      break;
  }
  return {2, 1, 0};
}

// Day, month and year laid out in `order`; the year comes first for an unknown order.
std::array<int, 3> parts_in_order(date_order order, int year, int month, int day) {
  const part_positions at = positions_of(order);
  std::array<int, 3> parts{};
  parts[at.day] = day;
  parts[at.month] = month;
  parts[at.year] = year;
  return parts;
}

// Three fields of a date edit's texts ("dd", "00", "  "), joined in `order`.
std::string join_in_order(date_order order, char separator, std::string_view day,
                          std::string_view month, std::string_view year) {
  const part_positions at = positions_of(order);
  std::array<std::string_view, 3> fields;
  fields[at.day] = day;
  fields[at.month] = month;
  fields[at.year] = year;
  std::string out;
  out.append(fields[0]).append(1, separator).append(fields[1]).append(1, separator);
  return out.append(fields[2]);
}

int days_in_month(int year, int month) {
  constexpr std::array<int, 12> days = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && is_leap_year(year) ? 29 : days[month - 1];
}

}  // namespace

std::string date_order_of_sample(std::string_view sample) {
  pattern_reader reader(sample);
  int first = 0;
  if (!reader.read_number(first)) {
    return {};
  }
  if (first == 12) {
    return std::string(date_order_mm_dd_yyyy);
  }
  if (first == 31) {
    return std::string(date_order_dd_mm_yyyy);
  }
  return std::string(date_order_yyyy_mm_dd);
}

std::string detect_locale_date_order(const system_locale& locale) {
  return date_order_of_sample(locale.format_short_date(2001, 12, 31));
}

char detect_decimal_separator(const system_locale& locale) {
  // "8,88" reads as a number only where ',' is the decimal separator.
  return locale.decimal_separator() == ',' ? ',' : '.';
}

date_texts date_texts_for_order(std::string_view order, char separator) {
  date_order known = order_from_name(order);
  if (known == date_order::none) {
    known = date_order::yyyy_mm_dd;
  }
  return {join_in_order(known, separator, "dd", "mm", "yyyy"),
          join_in_order(known, separator, "00", "00", "0000"),
          join_in_order(date_order::dd_mm_yyyy, separator, "  ", "  ", "    ")};
}

std::string date_mask_for_order(std::string_view order) {
  switch (order_from_name(order)) {
    case date_order::dd_mm_yyyy:
    case date_order::mm_dd_yyyy:
      return "!99/99/9999;1;_";
    case date_order::yyyy_mm_dd:
      return "!9999/99/99;1;_";
    case date_order::none:
      break;
  }
  return {};
}

std::string date_hint_for_order(std::string_view order, char separator) {
  const date_order known = order_from_name(order);
  if (known == date_order::none) {
    return {};
  }
  return "Format: " + join_in_order(known, separator, "dd", "mm", "yyyy");
}

date_order_conversion::date_order_conversion(std::string_view from, std::string_view to,
                                             char separator)
    : source_(order_from_name(from)), target_(order_from_name(to)), separator_(separator) {
  // '9' stands for a digit; every other character must be itself.
  const std::string date = join_in_order(source_, separator, "99", "99", "9999");
  const std::string date_and_time = date + " 99:99:99";
  const std::array<std::pair<const std::string*, std::size_t>, form_words> words = {
      {{&date, 0}, {&date, 2}, {&date_and_time, 0}, {&date_and_time, 8}, {&date_and_time, 11}}};
  for (std::size_t i = 0; i < form_words; ++i) {
    const auto& [form, at] = words[i];
    for (std::size_t byte = 0; byte < 8; ++byte) {
      const std::uint64_t bits = std::uint64_t{0xff} << (8 * byte);
      const auto c = static_cast<unsigned char>((*form)[at + byte]);
      if (c == '9') {
        form_[i].digits |= bits;
      } else {
        form_[i].literals |= bits;
        form_[i].literal_bytes |= std::uint64_t{c} << (8 * byte);
      }
    }
  }
  year_ = source_ == date_order::yyyy_mm_dd ? 0 : 6;
}

// True when converting the text within its own order would give it back unchanged: two-digit
// day and month, a four-digit year without a leading zero, the separator between them, and
// nothing after them but, optionally, a blank and a two-digit hh:mm:ss. Files the editor saved
// in the locale's order hold only such dates, so a load of them skips the parsing. The text is
// tested in words of eight characters, overlapping where its length is no multiple of eight.
bool date_order_conversion::in_written_form(std::string_view text) const {
  const auto matches = [&](std::size_t word, std::size_t at) {
    const form_word& form = form_[word];
    const std::uint64_t bytes = load_word<std::uint64_t>(text.data() + at);
    // '0' to '9' are 0x30 to 0x39: the high nibble is 3, and adding 6 keeps it 3. A byte that
    // carries into its neighbour has a high nibble of 0xf and fails the test itself.
    constexpr std::uint64_t high_nibbles = 0xf0f0f0f0f0f0f0f0;
    const std::uint64_t nibbles =
        (bytes & high_nibbles) | ((bytes + (0x0606060606060606 & form.digits)) & high_nibbles) >> 4;
    return (nibbles & form.digits) == (0x3333333333333333 & form.digits) &&
           (bytes & form.literals) == form.literal_bytes;
  };
  bool in_form = false;
  if (text.size() == 10) {
    in_form = matches(0, 0) && matches(1, 2);
  } else if (text.size() == 19) {
    in_form = matches(2, 0) && matches(3, 8) && matches(4, 11);
  }
  return in_form && text[year_] != '0';
}

bool date_order_conversion::keeps(std::string_view text) const {
  return source_ == date_order::none || (target_ == source_ && in_written_form(text));
}

std::string_view date_order_conversion::convert(std::string_view text,
                                                std::array<char, max_length>& out) const {
  if (keeps(text)) {
    return text;
  }
  const date_order source = source_;
  const date_order target = target_;
  // The character after the first number must be the separator, so at most one of the three
  // reads three numbers: the first that does decides the date, and whether a time follows it.
  std::array<int, 3> date{};
  std::array<int, 3> time{};
  bool has_time = false;
  bool has_date = false;
  for (char text_separator : date_separators) {
    pattern_reader reader(text);
    if (read_date_parts(reader, text_separator, date) == 3) {
      has_date = true;
      has_time = read_time_parts(reader, time);
      break;
    }
  }
  if (!has_date) {
    return text;
  }

  std::array<int, 3> parts = date;
  if (target != date_order::none) {
    const part_positions at = positions_of(source);
    parts = parts_in_order(target, date[at.year], date[at.month], date[at.day]);
  }
  char* end = out.data();
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) {
      *end++ = separator_;
    }
    end = put_padded(end, parts[i]);
  }
  if (has_time) {
    for (std::size_t i = 0; i < time.size(); ++i) {
      *end++ = i == 0 ? ' ' : ':';
      end = put_padded(end, time[i]);
    }
  }
  return {out.data(), end};
}

std::string convert_date_order(std::string_view from, std::string_view to, std::string_view text,
                               char separator) {
  std::array<char, date_order_conversion::max_length> out;
  return std::string(date_order_conversion(from, to, separator).convert(text, out));
}

bool replace_char(std::string& text, char from, char to) {
  bool replaced = false;
  for (char& c : text) {
    if (c == from) {
      c = to;
      replaced = true;
    }
  }
  return replaced;
}

bool replace_char(char* text, char from, char to) {
  bool replaced = false;
  for (; text != nullptr && *text != '\0'; ++text) {
    if (*text == from) {
      *text = to;
      replaced = true;
    }
  }
  return replaced;
}

std::string format_date(std::string_view order, char separator, int year, int month, int day) {
  const std::array<int, 3> parts = parts_in_order(order_from_name(order), year, month, day);
  const part_positions at = positions_of(order_from_name(order));
  std::string out;
  out.reserve(10);
  for (int i = 0; i < 3; ++i) {
    if (i > 0) {
      out += separator;
    }
    append_zero_filled(out, parts[i], i == at.year ? 4 : 2);
  }
  return out;
}

std::string sample_date_line(std::string_view order, char separator) {
  if (separator != '/' && separator != '-' && separator != '.') {
    separator = '/';
  }
  if (order_from_name(order) == date_order::none) {
    order = date_order_dd_mm_yyyy;
  }
  return format_date(order, separator, 1999, 12, 31);
}

std::string format_update_stamp(std::string_view locale_order, char date_separator,
                                const date_time& now) {
  std::string out = format_date(locale_order, date_separator, now.year, now.month, now.day);
  out += ' ';
  append_zero_filled(out, now.hour, 2);
  out += ':';
  append_zero_filled(out, now.minute, 2);
  out += ':';
  append_zero_filled(out, now.second, 2);
  return out;
}

bool parse_date_text(std::string_view text, std::string_view order, int& year, int& month,
                     int& day) {
  const date_order known = order_from_name(order);
  if (known == date_order::none) {
    return false;
  }
  for (char separator : date_separators) {
    pattern_reader reader(text);
    std::array<int, 3> parts{};
    if (read_date_parts(reader, separator, parts) != 3) {
      continue;
    }
    reader.skip_white_space();
    if (!reader.at_end()) {
      return false;
    }
    const part_positions at = positions_of(known);
    const int y = parts[at.year];
    const int m = parts[at.month];
    const int d = parts[at.day];
    if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1 || d > days_in_month(y, m)) {
      return false;
    }
    year = y;
    month = m;
    day = d;
    return true;
  }
  return false;
}

bool is_leap_year(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

long long day_number(int year, int month, int day) {
  // Days from civil (proleptic Gregorian).
  year -= month <= 2 ? 1 : 0;
  const long long era = (year >= 0 ? year : year - 399) / 400;
  const long long year_of_era = year - era * 400;
  const long long day_of_year = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const long long day_of_era =
      year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - 719468;
}
