#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "analysis/attribute_groups.h"

namespace {

std::vector<int> values_with(std::initializer_list<std::pair<const char*, int>> set) {
  std::vector<int> values(attribute_members().size(), 0);
  for (const auto& [name, value] : set) {
    bool found = false;
    for (std::size_t index = 0; index < attribute_members().size(); ++index) {
      if (std::string(attribute_members()[index].edit) == name) {
        values[index] = value;
        found = true;
      }
    }
    EXPECT_TRUE(found) << name;
  }
  return values;
}

const group_mean_spec& mean_named(const char* label) {
  for (const group_mean_spec& mean : group_mean_specs()) {
    if (std::string(mean.label) == label)
      return mean;
  }
  throw std::runtime_error(label);
}

TEST(attribute_groups, every_edit_is_listed_once_and_groups_are_in_order) {
  std::set<std::string> names;
  for (const attribute_member& member : attribute_members())
    EXPECT_TRUE(names.insert(member.edit).second) << member.edit;
  for (std::size_t index = 0; index < attribute_group_specs().size(); ++index)
    EXPECT_EQ(static_cast<std::size_t>(attribute_group_specs()[index].group), index);
  EXPECT_EQ(group_mean_specs().size(), 13U);
}

TEST(attribute_groups, means_leave_out_unset_values_and_invert_low_is_good_ones) {
  const auto values = values_with({{"staff_pl_agility", 12},
                                   {"staff_pl_injury_proneness", 5},
                                   {"staff_controversy", 4},
                                   {"staff_pl_corners", 10},
                                   {"staff_pl_crossing", 16},
                                   {"staff_pl_dirtiness", 20},
                                   {"staff_pl_reflexes", 14},
                                   {"staff_pl_handling", 8},
                                   {"staff_np_tempo", 7}});
  EXPECT_DOUBLE_EQ(group_mean(mean_named("avg_phys"), values), 13.5);
  EXPECT_DOUBLE_EQ(group_mean(mean_named("avg_mental_traits"), values), 16.0);
  EXPECT_DOUBLE_EQ(group_mean(mean_named("avg_technical"), values), 13.0);
  EXPECT_DOUBLE_EQ(group_mean(mean_named("avg_mental"), values), 0.0);  // 20 - 20 counts as 0
  // Absolute outfield: agility 12, injury proneness 15, corners 10, dirtiness 0.
  EXPECT_DOUBLE_EQ(group_mean(mean_named("avg_pl_abs"), values), 37.0 / 4);
  EXPECT_DOUBLE_EQ(group_mean(mean_named("avg_pl_rel"), values), 16.0);
  EXPECT_DOUBLE_EQ(group_mean(mean_named("avg_pl_overall"), values), 53.0 / 5);
  EXPECT_DOUBLE_EQ(group_mean(mean_named("avg_gk_abs"), values), 14.0);
  EXPECT_DOUBLE_EQ(group_mean(mean_named("avg_gk_rel"), values), 8.0);
  EXPECT_DOUBLE_EQ(group_mean(mean_named("avg_gk"), values), 11.0);
  EXPECT_DOUBLE_EQ(group_mean(mean_named("avg_np_tactical"), values), 7.0);
  EXPECT_DOUBLE_EQ(group_mean(mean_named("avg_np_coaching"), values), 0.0);
}

TEST(attribute_groups, mean_texts_and_bars) {
  EXPECT_EQ(mean_text(12.25), "12.25");
  EXPECT_EQ(mean_text(0.0), "0.00");
  EXPECT_EQ(mean_text(13.5), "13.50");
  const std::pair<double, int> bars[] = {{20, 97}, {15, 72}, {12, 58},  {10, 48}, {1, 4},
                                         {0, 0},   {25, 97}, {100, 97}, {-5, 0}};
  for (const auto& [mean, width] : bars)
    EXPECT_EQ(mean_bar_width(97, mean), width) << mean;
}

TEST(attribute_groups, steps_keep_unset_values_and_round_trip) {
  struct step_case {
    int value;
    int step;
    int max;
    int result;
  };
  const step_case cases[] = {
      {1, +1, 20, 2},    {19, +1, 20, 20},  {20, +1, 20, 20},    {0, +1, 20, 0},
      {2, -1, 20, 1},    {1, -1, 20, 1},    {0, -1, 20, 0},      {20, -1, 20, 19},
      {-3, -1, 200, -3}, {-3, +1, 200, -3}, {199, +1, 200, 200}, {200, +1, 200, 200},
      {25, -1, 20, 25},
  };
  for (const step_case& test : cases)
    EXPECT_EQ(stepped_value(test.value, test.step, test.max), test.result)
        << test.value << " step " << test.step;
  for (int value = 1; value <= 20; ++value) {
    const int down_up = stepped_value(stepped_value(value, -1, 20), +1, 20);
    EXPECT_EQ(down_up, value == 1 ? 2 : value) << value;
  }
}

}  // namespace
