#include <gtest/gtest.h>

#include <random>

#include "ability/base_playing_data.h"
#include "ability/position_weightings.h"
#include "ability/staff_attributes.h"
#include "invented_players.h"
#include "records/program_paths.h"

namespace {

using s = qor_staff;

// The fields of the fifteen playing positions' ratings.
constexpr staff_byte position_ratings[] = {
    &s::StaffPlayerGoalkeeper,
    &s::StaffPlayerSweeper,
    &s::StaffPlayerDefenderLeftSide,
    &s::StaffPlayerDefenderCentral,
    &s::StaffPlayerDefenderRightSide,
    &s::StaffPlayerDefensiveMidfielderCentral,
    &s::StaffPlayerMidfielderLeftSide,
    &s::StaffPlayerMidfielderCentral,
    &s::StaffPlayerMidfielderRightSide,
    &s::StaffPlayerAttackingMidfielderLeftSide,
    &s::StaffPlayerAttackingMidfielderCentral,
    &s::StaffPlayerAttackingMidfielderRightSide,
    &s::StaffPlayerAttackerCentral,
    &s::StaffPlayerWingBackLeftSide,
    &s::StaffPlayerWingBackRightSide,
};

// A record with random ratings (0 to 20) and attribute bytes of any value, so feet above 20
// and below 1 too; half the records get feet of the record's own range, so that fits of both
// kinds are common.
qor_staff random_player(std::mt19937& random) {
  const auto between = [&random](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  qor_staff staff = invented_player(between(1, 90000), between(-20, 260), 0, {});
  // A third of them rated nowhere at 10 or more, so that nothing weighs.
  const int best_rating = between(0, 2) == 0 ? 9 : 20;
  for (const staff_byte field : position_ratings)
    staff.*field = static_cast<std::int8_t>(between(0, best_rating));
  for (const staff_byte field : every_attribute_field())
    staff.*field = static_cast<std::int8_t>(between(-128, 127));
  if (between(0, 1) == 0) {
    staff.StaffPlayerLeftFoot = static_cast<std::int8_t>(between(1, 20));
    staff.StaffPlayerRightFoot = static_cast<std::int8_t>(between(1, 20));
  }
  return staff;
}

void expect_as_after_the_whole_fit(const qor_staff& staff, const POSITION_WEIGHTINGS& table) {
  ASSERT_EQ(recommended_current_ability_of(staff, table),
            fitted_playing_data(staff, table).recommended_current_ability(staff, table));
}

// The recommended ability reads of a block only its ratings and feet; worked out without the
// whole fit it must equal the one of the fitted block, for any record.
TEST(recommended_current_ability_of, equals_the_one_after_the_whole_fit) {
  set_program_folder(STAFF_EDITOR_SOURCE_DIR);
  POSITION_WEIGHTINGS shipped;
  ASSERT_TRUE(load_weightings(shipped, [](const std::string&) {}));
  std::mt19937 random(20130517);
  int feet_brought_down = 0;
  int feet_left_above = 0;
  for (int round = 0; round < 3000; ++round) {
    const qor_staff staff = random_player(random);
    SCOPED_TRACE(round);
    expect_as_after_the_whole_fit(staff, shipped);
    if (testing::Test::HasFatalFailure())
      return;
    const BASE_PLAYING_DATA fitted = fitted_playing_data(staff, shipped);
    const BASE_PLAYING_DATA scaled = [&] {
      BASE_PLAYING_DATA block = playing_data_from_staff(staff);
      block.scale_attributes_to_100();
      return block;
    }();
    for (const int foot : {50, 51}) {
      if (scaled.raw_value(foot) > 100) {
        ++(fitted.raw_value(foot) == 100 ? feet_brought_down : feet_left_above);
      }
    }
  }
  // Both ways a foot above 100 comes out of a fit were met.
  EXPECT_GT(feet_brought_down, 0);
  EXPECT_GT(feet_left_above, 0);

  for (const qor_staff& staff : {keeper(), striker(), all_rounder(), weak_youth(), veteran()})
    expect_as_after_the_whole_fit(staff, invented_weightings());
}

// A weighed foot above 100 stays so when the attributes already match the ability: the fit
// ends on its first pass.
TEST(recommended_current_ability_of, keeps_a_foot_the_fit_does_not_reach) {
  set_program_folder(STAFF_EDITOR_SOURCE_DIR);
  POSITION_WEIGHTINGS shipped;
  ASSERT_TRUE(load_weightings(shipped, [](const std::string&) {}));
  qor_staff keeper = invented_player(
      4, 0, 10, {{&qor_staff::StaffPlayerGoalkeeper, 20}, {&qor_staff::StaffPlayerLeftFoot, 21}});
  bool found = false;
  for (int ability = 1; ability <= 200 && !found; ++ability) {
    keeper.StaffPlayerCurrentAbility = static_cast<std::int16_t>(ability);
    found = fitted_playing_data(keeper, shipped).raw_value(50) == 105;
  }
  ASSERT_TRUE(found);
  BASE_PLAYING_DATA::attribute_weights weights;
  fitted_playing_data(keeper, shipped).calculate_base_playing_data(weights, nullptr, shipped);
  ASSERT_NE(weights[50].curve, 0.0);
  expect_as_after_the_whole_fit(keeper, shipped);
}

}  // namespace
