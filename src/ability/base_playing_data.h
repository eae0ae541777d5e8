#pragma once

#include <array>
#include <cstdint>

#include "model_assert.h"

// The number of playing positions (GK, SW, DL, DC, DR, DMC, ML, MC, MR, AML, AMC, AMR, ST, WBL,
// WBR, numbered 0 to 14).
inline constexpr int MAX_PLAYING_POSITION_INDICES = 15;

// Where each playing position keeps its rating in a block; entries 2 to 11 between SW and DL
// hold the older position scheme, which carries no weights.
inline constexpr std::array<std::int8_t, MAX_PLAYING_POSITION_INDICES>
    playing_position_rating_indices = {0, 1, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24};

// Eighty signed bytes for one player: entries 0 to 24 position ratings (0 not rated, 1 to 20),
// entries 25 to 79 attributes. The same block serves as one position's row of attribute
// weights (0 to 100). Entries 8, 42 and 77 are never filled.
class BASE_PLAYING_DATA {
 public:
  static constexpr int size = 80;
  static constexpr int first_attribute_index = 25;

  // Stores the low eight bits of `value` as a signed byte, as the model's arithmetic does.
  void set_playing_data_value(int index, int value) {
    MODEL_ASSERT(index >= 0 && index < size);
    entries_[index] = static_cast<std::int8_t>(static_cast<std::uint8_t>(value & 0xFF));
  }

  // The entry clamped to 0 to 100.
  int get_playing_data_value(int index) const {
    MODEL_ASSERT(index >= 0 && index < size);
    const int value = entries_[index];
    return value < 0 ? 0 : (value > 100 ? 100 : value);
  }

  static bool is_position_rating_index(int index) { return index >= 0 && index < 25; }

  static int playing_position_rating_index(int position_index) {
    MODEL_ASSERT(position_index > -1 && position_index < MAX_PLAYING_POSITION_INDICES);
    return playing_position_rating_indices[position_index];
  }

  friend bool operator==(const BASE_PLAYING_DATA&, const BASE_PLAYING_DATA&) = default;

 private:
  std::array<std::int8_t, size> entries_{};
};
