#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/staff_file_lines.h"
#include "records_test_support.h"

// The reader takes its lines block by block; lines that straddle two blocks must come out whole.

namespace {

std::vector<std::string> lines_of(const std::filesystem::path& path) {
  staff_file_lines lines;
  EXPECT_TRUE(lines.open(path.string()));
  std::vector<std::string> result;
  std::string_view line;
  while (lines.next(line)) {
    result.emplace_back(line);
    EXPECT_EQ(lines.line_number(), static_cast<int>(result.size()));
  }
  EXPECT_FALSE(lines.failed());
  return result;
}

TEST(StaffFileLines, LinesAcrossBlocksComeOutWholeWithoutTheirLineEnds) {
  const scratch_folder folder;
  std::string text;
  std::vector<std::string> expected;
  // About 3 MB of lines of every length up to the longest allowed, so that block ends fall in
  // the middle of lines and between a carriage return and its line feed.
  for (std::size_t i = 0; text.size() < 3'000'000; ++i) {
    std::string line(i * 7919 % staff_file_lines::max_line_length, static_cast<char>('a' + i % 26));
    text += line + (i % 3 == 0 ? "\r\n" : "\n");
    expected.push_back(std::move(line));
  }
  text += "last line without a line feed";
  expected.emplace_back("last line without a line feed");
  write_text_file(folder / "blocks.staff", text);
  EXPECT_EQ(lines_of(folder / "blocks.staff"), expected);
}

TEST(StaffFileLines, ALineLongerThanABlockComesBackTooLongToBeAccepted) {
  const scratch_folder folder;
  write_text_file(folder / "long.staff", "first\n" + std::string(3'000'000, 'x') + "\nlast\n");
  const std::vector<std::string> lines = lines_of(folder / "long.staff");
  ASSERT_GE(lines.size(), 2U);
  EXPECT_EQ(lines[0], "first");
  EXPECT_GT(lines[1].size(), staff_file_lines::max_line_length);
}

TEST(StaffFileLines, EmptyAndMissingFiles) {
  const scratch_folder folder;
  write_text_file(folder / "empty.staff", "");
  EXPECT_TRUE(lines_of(folder / "empty.staff").empty());
  staff_file_lines lines;
  EXPECT_FALSE(lines.open((folder / "missing.staff").string()));
  std::string_view line;
  EXPECT_FALSE(lines.next(line));
}

}  // namespace
