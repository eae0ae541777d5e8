#pragma once

#include <span>

#include "ability/position_sets.h"

class form_controls;

// The rating edits of the fifteen playing positions on "7. Pos", in mask_position order.
std::span<const char* const> position_rating_edit_names();

// The best positions of the ratings the form shows; a rating edit whose text is no whole
// number counts as 0.
position_mask get_best_positions_from_form(const form_controls& form);

// Shows the code text of the form's best positions ("D RL", "GK") in position_mask_label.
void update_position_mask_label(form_controls& form);
