#include "record_layout.h"

#include <algorithm>
#include <array>
#include <cassert>

#include "item_fields.h"
#include "staff_fields.h"
#include "text_compare.h"

namespace {

record_layout build_layout(std::span<const field_descriptor> fields) {
  record_layout layout;
  layout.fields = fields;
  for (const field_descriptor& field : fields) {
    if (field.in_file()) {
      if (layout.columns.size() < field.column) {
        layout.columns.resize(field.column, nullptr);
      }
      layout.columns[field.column - 1] = &field;
    }
    if (field.type == field_type::normalised_boolean) {
      layout.normalised.push_back(&field);
    } else if (field.type == field_type::date_text) {
      layout.dates.push_back(&field);
    } else if (field.source != index_source::none) {
      layout.derived_indices.push_back(&field);
    }
  }
  assert(std::ranges::none_of(layout.columns, [](auto* field) { return field == nullptr; }));
  for (const field_descriptor* field : layout.columns) {
    if (!layout.header.empty()) {
      layout.header += ';';
    }
    layout.header += '[';
    layout.header += field->name;
    layout.header += ']';
  }
  layout.accepted_header = layout.header;
  return layout;
}

record_layout build_staff_layout() {
  record_layout layout = build_layout(staff_fields());
  // The staff header is written without the ';' between its first two names; the regular form
  // is accepted as well.
  layout.header.erase(layout.header.find(';'), 1);
  return layout;
}

}  // namespace

const record_layout& staff_layout() {
  static const record_layout layout = build_staff_layout();
  return layout;
}

const record_layout& item_layout(item_kind kind) {
  static const auto layouts = [] {
    std::array<record_layout, item_kind_count> all;
    for (std::size_t i = 0; i < item_kind_count; ++i) {
      all[i] = build_layout(item_fields(static_cast<item_kind>(i)));
    }
    return all;
  }();
  return layouts[static_cast<std::size_t>(kind)];
}

bool header_matches(std::string_view line, std::string_view header) {
  return line.size() >= 2 && line.size() <= header.size() &&
         equals_ignoring_case(line, header.substr(0, line.size()));
}
