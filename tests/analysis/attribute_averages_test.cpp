#include "analysis/attribute_averages.h"

#include <gtest/gtest.h>

#include "analysis_records.h"

namespace {

constexpr int current_ability = 0;
constexpr int potential_ability = 1;
constexpr int physical_rating = 5;
constexpr int sportsmanship = 8;
constexpr int sportsmanship_trait = 58;
constexpr int pace = 38;

std::vector<std::string> lines_of(const average_result& result) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < result.players.size(); ++i)
    lines.push_back(averaged_player_line(static_cast<int>(i) + 1, result.players[i]));
  return lines;
}

average_request request(int choice, int amount, average_mode mode, bool loanees = false) {
  return {choice, amount, loanees, home_club, mode};
}

}  // namespace

TEST(attribute_averages, choices_read_their_values) {
  qor_staff player = complete_player(1);
  player.StaffPlayerPotentialAbility = -4;
  player.StaffSportsmanship = 13;
  player.StaffPlayerPace = 17;
  for (std::int8_t qor_staff::*field :
       {&qor_staff::StaffPlayerAcceleration, &qor_staff::StaffPlayerAgility,
        &qor_staff::StaffPlayerBalance, &qor_staff::StaffPlayerJumping,
        &qor_staff::StaffPlayerNaturalFitness, &qor_staff::StaffPlayerPace,
        &qor_staff::StaffPlayerStamina, &qor_staff::StaffPlayerStrength})
    player.*field = 10;
  player.StaffPlayerInjuryProneness = 5;
  EXPECT_EQ(average_value(player, potential_ability), 65);
  EXPECT_EQ(average_value(player, physical_rating), (8 * 10 + 15) / 9);
  EXPECT_EQ(average_value(player, sportsmanship), 13);
  EXPECT_EQ(average_value(player, sportsmanship_trait), 13);
  EXPECT_EQ(average_value(player, current_ability), 100);
  EXPECT_EQ(average_sort_attribute(pace), 104);
  EXPECT_EQ(average_sort_attribute(60), -1);
}

TEST(attribute_averages, the_best_at_the_attribute_enter_in_order) {
  const auto staff = make_staff({
      {complete_player(1, "Ace"), [](qor_staff& s) { s.StaffPlayerPace = 15; }},
      {complete_player(2), [](qor_staff& s) { s.StaffPlayerPace = 0; }},  // never enters
      {complete_player(3),
       [](qor_staff& s) {
         s.StaffPlayerPace = 12;
         s.StaffClubContracted = other_club;
         s.StaffClubOnLoanTo = home_club;
       }},
      {complete_player(4), [](qor_staff& s) { s.StaffPlayerPace = 9; }},
      {complete_player(5),
       [](qor_staff& s) {
         s.StaffPlayerPace = 20;
         s.StaffClubContracted = other_club;  // elsewhere, not on loan here
       }},
  });
  const average_result without =
      calculate_average(staff, request(pace, 2, average_mode::sorted_by_attribute));
  EXPECT_EQ(lines_of(without), (std::vector<std::string>{"1. Ace (15)", "2. Second4, First4 (9)"}));
  const average_result with =
      calculate_average(staff, request(pace, 3, average_mode::sorted_by_attribute, true));
  EXPECT_EQ(lines_of(with), (std::vector<std::string>{"1. Ace (15)", "2. Second3, First3 (12)*",
                                                      "3. Second4, First4 (9)"}));
  const average_texts texts = average_result_texts(with);
  EXPECT_EQ(texts.total, "36");
  EXPECT_EQ(texts.count, "3");
  EXPECT_EQ(texts.average, "12.00");
  // The staff vector keeps its order.
  EXPECT_EQ(staff[0]->StaffID, 1);
  EXPECT_EQ(staff[4]->StaffID, 5);
}

TEST(attribute_averages, grouped_by_ability_averages_the_best_by_ability) {
  const auto staff = make_staff({
      {complete_player(1),
       [](qor_staff& s) {
         s.StaffPlayerCurrentAbility = 150;
         s.StaffPlayerPace = 5;
       }},
      {complete_player(2),
       [](qor_staff& s) {
         s.StaffClassification = 1;  // takes a place in the group, then drops out
       }},
      {complete_player(3),
       [](qor_staff& s) {
         s.StaffPlayerCurrentAbility = 130;
         s.StaffPlayerPace = 18;
       }},
      {complete_player(4),
       [](qor_staff& s) {
         s.StaffPlayerCurrentAbility = 200;  // best of all, but another club's
         s.StaffPlayerPace = 20;
         s.StaffClubContracted = other_club;
       }},
      {complete_player(5),
       [](qor_staff& s) {
         s.StaffPlayerCurrentAbility = 120;
         s.StaffPlayerPace = 20;
       }},
  });
  const average_result result =
      calculate_average(staff, request(pace, 4, average_mode::grouped_by_ca));
  EXPECT_EQ(lines_of(result),
            (std::vector<std::string>{"1. Second5, First5 (20)", "2. Second3, First3 (18)",
                                      "3. Second1, First1 (5)"}));
  EXPECT_EQ(average_result_texts(result).average, "14.33");
}

TEST(attribute_averages, nothing_to_average_leaves_zeros_and_no_average) {
  const auto staff = make_staff({{complete_player(1), nullptr}});
  const average_result none =
      calculate_average(staff, request(pace, 1, average_mode::sorted_by_attribute));
  const average_texts texts = average_result_texts(none);
  EXPECT_EQ(texts.total, "0");
  EXPECT_EQ(texts.count, "0");
  EXPECT_EQ(texts.average, "");
  EXPECT_TRUE(calculate_average(staff, request(current_ability, 0, average_mode::grouped_by_ca))
                  .players.empty());
}
