#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// A whole file in memory, read in one go without first zero-filling the buffer.
struct file_text {
  std::unique_ptr<char[]> data;
  std::size_t size = 0;

  std::string_view view() const { return {data.get(), size}; }
};

// The file's bytes, or nothing when it cannot be opened or read.
std::optional<file_text> read_whole_file(const std::string& path);

// The lines of a .staff file held in memory. A line ends at a line feed, which is not part of
// it; a carriage return before the line feed is dropped as well.
class staff_file_lines {
 public:
  // Longest line the format allows.
  static constexpr std::size_t max_line_length = 9999;

  explicit staff_file_lines(file_text text) : text_(std::move(text)) {}

  // The next line, or false at the end of the file.
  bool next(std::string_view& line);
  // Number of the line `next` returned last, counting from 1.
  int line_number() const { return line_number_; }

 private:
  file_text text_;
  std::size_t position_ = 0;
  int line_number_ = 0;
};
