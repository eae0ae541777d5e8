#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "quoted_fields.h"
#include "word_bytes.h"

// parse_leading_integer for the fields of a line, reading up to eight digits at a time from
// the bytes around the field. Field lengths and signs vary from line to line, so they decide
// arithmetic here rather than branches the processor would mispredict.

namespace field_integers {

struct line_bytes {
  const char* begin;
  const char* end;
};

constexpr std::uint64_t repeated(std::uint8_t byte) {
  return 0x0101010101010101 * byte;
}

// A word holding `count` (at most eight) digits in its last bytes and zeros before them; false
// when the line has no eight bytes around the digits to read.
inline bool load_digits(const char* digits, std::size_t count, line_bytes line,
                        std::uint64_t& word) {
  const std::uint64_t last_bytes = ~first_bytes_mask<std::uint64_t>(8 - count);
  if (line.end - digits >= 8) {
    const auto half_shift = static_cast<unsigned>(4 * (8 - count));
    word = (load_word<std::uint64_t>(digits) << half_shift) << half_shift;
    return true;
  }
  if (digits + count - line.begin >= 8) {
    word = load_word<std::uint64_t>(digits + count - 8) & last_bytes;
    return true;
  }
  return false;
}

// The number a word from load_digits holds, or false when one of its last `count` bytes is no
// digit.
inline bool digits_value(std::uint64_t word, std::size_t count, std::uint64_t& value) {
  const std::uint64_t last_bytes = ~first_bytes_mask<std::uint64_t>(8 - count);
  const std::uint64_t high_nibbles = repeated(0xf0);
  const std::uint64_t zeros = repeated('0') & last_bytes;
  // '0' to '9' are 0x30 to 0x39: the high nibble is 3, and adding 6 keeps it 3. A byte that
  // carries into its neighbour has a high nibble of 0xf and fails the first test.
  if ((word & high_nibbles) != zeros ||
      ((word + (repeated(6) & last_bytes)) & high_nibbles) != zeros) {
    return false;
  }
  // Pairs, then fours, then all eight digits combined, each by one multiplication.
  value = (word & repeated(0x0f)) * (10 * 256 + 1) >> 8;
  value = (value & 0x00ff00ff00ff00ff) * (100 * 65536 + 1) >> 16;
  value = (value & 0x0000ffff0000ffff) * (10000 * (std::uint64_t{1} << 32) + 1) >> 32;
  return true;
}

inline bool read_digits(const char* digits, std::size_t count, line_bytes line,
                        std::uint64_t& value) {
  std::uint64_t word = 0;
  return load_digits(digits, count, line, word) && digits_value(word, count, value);
}

}  // namespace field_integers

// `text` lies within `line`. Narrow columns seldom hold more than eight digits and take one
// read when they do not; wide columns hold up to ten and always take two, so that the length
// decides no branch.
template <bool Wide>
long long parse_field_integer(std::string_view text, field_integers::line_bytes line) {
  using field_integers::read_digits;
  // The byte at text.data() can be read even for an empty field: it is the closing quote.
  const std::size_t negative =
      static_cast<std::size_t>(*text.data() == '-') & static_cast<std::size_t>(!text.empty());
  const char* const digits = text.data() + negative;
  const std::size_t count = text.size() - negative;
  std::uint64_t value = 0;
  bool read = false;
  if (!Wide && count <= 8) {
    read = read_digits(digits, count, line, value);
  } else if (count <= 16) {
    // Up to eight leading digits, then up to eight more: "123" reads as "" and "123".
    const std::size_t high_count = count - std::min<std::size_t>(count, 8);
    std::uint64_t high = 0;
    std::uint64_t low = 0;
    read = read_digits(digits, high_count, line, high) &&
           read_digits(digits + high_count, count - high_count, line, low);
    value = high * 100000000 + low;
  }
  if (!read) {
    return parse_leading_integer(text);
  }
  const auto magnitude = static_cast<long long>(value);
  const auto sign = static_cast<long long>(negative);
  return (magnitude ^ -sign) + sign;  // -magnitude after a '-'
}
