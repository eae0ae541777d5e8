#include "analysis/ability_ranges.h"

#include <gtest/gtest.h>

#include "analysis_records.h"

namespace {

struct player_row {
  int classification;
  int ca;
  int pa;
  int age;
  std::int32_t loan_to;
};

struct ranges_case {
  const char* name;
  std::vector<player_row> players;
  ability_range_filter filter;
  ability_mode mode;
  std::vector<std::pair<std::string, unsigned>> band_counts;  // bands not named count 0
  unsigned total;
};

record_vector<qor_staff> staff_of(const std::vector<player_row>& rows, std::vector<int>& ages) {
  record_vector<qor_staff> staff;
  for (const player_row& row : rows) {
    auto record = std::make_unique<qor_staff>(complete_player(static_cast<int>(staff.size()) + 1));
    record->StaffClassification = static_cast<std::int8_t>(row.classification);
    record->StaffPlayerCurrentAbility = static_cast<std::int16_t>(row.ca);
    record->StaffPlayerPotentialAbility = static_cast<std::int16_t>(row.pa);
    record->StaffClubOnLoanTo = row.loan_to;
    ages.push_back(row.age);
    staff.push_back(std::move(record));
  }
  return staff;
}

const ability_range_filter all_ages{1, 50, true, home_club};

}  // namespace

TEST(ability_ranges, bands_count_their_players) {
  const std::vector<ranges_case> cases = {
      {"empty file", {}, all_ages, ability_mode::current, {}, 0},
      {"band edges",
       {{2, 10, 0, 20, 0}, {2, 11, 0, 20, 0}, {2, 0, 0, 20, 0}, {3, 200, 0, 20, 0}},
       all_ages,
       ability_mode::current,
       {{"range_1_10", 1}, {"range_11_20", 1}, {"range_0", 1}, {"range_191_200", 1}},
       4},
      {"non-players never count", {{1, 50, 0, 20, 0}}, all_ages, ability_mode::current, {}, 0},
      {"potential codes",
       {{2, 50, -3, 20, 0}, {2, 50, 120, 20, 0}},
       all_ages,
       ability_mode::potential,
       {{"range_minus_3", 1}, {"range_111_120", 1}},
       2},
      {"loanees left out",
       {{2, 50, 0, 20, home_club}, {2, 50, 0, 20, other_club}},
       {1, 50, false, home_club},
       ability_mode::current,
       {{"range_41_50", 1}},
       1},
      {"ages outside the range",
       {{2, 50, 0, 17, 0}, {2, 50, 0, 18, 0}, {2, 50, 0, 31, 0}},
       {18, 30, true, home_club},
       ability_mode::current,
       {{"range_41_50", 1}},
       1},
      {"ages the wrong way round",
       {{2, 50, 0, 25, 0}},
       {30, 20, true, home_club},
       ability_mode::current,
       {},
       0},
  };
  for (const ranges_case& test : cases) {
    SCOPED_TRACE(test.name);
    std::vector<int> ages;
    const auto staff = staff_of(test.players, ages);
    const ability_distribution result = distribute_abilities(staff, ages, test.filter, test.mode);
    EXPECT_EQ(result.total, test.total);
    const auto bands = ability_bands(test.mode);
    ASSERT_EQ(result.bands.size(), bands.size());
    for (std::size_t i = 0; i < bands.size(); ++i) {
      unsigned expected = 0;
      for (const auto& [name, count] : test.band_counts)
        expected += name == bands[i].name ? count : 0;
      EXPECT_EQ(result.bands[i].count, expected) << bands[i].name;
    }
  }
}

TEST(ability_ranges, bands_and_shares_as_the_page_shows_them) {
  EXPECT_EQ(ability_bands(ability_mode::current).size(), 21u);
  EXPECT_EQ(ability_bands(ability_mode::potential).size(), 31u);
  EXPECT_EQ(ability_bands(ability_mode::potential).back().name, "range_minus_10");
  EXPECT_EQ(range_percentage(0, 0), 0);
  EXPECT_EQ(range_percentage(3, 4), 0);
  EXPECT_EQ(range_percentage(8, 8), 100);
  EXPECT_DOUBLE_EQ(range_percentage(8, 1), 12.5);
  EXPECT_EQ(percentage_text(12.5), "12.50");
  EXPECT_EQ(percentage_text(100), "100.00");
  EXPECT_EQ(percentage_text(0), "0.00");
  EXPECT_EQ(bar_width(500, 100), 500);
  EXPECT_EQ(bar_width(500, 33.3333), 166);
}
