#pragma once

#include <QImage>
#include <filesystem>

// Reads a JPEG file with libjpeg. A missing, unreadable, damaged or cut-short file gives a null
// image: libjpeg's errors return here instead of ending the program, and any warning about the
// data (a premature end, a corrupt entropy code) counts as damage.
QImage read_jpeg_file(const std::filesystem::path& path);
