#include "analysis/general_counts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "analysis_records.h"

namespace {

using enum staff_category;

// Ages stand in the birth year field for these tests: no date conversion is involved.
int test_age(const qor_staff& staff) {
  return staff.StaffYearOfBirth;
}

survey_context context_with(squad_ranges ranges = {150, 170, 120, 149}) {
  return {home_club, ranges, test_age, [](std::int32_t club) {
            return club == other_club ? std::string("Rivals") : std::string();
          }};
}

// One record per case the categories tell apart; every record has an age unless it says not.
record_vector<qor_staff> invented_file() {
  auto aged = [](qor_staff staff) {
    staff.StaffYearOfBirth = 25;
    return staff;
  };
  return make_staff({
      {aged(complete_player(1)), nullptr},  // plain contracted player, CA 100
      {aged(complete_player(2)), [](qor_staff& s) { s.StaffClubContracted = other_club; }},
      {aged(complete_player(3)), [](qor_staff& s) { s.StaffClubContracted = 0; }},
      {aged(complete_player(4)), [](qor_staff& s) { s.StaffClassification = 1; }},
      {aged(complete_player(5)),
       [](qor_staff& s) {
         s.StaffClassification = 1;
         s.StaffClubContracted = other_club;
         s.StaffClubOnLoanTo = home_club;  // a loanee of another classification
       }},
      {aged(complete_player(6)), [](qor_staff& s) { s.StaffClassification = 3; }},
      {aged(complete_player(7)),
       [](qor_staff& s) {
         s.StaffClassification = 3;
         s.StaffClubContracted = other_club;
       }},
      {aged(complete_player(8)),
       [](qor_staff& s) {
         s.StaffPlayerGoalkeeper = 0;  // no position at all
         s.StaffPlayerCurrentAbility = 0;
         s.StaffPlayerPotentialAbility = 0;
         s.StaffPlayerCurrentReputation = 0;
         s.StaffPlayerHomeReputation = 0;
         s.StaffPlayerWorldReputation = 0;
       }},
      {aged(complete_player(9)),
       [](qor_staff& s) {
         s.StaffPlayerRightFoot = 19;  // both feet below 20
         s.StaffPlayerLeftFoot = 19;
         s.StaffHairColour = 0;
         s.StaffJobForClub = 0;
       }},
      {complete_player(10), [](qor_staff& s) { s.StaffPlayerCurrentAbility = 171; }},  // no age
      {aged(complete_player(11)), [](qor_staff& s) { s.StaffPlayerCurrentAbility = 170; }},
      {aged(complete_player(12)), [](qor_staff& s) { s.StaffPlayerCurrentAbility = 150; }},
      {aged(complete_player(13)), [](qor_staff& s) { s.StaffPlayerCurrentAbility = 149; }},
      {aged(complete_player(14)), [](qor_staff& s) { s.StaffPlayerCurrentAbility = 120; }},
      {aged(complete_player(15)),
       [](qor_staff& s) {
         s.StaffPlayerCurrentAbility = 160;
         s.StaffContractType = 10;  // a star player on a youth contract
       }},
      {aged(complete_player(16)),
       [](qor_staff& s) {
         s.StaffPlayerCurrentAbility = 90;
         s.StaffContractType = 5;
       }},
  });
}

// Originals: 1 was 90 (increased), 2 was 120 (decreased), 3 was 0 (neither), 4 unchanged.
record_vector<qor_staff> invented_originals(const record_vector<qor_staff>& staff) {
  record_vector<qor_staff> originals;
  const std::map<std::int32_t, std::int16_t> old_ability = {{1, 90}, {2, 120}, {3, 0}, {4, 100}};
  for (const auto& [id, ability] : old_ability) {
    auto original = std::make_unique<qor_staff>(*staff[static_cast<std::size_t>(id - 1)]);
    original->StaffPlayerCurrentAbility = ability;
    originals.push_back(std::move(original));
  }
  return originals;
}

std::vector<std::int32_t> ids(const std::vector<const qor_staff*>& records) {
  std::vector<std::int32_t> found;
  for (const qor_staff* record : records)
    found.push_back(record->StaffID);
  return found;
}

}  // namespace

TEST(general_counts, every_category_lists_its_invented_members) {
  const auto file = invented_file();
  const auto originals = invented_originals(file);
  const staff_survey survey(file, originals, context_with());
  const std::vector<std::int32_t> players_2 = {1, 2, 3, 8, 9, 10, 11, 12, 13, 14, 15, 16};
  const std::vector<std::pair<staff_category, std::vector<std::int32_t>>> expected = {
      {players, players_2},
      {contracted_players, {1, 8, 9, 10, 11, 12, 13, 14, 15, 16}},
      {non_contracted_players, {2, 3}},
      {non_players, {4, 5}},
      {contracted_non_players, {4}},
      {non_contracted_non_players, {5}},
      {player_non_players, {6, 7}},
      {contracted_player_non_players, {6}},
      {non_contracted_player_non_players, {7}},
      {players_missing_position, {8}},
      {players_missing_ca, {8}},
      {players_missing_pa, {8}},
      {players_missing_cr, {8}},
      {players_missing_hr, {8}},
      {players_missing_wr, {8}},
      {players_missing_preferred_foot, {9}},
      {players_ca_increased, {1}},
      {players_ca_decreased, {2}},
      {players_missing_appearance_details, {9}},
      {staff, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}},
      {contracted_staff, {1, 4, 6, 8, 9, 10, 11, 12, 13, 14, 15, 16}},
      {non_contracted_staff, {2, 3, 5, 7}},
      {staff_missing_job_for_club, {9}},
      {staff_missing_birth_details, {10}},
      {loan_players, {5}},
      {above_star_players, {10}},
      {star_players, {11, 12, 15}},
      {first_team_players, {13, 14}},
      {other_players, {1, 2, 3, 8, 9, 6, 7}},
      {youth_players, {15, 16}},
  };
  ASSERT_EQ(expected.size(), static_cast<std::size_t>(staff_category_count));
  for (const auto& [category, members] : expected) {
    SCOPED_TRACE(category_caption(category, {150, 170, 120, 149}));
    std::vector<std::int32_t> sorted_members = members;
    std::sort(sorted_members.begin(), sorted_members.end());
    EXPECT_EQ(ids(survey.members(category)), sorted_members);
    EXPECT_EQ(survey.count(category), static_cast<int>(members.size()));
  }
}

TEST(general_counts, squad_counts_stay_zero_until_their_ranges_are_known) {
  const auto file = invented_file();
  const staff_survey survey(file, {}, context_with({}));
  for (staff_category category :
       {above_star_players, star_players, first_team_players, other_players, youth_players}) {
    EXPECT_EQ(survey.count(category), 0);
  }
  // The lists do not look at the bounds.
  EXPECT_EQ(ids(survey.members(youth_players)), (std::vector<std::int32_t>{15, 16}));
  EXPECT_EQ(category_caption(star_players, {}), "Club Star Players: 0 to 0");
  EXPECT_EQ(category_caption(other_players, {}), "Club Other Players: -1 or less ");
  EXPECT_EQ(category_caption(above_star_players, {}), "Above Star Players: 1+");
  EXPECT_EQ(category_caption(first_team_players, {150, 170, 120, 149}),
            "Club First Team Players: 120 to 149");
}

TEST(general_counts, lines_take_the_form_of_their_category) {
  const auto file = make_staff({
      {complete_player(31),
       [](qor_staff& s) {
         s.StaffClubContracted = other_club;
         s.StaffHairColour = 0;
         s.StaffEthnicity = 0;
       }},
      {complete_player(32, "Pele"), [](qor_staff& s) { s.StaffSkinTone = 0; }},
  });
  auto originals =
      make_staff({{complete_player(31), [](qor_staff& s) { s.StaffPlayerCurrentAbility = 80; }}});
  const staff_survey survey(file, originals, context_with());
  const qor_staff& plain = *file[0];
  const qor_staff& named = *file[1];
  EXPECT_EQ(survey.line_text(players, 1, plain), "1. Second31, First31, 31");
  EXPECT_EQ(survey.line_text(players, 2, named), "2. Pele, 32");
  EXPECT_EQ(survey.line_text(non_contracted_staff, 3, plain), "3. Second31, First31 (Rivals), 31");
  EXPECT_EQ(survey.line_text(loan_players, 1, named), "1. Pele (), 32");
  EXPECT_EQ(survey.line_text(star_players, 4, named), "4. Pele, (CA:100)");
  EXPECT_EQ(survey.line_text(players_ca_increased, 1, plain),
            "1. Second31, First31 (old:80, new:100)");
  EXPECT_EQ(survey.line_text(players_missing_appearance_details, 1, plain),
            "1. Second31, First31, 31 (Hair Colour)(Ethnicity)");
  EXPECT_EQ(survey.line_text(players_missing_appearance_details, 2, named),
            "2. Pele, 32(Skin Tone)");
}

TEST(general_counts, an_empty_store_counts_nothing) {
  const record_vector<qor_staff> none;
  const staff_survey survey(none, none, context_with());
  for (int category = 0; category < staff_category_count; ++category)
    EXPECT_EQ(survey.count(static_cast<staff_category>(category)), 0);
}
