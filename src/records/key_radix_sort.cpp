#include "key_radix_sort.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace {

constexpr int digit_bits = 11;  // 2,048 counts: they stay in the first-level cache
constexpr std::uint32_t digit_mask = (1U << digit_bits) - 1;

}  // namespace

std::vector<std::uint32_t> radix_order(const std::vector<std::uint32_t>& words,
                                       std::size_t words_per_key) {
  const std::size_t count = words_per_key == 0 ? 0 : words.size() / words_per_key;
  std::vector<std::uint32_t> order(count);
  std::iota(order.begin(), order.end(), 0U);
  if (count < 2)
    return order;
  std::vector<std::uint32_t> passed(count);
  std::array<std::uint32_t, digit_mask + 2> starts{};
  // Least significant word first: each pass keeps the order of the passes before among keys
  // of an equal digit, so the last pass leaves the keys wholly ordered.
  for (std::size_t word = words_per_key; word-- > 0;) {
    std::uint32_t lowest = words[word];
    std::uint32_t highest = lowest;
    for (std::size_t key = 1; key < count; ++key) {
      const std::uint32_t value = words[key * words_per_key + word];
      lowest = std::min(lowest, value);
      highest = std::max(highest, value);
    }
    // Only the digits of the offsets from the lowest value can tell keys apart.
    const std::uint32_t spread = highest - lowest;
    for (int shift = 0; shift < 32 && (spread >> shift) != 0; shift += digit_bits) {
      const auto digit = [&](std::uint32_t key) {
        return (words[key * words_per_key + word] - lowest) >> shift & digit_mask;
      };
      starts.fill(0);
      for (const std::uint32_t key : order)
        ++starts[digit(key) + 1];
      std::partial_sum(starts.begin(), starts.end(), starts.begin());
      for (const std::uint32_t key : order)
        passed[starts[digit(key)]++] = key;
      order.swap(passed);
    }
  }
  return order;
}
