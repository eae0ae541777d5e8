#pragma once

#include <bit>
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
//
// The line feeds are found 64 bytes at a time and kept as the bits of a word, so that the many
// short lines of a file cost a few instructions each rather than a call of memchr each.
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
  // Inline, as it runs once for each of the many lines of a file.
  bool next(std::string_view& line) {
    std::size_t feed = 0;
    const bool fed = find_feed(feed);
    if (!fed && start_ == end_) {
      return false;
    }
    const char* begin = buffer_.get() + start_;
    // A line without a line feed ends the file or fills the whole buffer.
    const std::size_t length = (fed ? feed : end_) - start_;
    start_ += fed ? length + 1 : length;
    line = {begin, length};
    if (!line.empty() && line.back() == '\r') {
      line.remove_suffix(1);
    }
    ++line_number_;
    return true;
  }
  // True when a read error, not the end of the file, ended the lines.
  bool failed() const { return failed_; }
  // The system's error number for why the file could not be opened or read; 0 when it gave
  // none.
  int error() const { return error_; }
  // Number of the line `next` returned last, counting from 1.
  std::int64_t line_number() const { return line_number_; }

 private:
  // Moves the unread bytes to the front of the buffer and reads more after them.
  void fill();
  // The offset of the next line feed from start_ on; false when there is none.
  bool find_feed(std::size_t& feed) {
    while (feeds_ == 0) {
      if (!look_further()) {
        return false;
      }
    }
    feed = feeds_block_ + static_cast<std::size_t>(std::countr_zero(feeds_));
    feeds_ &= feeds_ - 1;
    return true;
  }
  // Notes the line feeds of the next 64 bytes, reading more of the file first when all bytes in
  // the buffer have been looked at and it has room; false when there are no more bytes.
  bool look_further();

  static constexpr std::size_t buffer_size = 1 << 16;
  static_assert(buffer_size > max_line_length);

  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file_{nullptr, &std::fclose};
  std::unique_ptr<char[]> buffer_;  // buffer_size bytes, then readable_after_line zeros
  std::size_t start_ = 0;           // first unread byte of the buffer
  std::size_t end_ = 0;             // one past the last byte read into it
  std::size_t scanned_ = 0;         // the line feeds before it have been noted
  std::size_t feeds_block_ = 0;     // where the block of feeds_ begins
  std::uint64_t feeds_ = 0;         // bit i: a line feed at feeds_block_ + i not yet returned
  bool at_end_ = false;
  bool failed_ = false;
  int error_ = 0;
  std::int64_t line_number_ = 0;
};
