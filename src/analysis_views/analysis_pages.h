#pragma once

#include <memory>

#include "analysis_views/analysis_window_hooks.h"

class QWidget;
class ability_ranges_page;
class attribute_averages_page;
class focus_tracker;
class general_counts_page;
class page_control;

// The pages of the main window's "Analysis" page: the averages, and the counts with their
// "General" and "Ranges" pages.
class analysis_pages {
 public:
  analysis_pages(QWidget* averages_sheet, QWidget* counts_sheet, focus_tracker& focus,
                 analysis_window_hooks hooks);
  ~analysis_pages();
  analysis_pages(const analysis_pages&) = delete;
  analysis_pages& operator=(const analysis_pages&) = delete;

  // The counts and the ranges computed afresh: after a file was opened, and when the user leaves
  // the "Staff" page after the record was committed.
  void refresh();

  page_control* counts_page() const { return counts_page_; }

 private:
  page_control* counts_page_;
  QWidget* ranges_sheet_;
  general_counts_page* general_;
  ability_ranges_page* ranges_;
  attribute_averages_page* averages_;
};
