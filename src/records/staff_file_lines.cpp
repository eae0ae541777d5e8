#include "staff_file_lines.h"

#include <cerrno>
#include <cstring>

#include "byte_blocks.h"

bool staff_file_lines::open(const std::string& path) {
  // "e": close-on-exec, so that no process started during a load holds the file open.
  file_.reset(std::fopen(path.c_str(), "rbe"));
  if (!file_) {
    error_ = errno;
    return false;
  }
  buffer_ = std::make_unique<char[]>(buffer_size + readable_after_line);
  start_ = end_ = scanned_ = feeds_block_ = 0;
  feeds_ = 0;
  at_end_ = failed_ = false;
  error_ = 0;
  line_number_ = 0;
  return true;
}

void staff_file_lines::fill() {
  std::memmove(buffer_.get(), buffer_.get() + start_, end_ - start_);
  end_ -= start_;
  scanned_ -= start_;
  start_ = 0;
  const std::size_t wanted = buffer_size - end_;
  const std::size_t read = std::fread(buffer_.get() + end_, 1, wanted, file_.get());
  end_ += read;
  if (read < wanted) {
    at_end_ = true;
    failed_ = std::ferror(file_.get()) != 0;
    error_ = failed_ ? errno : 0;
  }
}

bool staff_file_lines::look_further() {
  if (scanned_ == end_) {
    if (!file_ || at_end_ || end_ - start_ == buffer_size) {
      return false;
    }
    fill();
    if (scanned_ == end_) {
      return false;
    }
  }
  // The block may reach past end_ into bytes that can be read but mean nothing yet: the
  // buffer is followed by readable_after_line bytes, more than a block.
  static_assert(readable_after_line >= byte_blocks::block_size);
  feeds_block_ = scanned_;
  feeds_ = byte_blocks::bits_of_block(buffer_.get() + scanned_, '\n');
  const std::size_t left = end_ - scanned_;
  if (left < byte_blocks::block_size) {
    feeds_ &= (std::uint64_t{1} << left) - 1;
    scanned_ = end_;
  } else {
    scanned_ += byte_blocks::block_size;
  }
  return true;
}
