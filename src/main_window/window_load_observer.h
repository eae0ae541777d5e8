#pragma once

#include <QElapsedTimer>

#include "records/load_observer.h"

class Tfrm_main;

// The main window's side of a load: the "IMPORTED" warning, the date masks and the loading
// view over the staff panel. Hiding the loading view puts the list and the pages back as they
// were before it was shown, so a file that fails to load leaves the window as it was; after a
// successful load the caller shows the new file.
class window_load_observer : public load_observer {
 public:
  explicit window_load_observer(Tfrm_main& window) : window_(window) {}

  void show_warning(std::string_view text) override;
  void apply_date_format_to_masks(std::string_view locale_date_order) override;
  void show_loading_view(const std::string& path) override;
  void set_progress_maximum(int maximum) override;
  void step_progress() override;
  void hide_loading_view() override;

 private:
  struct view_before_load {
    bool list_visible = false;
    bool pages_visible = false;
    bool record_pages_visible = false;
    int splitter_handle_width = 0;
  };

  Tfrm_main& window_;
  view_before_load before_{};
  bool loading_view_shown_ = false;
  int position_ = 0;             // where the steps have brought the bar, drawn or not
  QElapsedTimer since_repaint_;  // since the bar was last drawn
};
