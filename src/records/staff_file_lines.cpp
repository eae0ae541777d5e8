#include "staff_file_lines.h"

#include <cstring>

bool staff_file_lines::open(const std::string& path) {
  file_.reset(std::fopen(path.c_str(), "rb"));
  if (!file_) {
    return false;
  }
  buffer_ = std::make_unique<char[]>(buffer_size + readable_after_line);
  start_ = end_ = 0;
  at_end_ = failed_ = false;
  line_number_ = 0;
  return true;
}

void staff_file_lines::fill() {
  std::memmove(buffer_.get(), buffer_.get() + start_, end_ - start_);
  end_ -= start_;
  start_ = 0;
  const std::size_t wanted = buffer_size - end_;
  const std::size_t read = std::fread(buffer_.get() + end_, 1, wanted, file_.get());
  end_ += read;
  if (read < wanted) {
    at_end_ = true;
    failed_ = std::ferror(file_.get()) != 0;
  }
}

bool staff_file_lines::next(std::string_view& line) {
  if (!file_) {
    return false;
  }
  const char* feed = nullptr;
  while (true) {
    feed = static_cast<const char*>(std::memchr(buffer_.get() + start_, '\n', end_ - start_));
    if (feed != nullptr || at_end_ || end_ - start_ == buffer_size) {
      break;
    }
    fill();
  }
  const char* begin = buffer_.get() + start_;
  if (feed == nullptr && begin == buffer_.get() + end_) {
    return false;
  }
  const std::size_t length = feed ? static_cast<std::size_t>(feed - begin) : end_ - start_;
  start_ += feed ? length + 1 : length;
  line = {begin, length};
  if (!line.empty() && line.back() == '\r') {
    line.remove_suffix(1);
  }
  ++line_number_;
  return true;
}
