#pragma once

#include <cstddef>
#include <cstdint>

#include "word_bytes.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

// Where one byte value lies among 64 bytes, found for all of them at once as the bits of a word,
// so that the searches of the reader take no branch per byte.

namespace byte_blocks {

constexpr std::size_t block_size = 64;

// The top bit of each byte of the word that equals `byte`, and of no other byte: the sums stay
// within their byte.
inline std::uint64_t byte_top_bits(std::uint64_t word, char byte) {
  constexpr std::uint64_t low_bits = 0x7f7f7f7f7f7f7f7f;
  const std::uint64_t differences =
      word ^ (std::uint64_t{0x0101010101010101} * static_cast<unsigned char>(byte));
  return ~(((differences & low_bits) + low_bits) | differences | low_bits);
}

// The eight top bits of a word's bytes gathered into its lowest byte by one multiplication.
inline std::uint64_t gather_top_bits(std::uint64_t top_bits) {
  return (top_bits >> 7) * 0x0102040810204080 >> 56;
}

// Bit i set when byte i of the 64 bytes at `block` equals `byte`.
inline std::uint64_t bits_of_block(const char* block, char byte) {
  std::uint64_t bits = 0;
#if defined(__SSE2__) || defined(_M_X64)
  const __m128i wanted = _mm_set1_epi8(byte);
  for (std::size_t part = 0; part < block_size / 16; ++part) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * part));
    const auto found = static_cast<std::uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, wanted)));
    bits |= std::uint64_t{found} << (16 * part);
  }
#else
  for (std::size_t word = 0; word < block_size / 8; ++word) {
    const std::uint64_t bytes = load_word<std::uint64_t>(block + 8 * word);
    bits |= gather_top_bits(byte_top_bits(bytes, byte)) << (8 * word);
  }
#endif
  return bits;
}

}  // namespace byte_blocks
