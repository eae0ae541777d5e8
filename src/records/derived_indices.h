#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

#include "record_layout.h"

// Sets the list indices an item derives from its codes: the position, counting from 0, of the
// first entry of the lookup list whose code equals the item's, 0 when none does. Each list is
// indexed by code once, on first use, instead of being walked for every item.
class derived_index_finder {
 public:
  void derive(std::byte* item, const record_layout& layout);

 private:
  int index_of(index_source source, int code);

  // Per source: (code, first position) sorted by code.
  std::array<std::optional<std::vector<std::pair<int, int>>>, 4> positions_;
};
