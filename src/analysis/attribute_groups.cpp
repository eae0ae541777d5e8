#include "analysis/attribute_groups.h"

#include <algorithm>
#include <charconv>

namespace {

using enum attribute_group;
constexpr attribute_kind none = attribute_kind::none;
constexpr attribute_kind abs = attribute_kind::absolute;
constexpr attribute_kind rel = attribute_kind::relative;

constexpr attribute_member members[] = {
    {"staff_adaptability", mental_traits, none, false},
    {"staff_ambition", mental_traits, none, false},
    {"staff_controversy", mental_traits, none, true},
    {"staff_determination", mental_traits, none, false},
    {"staff_loyalty", mental_traits, none, false},
    {"staff_pressure", mental_traits, none, false},
    {"staff_professionalism", mental_traits, none, false},
    {"staff_sportsmanship", mental_traits, none, false},
    {"staff_temperament", mental_traits, none, false},

    {"staff_np_attacking", np_tactical, none, false},
    {"staff_np_depth", np_tactical, none, false},
    {"staff_np_directness", np_tactical, none, false},
    {"staff_np_flamboyancy", np_tactical, none, false},
    {"staff_np_flexibility", np_tactical, none, false},
    {"staff_np_free_roles", np_tactical, none, false},
    {"staff_np_marking", np_tactical, none, false},
    {"staff_np_offside", np_tactical, none, false},
    {"staff_np_pressing", np_tactical, none, false},
    {"staff_np_sitting_back", np_tactical, none, false},
    {"staff_np_tactics", np_tactical, none, false},
    {"staff_np_tempo", np_tactical, none, false},
    {"staff_np_use_of_playmaker", np_tactical, none, false},
    {"staff_np_use_of_subs", np_tactical, none, false},
    {"staff_np_width", np_tactical, none, false},
    {"staff_np_team_tactical_focus", np_tactical, none, false},

    {"staff_np_buying_players", np_non_tactical, none, false},
    {"staff_np_discipline", np_non_tactical, none, false},
    {"staff_np_hardness_of_training", np_non_tactical, none, false},
    {"staff_np_judging_potential", np_non_tactical, none, false},
    {"staff_np_judgement", np_non_tactical, none, false},
    {"staff_np_man_handling", np_non_tactical, none, false},
    {"staff_np_mind_games", np_non_tactical, none, false},
    {"staff_np_squad_rotation", np_non_tactical, none, false},
    {"staff_np_motivating", np_non_tactical, none, false},
    {"staff_np_youngsters", np_non_tactical, none, false},
    {"staff_np_dirtiness_allowance", np_non_tactical, none, false},

    {"staff_np_coaching_attacking", np_coaching, none, false},
    {"staff_np_coaching_fitness", np_coaching, none, false},
    {"staff_np_coaching_tactical", np_coaching, none, false},
    {"staff_np_coaching_mental", np_coaching, none, false},
    {"staff_np_coaching_defending", np_coaching, none, false},
    {"staff_np_coaching_technical", np_coaching, none, false},
    {"staff_np_coaching_gks", np_coaching, none, false},

    {"staff_np_home_reputation", np_general, none, false},
    {"staff_np_current_reputation", np_general, none, false},
    {"staff_np_world_reputation", np_general, none, false},
    {"staff_np_board_confidence", np_general, none, false},
    {"staff_np_fans_confidence", np_general, none, false},
    {"staff_np_current_ability", np_general, none, false},
    {"staff_np_potential_ability", np_general, none, false},

    {"staff_np_business", np_chairman, none, false},
    {"staff_np_interference", np_chairman, none, false},
    {"staff_np_patience", np_chairman, none, false},
    {"staff_np_resources", np_chairman, none, false},

    {"staff_np_physiotherapy", np_physio, none, false},

    {"staff_pl_acceleration", physical, abs, false},
    {"staff_pl_agility", physical, abs, false},
    {"staff_pl_balance", physical, abs, false},
    {"staff_pl_injury_proneness", physical, abs, true},
    {"staff_pl_jumping", physical, abs, false},
    {"staff_pl_natural_fitness", physical, abs, false},
    {"staff_pl_pace", physical, abs, false},
    {"staff_pl_stamina", physical, abs, false},
    {"staff_pl_strength", physical, abs, false},

    {"staff_pl_corners", technical, abs, false},
    {"staff_pl_crossing", technical, rel, false},
    {"staff_pl_dribbling", technical, rel, false},
    {"staff_pl_finishing", technical, rel, false},
    {"staff_pl_first_touch", technical, rel, false},
    {"staff_pl_free_kicks", technical, abs, false},
    {"staff_pl_heading", technical, rel, false},
    {"staff_pl_long_shots", technical, rel, false},
    {"staff_pl_long_throws", technical, abs, false},
    {"staff_pl_marking", technical, rel, false},
    {"staff_pl_passing", technical, rel, false},
    {"staff_pl_penalties", technical, abs, false},
    {"staff_pl_tackling", technical, rel, false},
    {"staff_pl_technique", technical, rel, false},
    {"staff_pl_versatility", technical, abs, false},

    {"staff_pl_aggression", mental, abs, false},
    {"staff_pl_anticipation", mental, rel, false},
    {"staff_pl_bravery", mental, abs, false},
    {"staff_pl_composure", mental, rel, false},
    {"staff_pl_concentration", mental, rel, false},
    {"staff_pl_consistency", mental, abs, false},
    {"staff_pl_decisions", mental, rel, false},
    {"staff_pl_dirtiness", mental, abs, true},
    {"staff_pl_flair", mental, abs, false},
    {"staff_pl_important_matches", mental, abs, false},
    {"staff_pl_leadership", mental, abs, false},
    {"staff_pl_movement", mental, rel, false},
    {"staff_pl_positioning", mental, rel, false},
    {"staff_pl_teamwork", mental, abs, false},
    {"staff_pl_vision", mental, rel, false},
    {"staff_pl_work_rate", mental, abs, false},

    {"staff_pl_gk_aerial_ability", goalkeeping, rel, false},
    {"staff_pl_gk_command_of_area", goalkeeping, rel, false},
    {"staff_pl_gk_communication", goalkeeping, rel, false},
    {"staff_pl_gk_eccentricity", goalkeeping, abs, false},
    {"staff_pl_handling", goalkeeping, rel, false},
    {"staff_pl_gk_kicking", goalkeeping, rel, false},
    {"staff_pl_one_on_ones", goalkeeping, rel, false},
    {"staff_pl_reflexes", goalkeeping, abs, false},
    {"staff_pl_gk_rushing_out", goalkeeping, abs, false},
    {"staff_pl_gk_tendency_to_punch_ball", goalkeeping, abs, false},
    {"staff_pl_gk_throwing", goalkeeping, rel, false},
    {"staff_pl_gk_penalty_saving", goalkeeping, rel, false},

    {"staff_pl_left_foot", preferred_foot, none, false},
    {"staff_pl_right_foot", preferred_foot, none, false},

    {"staff_pl_home_reputation", position_ability, none, false},
    {"staff_pl_current_reputation", position_ability, none, false},
    {"staff_pl_world_reputation", position_ability, none, false},
    {"staff_pl_current_ability", position_ability, none, false},
    {"staff_pl_potential_ability", position_ability, none, false},
};

// In attribute_group order.
constexpr attribute_group_spec groups[] = {
    {mental_traits, "gb_mental_traits", nullptr, step_set::traits, false},
    {np_general, "gb_np_general", "cb_inc_dec_flag_general", step_set::non_player, true},
    {np_chairman, "gb_np_chairman", "cb_inc_dec_flag_chairman", step_set::non_player, true},
    {np_coaching, "gb_np_coaching", "cb_inc_dec_flag_coaching", step_set::non_player, true},
    {np_physio, "gb_np_physio", "cb_inc_dec_flag_physio", step_set::non_player, true},
    {np_tactical, "gb_np_tactical", "cb_inc_dec_flag_tactical", step_set::non_player, true},
    {np_non_tactical, "gb_np_non_tactical", "cb_inc_dec_flag_non_tactical", step_set::non_player,
     true},
    {physical, "gb_physical_attributes", "rb_inc_dec_flag_physical", step_set::player, true},
    {technical, "gb_technical_attributes", "rb_inc_dec_flag_technical", step_set::player, true},
    {mental, "gb_mental_attributes", "rb_inc_dec_flag_mental", step_set::player, true},
    {goalkeeping, "gb_gk_attributes", "rb_inc_dec_flag_gk", step_set::player, true},
    {preferred_foot, "gb_pref_foot_attributes", "rb_inc_dec_flag_pref_foot", step_set::player,
     false},
    {position_ability, "pos_ability_group", nullptr, step_set::positions, false},
};

constexpr std::uint32_t outfield = group_bit(physical) | group_bit(technical) | group_bit(mental);

constexpr group_mean_spec means[] = {
    {"calculate_average_mental_traits", group_bit(mental_traits), none, "avg_mental_traits",
     nullptr, nullptr},
    {"calculate_average_np_tactical_stats", group_bit(np_tactical), none, "avg_np_tactical",
     "avg_tactical_bar", "phy_bar_bg"},
    {"calculate_average_np_non_tactical_stats", group_bit(np_non_tactical), none,
     "avg_np_non_tactical", "avg_non_tactical_bar", "phy_bar_bg"},
    {"calculate_average_np_coaching_stats", group_bit(np_coaching), none, "avg_np_coaching",
     "avg_coaching_bar", "phy_bar_bg"},
    {"calculate_average_physical_stats", group_bit(physical), none, "avg_phys", "phys_bar",
     "phy_bar_bg"},
    {"calculate_average_technical_stats", group_bit(technical), none, "avg_technical", "tec_bar",
     "tec_bar_bg"},
    {"calculate_average_mental_stats", group_bit(mental), none, "avg_mental", "mental_bar",
     "mental_bar_bg"},
    {"calculate_average_gk_stats", group_bit(goalkeeping), none, "avg_gk", "gk_overall_bar",
     "phy_bar_bg"},
    {"calculate_pl_average_absolute_stats", outfield, abs, "avg_pl_abs", "pl_abs_bar",
     "phy_bar_bg"},
    {"calculate_pl_average_relative_stats", outfield, rel, "avg_pl_rel", "pl_rel_bar",
     "phy_bar_bg"},
    {"calculate_pl_average_overall_stats", outfield, none, "avg_pl_overall", "pl_overall_bar",
     "phy_bar_bg"},
    {"calculate_gk_average_absolute_stats", group_bit(goalkeeping), abs, "avg_gk_abs", "gk_abs_bar",
     "phy_bar_bg"},
    {"calculate_gk_average_relative_stats", group_bit(goalkeeping), rel, "avg_gk_rel", "gk_rel_bar",
     "phy_bar_bg"},
};

constexpr int best_value = 20;

}  // namespace

std::span<const attribute_member> attribute_members() {
  return members;
}

std::span<const attribute_group_spec> attribute_group_specs() {
  return groups;
}

const attribute_group_spec& group_spec_of(attribute_group group) {
  return groups[static_cast<std::size_t>(group)];
}

std::span<const group_mean_spec> group_mean_specs() {
  return means;
}

double group_mean(const group_mean_spec& mean, std::span<const int> values) {
  int sum = 0;
  int counted = 0;
  const std::size_t count = std::min(values.size(), std::size(members));
  for (std::size_t index = 0; index < count; ++index) {
    const attribute_member& member = members[index];
    const int value = values[index];
    if (value == 0 || (mean.groups & group_bit(member.group)) == 0)
      continue;
    if (mean.only != attribute_kind::none && member.kind != mean.only)
      continue;
    sum += member.inverted ? best_value - value : value;
    ++counted;
  }
  return counted == 0 ? 0.0 : static_cast<double>(sum) / counted;
}

std::string mean_text(double mean) {
  // Not printf: the window's process runs under the user's C locale, whose decimal comma the
  // means must not take.
  char text[32];
  char* end = std::to_chars(text, text + sizeof text, mean, std::chars_format::fixed, 2).ptr;
  return std::string(text, static_cast<std::size_t>(end - text));
}

int mean_bar_width(int background_width, double mean) {
  // A file may hold values outside 0 to 20; their bar stops at the background's edges.
  const int width = static_cast<int>(background_width * 0.01 * (5.0 * mean));
  return std::clamp(width, 0, std::max(background_width, 0));
}

int stepped_value(int value, int step, int max) {
  if (value < 1)
    return value;
  if (step > 0)
    return value < max ? value + 1 : value;
  return value >= 2 && value <= max ? value - 1 : value;
}
