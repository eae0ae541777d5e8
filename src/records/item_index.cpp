#include "item_index.h"

#include <algorithm>

#include "key_radix_sort.h"

void order_entries(std::vector<std::int32_t>& keys, std::vector<std::uint32_t>& positions) {
  // This is the cost of the first look-up after a load, so it is kept to a few passes: none
  // when the entries are in order already, as a file's ids usually are.
  if (std::ranges::is_sorted(keys))
    return;
  // The positions rise, so a stable sort by key leaves them rising among equal keys.
  std::vector<std::int32_t> sorted_keys;
  std::vector<std::uint32_t> sorted_positions;
  sorted_keys.reserve(keys.size());
  sorted_positions.reserve(positions.size());
  for (const std::uint32_t entry : radix_order_of(keys)) {
    sorted_keys.push_back(keys[entry]);
    sorted_positions.push_back(positions[entry]);
  }
  keys.swap(sorted_keys);
  positions.swap(sorted_positions);
}

void owner_positions::reordered(std::span<const std::uint32_t> new_positions) {
  for (std::uint32_t& position : positions_)
    position = new_positions[position];
  // Each owner's positions must rise again; only owners whose items moved past one another
  // need sorting.
  for (std::size_t begin = 0; begin < owners_.size();) {
    std::size_t end = begin + 1;
    while (end < owners_.size() && owners_[end] == owners_[begin])
      ++end;
    const auto first = positions_.begin() + static_cast<std::ptrdiff_t>(begin);
    const auto last = positions_.begin() + static_cast<std::ptrdiff_t>(end);
    if (!std::is_sorted(first, last))
      std::sort(first, last);
    begin = end;
  }
}

std::span<const std::uint32_t> owner_positions::positions_of(std::int32_t owner) const {
  const auto [first, last] = std::equal_range(owners_.begin(), owners_.end(), owner);
  return std::span<const std::uint32_t>(positions_)
      .subspan(static_cast<std::size_t>(first - owners_.begin()),
               static_cast<std::size_t>(last - first));
}

void owner_positions::read(std::vector<std::int32_t> owners, std::vector<std::uint32_t> positions,
                           const void* data, std::size_t size) {
  order_entries(owners, positions);
  owners_ = std::move(owners);
  positions_ = std::move(positions);
  read_ = true;
  data_ = data;
  size_ = size;
  order_ = {};
}

void owner_positions::add_last(std::int32_t owner, const void* data, std::size_t size) {
  const auto at = std::upper_bound(owners_.begin(), owners_.end(), owner);
  const auto offset = at - owners_.begin();
  owners_.insert(at, owner);
  positions_.insert(positions_.begin() + offset, static_cast<std::uint32_t>(size - 1));
  data_ = data;
  size_ = size;
  watch(owner);
}

void owner_positions::remove(std::uint32_t position, std::int32_t owner, const void* data,
                             std::size_t size) {
  const auto [first, last] = std::equal_range(owners_.begin(), owners_.end(), owner);
  const auto begin = positions_.begin() + (first - owners_.begin());
  const auto end = positions_.begin() + (last - owners_.begin());
  const auto found = std::lower_bound(begin, end, position);
  if (found == end || *found != position) {
    forget();
    return;
  }
  owners_.erase(owners_.begin() + (found - positions_.begin()));
  positions_.erase(found);
  for (std::uint32_t& later : positions_) {
    if (later > position)
      --later;
  }
  data_ = data;
  size_ = size;
}

void owner_positions::forget() {
  read_ = false;
  owners_.clear();
  positions_.clear();
  order_ = {};
}

bool id_positions::find(std::int32_t id, std::uint32_t& position) const {
  const auto at = std::lower_bound(ids_.begin(), ids_.end(), id);
  if (at == ids_.end() || *at != id)
    return false;
  position = positions_[static_cast<std::size_t>(at - ids_.begin())];
  return true;
}
