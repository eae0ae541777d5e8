#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "base_playing_data.h"

// One row of attribute weights (0 to 100) per playing position, filled from the weightings
// file and read by the ability computations.
class POSITION_WEIGHTINGS {
 public:
  // The weight of attribute `index` for the position, clamped to 0 to 100.
  int get_weighting(int position_index, int index) const {
    return row(position_index).get_playing_data_value(index);
  }

  // Stores the low eight bits of `value`.
  void set_weighting(int position_index, int index, int value) {
    row(position_index).set_playing_data_value(index, value);
  }

  // Sets every weight of the fifteen rows back to 0, so that a new read starts from an empty
  // table instead of keeping weights that the file no longer names. The rows themselves stay.
  void reset_weightings() { rows_.fill(BASE_PLAYING_DATA{}); }

  friend bool operator==(const POSITION_WEIGHTINGS&, const POSITION_WEIGHTINGS&) = default;

 private:
  const BASE_PLAYING_DATA& row(int position_index) const {
    MODEL_ASSERT(position_index > -1 && position_index < MAX_PLAYING_POSITION_INDICES);
    return rows_[position_index];
  }
  BASE_PLAYING_DATA& row(int position_index) {
    MODEL_ASSERT(position_index > -1 && position_index < MAX_PLAYING_POSITION_INDICES);
    return rows_[position_index];
  }

  std::array<BASE_PLAYING_DATA, MAX_PLAYING_POSITION_INDICES> rows_{};
};

// The one table of the program; it exists from its first use to the end of the run.
POSITION_WEIGHTINGS& weightings();

// Receives the text of each unrecognised weightings line ("Could not recognise attribute
// 'Pase'"); the window shows it in an error dialog. Reading goes on after it returns.
using weighting_error_reporter = std::function<void(const std::string& message)>;

// Stores `weight` in every position the code names ("D RL" sets DL and DR) at the index the
// attribute name gives; an unknown name or code is reported and nothing is stored.
void set_weighting_from_names(POSITION_WEIGHTINGS& table, std::string_view position_code,
                              std::string_view attribute_name, int weight,
                              const weighting_error_reporter& report);

// Reads data_folder() / "weightings.edt" into `table`, overwriting the weights the file names.
// False, with the reason left by set_last_error, when the file is missing or cannot be read.
bool load_weightings(POSITION_WEIGHTINGS& table, const weighting_error_reporter& report);
bool load_weightings(const weighting_error_reporter& report = {});  // into weightings()

// Called after each successful open of a staff file: reads the weightings file into a reset
// table and puts it in place of weightings(). A missing or unreadable file keeps the current
// weights and comes back as a warning text for the caller to show; the open itself stands.
std::optional<std::string> reload_weightings(const weighting_error_reporter& report = {});
