#pragma once

#include <QWidget>

#include "platform/control_colors.h"

// A filled figure drawn by the program: a rectangle or a circle with a pen and a brush, as the
// form's layout states them. A clear brush leaves what lies beneath showing. It takes no focus.
class shape : public QWidget {
  Q_OBJECT
 public:
  enum class figure { rectangle, circle };
  enum class brush_style { solid, clear };

  explicit shape(QWidget* parent = nullptr);

  void set_figure(figure value);
  void set_pen(tcolor color, int width);
  void set_brush(tcolor color, brush_style style);

  figure shape_figure() const { return figure_; }
  tcolor brush_color() const { return brush_color_; }
  brush_style brush() const { return brush_style_; }
  tcolor pen_color() const { return pen_color_; }
  int pen_width() const { return pen_width_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  figure figure_ = figure::rectangle;
  tcolor brush_color_ = clWhite;
  brush_style brush_style_ = brush_style::solid;
  tcolor pen_color_ = clBlack;
  int pen_width_ = 1;
};
