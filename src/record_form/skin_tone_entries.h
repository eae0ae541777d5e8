#pragma once

#include <string_view>

class QComboBox;
class QPainter;
class QPalette;
class QRect;

// staff_skin_toneDrawItem: one entry of the skin-tone list is drawn as a swatch of its colour
// over nine tenths of the row with its code to the right; the entry's text itself is never
// shown. Entry 0 (no skin tone) leaves its row blank. An entry whose colour cannot be read
// gets its background only.
void draw_skin_tone_entry(QPainter& painter, const QRect& rect, int index, std::string_view entry,
                          bool selected, const QPalette& palette);

// Draws the combo's drop-down rows and its closed field with draw_skin_tone_entry, in rows 13
// pixels high, 21 of them at most.
void draw_skin_tone_entries(QComboBox* combo);
