#pragma once

#include <QSize>

// How the main window meets a screen that cannot show it whole: in each direction where the
// screen is not larger than the window, a scroll bar over a third more than the window's size,
// and the window maximised.
struct screen_fit {
  bool horizontal_bar = false;
  int horizontal_range = 0;
  bool vertical_bar = false;
  int vertical_range = 0;
  bool maximise = false;
};

screen_fit fit_window_to_screen(QSize screen, QSize window_outer);
