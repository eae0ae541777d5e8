#pragma once

#include <cstdint>
#include <vector>

#include "ability/base_playing_data.h"
#include "ability/position_weightings.h"

struct qor_staff;

// Each player's recommended current ability, kept from one recommended-against-current list to
// the next. A value rests on the record's ratings, attributes and current ability and on the
// position weightings; it is kept with a copy of them and given again only while they are
// unchanged. Comparing the figures themselves, not an edit stamp or a notice from the paths that
// change a record, leaves no way for a changed record to get a stale value.
class recommended_ability_cache {
 public:
  // Starts a list: the values of the last list are kept for it, and none when the weightings
  // differ from those of the last list.
  void start_list(const POSITION_WEIGHTINGS& weightings);

  // The record's recommended current ability under the weightings of the list.
  int recommended(const qor_staff& staff);

 private:
  struct kept_value {
    const qor_staff* staff = nullptr;
    BASE_PLAYING_DATA figures;
    std::int16_t current_ability = 0;
    int recommended = 0;
  };

  POSITION_WEIGHTINGS weightings_;
  // In one block each, not a node per player: tens of thousands of small blocks kept between
  // lists slowed every later allocation of the window. The last list's by record address.
  std::vector<kept_value> last_list_;
  std::vector<kept_value> this_list_;
};
