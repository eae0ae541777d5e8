#include "quoted_fields.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "quote_search.h"

namespace {

// White space as the C library's isspace sees it in the "C" locale.
bool is_white_space(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

std::size_t skip_white_space(std::string_view text, std::size_t position) {
  while (position < text.size() && is_white_space(text[position])) {
    ++position;
  }
  return position;
}

// Reads white space, a sign and digits from `position`; false when no digit follows.
bool read_integer(std::string_view text, std::size_t position, long long& value) {
  constexpr long long highest = std::numeric_limits<long long>::max();
  constexpr long long lowest = std::numeric_limits<long long>::min();
  position = skip_white_space(text, position);
  bool negative = false;
  if (position < text.size() && (text[position] == '+' || text[position] == '-')) {
    negative = text[position] == '-';
    ++position;
  }
  if (position >= text.size() || !is_digit(text[position])) {
    return false;
  }
  // Up to 18 digits cannot overflow: the common case takes no checks.
  const std::size_t first_digit = position;
  const std::size_t short_end = std::min(text.size(), first_digit + 18);
  long long short_result = 0;
  for (; position < short_end; ++position) {
    const unsigned digit = static_cast<unsigned char>(text[position]) - unsigned{'0'};
    if (digit > 9) {
      break;
    }
    short_result = short_result * 10 + digit;
  }
  if (position == text.size() || !is_digit(text[position])) {
    value = negative ? -short_result : short_result;
    return true;
  }
  position = first_digit;
  // Accumulate on the negative side, which holds one more value than the positive one.
  long long result = 0;
  bool saturated = false;
  for (; position < text.size() && is_digit(text[position]); ++position) {
    const int digit = text[position] - '0';
    if (saturated || result < (lowest + digit) / 10) {
      saturated = true;
      continue;
    }
    result = result * 10 - digit;
  }
  if (saturated) {
    value = negative ? lowest : highest;
  } else if (negative) {
    value = result;
  } else {
    value = result == lowest ? highest : -result;
  }
  return true;
}

}  // namespace

bool next_quoted_field(std::string_view line, std::size_t& position, std::string_view& field) {
  if (position >= line.size()) {
    return false;
  }
  const char* const end = line.data() + line.size();
  const char* opening = find_quote(line.data() + position, end);
  if (opening == end) {
    return false;
  }
  const char* closing = find_quote(opening + 1, end);
  if (closing == end) {
    return false;
  }
  const auto length = static_cast<std::size_t>(closing - opening - 1);
  field = {opening + 1, std::min(length, max_field_length)};
  position = static_cast<std::size_t>(closing - line.data()) + 1;
  return true;
}

long long parse_leading_integer(std::string_view text) {
  long long value = 0;
  return read_integer(text, 0, value) ? value : 0;
}

bool begins_with_number(std::string_view text, long long* value) {
  long long read = 0;
  if (!read_integer(text, 0, read)) {
    return false;
  }
  if (value != nullptr) {
    *value = read;
  }
  return true;
}

double parse_decimal_text(std::string_view text) {
  std::size_t position = skip_white_space(text, 0);
  bool negative = false;
  if (position < text.size() && (text[position] == '+' || text[position] == '-')) {
    negative = text[position] == '-';
    ++position;
  }
  // Find the extent of digits, an optional point and decimals, and an optional exponent.
  const std::size_t start = position;
  std::size_t digits = 0;
  auto take_digits = [&] {
    while (position < text.size() && is_digit(text[position])) {
      ++position;
      ++digits;
    }
  };
  take_digits();
  if (position < text.size() && text[position] == '.') {
    ++position;
    take_digits();
  }
  if (digits == 0) {
    return 0.0;
  }
  bool tiny_exponent = false;
  if (position < text.size() && (text[position] == 'e' || text[position] == 'E')) {
    std::size_t exponent = position + 1;
    const bool exponent_negative = exponent < text.size() && text[exponent] == '-';
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) {
      ++exponent;
    }
    if (exponent < text.size() && is_digit(text[exponent])) {
      position = exponent;
      while (position < text.size() && is_digit(text[position])) {
        ++position;
      }
      tiny_exponent = exponent_negative;
    }
  }
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data() + start, text.data() + position, value,
                                            std::chars_format::general);
  if (error == std::errc::result_out_of_range) {
    value = tiny_exponent ? 0.0 : HUGE_VAL;
  } else if (error != std::errc{}) {
    value = 0.0;
  }
  return negative ? -value : value;
}
