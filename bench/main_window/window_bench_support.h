#pragma once

#include <functional>

#include "platform/app_locale.h"

class QElapsedTimer;

// English (United Kingdom) and a clock stopped at 17/05/2013 09:30:15 for one scope, so that
// every run reads and shows the same texts.
class bench_locale : public scoped_app_locale {
 public:
  bench_locale();
};

// A desktop-sized offscreen screen, so that the window stands at its designed size as on a
// desktop: the plain offscreen platform's screen is smaller than the window, which then shows
// scroll bars a desktop never does. Another platform named in QT_QPA_PLATFORM is kept.
void use_desktop_sized_screen();

// Runs the benchmarks the command line asks for inside one QApplication, offscreen unless
// QT_QPA_PLATFORM names a platform. `before_quit` lets go of what must close while the
// application still lives.
int run_window_benchmarks(int argc, char** argv, const std::function<void()>& before_quit = {});

// What the event loop would do next once a handler returns: lay out and paint what changed,
// until three rounds in a row paint nothing (a window event that a layout posts can bring a
// last repaint of the frame a round or two after the rest).
void let_window_settle();

// The time since the timer started, in milliseconds.
double elapsed_ms(const QElapsedTimer& timer);
