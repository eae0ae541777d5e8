#pragma once

#include <QObject>
#include <vector>

#include "analysis/ability_ranges.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;
class focus_tracker;

// The "Ranges" page: how the players spread over the current or potential ability scale, for an
// age range, as counts, percentages and bars.
class ability_ranges_page : public QObject {
 public:
  ability_ranges_page(QWidget* sheet, focus_tracker& focus);

  // Lays the page out for its mode and draws the graph, or hides it while an age is missing.
  void show_ability_ranges();

  // The band rows' controls, by band in ability_bands(potential) order.
  struct band_row {
    QLabel* caption;
    QLabel* count;
    QLabel* percent;
    QFrame* bar;
  };

 private:
  bool ages_given() const;
  bool age_exit(QLineEdit* edit);
  void show_graph(ability_mode mode);

  QLineEdit* age_from_ = nullptr;
  QLineEdit* age_to_ = nullptr;
  QCheckBox* include_loanees_ = nullptr;
  QRadioButton* ca_mode_ = nullptr;
  QRadioButton* pa_mode_ = nullptr;
  QWidget* graph_panel_ = nullptr;
  QFrame* graph_bg_ = nullptr;
  QLabel* total_ = nullptr;
  QLabel* total_count_ = nullptr;
  QLabel* total_pa_ = nullptr;
  QLabel* total_count_pa_ = nullptr;
  std::vector<band_row> bands_;
};
