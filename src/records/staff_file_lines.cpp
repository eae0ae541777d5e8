#include "staff_file_lines.h"

#include <cstdio>
#include <cstring>

bool staff_file_lines::next(std::string_view& line) {
  if (position_ >= text_.size) {
    return false;
  }
  const char* start = text_.data.get() + position_;
  const std::size_t remaining = text_.size - position_;
  const auto* end = static_cast<const char*>(std::memchr(start, '\n', remaining));
  const std::size_t length = end ? static_cast<std::size_t>(end - start) : remaining;
  position_ += end ? length + 1 : length;
  line = {start, length};
  if (!line.empty() && line.back() == '\r') {
    line.remove_suffix(1);
  }
  ++line_number_;
  return true;
}

std::optional<file_text> read_whole_file(const std::string& path) {
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                             &std::fclose);
  if (!file) {
    return std::nullopt;
  }
  // Read blocks into a buffer that doubles as needed; the first guess is the file's size.
  std::size_t capacity = 1 << 16;
  if (std::fseek(file.get(), 0, SEEK_END) == 0) {
    const long size = std::ftell(file.get());
    capacity = size > 0 ? static_cast<std::size_t>(size) + 1 : capacity;
    std::rewind(file.get());
  }
  file_text text{std::unique_ptr<char[]>(new char[capacity]), 0};
  while (true) {
    text.size += std::fread(text.data.get() + text.size, 1, capacity - text.size, file.get());
    if (text.size < capacity) {
      break;
    }
    auto larger = std::unique_ptr<char[]>(new char[capacity * 2]);
    std::memcpy(larger.get(), text.data.get(), text.size);
    text.data = std::move(larger);
    capacity *= 2;
  }
  if (std::ferror(file.get())) {
    return std::nullopt;
  }
  return text;
}
