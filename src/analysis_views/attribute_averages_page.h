#pragma once

#include <QObject>

#include "analysis_views/analysis_window_hooks.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QWidget;
class focus_tracker;

// The "Averages" page: the best N players' average at one attribute.
class attribute_averages_page : public QObject {
 public:
  attribute_averages_page(QWidget* sheet, focus_tracker& focus, analysis_window_hooks hooks);

  // Runs the chosen mode once an attribute is chosen and an amount given.
  void process_average();
  // Back to no choice, no amount and zero results (leaving the page, opening a file).
  void reset();

 private:
  bool amount_exit();
  void select_all_staff();
  void write_results(const QString& total, const QString& count, const QString& average);

  QWidget* sheet_;
  analysis_window_hooks hooks_;
  QComboBox* attribute_ = nullptr;
  QLineEdit* amount_ = nullptr;
  QCheckBox* include_loanees_ = nullptr;
  QRadioButton* grouped_ = nullptr;
  QListWidget* list_ = nullptr;
  QLabel* total_ = nullptr;
  QLabel* evaluated_ = nullptr;
  QLabel* average_ = nullptr;
};
