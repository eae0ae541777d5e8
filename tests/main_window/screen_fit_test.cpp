#include "main_window/screen_fit.h"

#include <gtest/gtest.h>

namespace {

TEST(fit_window_to_screen, scroll_bar_and_maximise_wherever_the_screen_is_not_larger) {
  struct fit_case {
    QSize screen;
    QSize window;
    bool horizontal;
    int horizontal_range;
    bool vertical;
    int vertical_range;
  };
  const fit_case cases[] = {
      {{1920, 1080}, {1336, 900}, false, 0, false, 0},
      {{1024, 1080}, {1200, 900}, true, 1600, false, 0},
      {{1024, 1080}, {1201, 900}, true, 1601, false, 0},
      {{1336, 1080}, {1336, 900}, true, 1781, false, 0},  // exactly as wide
      {{1920, 768}, {1336, 900}, false, 0, true, 1200},
      {{800, 600}, {1336, 900}, true, 1781, true, 1200},
  };
  for (const fit_case& c : cases) {
    const screen_fit fit = fit_window_to_screen(c.screen, c.window);
    EXPECT_EQ(fit.horizontal_bar, c.horizontal) << c.screen.width() << " " << c.window.width();
    EXPECT_EQ(fit.horizontal_range, c.horizontal_range) << c.window.width();
    EXPECT_EQ(fit.vertical_bar, c.vertical) << c.screen.height() << " " << c.window.height();
    EXPECT_EQ(fit.vertical_range, c.vertical_range) << c.window.height();
    EXPECT_EQ(fit.maximise, c.horizontal || c.vertical);
  }
}

}  // namespace
