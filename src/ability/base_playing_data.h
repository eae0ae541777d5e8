#pragma once

#include <array>
#include <cstdint>

#include "model_assert.h"

class POSITION_WEIGHTINGS;
struct qor_staff;

// The number of playing positions (GK, SW, DL, DC, DR, DMC, ML, MC, MR, AML, AMC, AMR, ST, WBL,
// WBR, numbered 0 to 14).
inline constexpr int MAX_PLAYING_POSITION_INDICES = 15;

// Where each playing position keeps its rating in a block; entries 2 to 11 between SW and DL
// hold the older position scheme, which carries no weights.
inline constexpr std::array<std::int8_t, MAX_PLAYING_POSITION_INDICES>
    playing_position_rating_indices = {0, 1, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24};

// How much one block entry matters for a player: the weight w summed over his rated positions,
// its curve value (w (w + 1) / 2 above 1, else w) and its square (w w above 1, else w). The
// computations read only the curve value.
struct attribute_weight {
  double weight = 0.0;
  double curve = 0.0;
  double square = 0.0;
};

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

  // The entry as stored, not clamped.
  int raw_value(int index) const {
    MODEL_ASSERT(index >= 0 && index < size);
    return entries_[index];
  }

  static bool is_position_rating_index(int index) { return index >= 0 && index < 25; }

  static int playing_position_rating_index(int position_index) {
    MODEL_ASSERT(position_index > -1 && position_index < MAX_PLAYING_POSITION_INDICES);
    return playing_position_rating_indices[position_index];
  }

  // ---- The ability model; ratings 0 to 20, attributes on the model's 1 to 100 scale ----

  using attribute_weights = std::array<attribute_weight, size>;

  // The weight of every entry from the positions rated 10 or more and the position weightings,
  // and, when `spread` is given, a score 0 to 100 of how widely spread the positions rated 15
  // or more are.
  void calculate_base_playing_data(attribute_weights& weights, int* spread,
                                   const POSITION_WEIGHTINGS& weightings) const;

  // Steps the attributes until their weighted level matches what `ability` (clamped to 1 to
  // 200) calls for. The staff id picks which attributes move when the steps start to swing.
  void fit_attributes_to_ability(int ability, const POSITION_WEIGHTINGS& weightings,
                                 std::int32_t staff_id);

  // The current ability that the record's attributes call for, with this block's ratings and
  // feet; 0 when no rated position weighs any set attribute or the attributes are too weak for
  // any ability.
  int recommended_current_ability(const qor_staff& staff,
                                  const POSITION_WEIGHTINGS& weightings) const;

  // The same of this block once fit_attributes_to_ability (`ability`) has run on it, without
  // the rest of the fit: of a block the recommendation reads only the ratings, which the fit
  // never moves, and the feet, which it only brings within 1 to 100 on its first pass (a step
  // of at most 5 moves a foot by a tenth of it, nothing). One pass instead of up to a thousand.
  int recommended_current_ability_when_fitted(const qor_staff& staff, int ability,
                                              const POSITION_WEIGHTINGS& weightings) const;

  // The curve weight of one entry for this player, 0 for an index outside the block.
  float weighted_attribute_value(const POSITION_WEIGHTINGS& weightings, int index) const;

  // Every attribute entry times 5, kept to its low eight bits.
  void scale_attributes_to_100();

  // The entry as shown: a rating as stored; an attribute on the 1 to 20 scale (`to_20`), or
  // clamped to 0 to 100 (`clamp`), or as stored.
  int attribute_display_value(int index, bool to_20, bool clamp) const;

  // The mean attribute (1 to 20) that an ability calls for: ability x 0.05 + 6.
  static double expected_attribute_for_ability(int ability);

  // A model value (0 to 100) on the record's scale: (value + 2) x 0.2, truncated, 1 to 20.
  static int attribute_to_20_scale(int value);

  friend bool operator==(const BASE_PLAYING_DATA&, const BASE_PLAYING_DATA&) = default;

 private:
  std::array<std::int8_t, size> entries_{};
};
