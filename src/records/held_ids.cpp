#include "held_ids.h"

#include <algorithm>
#include <limits>

#include "id_bits.h"
#include "key_radix_sort.h"

namespace {

// The ids rising and each once; scattered ids are sorted.
std::vector<std::int32_t> distinct_rising(const std::vector<std::int32_t>& ids) {
  if (const std::optional<id_bits> bits = id_bits::of(ids))
    return bits->rising();
  std::vector<std::int32_t> sorted;
  sorted.reserve(ids.size());
  for (const std::uint32_t i : radix_order_of(ids))
    sorted.push_back(ids[i]);
  sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
  return sorted;
}

}  // namespace

void held_ids::keep(const std::vector<std::int32_t>& ids) {
  ids_ = distinct_rising(ids);
}

std::optional<std::int32_t> held_ids::lowest_free_from(std::int32_t from) const {
  const auto first = static_cast<std::size_t>(std::ranges::lower_bound(ids_, from) - ids_.begin());
  // The ids are distinct and rising, so the run of held ids from `from` on is where an id stands
  // as far from `from` as from the run's start, and no id further on does.
  const std::int32_t* run = ids_.data() + first;
  const auto held_in_a_row =
      std::partition_point(
          ids_.begin() + static_cast<std::ptrdiff_t>(first), ids_.end(),
          [&](const std::int32_t& id) { return std::int64_t{id} - from == &id - run; }) -
      (ids_.begin() + static_cast<std::ptrdiff_t>(first));
  const std::int64_t free = std::int64_t{from} + held_in_a_row;
  if (free > std::numeric_limits<std::int32_t>::max())
    return std::nullopt;
  return static_cast<std::int32_t>(free);
}

void held_ids::take(std::int32_t id) {
  const auto at = std::ranges::lower_bound(ids_, id);
  if (at == ids_.end() || *at != id)
    ids_.insert(at, id);
}

bool held_ids::holds(std::int32_t id) const {
  return std::ranges::binary_search(ids_, id);
}
