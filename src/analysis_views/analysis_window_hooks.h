#pragma once

#include <QString>
#include <functional>

struct qor_staff;

// What the analysis pages ask of the main window.
struct analysis_window_hooks {
  // Selects the record's entry in the staff list and switches to it as a click would.
  std::function<void(const qor_staff*)> go_to_staff;
  // Commits the record pages into the record on screen.
  std::function<void()> commit_record;
  // Shows the weighted view of the record on screen again after the RCA list.
  std::function<void()> refresh_record_on_screen;
  // Switches every leave check off, as the RCA list does.
  std::function<void()> switch_error_checks_off;
  // The field help panel of the status bar.
  std::function<void(const QString&)> show_help;
};
