#include <gtest/gtest.h>

#include <array>

#include "ability/base_playing_data.h"
#include "ability/position_weightings.h"
#include "ability/staff_attributes.h"
#include "invented_players.h"

namespace {

using weights_table = BASE_PLAYING_DATA::attribute_weights;

// The block the weighted view works on: the record's figures, attributes times 5.
BASE_PLAYING_DATA scaled_block(const qor_staff& staff) {
  BASE_PLAYING_DATA block = playing_data_from_staff(staff);
  block.scale_attributes_to_100();
  return block;
}

struct named_player {
  const char* name;
  qor_staff staff;
};

std::array<named_player, 5> players() {
  return {{{"keeper", keeper()},
           {"striker", striker()},
           {"all-rounder", all_rounder()},
           {"weak youth", weak_youth()},
           {"veteran", veteran()}}};
}

TEST(calculate_base_playing_data, one_position_at_20_keeps_the_tenth_and_curves_the_weight) {
  POSITION_WEIGHTINGS table;
  table.set_weighting(12, 27, 10);
  BASE_PLAYING_DATA block;
  block.set_playing_data_value(22, 20);  // ST
  weights_table weights;
  int spread = -1;
  block.calculate_base_playing_data(weights, &spread, table);
  EXPECT_EQ(weights[27].weight, 10.0);
  EXPECT_EQ(weights[27].curve, 55.0);
  EXPECT_EQ(weights[27].square, 100.0);
  EXPECT_EQ(spread, 0);
  // Neither foot is perfect, so both count with the striker's default weight: 10 x 4.75 x 0.1.
  EXPECT_EQ(weights[50].weight, 10 * 4.75 * 0.1);
  EXPECT_EQ(weights[51].weight, 10 * 4.75 * 0.1);
  EXPECT_EQ(weights[30].curve, 0.0);
  EXPECT_EQ(weights[22].curve, 0.0);
}

TEST(calculate_base_playing_data, ratings_below_ten_and_exactly_ten_weigh_nothing) {
  const POSITION_WEIGHTINGS table = invented_weightings();
  for (int rating : {0, 9, 10}) {
    BASE_PLAYING_DATA block;
    for (int position = 0; position < MAX_PLAYING_POSITION_INDICES; ++position)
      block.set_playing_data_value(BASE_PLAYING_DATA::playing_position_rating_index(position),
                                   rating);
    weights_table weights;
    int spread = -1;
    block.calculate_base_playing_data(weights, &spread, table);
    for (const attribute_weight& row : weights)
      EXPECT_EQ(row.curve, 0.0) << rating;
    EXPECT_EQ(spread, 0) << rating;
  }
}

TEST(calculate_base_playing_data, a_perfect_foot_leaves_the_weaker_foot_to_count) {
  POSITION_WEIGHTINGS table;
  table.set_weighting(3, 30, 50);
  struct foot_case {
    int left;
    int right;
    double left_weight;
    double right_weight;
  };
  // DC rated 20: the default foot weight 3.5 times (20 - 10) x 0.1.
  const foot_case cases[] = {
      {100, 60, 0.0, 3.5},
      {60, 100, 3.5, 0.0},
      {100, 100, 3.5, 0.0},
      {60, 60, 3.5, 3.5},
  };
  for (const foot_case& c : cases) {
    BASE_PLAYING_DATA block;
    block.set_playing_data_value(13, 20);
    block.set_playing_data_value(50, c.left);
    block.set_playing_data_value(51, c.right);
    weights_table weights;
    block.calculate_base_playing_data(weights, nullptr, table);
    EXPECT_DOUBLE_EQ(weights[50].weight, c.left_weight) << c.left << "/" << c.right;
    EXPECT_DOUBLE_EQ(weights[51].weight, c.right_weight) << c.left << "/" << c.right;
  }
}

TEST(calculate_base_playing_data, spread_score_grows_with_lines_and_sides) {
  const POSITION_WEIGHTINGS table;
  struct spread_case {
    std::array<int, MAX_PLAYING_POSITION_INDICES> ratings;  // GK SW DL DC DR DMC ML MC MR ...
    int spread;
  };
  const spread_case cases[] = {
      {{20}, 0},                                            // keeper: 5 + 5 - 40
      {{0, 0, 20, 20, 20}, 0},                              // one line, three sides: 15+20-5
      {{20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 20}, 100},     // keeper and striker: 4 groups
      {{0, 0, 0, 15, 0, 18, 16, 20, 0, 0, 15, 0, 12}, 16},  // the all-rounder
      {{0, 14, 0, 20, 17}, 0},                              // the veteran
      {{20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20}, 100},
  };
  for (const spread_case& c : cases) {
    BASE_PLAYING_DATA block;
    for (int position = 0; position < MAX_PLAYING_POSITION_INDICES; ++position)
      block.set_playing_data_value(BASE_PLAYING_DATA::playing_position_rating_index(position),
                                   c.ratings[position]);
    weights_table weights;
    int spread = -1;
    block.calculate_base_playing_data(weights, &spread, table);
    EXPECT_EQ(spread, c.spread) << c.spread;
  }
}

TEST(ability_scales, attribute_and_ability_conversions) {
  EXPECT_EQ(BASE_PLAYING_DATA::attribute_to_20_scale(0), 1);
  EXPECT_EQ(BASE_PLAYING_DATA::attribute_to_20_scale(8), 2);
  EXPECT_EQ(BASE_PLAYING_DATA::attribute_to_20_scale(7), 1);
  EXPECT_EQ(BASE_PLAYING_DATA::attribute_to_20_scale(98), 20);
  EXPECT_EQ(BASE_PLAYING_DATA::attribute_to_20_scale(100), 20);
  EXPECT_EQ(BASE_PLAYING_DATA::attribute_to_20_scale(127), 20);
  EXPECT_EQ(BASE_PLAYING_DATA::expected_attribute_for_ability(200), 16.0);
  EXPECT_EQ(BASE_PLAYING_DATA::expected_attribute_for_ability(100), 11.0);
  EXPECT_EQ(BASE_PLAYING_DATA::expected_attribute_for_ability(0), 6.0);

  BASE_PLAYING_DATA block;
  block.set_playing_data_value(13, 17);  // a rating stays as stored
  block.set_playing_data_value(30, 26);  // 26 x 5 = 130, stored as -126
  block.set_playing_data_value(31, 20);
  block.scale_attributes_to_100();
  EXPECT_EQ(block.attribute_display_value(13, true, true), 17);
  EXPECT_EQ(block.attribute_display_value(30, false, false), -126);
  EXPECT_EQ(block.attribute_display_value(30, false, true), 0);
  EXPECT_EQ(block.attribute_display_value(30, true, false), 1);
  EXPECT_EQ(block.attribute_display_value(31, true, false), 20);
  EXPECT_EQ(block.attribute_display_value(31, false, false), 100);
}

TEST(fit_attributes_to_ability, fitted_attributes_of_the_invented_players) {
  const POSITION_WEIGHTINGS table = invented_weightings();
  struct fit_case {
    int fitted_finishing;
    int fitted_passing;
    int fitted_handling;
    int fitted_tackling;
  };
  const fit_case expected[] = {
      {8, 8, 13, 8}, {16, 8, 10, 10}, {11, 15, 12, 13}, {3, 7, 3, 3}, {11, 11, 11, 12},
  };
  const auto all = players();
  for (std::size_t i = 0; i < all.size(); ++i) {
    const qor_staff& staff = all[i].staff;
    BASE_PLAYING_DATA block = scaled_block(staff);
    block.fit_attributes_to_ability(staff.StaffPlayerCurrentAbility, table, staff.StaffID);
    const fit_case got = {block.attribute_display_value(27, true, false),
                          block.attribute_display_value(32, true, false),
                          block.attribute_display_value(36, true, false),
                          block.attribute_display_value(34, true, false)};
    EXPECT_EQ(got.fitted_finishing, expected[i].fitted_finishing) << all[i].name;
    EXPECT_EQ(got.fitted_passing, expected[i].fitted_passing) << all[i].name;
    EXPECT_EQ(got.fitted_handling, expected[i].fitted_handling) << all[i].name;
    EXPECT_EQ(got.fitted_tackling, expected[i].fitted_tackling) << all[i].name;
  }
}

TEST(recommended_current_ability, of_the_invented_players) {
  const POSITION_WEIGHTINGS table = invented_weightings();
  // The weak youth's attributes are too weak for any ability: his first estimate is negative.
  const int expected[] = {189, 194, 173, 0, 192};
  const auto all = players();
  for (std::size_t i = 0; i < all.size(); ++i) {
    const qor_staff& staff = all[i].staff;
    BASE_PLAYING_DATA block = scaled_block(staff);
    block.fit_attributes_to_ability(staff.StaffPlayerCurrentAbility, table, staff.StaffID);
    const int got = block.recommended_current_ability(staff, table);
    EXPECT_EQ(got, expected[i]) << all[i].name;
  }
}

TEST(fit_attributes_to_ability, clamps_the_ability_and_leaves_unweighted_players_alone) {
  const POSITION_WEIGHTINGS table = invented_weightings();
  const qor_staff staff = striker();
  const auto fitted = [&](int ability) {
    BASE_PLAYING_DATA block = scaled_block(staff);
    block.fit_attributes_to_ability(ability, table, staff.StaffID);
    return block;
  };
  EXPECT_EQ(fitted(0), fitted(1));
  EXPECT_EQ(fitted(250), fitted(200));
  EXPECT_NE(fitted(1), fitted(200));

  // No rating of 10 or more: nothing weighs, so nothing moves in all the thousand passes.
  const qor_staff unrated =
      invented_player(7, 150, 12, {{&qor_staff::StaffPlayerAttackerCentral, 9}});
  BASE_PLAYING_DATA block = scaled_block(unrated);
  block.fit_attributes_to_ability(150, table, unrated.StaffID);
  EXPECT_EQ(block, scaled_block(unrated));
  EXPECT_EQ(block.recommended_current_ability(unrated, table), 0);
}

TEST(recommended_current_ability, from_the_first_estimate_one_unit_per_pass) {
  // A striker weighed on finishing (10, curve 55) and his left foot (default 4.75): both at
  // the same value v give the level 5 v exactly; the right foot of 20 is left out.
  POSITION_WEIGHTINGS table;
  table.set_weighting(12, 27, 10);
  struct estimate_case {
    int value;
    int expected;
  };
  const estimate_case cases[] = {
      // Level 75: the estimate 180 meets its target exactly, which still steps once downward
      // (a step rounded to 0 from above counts as 1); at 179 the step rounds to 0.
      {15, 179}, {16, 199}, {6, 0},  // the estimate is exactly 0
      {5, 0},  // a negative estimate: no ability rather than an artefact of the pass count
      {1, 0},
  };
  for (const estimate_case& c : cases) {
    const qor_staff staff = invented_player(9, 100, 0,
                                            {{&qor_staff::StaffPlayerAttackerCentral, 20},
                                             {&qor_staff::StaffPlayerFinishing, c.value},
                                             {&qor_staff::StaffPlayerLeftFoot, c.value},
                                             {&qor_staff::StaffPlayerRightFoot, 20}});
    EXPECT_EQ(scaled_block(staff).recommended_current_ability(staff, table), c.expected) << c.value;
  }
}

TEST(weighted_attribute_value, is_the_curve_weight_in_single_precision) {
  const POSITION_WEIGHTINGS table = invented_weightings();
  const BASE_PLAYING_DATA block = scaled_block(all_rounder());
  BASE_PLAYING_DATA::attribute_weights weights;
  block.calculate_base_playing_data(weights, nullptr, table);
  EXPECT_EQ(block.weighted_attribute_value(table, 32), static_cast<float>(weights[32].curve));
  EXPECT_GT(block.weighted_attribute_value(table, 32), 1.0F);
  EXPECT_EQ(block.weighted_attribute_value(table, 42), 0.0F);
  EXPECT_EQ(block.weighted_attribute_value(table, 80), 0.0F);
  EXPECT_EQ(block.weighted_attribute_value(table, -1), 0.0F);
}

}  // namespace
