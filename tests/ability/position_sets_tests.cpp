#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "ability/position_sets.h"
#include "records/staff_sort.h"

// Named, so that its position names stay apart from the weightings tests' in a unity build.
namespace position_set_tests {

using enum mask_position;

position_mask mask_of(std::initializer_list<mask_position> positions) {
  position_mask mask;
  for (mask_position position : positions) {
    mask.set(static_cast<std::size_t>(position));
  }
  return mask;
}

TEST(describe_positions, both_styles_of_each_example_set) {
  struct position_case {
    std::initializer_list<mask_position> positions;
    const char* codes;
    const char* letters;
  };
  const position_case cases[] = {
      {{}, "", ""},
      {{DL, DR}, "D RL", "C A"},
      {{DC, DMC, MC}, "D C, DM", "C CE"},
      {{DL, DR, WBL, WBR}, "D/WB RL", "CD A"},
      {{DL, DR, WBL, WBR, ML, MR}, "D/WB/M RL", "CDF A"},
      {{SW, ST}, "SW, ST", "BI"},
      {{GK, DC, ST}, "GK", "A"},
      {{DL, DR, WBL, AML, AMR}, "D/WB L, AM RL", "CD BG A"},
      {{ML, MC, MR, AML, AMC, AMR}, "M/AM RLC", "FG A"},
      {{DC, MC}, "D/M C", "CF C"},
  };
  for (const position_case& c : cases) {
    EXPECT_EQ(describe_positions(mask_of(c.positions), position_code_style), c.codes) << c.codes;
    EXPECT_EQ(describe_positions(mask_of(c.positions), position_letter_style), c.letters)
        << c.codes;
  }
}

TEST(get_best_positions, takes_the_highest_threshold_any_rating_reaches) {
  qor_staff staff;
  EXPECT_TRUE(get_best_positions(staff).none());
  staff.StaffPlayerGoalkeeper = 9;
  EXPECT_TRUE(get_best_positions(staff).none());

  staff.StaffPlayerDefenderCentral = 14;
  staff.StaffPlayerAttackerCentral = 12;
  EXPECT_EQ(get_best_positions(staff), mask_of({DC}));
  EXPECT_EQ(describe_positions(get_best_positions(staff), position_code_style), "D C");

  staff.StaffPlayerDefenderCentral = 20;
  staff.StaffPlayerMidfielderLeftSide = 20;
  staff.StaffPlayerWingBackRightSide = 15;
  EXPECT_EQ(get_best_positions(staff), mask_of({DC, ML, WBR}));
  staff.StaffPlayerWingBackRightSide = 14;
  EXPECT_EQ(get_best_positions(staff), mask_of({DC, ML}));
}

TEST(ability_position_texts, drive_the_position_attribute_of_the_staff_list) {
  std::vector<qor_staff> records(3);
  records[0].StaffPlayerAttackerCentral = 15;             // "I"
  records[1].StaffPlayerDefenderLeftSide = 15;            // "C B"
  records[2].StaffPlayerDefensiveMidfielderCentral = 15;  // "E"
  std::vector<qor_staff*> staff = {&records[0], &records[1], &records[2]};
  const staff_sort_context context{"dd_mm_yyyy", 0, ability_position_texts()};
  ASSERT_TRUE(sort_staff(staff, 137, false, context));
  EXPECT_EQ(staff, (std::vector<qor_staff*>{&records[1], &records[2], &records[0]}));
  EXPECT_EQ(staff_sort_attribute_text(records[1], 137, 0, context.positions), "D L");
}

}  // namespace position_set_tests
