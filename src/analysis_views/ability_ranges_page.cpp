#include "analysis_views/ability_ranges_page.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "analysis_views/analysis_context.h"
#include "platform/event_bindings.h"
#include "platform/focus_tracker.h"
#include "record_form/field_validation.h"
#include "records/record_store.h"

namespace {

constexpr int graph_width = 500;
constexpr int max_age = 50;
constexpr int current_band_count = 21;

QString band_caption(const ability_band& band) {
  if (band.lowest == band.highest)
    return QString::number(band.lowest);
  return QStringLiteral("%1 - %2").arg(band.lowest).arg(band.highest);
}

QLabel* named_label(const QString& name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

}  // namespace

ability_ranges_page::ability_ranges_page(QWidget* sheet, focus_tracker& focus) : QObject(sheet) {
  auto* layout = new QVBoxLayout(sheet);
  auto* controls = new QHBoxLayout;
  age_from_ = new QLineEdit(QStringLiteral("1"), sheet);
  age_from_->setObjectName("ranges_age_from");
  age_to_ = new QLineEdit(QStringLiteral("50"), sheet);
  age_to_->setObjectName("ranges_age_to");
  for (QLineEdit* edit : {age_from_, age_to_}) {
    edit->setFixedWidth(40);
    edit->setMaxLength(2);
  }
  include_loanees_ = new QCheckBox(QStringLiteral("Include Loanees:"), sheet);
  include_loanees_->setObjectName("ranges_include_loanees");
  ca_mode_ = new QRadioButton(QStringLiteral("Current Ability Ranges"), sheet);
  ca_mode_->setObjectName("ranges_CA_display_rb");
  ca_mode_->setChecked(true);
  pa_mode_ = new QRadioButton(QStringLiteral("Potential Ability Ranges"), sheet);
  pa_mode_->setObjectName("ranges_PA_display_rb");
  controls->addWidget(new QLabel(QStringLiteral("Age From:"), sheet));
  controls->addWidget(age_from_);
  controls->addWidget(new QLabel(QStringLiteral("To:"), sheet));
  controls->addWidget(age_to_);
  controls->addWidget(include_loanees_);
  controls->addWidget(ca_mode_);
  controls->addWidget(pa_mode_);
  controls->addStretch(1);
  layout->addLayout(controls);

  graph_panel_ = new QWidget(sheet);
  graph_panel_->setObjectName("ranges_graph_panel");
  graph_panel_->hide();
  auto* graph = new QGridLayout(graph_panel_);
  graph->setVerticalSpacing(1);
  graph_bg_ = new QFrame(graph_panel_);
  graph_bg_->setObjectName("graph_bg");
  graph_bg_->setFixedWidth(graph_width);
  graph_bg_->setFrameShape(QFrame::Box);
  // The background and its dividers lie behind the bars in the bar column; a divider stands at
  // every fifth of the width, and each caption above the percentage it names.
  for (int divider = 1; divider <= 5; ++divider) {
    auto* line = new QFrame(graph_bg_);
    line->setObjectName(QStringLiteral("graph_bg_divide_%1").arg(divider));
    line->setFrameShape(QFrame::VLine);
    line->setGeometry(divider * graph_width / 5 - 1, 0, 2, 10000);
  }
  auto* grid_captions = new QWidget(graph_panel_);
  grid_captions->setFixedSize(graph_width + 20, 16);
  for (int percent = 10; percent <= 90; percent += 10) {
    auto* caption = new QLabel(QStringLiteral("%1%").arg(percent), grid_captions);
    caption->adjustSize();
    caption->move(percent * graph_width / 100 - caption->width() / 2, 0);
  }
  graph->addWidget(grid_captions, 0, 3, Qt::AlignLeft);

  const auto all_bands = ability_bands(ability_mode::potential);
  int line = 1;
  for (const ability_band& band : all_bands) {
    const QString stem = QString::fromStdString(band.name);
    const bool minus = band.lowest < 0;
    band_row row{minus ? named_label(QStringLiteral("minus_%1_label").arg(-band.lowest),
                                     band_caption(band), graph_panel_)
                       : new QLabel(band_caption(band), graph_panel_),
                 named_label(stem + "_label", QStringLiteral("0"), graph_panel_),
                 named_label(stem + "_percent_label", QStringLiteral("0.00"), graph_panel_),
                 new QFrame(graph_panel_)};
    row.bar->setObjectName(stem + "_bar");
    row.bar->setFixedHeight(14);
    row.bar->setAutoFillBackground(true);
    QPalette palette = row.bar->palette();
    palette.setColor(QPalette::Window, QColor(0x33, 0x66, 0xCC));
    row.bar->setPalette(palette);
    row.bar->setFixedWidth(0);
    graph->addWidget(row.caption, line, 0);
    graph->addWidget(row.count, line, 1);
    graph->addWidget(row.percent, line, 2);
    graph->addWidget(row.bar, line, 3, Qt::AlignLeft);
    bands_.push_back(row);
    ++line;
    if (line == current_band_count + 1) {
      total_ = named_label("ranges_total", QStringLiteral("Total:"), graph_panel_);
      total_count_ =
          named_label("ranges_amount_of_players_label", QStringLiteral("0"), graph_panel_);
      graph->addWidget(total_, line, 0);
      graph->addWidget(total_count_, line++, 1);
    }
  }
  total_pa_ = named_label("ranges_total_pa", QStringLiteral("Total:"), graph_panel_);
  total_count_pa_ =
      named_label("ranges_amount_of_players_label_pa", QStringLiteral("0"), graph_panel_);
  graph->addWidget(total_pa_, line, 0);
  graph->addWidget(total_count_pa_, line, 1);
  graph->addWidget(graph_bg_, 1, 3, line, 1);
  graph_bg_->lower();
  graph->setColumnMinimumWidth(3, graph_width);
  graph->setColumnStretch(4, 1);  // the rows keep to the left, the graph beside them
  layout->addWidget(graph_panel_);
  layout->addStretch(1);

  for (QLineEdit* edit : {age_from_, age_to_}) {
    focus.set_exit_handler(edit, [this, edit] { return age_exit(edit); });
    // Enter checks the age and redraws as leaving the edit would.
    connect(edit, &QLineEdit::returnPressed, this, [this, edit] { age_exit(edit); });
  }
  const auto redraw = [this] {
    if (ages_given())
      show_ability_ranges();
  };
  on_button_click(include_loanees_, redraw);
  on_button_click(ca_mode_, redraw);
  on_button_click(pa_mode_, redraw);
}

bool ability_ranges_page::ages_given() const {
  return !age_from_->text().isEmpty() && !age_to_->text().isEmpty();
}

bool ability_ranges_page::age_exit(QLineEdit* edit) {
  if (!validate_int_range(edit, 0, max_age))
    return false;
  if (ages_given())
    show_ability_ranges();
  return true;
}

void ability_ranges_page::show_ability_ranges() {
  const bool potential = pa_mode_->isChecked();
  total_->setVisible(!potential);
  total_count_->setVisible(!potential);
  total_pa_->setVisible(potential);
  total_count_pa_->setVisible(potential);
  for (std::size_t i = current_band_count; i < bands_.size(); ++i) {
    for (QWidget* part :
         {static_cast<QWidget*>(bands_[i].caption), static_cast<QWidget*>(bands_[i].count),
          static_cast<QWidget*>(bands_[i].percent), static_cast<QWidget*>(bands_[i].bar)})
      part->setVisible(potential);
  }
  if (!ages_given()) {
    graph_panel_->hide();
    return;
  }
  show_graph(potential ? ability_mode::potential : ability_mode::current);
  graph_panel_->show();
}

void ability_ranges_page::show_graph(ability_mode mode) {
  const ability_range_filter filter{age_from_->text().toInt(), age_to_->text().toInt(),
                                    include_loanees_->isChecked(), file_data().file_club_id};
  const std::vector<int> ages = current_staff_ages();
  const ability_distribution result = distribute_abilities(store().staff_list, ages, filter, mode);
  (mode == ability_mode::potential ? total_count_pa_ : total_count_)
      ->setText(QString::number(result.total));
  for (std::size_t i = 0; i < result.bands.size(); ++i) {
    const band_share& share = result.bands[i];
    bands_[i].count->setText(QString::number(share.count));
    bands_[i].percent->setText(QString::fromStdString(percentage_text(share.percentage)));
    bands_[i].bar->setFixedWidth(bar_width(graph_bg_->width(), share.percentage));
  }
}
