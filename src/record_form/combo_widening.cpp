#include "record_form/combo_widening.h"

#include <QComboBox>
#include <QEvent>

#include "platform/combo_helpers.h"
#include "platform/run_guarded.h"
#include "record_form/form_controls.h"

namespace {

constexpr const char* widened_combos[] = {
    "staff_club_co_owned_by",
    "staff_club_contracted",
    "staff_mls_rights_club",
    "staff_draft_club",
    "staff_draft_type",
    "staff_contract_clauses_club",
    "staff_contract_clauses_loan_or_future",
    "staff_contract_clauses_type",
    "staff_contract_clauses_win_or_qualify",
    "staff_contract_clauses_competition",
    "staff_contract_clauses_stage",
    "staff_club_loan_to",
    "staff_injury_injury",
    "staff_club_future_transfer",
    "staff_days_at_club_nation_club",
    "staff_retirement_type",
    "staff_unavailability_type",
    "staff_unavailability_club_comp",
    "staff_unavailability_nation_comp",
    "staff_favourite_staff_reason",
    "staff_favourite_club_club",
    "staff_favourite_club_reason",
    "staff_disliked_club_club",
    "staff_history_club",
    "staff_history_draft_type",
    "staff_non_player_history_club",
    "staff_achievements_club",
    "staff_achievements_club_comp",
    "staff_achievements_nation_comp",
    "staff_long_term_career_club",
    "staff_long_term_career_division",
};
static_assert(std::size(widened_combos) == 31);

// Runs before the combo itself sees the click or key that can drop its list down.
class drop_down_widener : public QObject {
 public:
  explicit drop_down_widener(QComboBox* combo) : QObject(combo), combo_(combo) {
    combo->installEventFilter(this);
  }

 private:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress)
      run_guarded([this] { increase_combo_width(combo_); });
    return false;
  }

  QComboBox* combo_;
};

}  // namespace

void increase_combo_width(QComboBox* combo) {
  int left = 0;
  for (const QWidget* widget = combo; widget->parentWidget() != nullptr;
       widget = widget->parentWidget()) {
    left += widget->x();
  }
  set_dropped_width(combo, combo->window()->width() - left);
}

void widen_before_each_drop_down(QComboBox* combo) {
  new drop_down_widener(combo);
}

void bind_combo_widening(form_controls& controls) {
  for (const char* name : widened_combos) {
    if (auto* combo = controls.get<QComboBox>(name))
      widen_before_each_drop_down(combo);
  }
}
