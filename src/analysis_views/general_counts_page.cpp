#include "analysis_views/general_counts_page.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "ability/position_weightings.h"
#include "analysis/rca_list.h"
#include "analysis_views/analysis_context.h"
#include "analysis_views/staff_entry_list.h"
#include "platform/item_objects.h"
#include "platform/owner_drawn_list_box.h"
#include "platform/read_only_look.h"
#include "platform/win1252.h"
#include "record_form/grid_text.h"
#include "records/record_store.h"
#include "records/staff_sort.h"

namespace {

constexpr int current_ability_sort_attribute = 70;
constexpr const char* list_help = "Double click on staff to link to their profile";

enum class row_kind { category, rca, difference };

struct count_row {
  int group;
  const char* caption;
  row_kind kind;
  staff_category category;
  const char* edit;    // null for the RCA row
  const char* button;  // null for the difference row
};

struct count_group {
  const char* title;
  int column;
};

constexpr count_group groups[] = {
    {"Players", 0},
    {"Non Players", 0},
    {"Player && Non Player:", 0},
    {"Player / Player && Non Player:", 0},
    {"Staff", 1},
    {"Potential Squad Status", 1},
};

using enum staff_category;
constexpr count_row rows[] = {
    {0, "Overall", row_kind::category, players, "amount_of_players_edit", "view_players_bt"},
    {0, "Contracted", row_kind::category, contracted_players, "amount_of_contracted_players_edit",
     "view_contracted_player_bt"},
    {0, "Contracted To Other Club/Free", row_kind::category, non_contracted_players,
     "amount_of_non_contracted_players_edit", "view_non_contracted_player_bt"},
    {1, "Overall", row_kind::category, non_players, "amount_of_non_players_edit",
     "view_non_player_bt"},
    {1, "Contracted", row_kind::category, contracted_non_players,
     "amount_of_contracted_non_players_edit", "view_contracted_non_player_bt"},
    {1, "Contracted To Other Club/Free", row_kind::category, non_contracted_non_players,
     "amount_of_non_contracted_non_players_edit", "view_non_contracted_non_player_bt"},
    {2, "Overall", row_kind::category, player_non_players, "amount_of_player_non_players_edit",
     "view_player_non_player_bt"},
    {2, "Contracted", row_kind::category, contracted_player_non_players,
     "amount_of_contracted_player_non_players_edit", "view_contracted_player_non_player_bt"},
    {2, "Contracted To Other Club/Free", row_kind::category, non_contracted_player_non_players,
     "amount_of_non_contracted_player_non_players_edit",
     "view_non_contracted_player_non_player_bt"},
    {3, "Missing New Playing Position", row_kind::category, players_missing_position,
     "missing_playing_pos_edit", "view_missing_position_bt"},
    {3, "Missing Current Ability", row_kind::category, players_missing_ca, "missing_pl_ca_edit",
     "view_missing_CA_bt"},
    {3, "Missing Potential Ability", row_kind::category, players_missing_pa, "missing_pl_pa_edit",
     "view_missing_PA_bt"},
    {3, "Missing Current Reputation", row_kind::category, players_missing_cr, "missing_pl_cr_edit",
     "view_missing_CR_bt"},
    {3, "Missing Home Reputation", row_kind::category, players_missing_hr, "missing_pl_hr_edit",
     "view_missing_HR_bt"},
    {3, "Missing World Reputation", row_kind::category, players_missing_wr, "missing_pl_wr_edit",
     "view_missing_WR_bt"},
    {3, "Missing Preferred Foot", row_kind::category, players_missing_preferred_foot,
     "missing_preffered_foot_edit", "view_missing_pref_foot_bt"},
    {3, "Recommended/Current Ability Diff", row_kind::rca, players, nullptr, "BitBtn1"},
    {3, "With CA Increased", row_kind::category, players_ca_increased, "pl_ca_inc_count_edit",
     "view_CA_inc_bt"},
    {3, "With CA Decreased", row_kind::category, players_ca_decreased, "pl_ca_dec_count_edit",
     "view_CA_dec_bt"},
    {3, "Diff", row_kind::difference, players, "pl_ca_diff_edit", nullptr},
    {3, "Missing Visual Appearance", row_kind::category, players_missing_appearance_details,
     "amount_of_players_missing_appearance_details_edit",
     "view_players_missing_appearance_details_bt"},
    {4, "Overall", row_kind::category, staff, "amount_of_staff_edit", "view_staff_bt"},
    {4, "Contracted", row_kind::category, contracted_staff, "amount_of_contracted_staff_edit",
     "view_contracted_staff_bt"},
    {4, "Contracted To Other Club/Free", row_kind::category, non_contracted_staff,
     "amount_of_non_contracted_staff_edit", "view_non_contracted_staff_bt"},
    {4, "Missing Job For Club", row_kind::category, staff_missing_job_for_club,
     "missing_job_for_club_edit", "view_missing_job_for_club_bt"},
    {4, "Missing Birth Details", row_kind::category, staff_missing_birth_details,
     "missing_dob_edit", "view_missing_birth_details_bt"},
    {4, "Loanees", row_kind::category, loan_players, "amount_of_loan_players_edit",
     "view_loan_players_bt"},
    {5, "Above Star Player Range", row_kind::category, above_star_players, "above_pl_edit",
     "view_above_pl_bt"},
    {5, "Star Players", row_kind::category, star_players, "star_pl_edit", "view_star_pl_bt"},
    {5, "First Team Players", row_kind::category, first_team_players, "first_team_pl_edit",
     "view_first_team_pl_bt"},
    {5, "Other Players", row_kind::category, other_players, "other_pl_edit", "view_other_pl_bt"},
    {5, "Youth Players", row_kind::category, youth_players, "youth_pl_edit", "BitBtn2"},
};

bool is_squad_category(staff_category category) {
  return category >= above_star_players && category <= youth_players;
}

// Labels show a doubled "&" as one.
QString label_text(const char* caption) {
  return from_win1252(caption).replace(QStringLiteral("&&"), QStringLiteral("&"));
}

}  // namespace

general_counts_page::general_counts_page(QWidget* sheet, analysis_window_hooks hooks)
    : QObject(sheet), sheet_(sheet), hooks_(std::move(hooks)) {
  // Thirty rows need more height than a small window gives the page: the page scrolls.
  auto* scroll = new QScrollArea(sheet);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  auto* sheet_layout = new QVBoxLayout(sheet);
  sheet_layout->setContentsMargins(0, 0, 0, 0);
  sheet_layout->addWidget(scroll);
  auto* content = new QWidget;
  scroll->setWidget(content);
  auto* layout = new QHBoxLayout(content);
  // Each column stacks its groups from the top, whatever the other column holds.
  std::array<QVBoxLayout*, 2> columns{new QVBoxLayout, new QVBoxLayout};
  std::vector<QGridLayout*> group_layouts;
  for (const count_group& group : groups) {
    auto* box = new QGroupBox(from_win1252(group.title), content);
    auto* box_layout = new QGridLayout(box);
    box_layout->setContentsMargins(6, 4, 6, 4);
    box_layout->setVerticalSpacing(2);
    columns[static_cast<std::size_t>(group.column)]->addWidget(box);
    group_layouts.push_back(box_layout);
  }
  for (QVBoxLayout* column : columns) {
    column->addStretch(1);
    layout->addLayout(column);
  }

  for (const count_row& row : rows) {
    QGridLayout* box = group_layouts[static_cast<std::size_t>(row.group)];
    const int line = box->rowCount();
    box->addWidget(new QLabel(label_text(row.caption)), line, 0);
    if (row.edit != nullptr) {
      auto* edit = new QLineEdit(QStringLiteral("0"));
      edit->setObjectName(row.edit);
      edit->setReadOnly(true);
      show_read_only_look(edit);
      edit->setFixedWidth(48);
      box->addWidget(edit, line, 1);
      if (row.kind == row_kind::category)
        count_edits_[static_cast<std::size_t>(row.category)] = edit;
      else
        difference_edit_ = edit;
    }
    if (row.button != nullptr) {
      auto* button = new QPushButton(QStringLiteral("view"));
      button->setObjectName(row.button);
      button->setFixedWidth(44);
      box->addWidget(button, line, 2);
      if (row.kind == row_kind::rca) {
        connect(button, &QPushButton::clicked, this, [this] { view_rca_list(); });
      } else {
        const staff_category category = row.category;
        connect(button, &QPushButton::clicked, this, [this, category] { view_category(category); });
      }
    }
  }

  auto* list_column = new QVBoxLayout;
  caption_ = new QLabel(content);
  caption_->setObjectName("counts_view_staff_label");
  caption_->setMinimumWidth(225);
  caption_->setAutoFillBackground(true);
  QPalette palette = caption_->palette();
  palette.setColor(QPalette::Window, QColor(0xC0, 0xDC, 0xC0));
  caption_->setPalette(palette);
  list_ = make_staff_entry_list(content, "analysis_list_box");
  list_->setMinimumSize(417, 400);
  list_->setCursor(Qt::PointingHandCursor);
  QFont underlined = list_->font();
  underlined.setUnderline(true);
  list_->setFont(underlined);
  QPalette list_palette = list_->palette();
  list_palette.setColor(QPalette::Text, Qt::blue);
  list_->setPalette(list_palette);
  auto* copy = new QPushButton(QStringLiteral("Copy List"), content);
  copy->setObjectName("analysis_list_box_copy_btn");
  list_column->addWidget(caption_);
  list_column->addWidget(list_, 1);
  list_column->addWidget(copy, 0, Qt::AlignRight);
  layout->addLayout(list_column, 1);

  connect(list_, &QListWidget::itemDoubleClicked, this, [this] { go_to_selected_staff(); });
  connect(copy, &QPushButton::clicked, this, [this] { list_box_copy(list_); });
  connect(qApp, &QApplication::focusChanged, this,
          [this](QWidget* old_focus, QWidget* now_focus) { focus_changed(old_focus, now_focus); });
}

void general_counts_page::update_general_counts() {
  const staff_survey survey(store().staff_list, store().staff_orig_list, current_survey_context());
  for (int index = 0; index < staff_category_count; ++index) {
    if (QLineEdit* edit = count_edits_[static_cast<std::size_t>(index)])
      edit->setText(QString::number(survey.count(static_cast<staff_category>(index))));
  }
  difference_edit_->setText(
      QString::number(survey.count(players_ca_increased) - survey.count(players_ca_decreased)));
}

void general_counts_page::clear_list() {
  list_->clear();
  caption_->clear();
}

void general_counts_page::view_category(staff_category category) {
  const survey_context context = current_survey_context();
  caption_->setText(label_text(category_caption(category, context.ranges).c_str()));
  // The decision rests on the count of the last refresh; the list shows the members now.
  if (count_edits_[static_cast<std::size_t>(category)]->text() == QStringLiteral("0")) {
    list_->clear();
    return;
  }
  if (is_squad_category(category))
    sort_staff(store().staff_list, current_ability_sort_attribute, true);
  const staff_survey survey(store().staff_list, store().staff_orig_list, context);
  list_->clear();
  int number = 0;
  for (const qor_staff* member : survey.members(category))
    add_list_entry(list_, from_win1252(survey.line_text(category, ++number, *member)), member);
}

void general_counts_page::view_rca_list() {
  caption_->setText(QStringLiteral("RCA - CA Diff: CA, RCA, DIFF"));
  list_->clear();
  if (hooks_.switch_error_checks_off)
    hooks_.switch_error_checks_off();
  if (hooks_.commit_record)
    hooks_.commit_record();
  recommended_abilities_.start_list(weightings());
  const auto recommended = [this](const qor_staff& staff) {
    return recommended_abilities_.recommended(staff);
  };
  for (const rca_line& line : list_rca_ca_difference(store().staff_list, recommended))
    add_list_entry(list_, from_win1252(line.text), line.staff);
  if (hooks_.refresh_record_on_screen)
    hooks_.refresh_record_on_screen();
}

void general_counts_page::go_to_selected_staff() {
  const int index = list_->currentRow();
  if (index < 0 || !hooks_.go_to_staff)
    return;
  hooks_.go_to_staff(entry_object<const qor_staff>(list_, index));
}

void general_counts_page::focus_changed(QWidget* old_focus, QWidget* now_focus) {
  const bool was_inside = old_focus != nullptr && sheet_->isAncestorOf(old_focus);
  const bool is_inside = now_focus != nullptr && sheet_->isAncestorOf(now_focus);
  if (was_inside && !is_inside)
    clear_list();
  if (is_inside && hooks_.show_help)
    hooks_.show_help(now_focus == list_ ? QString::fromLatin1(list_help) : QString());
}
