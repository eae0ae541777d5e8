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

// Beside a player attribute: the read-only edit that shows it fitted to the player's current
// ability, and the grey label with its weight for his positions.
constexpr control_spec fitted_attribute_edit(const char* name, const char* container) {
  return {.name = name,
          .kind = control_kind::edit,
          .container = container,
          .flags = flag_read_only | flag_beside,
          .width = 28};
}
constexpr control_spec attribute_weighting_label(const char* name, const char* container) {
  return {.name = name,
          .kind = control_kind::label,
          .container = container,
          .caption = "",
          .flags = flag_beside,
          .width = 44};
}

// A group mean: its caption, then beside it the mean ("0.00" until computed) and its bar, which
// the mean sets as wide as its share of the full width; the layout keeps the full width for it.
constexpr int mean_bar_full_width = 97;
constexpr control_spec mean_caption(const char* name, const char* container, const char* caption) {
  return {.name = name, .kind = control_kind::label, .container = container, .caption = caption};
}
constexpr control_spec mean_label(const char* name, const char* container) {
  return {.name = name,
          .kind = control_kind::label,
          .container = container,
          .caption = "0.00",
          .flags = flag_beside,
          .width = 36};
}
constexpr control_spec mean_bar(const char* name, const char* container) {
  return {.name = name,
          .kind = control_kind::picture,
          .container = container,
          .flags = flag_beside | flag_track,
          .width = mean_bar_full_width,
          .height = 8};
}
// The shape whose width a mean of 20 fills.
constexpr control_spec mean_bar_background(const char* name, const char* container) {
  return {.name = name,
          .kind = control_kind::picture,
          .container = container,
          .flags = flag_beside,
          .width = mean_bar_full_width,
          .height = 8};
}

// A "+1" or "-1" step button of a group of attributes.
constexpr control_spec step_button(const char* name, const char* container, const char* caption,
                                   std::uint8_t flags = 0) {
  return {.name = name,
          .kind = control_kind::button,
          .container = container,
          .caption = caption,
          .flags = flags,
          .width = 32};
}
// The box that lets a group's values take part in its step buttons.
constexpr control_spec inc_dec_box(const char* name, const char* container) {
  return {.name = name,
          .kind = control_kind::check_box,
          .container = container,
          .caption = "Allow inc/dec"};
}
