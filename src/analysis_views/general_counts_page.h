#pragma once

#include <QObject>
#include <array>

#include "analysis/general_counts.h"
#include "analysis/recommended_ability_cache.h"
#include "analysis_views/analysis_window_hooks.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QWidget;

// The "General" page: thirty counts of the loaded staff, each with a button listing its
// members, and the RCA list.
class general_counts_page : public QObject {
 public:
  general_counts_page(QWidget* sheet, analysis_window_hooks hooks);

  // Writes every count over the store's staff as it is now.
  void update_general_counts();
  // Empties the list and its caption (the list's entries point at records).
  void clear_list();

 private:
  void view_category(staff_category category);
  void view_rca_list();
  void go_to_selected_staff();
  void focus_changed(QWidget* old_focus, QWidget* now_focus);

  QWidget* sheet_;
  analysis_window_hooks hooks_;
  QLabel* caption_ = nullptr;
  QListWidget* list_ = nullptr;
  QLineEdit* difference_edit_ = nullptr;
  std::array<QLineEdit*, staff_category_count> count_edits_{};
  // Kept from one RCA list to the next: a player's value is worked out again only when his
  // figures changed.
  recommended_ability_cache recommended_abilities_;
};
