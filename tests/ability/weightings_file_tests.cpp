#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ability/position_weightings.h"
#include "records/last_error.h"
#include "records/program_paths.h"
#include "weighting_rows.h"

namespace {

namespace fs = std::filesystem;

constexpr int handling = 36, pace = 64, crossing = 25, workrate = 55, marking = 30;

// Each test gets a program folder of its own with a data folder inside.
class WeightingsFile : public testing::Test {
 protected:
  void SetUp() override {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    folder_ = fs::temp_directory_path() / ("ability_tests_" + std::string(info->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_ / "data");
    set_program_folder(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  fs::path path() const { return folder_ / "data" / "weightings.edt"; }

  void write_file(const std::string& text) const {
    std::ofstream(path(), std::ios::binary) << text;
  }

  // Reads the file into a fresh table, keeping every reported message.
  POSITION_WEIGHTINGS read(const std::string& text) {
    write_file(text);
    POSITION_WEIGHTINGS table;
    EXPECT_TRUE(load_weightings(table, collect()));
    return table;
  }

  weighting_error_reporter collect() {
    return [this](const std::string& message) { messages_.push_back(message); };
  }

  fs::path folder_;
  std::vector<std::string> messages_;
};

TEST_F(WeightingsFile, CommentBlankAndIndentedLinesAreSkippedSilently) {
  const auto table = read(
      "#\"c\";\"GK\";\"Handling\";\"80\"\n"
      "\n"
      " \"c\";\"GK\";\"Handling\";\"70\"\n"
      "\"c\";\"ST\";\"Pace\";\"60\"\n");
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(table.get_weighting(GK, handling), 0);
  EXPECT_EQ(table.get_weighting(ST, pace), 60);
}

TEST_F(WeightingsFile, EveryCodeSetsItsPositions) {
  const auto table = read(
      "\"\";\"GK\";\"Pace\";\"1\"\n"
      "\"\";\"SW\";\"Pace\";\"2\"\n"
      "\"\";\"D RL\";\"Pace\";\"3\"\n"
      "\"\";\"DC\";\"Pace\";\"4\"\n"
      "\"\";\"DM C\";\"Pace\";\"5\"\n"
      "\"\";\"M RL\";\"Pace\";\"6\"\n"
      "\"\";\"M C\";\"Pace\";\"7\"\n"
      "\"\";\"AM RL\";\"Pace\";\"8\"\n"
      "\"\";\"AM C\";\"Pace\";\"9\"\n"
      "\"\";\"ST\";\"Pace\";\"10\"\n"
      "\"\";\"WB RL\";\"Pace\";\"11\"\n");
  EXPECT_TRUE(messages_.empty());
  const int expected[MAX_PLAYING_POSITION_INDICES] = {1, 2, 3, 4, 3,  5,  6, 7,
                                                      6, 8, 9, 8, 10, 11, 11};
  for (int p = 0; p < MAX_PLAYING_POSITION_INDICES; ++p) {
    EXPECT_EQ(table.get_weighting(p, pace), expected[p]) << "position " << p;
  }
}

TEST_F(WeightingsFile, NamesAndCodesMatchExactlyAndUnknownOnesAreReported) {
  const auto table = read(
      "\"\";\"DL\";\"Crossing\";\"50\"\n"
      "\"\";\"D RL\";\"crossing\";\"50\"\n"
      "\"\";\"D RL\";\"Work Rate\";\"50\"\n"
      "\"\";\"gk\";\"Handling\";\"50\"\n"
      "\"\";\"XX\";\"Nonsense\";\"50\"\n"
      "\"\";\"D RL\";\"Workrate\";\"40\"\n");
  EXPECT_EQ(messages_, (std::vector<std::string>{
                           "Could not recognise position 'DL'",
                           "Could not recognise attribute 'crossing'",
                           "Could not recognise attribute 'Work Rate'",
                           "Could not recognise position 'gk'",
                           "Could not recognise attribute 'Nonsense'",
                       }));
  EXPECT_EQ(table.get_weighting(DL, crossing), 0);
  EXPECT_EQ(table.get_weighting(GK, handling), 0);
  EXPECT_EQ(table.get_weighting(DR, workrate), 40);
}

TEST_F(WeightingsFile, WeightIsReadAsALeadingIntegerAndKeptInEightBits) {
  struct weight_case {
    const char* field;
    int read;
  };
  const weight_case cases[] = {
      {"abc", 0}, {"12x", 12}, {" 7", 7},   {"100", 100}, {"101", 100},
      {"-5", 0},  {"200", 0},  {"300", 44}, {"", 0},
  };
  for (const auto& c : cases) {
    const auto table = read(std::string("\"\";\"DC\";\"Marking\";\"") + c.field + "\"\n");
    EXPECT_EQ(table.get_weighting(DC, marking), c.read) << '"' << c.field << '"';
  }
  EXPECT_TRUE(messages_.empty());
}

TEST_F(WeightingsFile, LaterLineForTheSameWeightWins) {
  const auto table = read(
      "\"\";\"GK\";\"Handling\";\"90\"\n"
      "\"\";\"GK\";\"Handling\";\"75\"\n");
  EXPECT_EQ(table.get_weighting(GK, handling), 75);
}

TEST_F(WeightingsFile, IncompleteLinesAreNoWeightingLines) {
  const auto table = read(
      "\"\";\"GK\";\"Handling\"\n"
      "\"\";\"GK\";\"Handling\";\"90\n"
      "plain words\n"
      "\"\";\"ST\";\"Pace\";\"55\"\n");
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(table.get_weighting(GK, handling), 0);
  EXPECT_EQ(table.get_weighting(ST, pace), 55);
}

TEST_F(WeightingsFile, OverlongLinesAndWindowsLineEndsDoNotStopTheReader) {
  const auto table = read("\"" + std::string(20000, 'x') + "\";\"GK\";\"Handling\";\"90\"\r\n" +
                          "\r\n\"\";\"ST\";\"Pace\";\"55\"\r\n");
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(table.get_weighting(GK, handling), 0);
  EXPECT_EQ(table.get_weighting(ST, pace), 55);
}

TEST_F(WeightingsFile, MissingFileIsReportedWithItsPath) {
  POSITION_WEIGHTINGS table;
  EXPECT_FALSE(load_weightings(table, collect()));
  EXPECT_EQ(get_last_error(), "load_weightings - missing " + path().string());
}

TEST_F(WeightingsFile, FileThatCannotBeReadIsReportedWithItsPath) {
  fs::create_directory(path());
  POSITION_WEIGHTINGS table;
  EXPECT_FALSE(load_weightings(table, collect()));
  EXPECT_EQ(get_last_error(), "load_weightings failed to open file " + path().string());
}

TEST_F(WeightingsFile, ReloadReplacesTheWholeTable) {
  write_file("\"\";\"GK\";\"Handling\";\"90\"\n\"\";\"ST\";\"Pace\";\"70\"\n");
  ASSERT_EQ(reload_weightings(), std::nullopt);
  const POSITION_WEIGHTINGS first = weightings();
  ASSERT_EQ(reload_weightings(), std::nullopt);
  EXPECT_EQ(weightings(), first);

  // A weight the file no longer names does not linger from the earlier read.
  write_file("\"\";\"ST\";\"Pace\";\"65\"\n");
  ASSERT_EQ(reload_weightings(), std::nullopt);
  EXPECT_EQ(weightings().get_weighting(GK, handling), 0);
  EXPECT_EQ(weightings().get_weighting(ST, pace), 65);
}

TEST_F(WeightingsFile, ReloadWithoutAFileWarnsAndKeepsTheWeights) {
  write_file("\"\";\"ST\";\"Pace\";\"65\"\n");
  ASSERT_EQ(reload_weightings(), std::nullopt);
  fs::remove(path());
  EXPECT_EQ(reload_weightings(), "load_weightings - missing " + path().string());
  EXPECT_EQ(weightings().get_weighting(ST, pace), 65);

  fs::create_directory(path());
  EXPECT_EQ(reload_weightings(), "load_weightings failed to open file " + path().string());
  EXPECT_EQ(weightings().get_weighting(ST, pace), 65);
}

TEST_F(WeightingsFile, LoadWithoutTableFillsTheProgramTable) {
  write_file("\"\";\"AM C\";\"Crossing\";\"33\"\n");
  EXPECT_TRUE(load_weightings());
  EXPECT_EQ(weightings().get_weighting(AMC, crossing), 33);
}

}  // namespace
