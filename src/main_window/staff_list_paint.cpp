#include <QFontInfo>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "main_window/main_window.h"
#include "main_window/staff_list_marks.h"
#include "platform/owner_drawn_list_view.h"
#include "platform/win1252.h"
#include "records/staff_record.h"

namespace {

constexpr int text_indent = 2;

}  // namespace

void Tfrm_main::list_boxDrawItem(QPainter& painter, int index, const QRect& rect, bool selected) {
  if (index < 0 || index >= list_box->count())
    return;
  QString text = list_box->entry_text(index);
  // The entry's record, never a position remembered elsewhere: entries move with every sort.
  if (const auto* staff = entry_object<qor_staff>(list_box, index)) {
    const staff_entry_look look = staff_entry_look_of(*staff, selected);
    painter.setPen(color_from_bgr(look.color));
    text += from_win1252(look.marker.suffix);
    QFont font = painter.font();
    font.setUnderline(look.marker.underlined);
    painter.setFont(font);
  }
  painter.drawText(rect.adjusted(text_indent, 0, 0, 0),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

void Tfrm_main::list_boxMeasureItem(int /*index*/, int& height) {
  height = std::abs(QFontInfo(list_box->font()).pixelSize()) + 3;
}

int Tfrm_main::list_box_entry_width(QStringView text) const {
  // The widest marker is the same for every entry: measured once per font, not once per entry
  // of a list of thousands.
  static QFont measured_font;
  static int widest_marker = -1;
  if (widest_marker < 0 || list_box->font() != measured_font) {
    measured_font = list_box->font();
    widest_marker = 0;
    for (const std::string_view suffix : staff_marker_suffix::all)
      widest_marker = std::max(widest_marker, list_box->text_width(from_win1252(suffix)));
  }
  return text_indent + list_box->text_width(text) + widest_marker;
}
