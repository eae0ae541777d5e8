#pragma once

#include <optional>

// The six bands of a position rating, shared by the pitch colours, the pitch click cycle and the
// rating words of the check list.
enum class rating_band {
  up_to_4,
  from_5_to_8,
  from_9_to_11,
  from_12_to_14,
  from_15_to_19,
  natural
};

// The band of a rating 0 to 20; none outside.
std::optional<rating_band> rating_band_of(int rating);

// The rating a click on the pitch gives a position of that band: the cycle runs 0, 7, 10, 13,
// 17, 20 and back to 0.
int next_rating_in_cycle(rating_band band);
