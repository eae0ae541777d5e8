#include <gtest/gtest.h>

#include <memory>

#include "analysis/leave_checks.h"

namespace {

using enum leave_finding;

// A player whose pages are in order: no check finds anything.
leave_check_inputs complete_player() {
  leave_check_inputs in;
  in.first_name = "Ann";
  in.second_name = "Best";
  in.date_of_birth = "01/02/1990";
  in.year_of_birth = "1990";
  in.no_date_text = "00/00/0000";
  in.nation_index = 4;
  in.second_nation_index = 0;
  in.classification_index = 2;
  in.world_reputation = 50;
  in.current_reputation = 50;
  in.current_ability = 120;
  in.potential_ability = 130;
  in.position_ratings.fill(1);
  in.position_ratings[14] = 15;
  in.live_ppm_count = 5;
  return in;
}

struct finding_case {
  const char* what;
  void (*change)(leave_check_inputs&);
  std::vector<leave_finding> found;
};

TEST(leave_checks, each_check_finds_only_its_own_fault) {
  const finding_case cases[] = {
      {"in order", [](leave_check_inputs&) {}, {}},
      {"no names", [](leave_check_inputs& in) { in.first_name = in.second_name = ""; }, {no_name}},
      {"no second name", [](leave_check_inputs& in) { in.second_name = ""; }, {no_second_name}},
      {"no first name", [](leave_check_inputs& in) { in.first_name = ""; }, {no_first_name}},
      {"no birth details",
       [](leave_check_inputs& in) {
         in.date_of_birth = "00/00/0000";
         in.year_of_birth = "0";
       },
       {no_birth_details}},
      {"blank date mask passes",
       [](leave_check_inputs& in) {
         in.date_of_birth = "  /  /    ";
         in.year_of_birth = "0";
       },
       {}},
      {"a year passes", [](leave_check_inputs& in) { in.date_of_birth = "00/00/0000"; }, {}},
      {"no nation", [](leave_check_inputs& in) { in.nation_index = 0; }, {no_nationality}},
      {"no selection passes", [](leave_check_inputs& in) { in.nation_index = -1; }, {}},
      {"world above current",
       [](leave_check_inputs& in) { in.world_reputation = 51; },
       {reputation_order}},
      {"ability above potential",
       [](leave_check_inputs& in) {
         in.current_ability = 121;
         in.potential_ability = 120;
       },
       {ability_order}},
      {"potential not set passes", [](leave_check_inputs& in) { in.potential_ability = 0; }, {}},
      {"negative potential passes", [](leave_check_inputs& in) { in.potential_ability = -5; }, {}},
      {"all ratings 14",
       [](leave_check_inputs& in) { in.position_ratings.fill(14); },
       {no_playing_position}},
      {"six preferred moves",
       [](leave_check_inputs& in) { in.live_ppm_count = 6; },
       {too_many_ppms}},
      {"a non-player is asked no player question",
       [](leave_check_inputs& in) {
         in.classification_index = 1;
         in.world_reputation = 200;
         in.position_ratings.fill(0);
         in.live_ppm_count = 9;
       },
       {}},
      {"player and non-player is a player",
       [](leave_check_inputs& in) {
         in.classification_index = 3;
         in.live_ppm_count = 7;
       },
       {too_many_ppms}},
  };
  for (const finding_case& test : cases) {
    leave_check_inputs in = complete_player();
    test.change(in);
    EXPECT_EQ(leave_findings(in, error_check_flags{}), test.found) << test.what;
  }
}

TEST(leave_checks, each_switch_turns_its_check_off_and_the_ppm_check_always_runs) {
  leave_check_inputs in = complete_player();
  in.first_name = in.second_name = "";
  in.date_of_birth = "00/00/0000";
  in.year_of_birth = "0";
  in.nation_index = 0;
  in.world_reputation = 60;
  in.current_ability = 140;
  in.position_ratings.fill(0);
  in.live_ppm_count = 7;
  EXPECT_EQ(leave_findings(in, {}),
            (std::vector{no_name, no_birth_details, no_nationality, reputation_order, ability_order,
                         no_playing_position, too_many_ppms}));

  bool error_check_flags::*const switches[] = {
      &error_check_flags::name,        &error_check_flags::birth_details,
      &error_check_flags::nationality, &error_check_flags::reputation,
      &error_check_flags::ability,     &error_check_flags::positions};
  const leave_finding guarded[] = {no_name,          no_birth_details, no_nationality,
                                   reputation_order, ability_order,    no_playing_position};
  for (std::size_t index = 0; index < std::size(switches); ++index) {
    error_check_flags flags;
    flags.*switches[index] = false;
    const auto found = leave_findings(in, flags);
    EXPECT_EQ(std::count(found.begin(), found.end(), guarded[index]), 0) << index;
    EXPECT_EQ(found.size(), 6U) << index;
  }
  EXPECT_EQ(leave_findings(in, {false, false, false, false, false, false}),
            std::vector{too_many_ppms});
}

TEST(leave_checks, questions_name_their_page_and_field) {
  EXPECT_STREQ(leave_question_of(no_second_name).focus, "staff_second_name");
  EXPECT_STREQ(leave_question_of(no_nationality).focus, "staff_nation");
  EXPECT_STREQ(leave_question_of(no_playing_position).focus, "staff_pl_attacker_central");
  EXPECT_STREQ(leave_question_of(too_many_ppms).focus, "staff_ppm");
  for (int finding = 0; finding <= static_cast<int>(too_many_ppms); ++finding)
    EXPECT_EQ(leave_question_of(static_cast<leave_finding>(finding)).finding,
              static_cast<leave_finding>(finding));
}

}  // namespace
