#include "record_layout.h"

#include <algorithm>
#include <array>
#include <cassert>

#include "item_fields.h"
#include "staff_fields.h"
#include "text_compare.h"

namespace {

column_action integer_action(std::uint16_t size, column_action one_byte) {
  // The three widths follow one another in the enumeration.
  const int width = size == 1 ? 0 : size == 2 ? 1 : 2;
  return static_cast<column_action>(static_cast<int>(one_byte) + width);
}

column_step step_of(const field_descriptor& field) {
  switch (field.type) {
    case field_type::integer:
    case field_type::list_index:
      return {integer_action(field.size, column_action::integer8), 0, 0, field.offset};
    case field_type::number_and_text:
      return {integer_action(field.size, column_action::count8), field.text_offset, field.text_size,
              field.offset};
    case field_type::decimal_and_text:
      return {column_action::amount, field.text_offset, field.text_size, field.offset};
    case field_type::date_text:
      return {column_action::date, field.offset, field.size};
    case field_type::normalised_boolean:
      assert(field.size == boolean_text_capacity);
      return {column_action::normalised_boolean, field.offset, field.size};
    default:
      return {column_action::text, field.offset, field.size};
  }
}

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
      // Those with a column are normalised as they are read.
      if (!field.in_file()) {
        layout.unread_booleans.push_back(&field);
      }
    } else if (field.type == field_type::date_text) {
      layout.dates.push_back(&field);
    } else if (field.source != index_source::none) {
      layout.derived_indices.push_back(&field);
    }
  }
  assert(std::ranges::none_of(layout.columns, [](auto* field) { return field == nullptr; }));
  assert(layout.columns.size() <= max_columns);
  for (const field_descriptor* field : layout.columns) {
    layout.steps.push_back(step_of(*field));
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
  // The last character is left out of the comparison, so a line the header text with one
  // character more, such as a trailing ';' or blank, still passes.
  const std::string_view compared = line.substr(0, line.empty() ? 0 : line.size() - 1);
  return line.size() >= 2 && compared.size() <= header.size() &&
         equals_ignoring_case(compared, header.substr(0, compared.size()));
}
