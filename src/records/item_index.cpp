#include "item_index.h"

#include <algorithm>

namespace {

// One entry as a single number ordered by key, then position: sorting numbers is several times
// faster than sorting pairs, which matters on the first look-up in a large file.
std::uint64_t entry(std::int32_t key, std::uint32_t position) {
  const auto biased = static_cast<std::uint32_t>(key) ^ 0x80000000U;
  return (static_cast<std::uint64_t>(biased) << 32) | position;
}

std::int32_t key_of(std::uint64_t entry) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(entry >> 32) ^ 0x80000000U);
}

// Fills `keys` and `positions` with the present entries, ordered by key, then position.
void sort_entries(const std::vector<std::int32_t>& keys_in_order, const std::vector<bool>& present,
                  std::vector<std::int32_t>& keys, std::vector<std::uint32_t>& positions) {
  std::vector<std::uint64_t> entries;
  entries.reserve(keys_in_order.size());
  for (std::size_t i = 0; i < keys_in_order.size(); ++i) {
    if (present[i])
      entries.push_back(entry(keys_in_order[i], static_cast<std::uint32_t>(i)));
  }
  // A file lists most items owner by owner, so the entries are often in order already.
  if (!std::is_sorted(entries.begin(), entries.end()))
    std::sort(entries.begin(), entries.end());
  keys.resize(entries.size());
  positions.resize(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    keys[i] = key_of(entries[i]);
    positions[i] = static_cast<std::uint32_t>(entries[i]);
  }
}

}  // namespace

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

void owner_positions::read(const std::vector<std::int32_t>& owners,
                           const std::vector<bool>& present, const void* data) {
  sort_entries(owners, present, owners_, positions_);
  read_ = true;
  data_ = data;
  size_ = owners.size();
  order = {};
}

void owner_positions::add_last(std::int32_t owner, const void* data, std::size_t size) {
  const auto at = std::upper_bound(owners_.begin(), owners_.end(), owner);
  const auto offset = at - owners_.begin();
  owners_.insert(at, owner);
  positions_.insert(positions_.begin() + offset, static_cast<std::uint32_t>(size - 1));
  data_ = data;
  size_ = size;
  order.watched.push_back(owner);
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
  order = {};
}

bool id_positions::find(std::int32_t id, std::uint32_t& position) const {
  const auto at = std::lower_bound(ids_.begin(), ids_.end(), id);
  if (at == ids_.end() || *at != id)
    return false;
  position = positions_[static_cast<std::size_t>(at - ids_.begin())];
  return true;
}

void id_positions::read(const std::vector<std::int32_t>& ids, const std::vector<bool>& present,
                        const void* data, std::size_t size) {
  sort_entries(ids, present, ids_, positions_);
  read_ = true;
  data_ = data;
  size_ = size;
}
