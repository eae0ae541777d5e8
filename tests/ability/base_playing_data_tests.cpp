#include <gtest/gtest.h>

#include "ability/base_playing_data.h"
#include "ability/position_weightings.h"

namespace {

TEST(BasePlayingData, NewBlockReadsZeroEverywhere) {
  const BASE_PLAYING_DATA block;
  for (int index = 0; index < BASE_PLAYING_DATA::size; ++index) {
    EXPECT_EQ(block.get_playing_data_value(index), 0) << index;
  }
}

TEST(BasePlayingData, StoresLowEightBitsAndReadsClampedToHundred) {
  struct stored_case {
    int value;
    int read;
  };
  const stored_case cases[] = {
      {110, 100}, {100, 100}, {-5, 0}, {130, 0}, {127, 100}, {20, 20}, {300, 44}, {256, 0},
  };
  for (const auto& c : cases) {
    BASE_PLAYING_DATA block;
    block.set_playing_data_value(60, c.value);
    EXPECT_EQ(block.get_playing_data_value(60), c.read) << c.value;
  }
}

TEST(BasePlayingData, ValueOf130IsStoredAsMinus126) {
  BASE_PLAYING_DATA stored;
  stored.set_playing_data_value(30, 130);
  BASE_PLAYING_DATA expected;
  expected.set_playing_data_value(30, -126);
  EXPECT_EQ(stored, expected);
}

TEST(BasePlayingData, RatingIndicesEndAt24) {
  EXPECT_TRUE(BASE_PLAYING_DATA::is_position_rating_index(0));
  EXPECT_TRUE(BASE_PLAYING_DATA::is_position_rating_index(24));
  EXPECT_FALSE(BASE_PLAYING_DATA::is_position_rating_index(25));
  EXPECT_FALSE(BASE_PLAYING_DATA::is_position_rating_index(-1));
}

TEST(BasePlayingData, PlayingPositionsSkipTheOlderSchemeEntries) {
  const int expected[MAX_PLAYING_POSITION_INDICES] = {0,  1,  12, 13, 14, 15, 16, 17,
                                                      18, 19, 20, 21, 22, 23, 24};
  for (int position = 0; position < MAX_PLAYING_POSITION_INDICES; ++position) {
    EXPECT_EQ(BASE_PLAYING_DATA::playing_position_rating_index(position), expected[position]);
  }
}

TEST(BasePlayingDataDeathTest, PositionOutsideTheFifteenStopsTheProgram) {
  EXPECT_DEATH(BASE_PLAYING_DATA::playing_position_rating_index(15),
               "Assertion failed: position_index > -1 && position_index < "
               "MAX_PLAYING_POSITION_INDICES");
  POSITION_WEIGHTINGS table;
  EXPECT_DEATH(table.get_weighting(-1, 30), "Assertion failed");
  EXPECT_DEATH(table.set_weighting(15, 30, 1), "Assertion failed");
}

TEST(PositionWeightings, ResetZeroesEveryRowInPlace) {
  POSITION_WEIGHTINGS table;
  table.set_weighting(0, 36, 90);
  table.set_weighting(14, 64, 70);
  table.reset_weightings();
  EXPECT_EQ(table, POSITION_WEIGHTINGS{});
  table.set_weighting(14, 64, 70);
  EXPECT_EQ(table.get_weighting(14, 64), 70);
}

}  // namespace
