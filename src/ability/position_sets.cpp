#include "position_sets.h"

#include <cstddef>
#include <iterator>
#include <utility>

namespace {

using enum mask_position;

std::string code_text_of(const qor_staff& staff) {
  return describe_positions(get_best_positions(staff), position_code_style);
}

std::string letter_key_of(const qor_staff& staff) {
  return describe_positions(get_best_positions(staff), position_letter_style);
}

unsigned long best_positions_of(const qor_staff& staff) {
  return get_best_positions(staff).to_ulong();
}

}  // namespace

position_mask get_best_positions(const std::array<int, mask_position_count>& ratings) {
  position_mask mask;
  for (int threshold = 15; threshold >= 10 && mask.none(); --threshold) {
    for (std::size_t position = 0; position < ratings.size(); ++position) {
      if (ratings[position] >= threshold) {
        mask.set(position);
      }
    }
  }
  return mask;
}

std::array<int, mask_position_count> staff_position_ratings(const qor_staff& s) {
  return {s.StaffPlayerGoalkeeper,
          s.StaffPlayerSweeper,
          s.StaffPlayerDefenderLeftSide,
          s.StaffPlayerDefenderCentral,
          s.StaffPlayerDefenderRightSide,
          s.StaffPlayerWingBackLeftSide,
          s.StaffPlayerWingBackRightSide,
          s.StaffPlayerDefensiveMidfielderCentral,
          s.StaffPlayerMidfielderLeftSide,
          s.StaffPlayerMidfielderCentral,
          s.StaffPlayerMidfielderRightSide,
          s.StaffPlayerAttackingMidfielderLeftSide,
          s.StaffPlayerAttackingMidfielderCentral,
          s.StaffPlayerAttackingMidfielderRightSide,
          s.StaffPlayerAttackerCentral};
}

position_mask get_best_positions(const qor_staff& s) {
  return get_best_positions(staff_position_ratings(s));
}

std::string position_side_text(std::string text, bool left, bool centre, bool right, int style) {
  std::string sides;
  const std::pair<bool, char> visited[] = {{right, 'R'}, {left, 'L'}, {centre, 'C'}};
  const char letters[] = {'A', 'B', 'C'};
  for (std::size_t i = 0; i < std::size(visited); ++i) {
    if (!visited[i].first) {
      continue;
    }
    if (style != position_code_style) {
      sides = letters[i];
      break;
    }
    sides += visited[i].second;
  }
  if (!sides.empty()) {
    text += ' ';
    text += sides;
  }
  return text;
}

std::string describe_positions(position_mask mask, int style) {
  const auto on = [&mask](mask_position position) { return has_position(mask, position); };
  const bool letters = style != position_code_style;
  if (on(GK)) {
    return letters ? "A" : "GK";
  }
  std::string text;
  // Set when a line leaves its sides to a later line with the same sides; that line then
  // follows with a slash instead of a comma.
  bool deferred = false;
  const auto add_line = [&](const char* code, const char* letter, bool may_follow_with_slash) {
    if (letters) {
      text += letter;
      return;
    }
    if (!text.empty()) {
      text += deferred && may_follow_with_slash ? "/" : ", ";
    }
    text += code;
  };
  const bool any_midfield = on(ML) || on(MC) || on(MR);
  const bool whole_midfield = on(ML) && on(MC) && on(MR);
  const bool any_attacking = on(AML) || on(AMC) || on(AMR);

  if (on(SW)) {
    add_line("SW", "B", false);
  }
  if (on(DL) || on(DC) || on(DR)) {
    add_line("D", "C", false);
    deferred =
        ((on(WBL) || on(WBR)) && on(DL) == on(WBL) && on(DR) == on(WBR) && !on(DC)) ||
        (any_midfield && !on(DMC) && on(DL) == on(ML) && on(DR) == on(MR) && on(DC) == on(MC)) ||
        (any_attacking && !on(DMC) && !whole_midfield && on(DL) == on(AML) && on(DR) == on(AMR) &&
         on(DC) == on(AMC));
    if (!deferred) {
      text = position_side_text(text, on(DL), on(DC), on(DR), style);
    }
  }
  if (on(WBL) || on(WBR)) {
    add_line("WB", "D", true);
    deferred = (any_midfield && !on(DMC) && on(WBL) == on(ML) && on(WBR) == on(MR) && !on(MC)) ||
               (any_attacking && !on(DMC) && !whole_midfield && on(WBL) == on(AML) &&
                on(WBR) == on(AMR) && !on(AMC));
    if (!deferred) {
      text = position_side_text(text, on(WBL), false, on(WBR), style);
    }
  }
  if (on(DMC)) {
    add_line("DM", "E", false);
  }
  if (any_midfield && !on(DMC)) {
    add_line("M", "F", true);
    deferred = on(ML) == on(AML) && on(MR) == on(AMR) && on(MC) == on(AMC);
    if (!deferred) {
      text = position_side_text(text, on(ML), on(MC), on(MR), style);
    }
  }
  if (any_attacking) {
    add_line("AM", "G", true);
    text = position_side_text(text, on(AML), on(AMC), on(AMR), style);
  }
  if (on(ST)) {
    add_line("ST", "I", false);
  }
  return text;
}

staff_position_texts ability_position_texts() {
  return {code_text_of, letter_key_of, best_positions_of};
}
