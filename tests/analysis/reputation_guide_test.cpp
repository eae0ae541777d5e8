#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "analysis/reputation_guide.h"

namespace {

TEST(reputation_guide, reads_the_band_of_each_good_line_and_skips_the_rest) {
  const std::vector<std::string> lines = {
      "",
      "0",
      "10;Riverton;150;1;First League;2;Nowhere;190",
      "10;Riverton Again;20;1;First League;2;Nowhere;20",
      "11;Hill;bad;1;First League;2;Nowhere;100",
      "12;Short;100;1;League",
      "13;Dale;60;4;Second League;5;Nowhere;80\r",
  };
  const auto bands = read_club_bands(lines);
  ASSERT_EQ(bands.size(), 3U);
  EXPECT_EQ(club_band_value(bands, 10), 160);  // (190 + 3 * 150) / 4, the first line counts
  EXPECT_EQ(club_band_value(bands, 13), 65);   // (80 + 180) / 4
  EXPECT_FALSE(club_band_value(bands, 11));
  EXPECT_FALSE(club_band_value(bands, 99));
}

TEST(reputation_guide, rank_windows_pick_the_rows) {
  const std::pair<int, int> rows[] = {{-1, 0}, {0, 1},  {5, 1},  {6, 2},  {17, 2},
                                      {18, 3}, {27, 3}, {28, 4}, {400, 4}};
  for (const auto& [rank, row] : rows)
    EXPECT_EQ(reputation_guide_row(rank), row) << rank;
}

TEST(reputation_guide, band_values_pick_the_texts) {
  struct text_case {
    int band_value;
    int row;
    std::string_view text;
  };
  const text_case cases[] = {
      {200, 1, "165 - 200"}, {201, 1, "N/A"},  {170, 2, "130 - 164"}, {169, 1, "130 - 165"},
      {160, 4, "1 - 29"},    {87, 2, "30-49"}, {105, 3, "10 - 54"},   {104, 1, "75 - 95"},
      {30, 1, "2 - 15"},     {29, 1, "2 - 5"}, {-40, 2, "1"},         {120, 3, "10 - 64"},
      {120, 0, "N/A"},       {120, 5, "N/A"},
  };
  for (const text_case& test : cases)
    EXPECT_EQ(reputation_range_text(test.band_value, test.row), test.text)
        << test.band_value << " row " << test.row;
}

class reputation_rank : public testing::Test {
 protected:
  qor_staff& add(const char* second_name, std::int8_t classification, std::int16_t reputation,
                 std::int32_t club = 10) {
    auto staff = std::make_unique<qor_staff>();
    staff->StaffID = static_cast<std::int32_t>(staff_.size()) + 1;
    staff->StaffSecondName = second_name;
    staff->StaffClassification = classification;
    staff->StaffPlayerCurrentReputation = reputation;
    staff->StaffClubContracted = club;
    staff_.push_back(std::move(staff));
    return *staff_.back();
  }
  record_vector<qor_staff> staff_;
};

TEST_F(reputation_rank, counts_every_club_with_non_players_as_zero_and_ties_by_name) {
  qor_staff& top = add("Zed", 2, 150, 77);
  qor_staff& coach = add("Able", 1, 190);
  qor_staff& beta = add("beta", 3, 100);
  qor_staff& alpha = add("Alpha", 2, 100);
  qor_staff& nobody = add("Nobody", 2, 0);
  EXPECT_EQ(current_reputation_rank(staff_, top), 0);
  EXPECT_EQ(current_reputation_rank(staff_, alpha), 1);
  EXPECT_EQ(current_reputation_rank(staff_, beta), 2);
  EXPECT_EQ(current_reputation_rank(staff_, coach), 3);  // key 0, "Able" before "Nobody"
  EXPECT_EQ(current_reputation_rank(staff_, nobody), 4);
  qor_staff stranger;
  EXPECT_EQ(current_reputation_rank(staff_, stranger), -1);
}

TEST_F(reputation_rank, stops_counting_at_enough_yet_still_tells_a_stranger) {
  for (int index = 0; index < 40; ++index)
    add("Player", 2, static_cast<std::int16_t>(200 - index));
  const qor_staff& last = *staff_.back();
  EXPECT_EQ(current_reputation_rank(staff_, last), 39);
  EXPECT_EQ(current_reputation_rank(staff_, last, 28), 28);
  EXPECT_EQ(current_reputation_rank(staff_, *staff_[3], 28), 3);
  const qor_staff stranger;
  EXPECT_EQ(current_reputation_rank(staff_, stranger, 28), -1);
}

TEST_F(reputation_rank, the_guide_joins_club_band_and_rank) {
  const std::vector<club_band> bands = {{10, 160}};
  for (int index = 0; index < 30; ++index)
    add("Player", 2, static_cast<std::int16_t>(200 - index));
  const auto at_rank = [this](int rank) -> qor_staff& {
    return *staff_[static_cast<std::size_t>(rank)];
  };
  EXPECT_EQ(reputation_range_for(at_rank(0), staff_, bands), "130 - 165");
  EXPECT_EQ(reputation_range_for(at_rank(5), staff_, bands), "130 - 165");
  EXPECT_EQ(reputation_range_for(at_rank(6), staff_, bands), "90 - 129");
  EXPECT_EQ(reputation_range_for(at_rank(18), staff_, bands), "30 - 89");
  EXPECT_EQ(reputation_range_for(at_rank(28), staff_, bands), "1 - 29");
  EXPECT_EQ(reputation_range_for(at_rank(29), staff_, bands), "1 - 29");
  // A club without a line gives no range rather than an earlier record's.
  qor_staff& elsewhere = add("Elsewhere", 2, 250, 55);
  EXPECT_EQ(reputation_range_for(elsewhere, staff_, bands), "N/A");
}

}  // namespace
