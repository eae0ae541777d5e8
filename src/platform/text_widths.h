#pragma once

#include <QFontMetricsF>
#include <QString>
#include <QStringView>
#include <array>
#include <unordered_map>

// Widths of texts in one font from each character's advance, looked up once per character:
// laying out each of thousands of list entries costs microseconds apiece, adding up a few
// advances from a table costs nanoseconds. Kerning is left out: it moves a text's width by a
// pixel or so, mostly narrower.
class text_widths {
 public:
  explicit text_widths(const QFont& font);

  // The text's width in whole pixels, rounded up.
  int of(QStringView text);

 private:
  qreal advance(QChar character);

  QFontMetricsF metrics_;
  // Advances of the first 256 characters, which hold every Windows-1252 text but a few signs;
  // negative until looked up.
  std::array<qreal, 256> latin1_;
  std::unordered_map<char16_t, qreal> others_;
};
