#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

// The lines of a .staff file, read block by block through one buffer, so that a load never holds
// the whole file in memory nor touches more fresh memory than one block. A line ends at a line
// feed, which is not part of it; a carriage return before the line feed is dropped as well. A
// line stays valid until the next call of `next`.
class staff_file_lines {
 public:
  // Longest line the format allows.
  static constexpr std::size_t max_line_length = 9999;
  // Every line is followed in memory by at least this many bytes that may be read, though they
  // mean nothing, so that a line's last fields can be read in whole words like the others.
  static constexpr std::size_t readable_after_line = 128;

  // False when the file cannot be opened.
  bool open(const std::string& path);

  // The next line, or false at the end of the file or when reading failed. A line longer than
  // the buffer comes back cut to the buffer's size, still longer than max_line_length, so the
  // reader rejects it as it does any over-long line.
  bool next(std::string_view& line);
  // True when a read error, not the end of the file, ended the lines.
  bool failed() const { return failed_; }
  // Number of the line `next` returned last, counting from 1.
  std::int64_t line_number() const { return line_number_; }

 private:
  // Moves the unread bytes to the front of the buffer and reads more after them.
  void fill();

  static constexpr std::size_t buffer_size = 1 << 16;
  static_assert(buffer_size > max_line_length);

  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file_{nullptr, &std::fclose};
  std::unique_ptr<char[]> buffer_;  // buffer_size bytes, then readable_after_line zeros
  std::size_t start_ = 0;           // first unread byte of the buffer
  std::size_t end_ = 0;             // one past the last byte read into it
  bool at_end_ = false;
  bool failed_ = false;
  std::int64_t line_number_ = 0;
};
