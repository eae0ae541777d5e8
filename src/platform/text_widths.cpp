#include "platform/text_widths.h"

#include <cmath>

text_widths::text_widths(const QFont& font) : metrics_(font) {
  latin1_.fill(-1);
}

int text_widths::of(QStringView text) {
  qreal width = 0;
  for (const QChar character : text) {
    // Inline for the characters already looked up, nearly all of a long list's.
    const char16_t code = character.unicode();
    width += code < latin1_.size() && latin1_[code] >= 0 ? latin1_[code] : advance(character);
  }
  return static_cast<int>(std::ceil(width));
}

qreal text_widths::advance(QChar character) {
  const char16_t code = character.unicode();
  if (code < latin1_.size()) {
    qreal& known = latin1_[code];
    if (known < 0)
      known = metrics_.horizontalAdvance(character);
    return known;
  }
  const auto [found, added] = others_.try_emplace(code, 0);
  if (added)
    found->second = metrics_.horizontalAdvance(character);
  return found->second;
}
