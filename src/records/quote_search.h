#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "byte_blocks.h"
#include "word_bytes.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

// Finding the double quotes of a line eight bytes at a time. Field texts are short and of every
// length, so a byte-by-byte search ends at a place the processor cannot foresee in each field;
// these tests find all quotes of a word at once, without a branch per byte. The same pass notes
// whether a carriage return is among the bytes, which no field may keep.

namespace quote_search {

using byte_blocks::byte_top_bits;

inline std::uint64_t quote_top_bits(std::uint64_t word) {
  return byte_top_bits(word, '"');
}

using byte_blocks::block_size;

// Gathers whether any of the bytes looked at is a carriage return.
class carriage_return_marks {
 public:
#if defined(__SSE2__) || defined(_M_X64)
  void add(__m128i bytes) {
    seen_ = _mm_or_si128(seen_, _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\r')));
  }
  bool any() const {
    return _mm_movemask_epi8(seen_) != 0;
  }

 private:
  __m128i seen_ = _mm_setzero_si128();
#else
  void add(std::uint64_t word) {
    seen_ |= byte_top_bits(word, '\r');
  }
  bool any() const {
    return seen_ != 0;
  }

 private:
  std::uint64_t seen_ = 0;
#endif
};

// Bit i set when byte i of the 64 bytes is a double quote.
inline std::uint64_t quote_bits_of_block(const char* block, carriage_return_marks& returns) {
  std::uint64_t bits = 0;
#if defined(__SSE2__) || defined(_M_X64)
  const __m128i quote = _mm_set1_epi8('"');
  for (std::size_t part = 0; part < block_size / 16; ++part) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * part));
    const auto found = static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, quote)));
    bits |= std::uint64_t{found} << (16 * part);
    returns.add(bytes);
  }
#else
  for (std::size_t word = 0; word < block_size / 8; ++word) {
    const std::uint64_t bytes = load_word<std::uint64_t>(block + 8 * word);
    bits |= byte_blocks::gather_top_bits(quote_top_bits(bytes)) << (8 * word);
    returns.add(bytes);
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
inline std::uint64_t quote_bits_at(const char* text, std::size_t size, std::size_t block,
                                   quote_search::carriage_return_marks& returns) {
  using quote_search::block_size;
  const std::size_t left = size - block;
  if (left >= block_size) {
    return quote_search::quote_bits_of_block(text + block, returns);
  }
  // The last bytes of a longer text are read as the end of the 64 bytes before its end.
  if (size >= block_size) {
    return quote_search::quote_bits_of_block(text + size - block_size, returns) >>
           (block_size - left);
  }
  char last[block_size] = {};  // zero bytes are neither quotes nor carriage returns
  std::memcpy(last, text + block, left);
  return quote_search::quote_bits_of_block(last, returns);
}

// Room find_quotes may use beyond the quotes wanted: the rest of the last block's quotes and
// the one past them.
inline constexpr std::size_t extra_quote_offsets = quote_search::block_size;

struct quotes_found {
  std::size_t count;  // quote offsets stored
  // Whether a carriage return lies among the bytes looked at, which reach at least to the last
  // wanted quote.
  bool carriage_return;
};

// Stores the offsets of the first double quotes of a text, 64 bytes at a time: all of them, or
// at least `wanted` and the rest of the block the last of those lies in. `offsets` holds room
// for wanted + extra_quote_offsets.
inline quotes_found find_quotes(const char* text, std::size_t size, std::size_t wanted,
                                std::uint32_t* offsets) {
  quote_search::carriage_return_marks returns;
  std::size_t found = 0;
  for (std::size_t block = 0; block < size && found < wanted; block += quote_search::block_size) {
    // The quotes of a line come in pairs, so two are stored each round: half the rounds, and
    // the ends of rounds the processor cannot foresee. After an odd last quote the second is
    // stored past it and not counted.
    std::uint64_t bits = quote_bits_at(text, size, block, returns);
    while (bits != 0) {
      offsets[found] = static_cast<std::uint32_t>(block + std::countr_zero(bits));
      bits &= bits - 1;
      offsets[found + 1] = static_cast<std::uint32_t>(block + std::countr_zero(bits));
      found += 1 + static_cast<std::size_t>(bits != 0);
      bits &= bits - 1;
    }
  }
  return {found, returns.any()};
}
