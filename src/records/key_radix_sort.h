#pragma once

#include <cstddef>
#include <cstdint>
#include <tuple>
#include <type_traits>
#include <vector>

// A stable sort of many keys made of integers (an integer, or a tuple of integers and such
// tuples), for ordering whole item vectors, the entries of their indexes and their ids: each key
// is written as 32-bit words that compare as the key does, and the words are sorted a digit at a
// time, least significant first, only over the digits in which the keys differ. A few passes over
// the keys, where a comparing sort of tens of thousands of them takes a dozen rounds of
// comparisons that mispredict half the time.

namespace key_radix_detail {

template <class T>
struct words_of;

template <class T>
requires std::is_integral_v<T> &&(sizeof(T) <= 4) struct words_of<T> {
  static constexpr std::size_t count = 1;
  // A signed value with its sign bit flipped compares as unsigned as it did signed.
  static void put(T value, std::uint32_t*& out) {
    if constexpr (std::is_signed_v<T>)
      *out++ = static_cast<std::uint32_t>(std::int32_t{value}) ^ 0x80000000U;
    else
      *out++ = std::uint32_t{value};
  }
};

template <class T>
requires std::is_integral_v<T> &&(sizeof(T) == 8) struct words_of<T> {
  static constexpr std::size_t count = 2;
  static void put(T value, std::uint32_t*& out) {
    auto bits = static_cast<std::uint64_t>(value);
    if constexpr (std::is_signed_v<T>)
      bits ^= std::uint64_t{1} << 63;
    *out++ = static_cast<std::uint32_t>(bits >> 32);
    *out++ = static_cast<std::uint32_t>(bits);
  }
};

template <class... Parts>
struct words_of<std::tuple<Parts...>> {
  static constexpr std::size_t count = (words_of<Parts>::count + ... + 0);
  static void put(const std::tuple<Parts...>& key, std::uint32_t*& out) {
    std::apply([&out](const Parts&... parts) { (words_of<Parts>::put(parts, out), ...); }, key);
  }
};

}  // namespace key_radix_detail

// How many words a key of the type takes.
template <class Key>
constexpr std::size_t key_word_count = key_radix_detail::words_of<Key>::count;

// Appends the key's words to `words`, most significant first.
template <class Key>
void append_key_words(const Key& key, std::vector<std::uint32_t>& words) {
  const std::size_t at = words.size();
  words.resize(at + key_word_count<Key>);
  std::uint32_t* out = words.data() + at;
  key_radix_detail::words_of<Key>::put(key, out);
}

// The order a stable sort puts the keys in, given as `words_per_key` words each: their indexes,
// least key first and equal keys in index order.
std::vector<std::uint32_t> radix_order(const std::vector<std::uint32_t>& words,
                                       std::size_t words_per_key);

// The same for keys that are each one integer.
template <class Integer>
std::vector<std::uint32_t> radix_order_of(const std::vector<Integer>& keys) {
  std::vector<std::uint32_t> words;
  words.reserve(keys.size() * key_word_count<Integer>);
  for (const Integer key : keys)
    append_key_words(key, words);
  return radix_order(words, key_word_count<Integer>);
}
