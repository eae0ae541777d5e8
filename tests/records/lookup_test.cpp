#include "records/lookup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/lookup_lists.h"

namespace {

TEST(lookup_code, reads_the_number_after_the_last_separator) {
  const std::vector<std::pair<std::string, int>> cases = {
      {"Not set; 0", 0},
      {"A;B; 17", 17},
      {"Trailing; 5 ", 5},
      {"Windows line; 7\r", 7},
      {"Negative; -3", -3},
      {"no separator", -1},
      // Malformed entries give -1 instead of failing or inventing a code.
      {"Letters; x", -1},
      {"Empty;", -1},
      {"Mixed; 12abc", -1},
      {"Split; 1 2", -1},
      {"Huge; 99999999999", -1},
  };
  for (const auto& [entry, code] : cases) {
    EXPECT_EQ(lookup_code(entry), code) << entry;
    // Only a written -1 is the code -1 to a search.
    EXPECT_EQ(lookup_code_if_valid(entry).has_value(), code != -1) << entry;
  }
  EXPECT_EQ(lookup_code_if_valid("Minus one; -1"), -1);
}

TEST(lookup_name, takes_the_text_before_the_last_or_first_separator) {
  EXPECT_EQ(lookup_name("A;B; 17"), "A;B");
  EXPECT_EQ(lookup_first_field("A;B; 17"), "A");
  EXPECT_EQ(lookup_name("Not set; 0"), "Not set");
  EXPECT_EQ(lookup_name("no separator"), "");
  EXPECT_EQ(lookup_first_field("no separator"), "");
  EXPECT_EQ(lookup_name(";3"), "");
}

TEST(lookup_name_by_code, returns_the_first_entry_with_the_code) {
  const std::vector<std::string> list = {"Broken; x", "First; 4", "Second; 4", "Other; 5"};
  EXPECT_EQ(lookup_name_by_code(list, 4), "First");
  EXPECT_EQ(lookup_name_by_code(list, 5), "Other");
  EXPECT_EQ(lookup_name_by_code(list, 6), "");
  // A malformed entry is passed over, never taken for the code -1.
  EXPECT_EQ(lookup_name_by_code(list, -1), "");
  EXPECT_EQ(lookup_name_by_code({}, 0), "");
}

// Fills the global lists for one test and restores them afterwards.
class club_lookup : public testing::Test {
 protected:
  void SetUp() override {
    saved_ = lookups();
    lookups().club_list = {"Nowhere Town; 7", "Bad club; seven", "Club;5;9;10;20;123",
                           "Later Club;1;2;3;4;123"};
    lookups().npt_list = {"Likes to rotate; 0; 3"};
    lookups().ppm_list = {"Curls ball; 12"};
  }
  void TearDown() override { lookups() = saved_; }

 private:
  lookup_lists saved_;
};

TEST_F(club_lookup, names_come_from_the_first_field) {
  EXPECT_EQ(get_club_name(123), "Club");
  EXPECT_EQ(get_club_name(7), "Nowhere Town");
  EXPECT_EQ(get_club_name(8), "");
  EXPECT_EQ(get_npt_name(3), "Likes to rotate");
  EXPECT_EQ(get_ppm_name(12), "Curls ball");
  EXPECT_EQ(get_ppm_name(13), "");
}

TEST_F(club_lookup, player_ranges_come_from_the_club_entry) {
  int star_from = 0, star_to = 0, first_team_from = 0, first_team_to = 0;
  ASSERT_TRUE(lookup_club_player_ranges(123, star_from, star_to, first_team_from, first_team_to));
  EXPECT_EQ(star_from, 5);
  EXPECT_EQ(star_to, 9);
  EXPECT_EQ(first_team_from, 10);
  EXPECT_EQ(first_team_to, 20);

  int untouched[4] = {-7, -7, -7, -7};
  EXPECT_FALSE(
      lookup_club_player_ranges(999, untouched[0], untouched[1], untouched[2], untouched[3]));
  for (int value : untouched) {
    EXPECT_EQ(value, -7);
  }
}

}  // namespace
