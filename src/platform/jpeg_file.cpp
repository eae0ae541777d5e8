#include "platform/jpeg_file.h"

#include <csetjmp>
#include <cstdio>
#include <memory>

// libjpeg's header needs the standard types declared first.
#include <jpeglib.h>

namespace {

#if defined(JCS_EXTENSIONS) && Q_BYTE_ORDER == Q_LITTLE_ENDIAN
// libjpeg-turbo writes the pixels straight in the layout of a 32-bit picture: no conversion
// when the picture is shown.
constexpr J_COLOR_SPACE pixel_space = JCS_EXT_BGRX;
constexpr QImage::Format pixel_format = QImage::Format_RGB32;
#else
constexpr J_COLOR_SPACE pixel_space = JCS_RGB;
constexpr QImage::Format pixel_format = QImage::Format_RGB888;
#endif

struct error_return {
  jpeg_error_mgr manager;
  std::jmp_buf return_point;
};

[[noreturn]] void return_to_caller(j_common_ptr info) {
  std::longjmp(reinterpret_cast<error_return*>(info->err)->return_point, 1);
}

// Warnings are counted by libjpeg itself; nothing is printed.
void keep_quiet(j_common_ptr) {}

// Only plain C objects live in this frame, so the jump back from libjpeg skips no destructor.
// The image is the caller's.
bool decode(std::FILE* file, QImage* image) {
  jpeg_decompress_struct info;
  error_return failure;
  info.err = jpeg_std_error(&failure.manager);
  failure.manager.error_exit = return_to_caller;
  failure.manager.output_message = keep_quiet;
  if (setjmp(failure.return_point) != 0) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_stdio_src(&info, file);
  jpeg_read_header(&info, TRUE);
  info.out_color_space = pixel_space;
  info.dct_method = JDCT_IFAST;
  jpeg_start_decompress(&info);
  *image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                  pixel_format);
  if (image->isNull()) {  // no memory for a picture of that size
    jpeg_destroy_decompress(&info);
    return false;
  }
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = image->scanLine(static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  const bool damaged = failure.manager.num_warnings != 0;
  jpeg_destroy_decompress(&info);
  return !damaged;
}

}  // namespace

QImage read_jpeg_file(const std::filesystem::path& path) {
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                             std::fclose);
  if (!file)
    return {};
  QImage image;
  if (!decode(file.get(), &image))
    return {};
  return image;
}
