#include "ability_views/position_form.h"

#include <QLabel>
#include <QLineEdit>
#include <array>

#include "platform/win1252.h"
#include "record_form/edit_integers.h"
#include "record_form/form_controls.h"

namespace {

constexpr const char* rating_edits[mask_position_count] = {
    "staff_pl_goalkeeper",
    "staff_pl_sweeper",
    "staff_pl_defender_left_side",
    "staff_pl_defender_central",
    "staff_pl_defender_right_side",
    "staff_pl_wing_back_left_side",
    "staff_pl_wing_back_right_side",
    "staff_pl_def_midfielder_central",
    "staff_pl_midfielder_left_side",
    "staff_pl_midfielder_central",
    "staff_pl_midfielder_right_side",
    "staff_pl_att_midfielder_left_side",
    "staff_pl_att_midfielder_central",
    "staff_pl_att_midfielder_right_side",
    "staff_pl_attacker_central",
};

}  // namespace

std::span<const char* const> position_rating_edit_names() {
  return rating_edits;
}

position_mask get_best_positions_from_form(const form_controls& form) {
  std::array<int, mask_position_count> ratings{};
  for (int position = 0; position < mask_position_count; ++position)
    ratings[position] = edit_integer_or_zero(form.get<QLineEdit>(rating_edits[position]));
  return get_best_positions(ratings);
}

void update_position_mask_label(form_controls& form) {
  if (auto* label = form.get<QLabel>("position_mask_label")) {
    label->setText(
        from_win1252(describe_positions(get_best_positions_from_form(form), position_code_style)));
  }
}
