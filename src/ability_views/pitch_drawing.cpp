#include "ability_views/pitch_drawing.h"

#include <QPainter>
#include <algorithm>

namespace {

constexpr int stripes = 10;
const QColor grass(46, 128, 52);
const QColor lighter_grass(56, 142, 60);
const QColor chalk(235, 240, 235);

// A penalty area with its goal area and spot, against the goal line at `goal_y`; `inward` is 1
// for the top goal and -1 for the bottom one.
void draw_goal_end(QPainter& painter, const QRectF& field, qreal goal_y, int inward) {
  const qreal unit = field.width() / 68.0;  // metres, a pitch being 68 wide
  const qreal middle = field.center().x();
  const auto box = [&](qreal half_width, qreal depth) {
    const qreal far_y = goal_y + inward * depth * unit;
    painter.drawRect(QRectF(QPointF(middle - half_width * unit, std::min(goal_y, far_y)),
                            QPointF(middle + half_width * unit, std::max(goal_y, far_y))));
  };
  box(20.16, 16.5);
  box(9.16, 5.5);
  painter.drawEllipse(QPointF(middle, goal_y + inward * 11.0 * unit), 1.0, 1.0);
}

}  // namespace

QPixmap draw_pitch(QSize size) {
  QPixmap pitch(size);
  QPainter painter(&pitch);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal stripe_height = size.height() / static_cast<qreal>(stripes);
  for (int stripe = 0; stripe < stripes; ++stripe) {
    painter.fillRect(QRectF(0, stripe * stripe_height, size.width(), stripe_height + 1),
                     stripe % 2 == 0 ? lighter_grass : grass);
  }
  QPen line(chalk);
  line.setWidthF(1.5);
  painter.setPen(line);
  painter.setBrush(Qt::NoBrush);
  const QRectF field = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(8, 8, -8, -8);
  painter.drawRect(field);
  painter.drawLine(QPointF(field.left(), field.center().y()),
                   QPointF(field.right(), field.center().y()));
  painter.drawEllipse(field.center(), field.width() * 9.15 / 68.0, field.width() * 9.15 / 68.0);
  draw_goal_end(painter, field, field.top(), 1);
  draw_goal_end(painter, field, field.bottom(), -1);
  return pitch;
}
