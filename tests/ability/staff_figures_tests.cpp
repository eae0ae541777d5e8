#include <gtest/gtest.h>

#include <cstring>

#include "ability/expected_potential_ability.h"
#include "ability/rating_bands.h"
#include "ability/staff_attributes.h"
#include "invented_players.h"
#include "records/dates.h"

namespace {

TEST(get_staff_attribute, serves_the_attribute_entries_only) {
  qor_staff staff = veteran();
  staff.StaffPlayerGoalkeeper = 5;
  EXPECT_EQ(get_staff_attribute(staff, 50), staff.StaffPlayerLeftFoot);
  EXPECT_EQ(get_staff_attribute(staff, 51), staff.StaffPlayerRightFoot);
  EXPECT_EQ(get_staff_attribute(staff, 25), staff.StaffPlayerCrossing);
  EXPECT_EQ(get_staff_attribute(staff, 66), 19);  // leadership
  EXPECT_EQ(get_staff_attribute(staff, 79), staff.StaffPlayerConcentration);
  for (int index : {42, 77, 10, 0, 24, 80, -1})
    EXPECT_EQ(get_staff_attribute(staff, index), 0) << index;
}

TEST(playing_data_from_staff, lays_ratings_and_attributes_out_by_index) {
  qor_staff staff = keeper();
  staff.StaffPlayerWingBackRightSide = 13;
  staff.StaffPlayerCentral = 4;  // older scheme
  const BASE_PLAYING_DATA block = playing_data_from_staff(staff);
  EXPECT_EQ(block.raw_value(0), 20);
  EXPECT_EQ(block.raw_value(24), 13);
  EXPECT_EQ(block.raw_value(11), 4);
  EXPECT_EQ(block.raw_value(36), 16);  // handling, still on the record's scale
  EXPECT_EQ(block.raw_value(47), 17);  // reflexes
  for (int unused : {8, 42, 77})
    EXPECT_EQ(block.raw_value(unused), 0) << unused;
  for (int index = 25; index < BASE_PLAYING_DATA::size; ++index)
    EXPECT_EQ(block.raw_value(index), get_staff_attribute(staff, index)) << index;
}

void set_text(fixed_text<26>& field, const char* text) {
  std::memset(field.data, 0, sizeof field.data);
  std::strncpy(field.data, text, sizeof field.data - 1);
}

TEST(get_staff_age, counts_years_of_365_2422_days_from_the_birth_date_or_year) {
  struct age_case {
    const char* birth_date;
    int birth_year;
    date_time today;
    int age;
  };
  const age_case cases[] = {
      {"15/06/1990", 0, {2020, 6, 14}, 29},  // 10957 days: 29.9993 years
      {"15/06/1990", 0, {2020, 6, 15}, 30},  // 10958 days: 30.0020 years
      {"", 1990, {2020, 1, 1}, 29},          // from 1 January 1990, 10957 days
      {"", 1800, {2020, 1, 1}, 0},
      {"", 1801, {1811, 1, 2}, 10},  // 3653 days
      {"", 0, {2020, 1, 1}, 0},
      // A date of birth that cannot be read counts as none.
      {"31/02/1990", 1990, {2020, 1, 1}, 29},
      {"00/00/0000", 0, {2020, 1, 1}, 0},
      {"garbage", 0, {2020, 1, 1}, 0},
  };
  for (const age_case& c : cases) {
    qor_staff staff;
    set_text(staff.StaffDateOfBirth, c.birth_date);
    staff.StaffYearOfBirth = static_cast<std::int16_t>(c.birth_year);
    EXPECT_EQ(get_staff_age(staff, c.today, date_order_dd_mm_yyyy), c.age)
        << c.birth_date << " " << c.birth_year;
  }
  qor_staff staff;
  set_text(staff.StaffDateOfBirth, "1990-06-15");
  EXPECT_EQ(get_staff_age(staff, {2020, 6, 15}, date_order_yyyy_mm_dd), 30);
}

TEST(expected_potential_ability, from_age_ability_and_natural_positions) {
  using s = qor_staff;
  struct expected_case {
    const char* what;
    int age;
    int current_ability;
    std::initializer_list<field_value> ratings;
    int expected;
  };
  const expected_case cases[] = {
      {"striker at 20", 20, 100, {{&s::StaffPlayerAttackerCentral, 20}}, 142},  // 8^1.8 = 42.2
      {"keeper at 20", 20, 190, {{&s::StaffPlayerGoalkeeper, 20}}, 200},  // 12^1.45 = 36.7 + 190
      {"keeper at 20, lower", 20, 100, {{&s::StaffPlayerGoalkeeper, 20}}, 136},
      {"DC and ST at 29: past the striker's peak",
       29,
       100,
       {{&s::StaffPlayerDefenderCentral, 20}, {&s::StaffPlayerAttackerCentral, 20}},
       0},
      {"DC alone at 29", 29, 100, {{&s::StaffPlayerDefenderCentral, 20}}, 101},
      {"DMC at its peak", 29, 100, {{&s::StaffPlayerDefensiveMidfielderCentral, 20}}, 0},
      {"DMC a year before", 28, 100, {{&s::StaffPlayerDefensiveMidfielderCentral, 20}}, 101},
      {"sweeper only", 20, 100, {{&s::StaffPlayerSweeper, 20}}, 0},
      {"no age", 0, 100, {{&s::StaffPlayerAttackerCentral, 20}}, 0},
      {"no current ability", 20, 0, {{&s::StaffPlayerAttackerCentral, 20}}, 0},
      {"rated 19 is not natural", 20, 100, {{&s::StaffPlayerAttackerCentral, 19}}, 0},
      {"DL and WBL count once",
       24,
       120,
       {{&s::StaffPlayerDefenderLeftSide, 20}, {&s::StaffPlayerWingBackLeftSide, 20}},
       132},  // 4^1.8 = 12.1
      {"WBR alone", 24, 120, {{&s::StaffPlayerWingBackRightSide, 20}}, 132},
      {"the best of DC and MC",
       22,
       100,
       {{&s::StaffPlayerDefenderCentral, 20}, {&s::StaffPlayerMidfielderCentral, 20}},
       127},  // 8^1.6 = 27.9 beats 7^1.7 = 27.3
      {"weak youth", 17, 25, {{&s::StaffPlayerMidfielderCentral, 20}}, 93},  // 12^1.7 = 68.3
      {"veteran", 35, 120, {{&s::StaffPlayerDefenderCentral, 20}}, 0},
  };
  for (const expected_case& c : cases) {
    const qor_staff staff = invented_player(1, c.current_ability, 10, c.ratings);
    EXPECT_EQ(expected_potential_ability(staff, c.age), c.expected) << c.what;
  }
}

TEST(rating_bands, six_bands_and_the_click_cycle) {
  struct band_case {
    int rating;
    rating_band band;
    int next;
  };
  const band_case cases[] = {
      {0, rating_band::up_to_4, 7},         {4, rating_band::up_to_4, 7},
      {5, rating_band::from_5_to_8, 10},    {8, rating_band::from_5_to_8, 10},
      {9, rating_band::from_9_to_11, 13},   {11, rating_band::from_9_to_11, 13},
      {12, rating_band::from_12_to_14, 17}, {14, rating_band::from_12_to_14, 17},
      {15, rating_band::from_15_to_19, 20}, {19, rating_band::from_15_to_19, 20},
      {20, rating_band::natural, 0},
  };
  for (const band_case& c : cases) {
    ASSERT_EQ(rating_band_of(c.rating), c.band) << c.rating;
    EXPECT_EQ(next_rating_in_cycle(c.band), c.next) << c.rating;
  }
  EXPECT_FALSE(rating_band_of(-1).has_value());
  EXPECT_FALSE(rating_band_of(21).has_value());
}

}  // namespace
