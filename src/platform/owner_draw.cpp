#include "platform/owner_draw.h"

#include <QPainter>
#include <QStyleOptionViewItem>

#include "platform/run_guarded.h"

void paint_owner_drawn_entry(QPainter& painter, const QStyleOptionViewItem& option,
                             const std::function<void(QPainter&, bool selected)>& draw) {
  painter.save();
  const bool selected = option.state & QStyle::State_Selected;
  const QPalette& palette = option.palette;
  painter.fillRect(option.rect, palette.color(selected ? QPalette::Highlight : QPalette::Base));
  painter.setPen(palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
  painter.setFont(option.font);
  run_guarded([&] { draw(painter, selected); });
  painter.restore();
}
