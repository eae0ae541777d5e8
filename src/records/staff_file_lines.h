#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The lines of a .staff file held in memory. A line ends at a line feed, which is not part of
// it; a carriage return before the line feed is dropped as well.
class staff_file_lines {
 public:
  // Longest line the format allows.
  static constexpr std::size_t max_line_length = 9999;

  explicit staff_file_lines(std::string text) : text_(std::move(text)) {}

  // The next line, or false at the end of the file.
  bool next(std::string_view& line);
  // Number of the line `next` returned last, counting from 1.
  int line_number() const { return line_number_; }

 private:
  std::string text_;
  std::size_t position_ = 0;
  int line_number_ = 0;
};

// The whole file, or false when it cannot be opened or read.
bool read_whole_file(const std::string& path, std::string& text);
