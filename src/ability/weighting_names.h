#pragma once

#include <span>
#include <string_view>

// The names the weightings file uses for attributes and playing positions. Both are compared
// exactly, letter case included.

struct weighting_attribute_name {
  std::string_view name;
  int index;  // entry of a BASE_PLAYING_DATA
};

struct weighting_position_code {
  std::string_view code;
  int first_position;
  int second_position;  // -1 unless the code stands for a left and a right position
};

std::span<const weighting_attribute_name> weighting_attribute_names();
std::span<const weighting_position_code> weighting_position_codes();

// The attribute index of a name, -1 when the file does not know it.
int weighting_attribute_index(std::string_view name);

// The entry of a position code, null when the file does not know it.
const weighting_position_code* find_weighting_position_code(std::string_view code);
