#include "analysis/leave_checks.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace {

constexpr leave_question questions[] = {
    {leave_finding::no_name,
     "The staff member you are trying to leave has no first or second name. Do you want to "
     "enter name details?",
     "staff_first_name"},
    {leave_finding::no_second_name,
     "The staff member you are trying to leave is missing a second name. Do you want to enter "
     "staff's second name?",
     "staff_second_name"},
    {leave_finding::no_first_name,
     "The staff member you are trying to leave is missing a first name. Do you want to enter "
     "staff's first name?",
     "staff_first_name"},
    {leave_finding::no_birth_details,
     "The staff member you are trying to leave is missing birth details. Do you want to enter "
     "staff's date/year of birth?",
     "staff_date_of_birth"},
    {leave_finding::no_nationality,
     "The staff member you are trying to leave is missing nationality details. Do you want to "
     "enter staff's nationality?",
     "staff_nation"},
    {leave_finding::reputation_order,
     "The staff member you are trying to leave has a higher playing world reputation than "
     "playing current repuatation. Do you want to change current reputation?",
     "staff_pl_current_reputation"},
    {leave_finding::ability_order,
     "The staff member you are trying to leave has a higher playing current ability than "
     "playing potential ability. Do you want to change current ability?",
     "staff_pl_current_ability"},
    {leave_finding::no_playing_position,
     "The staff member you are trying to leave has not got any playing positions set. Do you "
     "want to set these fields?",
     "staff_pl_attacker_central"},
    {leave_finding::too_many_ppms,
     "The staff member you are trying to leave has got too many PPMs set. These actions should "
     "be used sparingly (4 or 5 at most). Do you want to remove some PPMs?",
     "staff_ppm"},
};

bool is_player_index(int classification_index) {
  return classification_index == 2 || classification_index == 3;
}

}  // namespace

const leave_question& leave_question_of(leave_finding finding) {
  return questions[static_cast<std::size_t>(finding)];
}

bool has_no_playing_position(const std::array<int, 15>& ratings) {
  return std::none_of(ratings.begin(), ratings.end(), [](int rating) { return rating >= 15; });
}

std::vector<leave_finding> leave_findings(const leave_check_inputs& in,
                                          const error_check_flags& flags) {
  std::vector<leave_finding> found;
  if (flags.name) {
    const bool first = !in.first_name.empty();
    const bool second = !in.second_name.empty();
    if (!first && !second)
      found.push_back(leave_finding::no_name);
    else if (first && !second)
      found.push_back(leave_finding::no_second_name);
    else if (!first && second)
      found.push_back(leave_finding::no_first_name);
  }
  if (flags.birth_details && in.date_of_birth == in.no_date_text && in.year_of_birth == "0")
    found.push_back(leave_finding::no_birth_details);
  if (flags.nationality && in.nation_index == 0 && in.second_nation_index == 0)
    found.push_back(leave_finding::no_nationality);
  if (!is_player_index(in.classification_index))
    return found;
  if (flags.reputation && in.world_reputation > in.current_reputation)
    found.push_back(leave_finding::reputation_order);
  if (flags.ability && in.current_ability > in.potential_ability && in.potential_ability > 0)
    found.push_back(leave_finding::ability_order);
  if (flags.positions && has_no_playing_position(in.position_ratings))
    found.push_back(leave_finding::no_playing_position);
  if (in.live_ppm_count >= too_many_ppms_count)
    found.push_back(leave_finding::too_many_ppms);
  return found;
}
