#pragma once

#include <string>
#include <string_view>

// What the reader needs of the window: its one warning, the date masks and the loading view
// with its progress bar. The main window implements it; tests and tools pass a recording or a
// silent one. Calls come in this order: show_warning (only for an imported file),
// apply_date_format_to_masks, show_loading_view, set_progress_maximum, step_progress (twice per
// staff record), hide_loading_view, and after a successful load show_warning once more when
// texts had to be changed to be savable. A load that fails after show_loading_view still calls
// hide_loading_view.
class load_observer {
 public:
  virtual ~load_observer() = default;

  // A modal warning with an OK button; the load goes on when it is closed.
  virtual void show_warning(std::string_view text) = 0;
  // Sets the masks and hints of the date edits for the locale's order (no change for "").
  virtual void apply_date_format_to_masks(std::string_view locale_date_order) = 0;
  // Hides the staff list and the record pages, shows the path in the loading label, centres the
  // progress bar, sets it to its minimum, shows it and repaints.
  virtual void show_loading_view(const std::string& path) = 0;
  virtual void set_progress_maximum(int maximum) = 0;
  // Advances the progress bar by one and repaints.
  virtual void step_progress() = 0;
  // Brings back the staff list and the record pages with the first page active.
  virtual void hide_loading_view() = 0;
};

// For callers without a window: ignores everything.
class silent_load_observer : public load_observer {
 public:
  void show_warning(std::string_view) override {}
  void apply_date_format_to_masks(std::string_view) override {}
  void show_loading_view(const std::string&) override {}
  void set_progress_maximum(int) override {}
  void step_progress() override {}
  void hide_loading_view() override {}
};
