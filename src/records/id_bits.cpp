#include "id_bits.h"

#include <algorithm>
#include <bit>

std::optional<id_bits> id_bits::of(const std::vector<std::int32_t>& ids) {
  if (ids.empty()) {
    return std::nullopt;
  }
  const auto [lowest, highest] = std::ranges::minmax(ids);
  const auto range = static_cast<std::uint64_t>(std::int64_t{highest} - lowest) + 1;
  if (range / 64 > ids.size()) {
    return std::nullopt;
  }
  id_bits set(lowest, static_cast<std::size_t>(range / 64 + 1));
  for (const std::int32_t id : ids) {
    const std::uint64_t bit = set.offset_of(id);
    set.bits_[bit / 64] |= std::uint64_t{1} << (bit % 64);
  }
  return set;
}

bool id_bits::contains(std::int32_t id) const {
  const std::uint64_t bit = offset_of(id);
  return bit / 64 < bits_.size() && (bits_[bit / 64] >> (bit % 64) & 1) != 0;
}

std::vector<std::int32_t> id_bits::rising() const {
  std::vector<std::int32_t> ids;
  for (std::size_t word = 0; word < bits_.size(); ++word) {
    for (std::uint64_t left = bits_[word]; left != 0; left &= left - 1) {
      const auto offset = static_cast<std::int64_t>(word * 64) + std::countr_zero(left);
      ids.push_back(static_cast<std::int32_t>(lowest_ + offset));
    }
  }
  return ids;
}
