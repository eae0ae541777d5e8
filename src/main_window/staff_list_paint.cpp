#include <QFontInfo>
#include <QListWidgetItem>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "main_window/main_window.h"
#include "main_window/staff_list_marks.h"
#include "platform/item_objects.h"
#include "platform/owner_drawn_list_box.h"
#include "platform/win1252.h"
#include "records/staff_record.h"

namespace {

constexpr int text_indent = 2;

}  // namespace

void Tfrm_main::list_boxDrawItem(QPainter& painter, int index, const QRect& rect, bool selected) {
  const QListWidgetItem* entry = list_box->item(index);
  if (entry == nullptr)
    return;
  QString text = entry->text();
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

int Tfrm_main::list_box_entry_width(const QString& text) const {
  static const std::vector<QString> markers = [] {
    std::vector<QString> texts;
    for (const std::string_view suffix : staff_marker_suffix::all)
      texts.push_back(from_win1252(suffix));
    return texts;
  }();
  int widest_marker = 0;
  for (const QString& marker : markers)
    widest_marker = std::max(widest_marker, list_box->text_width(marker));
  return text_indent + list_box->text_width(text) + widest_marker;
}
