#include "record_form/skin_colour.h"

#include <QColor>
#include <charconv>
#include <optional>

#include "record_form/form_text.h"
#include "records/lookup.h"

namespace {

std::optional<std::int32_t> whole_number(std::string_view text) {
  text = trim_spaces(text);
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size())
    return std::nullopt;
  return value;
}

// Splits off the field after the last ';'; nothing when there is no ';'.
std::optional<std::int32_t> take_last_field(std::string& rest) {
  const std::size_t last = rest.rfind(';');
  if (last == std::string::npos)
    return std::nullopt;
  const std::optional<std::int32_t> value = whole_number(std::string_view(rest).substr(last + 1));
  rest = lookup_name(rest);
  return value;
}

std::uint32_t low_8(std::int32_t value) {
  return static_cast<std::uint32_t>(value) & 0xFFu;
}

std::uint32_t low_16(std::int32_t value) {
  return static_cast<std::uint32_t>(value) & 0xFFFFu;
}

struct channel_weights {
  std::uint32_t base;
  std::uint32_t second;
  std::uint32_t third;
};

std::uint8_t shade(const channel_weights& w, std::uint32_t green, std::uint32_t blue) {
  const std::uint32_t t = ((w.second * green + w.base * (255 - green)) >> 8) & 0xFFu;
  return static_cast<std::uint8_t>(((w.third * blue + t * (255 - blue)) >> 8) & 0xFFu);
}

}  // namespace

bool parse_skin_colour_entry(std::string_view entry, tolvan_colour& colour, int& code) {
  std::string rest(entry);
  const std::optional<std::int32_t> parsed_code = take_last_field(rest);
  const std::optional<std::int32_t> blue = take_last_field(rest);
  const std::optional<std::int32_t> green = take_last_field(rest);
  const std::optional<std::int32_t> red = whole_number(rest);
  if (!parsed_code || !blue || !green || !red)
    return false;
  colour.set_red(*red);
  colour.set_green(*green);
  colour.set_blue(*blue);
  code = *parsed_code;
  return true;
}

QColor skin_colour_of(const tolvan_colour& colour) {
  return QColor(static_cast<int>(low_8(colour.get_red())),
                static_cast<int>(low_8(colour.get_green())),
                static_cast<int>(low_8(colour.get_blue())));
}

void recolour_bitmap(QImage& bitmap, const tolvan_colour& base, const tolvan_colour& second,
                     const tolvan_colour& third) {
  if (bitmap.isNull())
    return;
  // A template of another depth (palette, 16 or 32 bits) is read as 24-bit colour, never as
  // raw bytes of its own layout.
  const QImage source = bitmap.convertToFormat(QImage::Format_RGB888);
  const channel_weights red{low_8(base.get_red()), low_16(second.get_red()),
                            low_16(third.get_red())};
  const channel_weights green{low_8(base.get_green()), low_16(second.get_green()),
                              low_16(third.get_green())};
  const channel_weights blue{low_8(base.get_blue()), low_16(second.get_blue()),
                             low_16(third.get_blue())};
  QImage work(source.size(), QImage::Format_RGB888);
  work.fill(Qt::white);
  for (int y = 0; y < source.height(); ++y) {
    const uchar* in = source.constScanLine(y);
    uchar* out = work.scanLine(y);
    for (int x = 0; x < source.width(); ++x, in += 3, out += 3) {
      const std::uint32_t r = in[0];
      const std::uint32_t g = in[1];
      const std::uint32_t b = in[2];
      if (r > 100 && g > 100 && b > 100)
        continue;
      out[0] = shade(red, g, b);
      out[1] = shade(green, g, b);
      out[2] = shade(blue, g, b);
    }
  }
  // The bottom-left pixel's colour is the see-through colour, as in a transparent bitmap.
  QImage result = work.convertToFormat(QImage::Format_ARGB32);
  const QRgb transparent = result.pixel(0, result.height() - 1);
  for (int y = 0; y < result.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
    for (int x = 0; x < result.width(); ++x) {
      if (line[x] == transparent)
        line[x] = qRgba(qRed(transparent), qGreen(transparent), qBlue(transparent), 0);
    }
  }
  bitmap = result;
}
