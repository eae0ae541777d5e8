#include "main_window/screen_fit.h"

screen_fit fit_window_to_screen(QSize screen, QSize window_outer) {
  screen_fit fit;
  // A screen exactly as large as the window still gets the scroll bar: the frame would not fit.
  if (screen.width() <= window_outer.width()) {
    fit.horizontal_bar = true;
    fit.horizontal_range = window_outer.width() + window_outer.width() / 3;
    fit.maximise = true;
  }
  if (screen.height() <= window_outer.height()) {
    fit.vertical_bar = true;
    fit.vertical_range = window_outer.height() + window_outer.height() / 3;
    fit.maximise = true;
  }
  return fit;
}
