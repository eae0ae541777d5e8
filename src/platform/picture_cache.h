#pragma once

#include <QImage>
#include <filesystem>

// Reads a picture file with `read`, but decodes it again only when it is new or its time stamp
// or size changed since the last read of that path, so that showing the next record does not
// decode the same pictures again. A file that cannot be read gives `read`'s null image and is
// tried again next time.
QImage read_picture_once(const std::filesystem::path& file,
                         QImage (*read)(const std::filesystem::path&));
