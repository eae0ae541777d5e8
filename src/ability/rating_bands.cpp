#include "ability/rating_bands.h"

namespace {

struct band_row {
  int highest_rating;
  rating_band band;
  int next_rating;
};

constexpr band_row bands[] = {
    {4, rating_band::up_to_4, 7},         {8, rating_band::from_5_to_8, 10},
    {11, rating_band::from_9_to_11, 13},  {14, rating_band::from_12_to_14, 17},
    {19, rating_band::from_15_to_19, 20}, {20, rating_band::natural, 0},
};

}  // namespace

std::optional<rating_band> rating_band_of(int rating) {
  if (rating < 0)
    return std::nullopt;
  for (const band_row& row : bands) {
    if (rating <= row.highest_rating)
      return row.band;
  }
  return std::nullopt;
}

int next_rating_in_cycle(rating_band band) {
  return bands[static_cast<int>(band)].next_rating;
}
