#include <gtest/gtest.h>

#include <algorithm>
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

// The lines of a text as the reader must give them.
std::vector<std::string> split_lines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t feed = std::min(text.find('\n', start), text.size());
    std::string line = text.substr(start, feed - start);
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    lines.push_back(std::move(line));
    start = feed + 1;
  }
  return lines;
}

TEST(StaffFileLines, ShortLinesComeOutWholeWhereverTheirLineFeedsFall) {
  const scratch_folder folder;
  // Empty lines and lines of up to 200 characters, several line feeds to each 64 bytes the
  // line feeds are looked for in, and as many lines across them and across the buffer's end.
  std::string text;
  for (std::size_t i = 0; text.size() < 300'000; ++i) {
    const std::string line(i * 37 % 201 * (i % 5 != 0), static_cast<char>('a' + i % 26));
    text += line + (i % 4 == 0 ? "\r\n" : "\n");
  }
  // Files that end at various places of their last 64 bytes, after what the buffer held before.
  for (const std::size_t size : {100'000, 150'001, 200'033, 250'017, 300'000}) {
    const std::string cut = text.substr(0, size);
    write_text_file(folder / "short.staff", cut);
    EXPECT_EQ(lines_of(folder / "short.staff"), split_lines(cut)) << size;
  }
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
