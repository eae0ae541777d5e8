#include "platform/shape.h"

#include <QPainter>

shape::shape(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TranslucentBackground);
}

void shape::set_figure(figure value) {
  figure_ = value;
  update();
}

void shape::set_pen(tcolor color, int width) {
  pen_color_ = color;
  pen_width_ = width;
  update();
}

void shape::set_brush(tcolor color, brush_style style) {
  brush_color_ = color;
  brush_style_ = style;
  update();
}

void shape::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing, figure_ == figure::circle);
  QPen pen(color_from_bgr(pen_color_));
  pen.setWidth(pen_width_);
  pen.setJoinStyle(Qt::MiterJoin);
  painter.setPen(pen_width_ > 0 ? pen : QPen(Qt::NoPen));
  painter.setBrush(brush_style_ == brush_style::solid ? QBrush(color_from_bgr(brush_color_))
                                                      : QBrush(Qt::NoBrush));
  // The pen lies inside the figure's bounds, as the layout's sizes count it.
  const qreal inset = pen_width_ / 2.0;
  const QRectF area = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
  if (figure_ == figure::circle)
    painter.drawEllipse(area);
  else
    painter.drawRect(area);
}
