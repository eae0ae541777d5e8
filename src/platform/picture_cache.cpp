#include "platform/picture_cache.h"

#include <map>
#include <system_error>

namespace {

// A picture read before, with the time stamp and size its file had then.
struct read_picture {
  std::filesystem::file_time_type written;
  std::uintmax_t size = 0;
  QImage image;
};

}  // namespace

QImage read_picture_once(const std::filesystem::path& file,
                         QImage (*read)(const std::filesystem::path&)) {
  static std::map<std::filesystem::path, read_picture> read_pictures;
  std::error_code error;
  const auto written = std::filesystem::last_write_time(file, error);
  const std::uintmax_t size = error ? 0 : std::filesystem::file_size(file, error);
  const auto found = read_pictures.find(file);
  if (!error && found != read_pictures.end() && found->second.written == written &&
      found->second.size == size)
    return found->second.image;
  QImage image = read(file);
  if (error || image.isNull())
    read_pictures.erase(file);
  else
    read_pictures[file] = {written, size, image};
  return image;
}
