#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "quoted_fields.h"
#include "word_bytes.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

// parse_leading_integer for the fields of a line, reading up to eight digits at a time from
// the bytes around the field, or sixteen where SSE2 is available. Field lengths and signs vary from
// line to line, so they decide arithmetic here rather than branches the processor would mispredict.

namespace field_integers {

struct line_bytes {
  const char* begin;
  const char* end;
};

constexpr std::uint64_t repeated(std::uint8_t byte) {
  return std::uint64_t{0x0101010101010101} * byte;
}

// The value of `count` digits, at most eight; false when one of them is no digit or the line
// leaves no eight bytes around them to read.
[[gnu::always_inline]] inline bool read_digits(const char* digits, std::size_t count,
                                               line_bytes line, std::uint64_t& value) {
  // The digits go to the last bytes of a word, with zeros before them.
  const auto half_shift = static_cast<unsigned>(4 * (8 - count));
  const std::uint64_t last_bytes = (~std::uint64_t{0} << half_shift) << half_shift;
  std::uint64_t word = 0;
  if (line.end - digits >= 8) {
    word = (load_word<std::uint64_t>(digits) << half_shift) << half_shift;
  } else if (digits + count - line.begin >= 8) {
    word = load_word<std::uint64_t>(digits + count - 8) & last_bytes;
  } else {
    return false;
  }
  // '0' to '9' are 0x30 to 0x39: the high nibble is 3, and adding 6 keeps it 3. A byte that
  // carries into its neighbour has a high nibble of 0xf and fails the test itself.
  const std::uint64_t high_nibbles = repeated(0xf0);
  const std::uint64_t nibbles =
      (word & high_nibbles) | ((word + (repeated(6) & last_bytes)) & high_nibbles) >> 4;
  if (nibbles != (repeated(0x33) & last_bytes)) {
    return false;
  }
  // Pairs, then fours, then all eight digits combined, each by one multiplication.
  value = (word & repeated(0x0f)) * (10 * 256 + 1) >> 8;
  value = (value & 0x00ff00ff00ff00ff) * (100 * 65536 + 1) >> 16;
  value = (value & 0x0000ffff0000ffff) * (10000 * (std::uint64_t{1} << 32) + 1) >> 32;
  return true;
}

#if defined(__SSE2__) || defined(_M_X64)
inline constexpr bool digit_blocks = true;

// Inverses of the powers of five modulo 2^64: multiplying a multiple of 5^k by the k-th one
// divides it by 5^k exactly.
inline constexpr auto inverse_powers_of_five = [] {
  std::uint64_t inverse = 5;  // right in the lowest three bits; each step doubles them
  for (int step = 0; step < 5; ++step) {
    inverse *= 2 - 5 * inverse;
  }
  std::array<std::uint64_t, 17> powers{1};
  for (std::size_t k = 1; k < powers.size(); ++k) {
    powers[k] = powers[k - 1] * inverse;
  }
  return powers;
}();

// The value of `count` digits, at most sixteen, from the sixteen bytes at `digits`; false when
// one of them is no digit. The digits are read as the first of sixteen, with zeros after them,
// and the value of those sixteen is divided by the power of ten the zeros added.
[[gnu::always_inline]] inline bool read_digit_block(const char* digits, std::size_t count,
                                                    std::uint64_t& value) {
  // Sixteen set bytes, then sixteen clear: the sixteen from 16 - count on keep the first count.
  alignas(16) static constexpr unsigned char kept_bytes[32] = {0xff, 0xff, 0xff, 0xff, 0xff, 0xff,
                                                               0xff, 0xff, 0xff, 0xff, 0xff, 0xff,
                                                               0xff, 0xff, 0xff, 0xff};
  const __m128i kept = _mm_loadu_si128(reinterpret_cast<const __m128i*>(kept_bytes + 16 - count));
  const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(digits));
  const __m128i figures = _mm_and_si128(_mm_sub_epi8(bytes, _mm_set1_epi8('0')), kept);
  const __m128i nine = _mm_set1_epi8(9);
  if (_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_max_epu8(figures, nine), nine)) != 0xffff) {
    return false;
  }
  // Pairs into sixteen bits, fours and then eights into thirty-two.
  const __m128i pairs = _mm_add_epi16(
      _mm_mullo_epi16(_mm_and_si128(figures, _mm_set1_epi16(0xff)), _mm_set1_epi16(10)),
      _mm_srli_epi16(figures, 8));
  const __m128i fours = _mm_madd_epi16(pairs, _mm_set1_epi32(1 << 16 | 100));
  const __m128i eights =
      _mm_madd_epi16(_mm_packs_epi32(fours, fours), _mm_set1_epi32(1 << 16 | 10000));
  const auto first = static_cast<std::uint32_t>(_mm_cvtsi128_si32(eights));
  const auto second = static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_srli_si128(eights, 4)));
  const std::size_t zeros = 16 - count;
  value = ((std::uint64_t{first} * 100000000 + second) >> zeros) * inverse_powers_of_five[zeros];
  return true;
}
#else
inline constexpr bool digit_blocks = false;

inline bool read_digit_block(const char*, std::size_t, std::uint64_t&) {
  return false;
}
#endif

}  // namespace field_integers

// parse_leading_integer of a field whose text lies within `line`, reading its digits two words
// at a time, or falling back to the plain parse.
long long parse_field_integer_by_words(std::string_view text, field_integers::line_bytes line);

// parse_leading_integer of a field whose text lies within `line`. Narrow columns seldom hold
// more than eight digits and take one word when they do not; wide columns hold up to ten and
// take sixteen bytes, or two words, so that the length decides no branch. Always inlined into the
// reader's loop over a line's fields, where the compiler would call it: the call cost a fiftieth
// of a load, as numbers are most of a file's fields.
template <bool Wide>
[[gnu::always_inline]] inline long long parse_field_integer(std::string_view text,
                                                            field_integers::line_bytes line) {
  // The byte at text.data() can be read even for an empty field: it is the closing quote.
  const std::size_t negative =
      static_cast<std::size_t>(*text.data() == '-') & static_cast<std::size_t>(!text.empty());
  const char* const digits = text.data() + negative;
  const std::size_t count = text.size() - negative;
  std::uint64_t value = 0;
  bool read = false;
  if (!Wide && count <= 8) {
    read = field_integers::read_digits(digits, count, line, value);
  } else if (field_integers::digit_blocks && count <= 16 && line.end - digits >= 16) {
    read = field_integers::read_digit_block(digits, count, value);
  } else {
    return parse_field_integer_by_words(text, line);
  }
  if (!read) {
    return parse_leading_integer(text);
  }
  const auto magnitude = static_cast<long long>(value);
  const auto sign = static_cast<long long>(negative);
  return (magnitude ^ -sign) + sign;  // -magnitude after a '-'
}
