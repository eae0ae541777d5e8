#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "word_bytes.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

// Finding the double quotes of a line eight bytes at a time. Field texts are short and of every
// length, so a byte-by-byte search ends at a place the processor cannot foresee in each field;
// these tests find all quotes of a word at once, without a branch per byte.

namespace quote_search {

// The top bit of each byte of the word that is a double quote, and of no other byte: the sums
// stay within their byte.
inline std::uint64_t quote_top_bits(std::uint64_t word) {
  constexpr std::uint64_t low_bits = 0x7f7f7f7f7f7f7f7f;
  const std::uint64_t differences = word ^ (std::uint64_t{0x0101010101010101} * '"');
  return ~(((differences & low_bits) + low_bits) | differences | low_bits);
}

constexpr std::size_t block_size = 64;

// Bit i set when byte i of the 64 bytes is a double quote.
inline std::uint64_t quote_bits_of_block(const char* block) {
  std::uint64_t bits = 0;
#if defined(__SSE2__) || defined(_M_X64)
  const __m128i quote = _mm_set1_epi8('"');
  for (std::size_t part = 0; part < block_size / 16; ++part) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * part));
    const auto found = static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, quote)));
    bits |= std::uint64_t{found} << (16 * part);
  }
#else
  for (std::size_t word = 0; word < block_size / 8; ++word) {
    // The eight top bits, gathered into the lowest byte by one multiplication.
    const std::uint64_t top_bits = quote_top_bits(load_word<std::uint64_t>(block + 8 * word)) >> 7;
    bits |= (top_bits * 0x0102040810204080 >> 56) << (8 * word);
  }
#endif
  return bits;
}

}  // namespace quote_search

// The first double quote in [from, end), or end.
inline const char* find_quote(const char* from, const char* end) {
  while (end - from >= 8) {
    const std::uint64_t top_bits = quote_search::quote_top_bits(load_word<std::uint64_t>(from));
    if (top_bits != 0) {
      return from + std::countr_zero(top_bits) / 8;
    }
    from += 8;
  }
  while (from != end && *from != '"') {
    ++from;
  }
  return from;
}

// The quotes among the 64 bytes of a text from `block` on (fewer at its end).
inline std::uint64_t quote_bits_at(const char* text, std::size_t size, std::size_t block) {
  using quote_search::block_size;
  const std::size_t left = size - block;
  if (left >= block_size) {
    return quote_search::quote_bits_of_block(text + block);
  }
  // The last bytes of a longer text are read as the end of the 64 bytes before its end.
  if (size >= block_size) {
    return quote_search::quote_bits_of_block(text + size - block_size) >> (block_size - left);
  }
  char last[block_size] = {};  // zero bytes are no quotes
  std::memcpy(last, text + block, left);
  return quote_search::quote_bits_of_block(last);
}

// Room find_quotes may use beyond the quotes wanted.
inline constexpr std::size_t extra_quote_offsets = quote_search::block_size - 1;

// Stores the offsets of the first double quotes of a text, 64 bytes at a time, and returns how
// many it stored: all of them, or at least `wanted` and the rest of the block the last of those
// lies in. `offsets` holds room for wanted + extra_quote_offsets.
inline std::size_t find_quotes(const char* text, std::size_t size, std::size_t wanted,
                               std::uint32_t* offsets) {
  std::size_t found = 0;
  for (std::size_t block = 0; block < size && found < wanted; block += quote_search::block_size) {
    for (std::uint64_t bits = quote_bits_at(text, size, block); bits != 0; bits &= bits - 1) {
      offsets[found++] = static_cast<std::uint32_t>(block + std::countr_zero(bits));
    }
  }
  return found;
}
