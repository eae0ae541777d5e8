#include "platform/control_colors.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

#include "platform/control_values.h"

namespace {

constexpr tcolor system_color_flag = 0x80000000;
// Kept as long as the program runs, past any control.
control_values<tcolor>& font_colors() {
  static auto* const values = new control_values<tcolor>(clWindowText);
  return *values;
}

control_values<tcursor>& control_cursors() {
  static auto* const values = new control_values<tcursor>(crDefault);
  return *values;
}

struct system_color {
  tcolor color;
  QPalette::ColorRole role;
};

constexpr system_color system_colors[] = {
    {clWindow, QPalette::Base},         {clWindowText, QPalette::WindowText},
    {clHighlight, QPalette::Highlight}, {clHighlightText, QPalette::HighlightedText},
    {clBtnFace, QPalette::Button},
};

}  // namespace

QColor color_from_bgr(tcolor color) {
  if (color & system_color_flag) {
    for (const system_color& entry : system_colors) {
      if (entry.color == color)
        return QApplication::palette().color(entry.role);
    }
    return QApplication::palette().color(QPalette::WindowText);
  }
  return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

void set_font_color(QWidget* control, tcolor color) {
  font_colors().set(control, color);
  QPalette palette = control->palette();
  if (color == clWindowText) {
    // Back to the colour the control would have had, so a theme change still reaches it.
    const QPalette normal = control->parentWidget() ? control->parentWidget()->palette()
                                                    : QApplication::palette(control);
    palette.setColor(QPalette::WindowText, normal.color(QPalette::WindowText));
    palette.setColor(QPalette::Text, normal.color(QPalette::Text));
    palette.setColor(QPalette::ButtonText, normal.color(QPalette::ButtonText));
  } else {
    const QColor shown = color_from_bgr(color);
    palette.setColor(QPalette::WindowText, shown);
    palette.setColor(QPalette::Text, shown);
    palette.setColor(QPalette::ButtonText, shown);
  }
  control->setPalette(palette);
}

tcolor font_color(const QWidget* control) {
  return font_colors().get(control);
}

void set_control_cursor(QWidget* control, tcursor cursor) {
  control_cursors().set(control, cursor);
  if (cursor == crDefault) {
    control->unsetCursor();
  } else {
    control->setCursor(cursor == crHandPoint ? Qt::PointingHandCursor : Qt::WaitCursor);
  }
}

tcursor control_cursor(const QWidget* control) {
  return control_cursors().get(control);
}

void set_screen_cursor(tcursor cursor) {
  while (QApplication::overrideCursor())
    QApplication::restoreOverrideCursor();
  if (cursor == crHourGlass)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  if (cursor == crHandPoint)
    QApplication::setOverrideCursor(Qt::PointingHandCursor);
}
