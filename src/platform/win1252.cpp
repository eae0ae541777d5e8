#include "platform/win1252.h"

#include <array>

namespace {

// 0x80-0x9F are the only bytes where Windows-1252 differs from Latin-1. The five bytes with no
// character (0 here) keep their C1 code point, as Windows itself does, so they survive a round
// trip through a widget.
constexpr std::array<char16_t, 32> high_control_block = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t decode_byte(unsigned char byte) {
  if (byte < 0x80 || byte > 0x9F)
    return byte;
  const char16_t mapped = high_control_block[byte - 0x80];
  return mapped != 0 ? mapped : char16_t{byte};
}

char encode_char(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
    return static_cast<char>(c);
  if (c <= 0x9F && high_control_block[c - 0x80] == 0)
    return static_cast<char>(c);
  for (std::size_t i = 0; i < high_control_block.size(); ++i) {
    if (high_control_block[i] != 0 && high_control_block[i] == c) {
      return static_cast<char>(0x80 + i);
    }
  }
  return '?';
}

}  // namespace

QString from_win1252(std::string_view text) {
  QString result(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
  for (std::size_t i = 0; i < text.size(); ++i) {
    result[static_cast<qsizetype>(i)] = QChar(decode_byte(static_cast<unsigned char>(text[i])));
  }
  return result;
}

void append_from_win1252(std::string_view text, std::u16string& to) {
  for (const char byte : text)
    to.push_back(decode_byte(static_cast<unsigned char>(byte)));
}

std::string to_win1252(const QString& text) {
  std::string result;
  result.reserve(static_cast<std::size_t>(text.size()));
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    // A surrogate pair is one character outside the Basic Multilingual Plane: one '?'.
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
      ++i;
    result.push_back(c.isSurrogate() ? '?' : encode_char(c.unicode()));
  }
  return result;
}
