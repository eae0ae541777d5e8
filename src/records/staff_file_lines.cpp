#include "staff_file_lines.h"

#include <cstdio>
#include <cstring>
#include <memory>

bool staff_file_lines::next(std::string_view& line) {
  if (position_ >= text_.size()) {
    return false;
  }
  const char* start = text_.data() + position_;
  const std::size_t remaining = text_.size() - position_;
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

bool read_whole_file(const std::string& path, std::string& text) {
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                             &std::fclose);
  if (!file) {
    return false;
  }
  text.clear();
  char buffer[1 << 16];
  std::size_t count;
  while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
    text.append(buffer, count);
  }
  return !std::ferror(file.get());
}
