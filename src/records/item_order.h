#pragma once

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <numeric>
#include <optional>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "item_index.h"
#include "key_radix_sort.h"
#include "record_store.h"

// The orders of the item lists, kept on a whole store vector (every staff member's items).
// `key` gives an item's sort key, an integer or a tuple of integers (key_radix_sort.h); an item
// sorts ahead of another when its key is less. Items of equal keys keep their order and null
// entries go last, as a stable sort with that test puts them.

// The test of `key`, with null entries after every item.
template <class Key>
auto key_order(Key key) {
  return [key](const auto& a, const auto& b) {
    return a != nullptr && (b == nullptr || key(*a) < key(*b));
  };
}

// Sorts the whole vector, reading each item's key once; returns each item's new position by its
// old one. With `owners`, gives the owners of the items in their new order as well, read in the
// same walk (the nulls, which come last, have none).
template <class Item, class Key>
std::vector<std::uint32_t> stable_sort_items(record_vector<Item>& items, Key key,
                                             std::vector<std::int32_t>* owners = nullptr) {
  using key_type = std::remove_cvref_t<std::invoke_result_t<Key, const Item&>>;
  std::vector<std::uint32_t> words;
  words.reserve(items.size() * key_word_count<key_type>);
  std::vector<std::uint32_t> keyed;  // the positions of the items, whose keys `words` holds
  keyed.reserve(items.size());
  std::vector<std::int32_t> keyed_owners;
  if (owners)
    keyed_owners.reserve(items.size());
  std::vector<std::uint32_t> nulls;
  for (std::uint32_t i = 0; i < items.size(); ++i) {
    fetch_ahead(items, i, sizeof(Item));  // a key may lie anywhere in the item
    if (items[i]) {
      append_key_words(key(*items[i]), words);
      keyed.push_back(i);
      if (owners)
        keyed_owners.push_back(item_owner_id(*items[i]));
    } else {
      nulls.push_back(i);
    }
  }
  record_vector<Item> sorted;
  sorted.reserve(items.size());
  std::vector<std::uint32_t> new_positions(items.size());
  const auto take = [&](std::uint32_t from) {
    new_positions[from] = static_cast<std::uint32_t>(sorted.size());
    sorted.push_back(std::move(items[from]));
  };
  // Ordered by key, then position: the order of a stable sort.
  const std::vector<std::uint32_t> order = radix_order(words, key_word_count<key_type>);
  for (const std::uint32_t rank : order)
    take(keyed[rank]);
  if (owners) {
    owners->clear();
    owners->reserve(items.size());
    for (const std::uint32_t rank : order)
      owners->push_back(keyed_owners[rank]);
  }
  for (const std::uint32_t i : nulls)
    take(i);
  // Back into the same storage, so that the vector's storage stays as its index knows it.
  std::move(sorted.begin(), sorted.end(), items.begin());
  return new_positions;
}

namespace item_order_detail {

// True when no item at the given positions sorts ahead of the one before it or behind the one
// after it.
template <class Item, class Less>
bool all_in_place(const record_vector<Item>& items, const std::vector<std::uint32_t>& positions,
                  Less less) {
  for (const std::uint32_t p : positions) {
    if ((p > 0 && less(items[p], items[p - 1])) ||
        (p + 1 < items.size() && less(items[p + 1], items[p])))
      return false;
  }
  return true;
}

// Moves the items at `moved` (rising positions) to where a stable sort puts them, given that
// the others are in order; returns each item's new position by its old one.
template <class Item, class Less>
std::vector<std::uint32_t> place_moved(record_vector<Item>& items,
                                       const std::vector<std::uint32_t>& moved, Less less) {
  std::vector<std::uint32_t> staying;
  staying.reserve(items.size() - moved.size());
  for (std::uint32_t i = 0, m = 0; i < items.size(); ++i) {
    if (m < moved.size() && moved[m] == i)
      ++m;
    else
      staying.push_back(i);
  }
  // A stable sort orders by key, then by position; so do the moved items among themselves and
  // against the staying ones.
  std::vector<std::uint32_t> arriving = moved;
  std::stable_sort(arriving.begin(), arriving.end(),
                   [&](std::uint32_t a, std::uint32_t b) { return less(items[a], items[b]); });
  std::vector<std::size_t> slot_of;
  slot_of.reserve(arriving.size());
  for (const std::uint32_t d : arriving) {
    const auto slot = std::partition_point(staying.begin(), staying.end(), [&](std::uint32_t c) {
      return less(items[c], items[d]) || (!less(items[d], items[c]) && c < d);
    });
    slot_of.push_back(static_cast<std::size_t>(slot - staying.begin()));
  }

  std::vector<std::uint32_t> new_positions(items.size());
  record_vector<Item> merged;
  merged.reserve(items.size());
  const auto take = [&](std::uint32_t from) {
    new_positions[from] = static_cast<std::uint32_t>(merged.size());
    merged.push_back(std::move(items[from]));
  };
  std::size_t next = 0;
  for (std::size_t j = 0; j <= staying.size(); ++j) {
    for (; next < arriving.size() && slot_of[next] == j; ++next)
      take(arriving[next]);
    if (j < staying.size())
      take(staying[j]);
  }
  // Back into the same storage, so that the vector's storage stays as its index knows it.
  std::move(merged.begin(), merged.end(), items.begin());
  return new_positions;
}

}  // namespace item_order_detail

// Whether keep_in_order checks the whole vector's order after each sort (reading each item's key
// about twice more): in debug builds.
#ifdef NDEBUG
inline constexpr bool order_checked_after_sorting = false;
#else
inline constexpr bool order_checked_after_sorting = true;
#endif

// Leaves the vector as stable_sort_items would, looking only at what can have left its place
// since the vector was last put in order through `index`: the items of the owners it watches.
// The first call, and the first after the vector changed behind the index's back or under
// another `date_order` (the order name its keys read dates in; empty when they read none),
// sorts the whole vector. The editor changes only the items of the staff member on screen, so
// `shown_owner`, whose items are shown next, is watched until the next call.
template <class Item, class Key>
void keep_in_order(record_vector<Item>& items, owner_positions& index, Key key,
                   std::optional<std::int32_t> shown_owner, std::string_view date_order = {}) {
  const auto less = key_order(key);
  if (!index.holds(items)) {
    // The whole vector is sorted and its index read: the sort's walk through the items reads
    // their owners as well.
    std::vector<std::int32_t> owners;
    stable_sort_items(items, key, &owners);
    // The items stand first, in the owners' order; the nulls follow.
    std::vector<std::uint32_t> positions(owners.size());
    std::iota(positions.begin(), positions.end(), 0U);
    index.read(std::move(owners), std::move(positions), items.data(), items.size());
    index.put_in_order(date_order);
  }
  std::vector<std::uint32_t> moved;
  const std::vector<std::int32_t> watched = index.watched_owners();
  for (const std::int32_t owner : watched) {
    if (!index.kept_in_order(date_order))
      break;
    const auto positions = index.of(items, owner);
    moved.insert(moved.end(), positions.begin(), positions.end());
  }
  // A look-up may have read the vector again, which forgets its order. The index describes the
  // vector here, so it follows the sort's moves rather than reading every item again.
  if (!index.kept_in_order(date_order)) {
    index.reordered(stable_sort_items(items, key));
  } else {
    std::sort(moved.begin(), moved.end());
    moved.erase(std::unique(moved.begin(), moved.end()), moved.end());
    if (!item_order_detail::all_in_place(items, moved, less))
      index.reordered(item_order_detail::place_moved(items, moved, less));
  }
  index.put_in_order(date_order);
  if (shown_owner)
    index.watch(*shown_owner);
  // Only the watched items were looked at; a debug build checks that nothing else had moved.
  if constexpr (order_checked_after_sorting)
    assert(std::is_sorted(items.begin(), items.end(), less));
}
