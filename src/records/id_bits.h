#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// A bit for each id of the range some ids span. The ids of one file lie close together, so
// setting and reading a bit per id of their range is quicker than sorting them; ids scattered
// over a range of more than 64 ids for each of them get no bits.
class id_bits {
 public:
  // None for no ids, or for ids too scattered.
  static std::optional<id_bits> of(const std::vector<std::int32_t>& ids);

  bool contains(std::int32_t id) const;
  // The ids, rising and each once.
  std::vector<std::int32_t> rising() const;

 private:
  explicit id_bits(std::int32_t lowest, std::size_t words) : lowest_(lowest), bits_(words) {}

  // Ids below the lowest wrap around to offsets beyond every bit.
  std::uint64_t offset_of(std::int32_t id) const {
    return static_cast<std::uint64_t>(std::int64_t{id} - lowest_);
  }

  std::int32_t lowest_;
  std::vector<std::uint64_t> bits_;  // bit i: whether lowest_ + i is one of the ids
};
