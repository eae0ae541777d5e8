#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <numeric>
#include <random>
#include <tuple>
#include <vector>

#include "records/key_radix_sort.h"

namespace {

// The order std::stable_sort gives the keys' indexes.
template <class Key>
std::vector<std::uint32_t> compared_order(const std::vector<Key>& keys) {
  std::vector<std::uint32_t> order(keys.size());
  std::iota(order.begin(), order.end(), 0U);
  std::stable_sort(order.begin(), order.end(),
                   [&](std::uint32_t a, std::uint32_t b) { return keys[a] < keys[b]; });
  return order;
}

template <class Key>
std::vector<std::uint32_t> radix_sorted(const std::vector<Key>& keys) {
  std::vector<std::uint32_t> words;
  for (const Key& key : keys)
    append_key_words(key, words);
  return radix_order(words, key_word_count<Key>);
}

// Values drawn from a few that matter (the extremes, zero, neighbours) and from anywhere.
template <class T>
T some_value(std::mt19937& random) {
  constexpr T edges[] = {std::numeric_limits<T>::min(), std::numeric_limits<T>::max(), T{0}, T{1},
                         static_cast<T>(-1)};
  if (random() % 2 == 0)
    return edges[random() % std::size(edges)];
  return static_cast<T>(random() ^ (std::uint64_t{random()} << 32));
}

template <class Key, class Make>
void expect_stable_order(Make make) {
  std::mt19937 random(7);
  for (const std::size_t count : {0, 1, 2, 17, 3000}) {
    std::vector<Key> keys;
    for (std::size_t i = 0; i < count; ++i)
      keys.push_back(make(random));
    ASSERT_EQ(radix_sorted(keys), compared_order(keys)) << count << " keys";
  }
}

TEST(radix_order, orders_keys_as_a_stable_comparing_sort_does) {
  expect_stable_order<std::int8_t>([](std::mt19937& r) { return some_value<std::int8_t>(r); });
  expect_stable_order<std::int32_t>([](std::mt19937& r) { return some_value<std::int32_t>(r); });
  expect_stable_order<std::int64_t>([](std::mt19937& r) { return some_value<std::int64_t>(r); });
  expect_stable_order<std::uint32_t>([](std::mt19937& r) { return some_value<std::uint32_t>(r); });
  // Few distinct values, so that ties decide most of the order.
  expect_stable_order<std::int32_t>([](std::mt19937& r) { return static_cast<int>(r() % 5) - 2; });
  // Nested tuples, as the date keys are: most words alike, the last ones telling keys apart.
  using date_then_id = std::tuple<std::tuple<int, int, int, int>, std::int32_t>;
  expect_stable_order<date_then_id>([](std::mt19937& r) {
    return date_then_id{{static_cast<int>(r() % 2), 1990 + static_cast<int>(r() % 3),
                         1 + static_cast<int>(r() % 12), 1 + static_cast<int>(r() % 28)},
                        some_value<std::int32_t>(r)};
  });
  using year_order_id = std::tuple<std::int32_t, std::int32_t, std::int32_t>;
  expect_stable_order<year_order_id>([](std::mt19937& r) {
    return year_order_id{some_value<std::int32_t>(r), static_cast<int>(r() % 3),
                         some_value<std::int32_t>(r)};
  });
}

}  // namespace
