#include "analysis_views/attribute_averages_page.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "analysis/attribute_averages.h"
#include "analysis_views/staff_entry_list.h"
#include "platform/event_bindings.h"
#include "platform/focus_tracker.h"
#include "platform/item_objects.h"
#include "platform/owner_drawn_list_box.h"
#include "platform/win1252.h"
#include "record_form/field_validation.h"
#include "record_form/grid_text.h"
#include "records/record_store.h"

namespace {

int player_count() {
  const auto& staff = store().staff_list;
  return static_cast<int>(std::count_if(
      staff.begin(), staff.end(), [](const auto& record) { return record && is_player(*record); }));
}

QLabel* result_label(const char* name, QWidget* parent) {
  auto* label = new QLabel(QStringLiteral("0"), parent);
  label->setObjectName(name);
  return label;
}

}  // namespace

attribute_averages_page::attribute_averages_page(QWidget* sheet, focus_tracker& focus,
                                                 analysis_window_hooks hooks)
    : QObject(sheet), sheet_(sheet), hooks_(std::move(hooks)) {
  auto* layout = new QGridLayout(sheet);
  // The main window fills the attribute choices with the other fixed lists.
  attribute_ = new QComboBox(sheet);
  attribute_->setObjectName("avg_attribute_var");
  attribute_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  attribute_->setMinimumContentsLength(24);
  amount_ = new QLineEdit(sheet);
  amount_->setObjectName("avgs_amount_of_staff");
  amount_->setMaxLength(3);
  amount_->setFixedWidth(48);
  include_loanees_ = new QCheckBox(QStringLiteral("Include Loanees"), sheet);
  include_loanees_->setObjectName("avgs_include_loanees");
  grouped_ = new QRadioButton(QStringLiteral("Grouped By Current Ability"), sheet);
  grouped_->setObjectName("RadioButton1");
  grouped_->setChecked(true);
  auto* by_attribute = new QRadioButton(QStringLiteral("Sorted By Attribute Only"), sheet);
  by_attribute->setObjectName("RadioButton2");
  auto* select_all = new QPushButton(QStringLiteral("Select All"), sheet);
  select_all->setObjectName("select_all_staff_btn");
  list_ = make_staff_entry_list(sheet, "avgs_staff_evaluated_list_box");
  QFont underlined = list_->font();
  underlined.setUnderline(true);
  list_->setFont(underlined);
  list_->setCursor(Qt::PointingHandCursor);
  auto* copy = new QPushButton(QStringLiteral("Copy List"), sheet);
  copy->setObjectName("avgs_staff_evaluated_list_box_copy_btn");
  total_ = result_label("avgs_total_value", sheet);
  evaluated_ = result_label("avgs_staff_evaluated", sheet);
  average_ = result_label("avgs_average", sheet);

  int row = 0;
  layout->addWidget(new QLabel(QStringLiteral("Attribute"), sheet), row, 0);
  layout->addWidget(attribute_, row++, 1, 1, 2);
  layout->addWidget(new QLabel(QStringLiteral("Amount To Evaluate"), sheet), row, 0);
  layout->addWidget(amount_, row, 1);
  layout->addWidget(select_all, row++, 2);
  layout->addWidget(include_loanees_, row++, 1, 1, 2);
  layout->addWidget(grouped_, row++, 1, 1, 2);
  layout->addWidget(by_attribute, row++, 1, 1, 2);
  layout->addWidget(new QLabel(QStringLiteral("Total Rating"), sheet), row, 0);
  layout->addWidget(total_, row++, 1);
  layout->addWidget(new QLabel(QStringLiteral("Amount Of Staff"), sheet), row, 0);
  layout->addWidget(evaluated_, row++, 1);
  layout->addWidget(new QLabel(QStringLiteral("Average"), sheet), row, 0);
  layout->addWidget(average_, row++, 1);
  layout->setRowStretch(row, 1);
  layout->addWidget(list_, 0, 3, row + 1, 1);
  layout->addWidget(copy, row + 1, 3, Qt::AlignRight);
  layout->setColumnStretch(3, 1);

  focus.set_exit_handler(amount_, [this] { return amount_exit(); });
  connect(amount_, &QLineEdit::returnPressed, this, [this] { amount_exit(); });
  on_combo_change(attribute_, [this] { process_average(); });
  for (QAbstractButton* button :
       {static_cast<QAbstractButton*>(include_loanees_), static_cast<QAbstractButton*>(grouped_),
        static_cast<QAbstractButton*>(by_attribute)})
    on_button_click(button, [this] { process_average(); });
  on_button_click(select_all, [this] { select_all_staff(); });
  on_button_click(copy, [this] { list_box_copy(list_); });
  connect(list_, &QListWidget::itemDoubleClicked, this, [this] {
    const int index = list_->currentRow();
    if (index >= 0 && hooks_.go_to_staff)
      hooks_.go_to_staff(entry_object<const qor_staff>(list_, index));
  });
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old_focus, QWidget* now) {
    const bool was_inside = old_focus != nullptr && sheet_->isAncestorOf(old_focus);
    const bool is_inside = now != nullptr && sheet_->isAncestorOf(now);
    if (was_inside && !is_inside)
      reset();
  });
}

bool attribute_averages_page::amount_exit() {
  if (!validate_int_range(amount_, 0, player_count()))
    return false;
  process_average();
  return true;
}

void attribute_averages_page::select_all_staff() {
  // The whole count, however many digits it has; leaving the edit checks it and recomputes.
  amount_->setMaxLength(std::max(3, static_cast<int>(QString::number(player_count()).size())));
  amount_->setText(QString::number(player_count()));
  amount_exit();
}

void attribute_averages_page::process_average() {
  const int choice = attribute_->currentIndex();
  if (choice < 0 || amount_->text().isEmpty())
    return;
  list_->clear();
  const average_request request{
      choice, amount_->text().toInt(), include_loanees_->isChecked(), file_data().file_club_id,
      grouped_->isChecked() ? average_mode::grouped_by_ca : average_mode::sorted_by_attribute};
  if (request.amount == 0) {
    write_results(QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"));
    return;
  }
  const average_result result = calculate_average(store().staff_list, request);
  int number = 0;
  for (const averaged_player& player : result.players)
    add_list_entry(list_, from_win1252(averaged_player_line(++number, player)), player.staff);
  const average_texts texts = average_result_texts(result);
  write_results(QString::fromStdString(texts.total), QString::fromStdString(texts.count),
                QString::fromStdString(texts.average));
}

void attribute_averages_page::reset() {
  list_->clear();
  attribute_->setCurrentIndex(-1);
  amount_->clear();
  include_loanees_->setChecked(false);
  write_results(QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"));
}

void attribute_averages_page::write_results(const QString& total, const QString& count,
                                            const QString& average) {
  total_->setText(total);
  evaluated_->setText(count);
  average_->setText(average);
}
