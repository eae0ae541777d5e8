#pragma once

#include <cstddef>
#include <string_view>

#include "field_descriptor.h"

// Constructors of column-table rows, used only where the tables are written down. The tables
// pass each member as its name, offset and size (the AT macro of each table file).

constexpr field_descriptor field(std::string_view name, int column, field_type type,
                                 std::string_view member, std::size_t offset, std::size_t size) {
  return {name,
          member,
          static_cast<std::uint16_t>(column),
          type,
          static_cast<std::uint16_t>(offset),
          static_cast<std::uint16_t>(size)};
}

constexpr field_descriptor pair(std::string_view name, int column, field_type type,
                                std::string_view member, std::size_t offset, std::size_t size,
                                std::size_t text_offset, std::size_t text_size) {
  field_descriptor row = field(name, column, type, member, offset, size);
  row.text_offset = static_cast<std::uint16_t>(text_offset);
  row.text_size = static_cast<std::uint16_t>(text_size);
  return row;
}

// A list index the reader derives from the code beside it (not in the file).
constexpr field_descriptor derived_index(std::string_view member, std::size_t offset,
                                         std::size_t size, std::size_t code_offset,
                                         index_source source) {
  field_descriptor row = field(member, 0, field_type::list_index, member, offset, size);
  row.code_offset = static_cast<std::uint16_t>(code_offset);
  row.source = source;
  return row;
}
