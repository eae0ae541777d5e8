#include "derived_indices.h"

#include <algorithm>

#include "lookup.h"
#include "lookup_lists.h"

namespace {

const std::vector<std::string>& list_of(index_source source) {
  switch (source) {
    case index_source::currency_list:
      return lookups().currency_list;
    case index_source::injury_list:
      return lookups().injury_list;
    default:
      // The long-term career job choices are the lines of the jobs list.
      return lookups().jobs_list;
  }
}

std::vector<std::pair<int, int>> index_by_code(const std::vector<std::string>& list) {
  std::vector<std::pair<int, int>> positions;
  positions.reserve(list.size());
  for (std::size_t i = 0; i < list.size(); ++i) {
    // A malformed entry has no code, so no item can match it.
    if (const std::optional<int> code = lookup_code_if_valid(list[i])) {
      positions.emplace_back(*code, static_cast<int>(i));
    }
  }
  // Stable, so that of two entries with one code the first one wins.
  std::ranges::stable_sort(positions, {}, &std::pair<int, int>::first);
  return positions;
}

}  // namespace

void derived_index_finder::derive(std::byte* item, const record_layout& layout) {
  for (const field_descriptor* field : layout.derived_indices) {
    const int code = read_integer(item, field->code_offset, 4);
    write_integer(item, field->offset, field->size, index_of(field->source, code));
  }
}

int derived_index_finder::index_of(index_source source, int code) {
  auto& positions = positions_[static_cast<std::size_t>(source)];
  if (!positions) {
    positions = index_by_code(list_of(source));
  }
  const auto found = std::ranges::lower_bound(*positions, code, {}, &std::pair<int, int>::first);
  return found != positions->end() && found->first == code ? found->second : 0;
}
