#include "analysis_views/marker_icons.h"

#include <QPainter>
#include <QPen>

#include "records/program_paths.h"

namespace {

constexpr int icon_size = 17;

QPixmap load_or_draw(const char* file_name, QPixmap (*draw)()) {
  const auto path = program_folder() / "img" / "icons" / file_name;
  QPixmap picture(QString::fromStdString(path.string()));
  return picture.isNull() ? draw() : picture;
}

QPixmap draw_icon(const QColor& colour, void (*strokes)(QPainter&)) {
  QPixmap picture(icon_size, icon_size);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  QPen pen(colour, 3.0);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  painter.setPen(pen);
  strokes(painter);
  return picture;
}

}  // namespace

marker_icons load_marker_icons() {
  return {load_or_draw("small_tick_icon_24bit.bmp", draw_tick_icon),
          load_or_draw("cross_small_24bit.bmp", draw_cross_icon)};
}

QPixmap draw_tick_icon() {
  return draw_icon(QColor(0, 140, 40), [](QPainter& painter) {
    const QPointF stroke[] = {{3.5, 9.0}, {7.0, 12.5}, {13.5, 4.5}};
    painter.drawPolyline(stroke, 3);
  });
}

QPixmap draw_cross_icon() {
  return draw_icon(QColor(200, 20, 20), [](QPainter& painter) {
    painter.drawLine(QPointF(4.5, 4.5), QPointF(12.5, 12.5));
    painter.drawLine(QPointF(12.5, 4.5), QPointF(4.5, 12.5));
  });
}
