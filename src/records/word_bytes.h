#pragma once

#include <bit>
#include <cstddef>
#include <cstring>

// A few bytes read or written as one unsigned integer with the first byte in the lowest bits,
// whatever the machine's byte order, so that masks and shifts count bytes from the first.

template <class Word>
Word reverse_bytes(Word word) {
  Word reversed = 0;
  for (std::size_t i = 0; i < sizeof(Word); ++i) {
    reversed = static_cast<Word>(reversed << 8 | (word >> (8 * i) & 0xff));
  }
  return reversed;
}

template <class Word>
Word load_word(const void* bytes) {
  Word word;
  std::memcpy(&word, bytes, sizeof word);
  if constexpr (std::endian::native == std::endian::big) {
    word = reverse_bytes(word);
  }
  return word;
}

template <class Word>
void store_word(void* bytes, Word word) {
  if constexpr (std::endian::native == std::endian::big) {
    word = reverse_bytes(word);
  }
  std::memcpy(bytes, &word, sizeof word);
}

// The first `count` bytes of a word set, count from 0 to the word's size, without a shift by
// the word's width.
template <class Word>
Word first_bytes_mask(std::size_t count) {
  const auto half_shift = static_cast<unsigned>(4 * count);
  return static_cast<Word>(~((~Word{0} << half_shift) << half_shift));
}
