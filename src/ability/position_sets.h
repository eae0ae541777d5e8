#pragma once

#include <array>
#include <bitset>
#include <string>

#include "records/staff_record.h"
#include "records/staff_sort_attributes.h"

// The positions of a position set, in flag order (not the order of the weightings rows).
enum class mask_position { GK, SW, DL, DC, DR, WBL, WBR, DMC, ML, MC, MR, AML, AMC, AMR, ST };

inline constexpr int mask_position_count = 15;

// A set of playing positions: flags 0 to 14 are used, one per mask_position.
using position_mask = std::bitset<16>;

inline bool has_position(const position_mask& mask, mask_position position) {
  return mask.test(static_cast<std::size_t>(position));
}

// The record's fifteen position ratings in mask_position order.
std::array<int, mask_position_count> staff_position_ratings(const qor_staff& staff);

// The positions rated at the highest threshold from 15 down to 10 that any rating reaches; the
// empty set when none reaches 10. Ratings are given in mask_position order.
position_mask get_best_positions(const std::array<int, mask_position_count>& ratings);
position_mask get_best_positions(const qor_staff& staff);

// The text styles of describe_positions.
inline constexpr int position_code_style = 1;    // "D/WB RL", shown to the user
inline constexpr int position_letter_style = 3;  // "CD A", a key that sorts by character codes

// The set as text in one of the two styles; "" for the empty set.
std::string describe_positions(position_mask mask, int style);

// The text with the side part of one line appended: a blank and the side codes ("RL"; style 1)
// or the letter of the first side found (style 3), right, then left, then centre.
std::string position_side_text(std::string text, bool left, bool centre, bool right, int style);

// The position texts the staff list shows and sorts by, for sort_staff and the value texts.
staff_position_texts ability_position_texts();
