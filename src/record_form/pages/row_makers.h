#pragma once

#include <cstdint>

#include "record_form/page_table.h"

// Rows that many pages repeat, kept to one call each.

// A two-digit edit of a 0 (not set, left to chance) to 20 (best) attribute, trait or rating.
constexpr control_spec attribute_edit(const char* name, const char* container,
                                      const char* label_name, const char* caption,
                                      field_binding binding, const char* help,
                                      std::uint8_t flags = 0) {
  return {.name = name,
          .kind = control_kind::edit,
          .container = container,
          .label_name = label_name,
          .caption = caption,
          .binding = binding,
          .check = check_kind::int_range,
          .min = 0,
          .max = 20,
          .help = help,
          .flags = flags,
          .width = 28};
}
