#include "sub_records/item_panel_handlers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <cstdint>

#include "platform/app_locale.h"
#include "platform/event_bindings.h"
#include "platform/focus_tracker.h"
#include "record_form/binding_support.h"
#include "record_form/dependent_controls.h"
#include "record_form/editor_state.h"
#include "record_form/field_validation.h"
#include "record_form/field_validation_bounds.h"
#include "record_form/form_controls.h"
#include "record_form/item_selection.h"
#include "sub_records/item_panel_edits.h"
#include "sub_records/item_panel_rules.h"

namespace {

using process_step = void (*)(form_controls&);

enum class check : std::uint8_t { none, int_range, int_range_blank, staff_id, date_range };

// A date range's latest day was written for the program's season and moves with the year.
bool passes(check kind, QWidget* sender, int min, int max) {
  auto* edit = qobject_cast<QLineEdit*>(sender);
  if (edit == nullptr)
    return true;
  switch (kind) {
    case check::none:
      return true;
    case check::int_range:
      return validate_int_range(edit, min, max);
    case check::int_range_blank:
      return validate_int_range_blank(edit, min, max);
    case check::staff_id:
      return validate_staff_id(edit);
    case check::date_range:
      return validate_date_range(edit, min, moved_date_bound(max, app_clock().now().year));
  }
  return true;
}

// A control the user has not changed since it was filled, whatever it shows, is only passed
// through: its check would judge the program's text, not the user's, and the edit step would
// rewrite what the item holds (a flag in another letter case, say) without any edit.
bool passed_through(const QWidget* sender) {
  return !user_changed_since_filled(sender);
}

// The field's check, then the kind's edit step.
template <process_step Process, check Check = check::none, int Min = 0, int Max = 0>
bool checked(QWidget* sender, form_controls& form) {
  if (editor().filling_controls)
    return true;
  if (!passes(Check, sender, Min, Max))
    return false;
  Process(form);
  return true;
}

// The edit step, then the rule that sets the panel's other controls from the item.
template <process_step Process, process_step Then>
bool processed_then(QWidget*, form_controls& form) {
  if (editor().filling_controls)
    return true;
  Process(form);
  Then(form);
  return true;
}

template <bool (*Rule)(QLineEdit*, form_controls&)>
bool edit_rule(QWidget* sender, form_controls& form) {
  auto* edit = qobject_cast<QLineEdit*>(sender);
  return edit == nullptr || Rule(edit, form);
}

template <process_step Rule>
bool form_rule(QWidget*, form_controls& form) {
  Rule(form);
  return true;
}

void non_player_history_club_or_nation(form_controls& form) {
  enable_non_player_history_controls(selected_item<item_kind::non_player_history>().current, form);
}

void long_term_career_place(form_controls& form) {
  enable_long_term_career_controls(selected_item<item_kind::long_term_career>().current, form);
}

constexpr auto on_exit = panel_event::exit;
constexpr auto on_change = panel_event::change;
constexpr auto on_click = panel_event::click;
constexpr auto in_range = check::int_range;
constexpr auto blank_or = check::int_range_blank;
constexpr auto date = check::date_range;

constexpr auto fav_staff = process_staff_favourite_staff_edit;
constexpr auto dis_staff = process_staff_disliked_staff_edit;
constexpr auto fav_club = process_staff_favourite_club_edit;
constexpr auto dis_club = process_staff_disliked_club_edit;
constexpr auto history = process_staff_history_edit;
constexpr auto npt = process_staff_non_player_tendency_edit;
constexpr auto np_history = process_staff_non_player_history_edit;
constexpr auto clause = process_staff_contract_clauses_edit;
constexpr auto injury = process_staff_injury_edit;
constexpr auto achievement = process_staff_achievements_edit;
constexpr auto days = process_staff_days_at_club_nation_edit;
constexpr auto unavailable = process_staff_unavailability_edit;
constexpr auto career = process_staff_long_term_career_edit;

constexpr auto np_place = processed_then<np_history, non_player_history_club_or_nation>;
constexpr auto career_place = processed_then<career, long_term_career_place>;
constexpr auto clause_type = form_rule<staff_contract_clauses_typeChange>;

constexpr panel_handler handlers[] = {
    {"staff_favourite_staff_staff", on_exit, checked<fav_staff>},
    {"staff_favourite_staff_staff_id", on_exit, checked<fav_staff, check::staff_id>},
    {"staff_favourite_staff_rating", on_exit, checked<fav_staff, in_range, 0, 20>},
    {"staff_favourite_staff_permanent", on_click, checked<fav_staff>},
    {"staff_favourite_staff_reason", on_change, checked<fav_staff>},
    {"staff_disliked_staff_staff", on_exit, checked<dis_staff>},
    {"staff_disliked_staff_staff_id", on_exit, checked<dis_staff, check::staff_id>},
    {"staff_disliked_staff_rating", on_exit, checked<dis_staff, in_range, 0, 20>},
    {"staff_disliked_staff_permanent", on_click, checked<dis_staff>},
    {"staff_favourite_club_club", on_change, checked<fav_club>},
    {"staff_favourite_club_club", on_exit, checked<fav_club>},
    {"staff_favourite_club_reason", on_change, checked<fav_club>},
    {"staff_favourite_club_reason", on_exit, checked<fav_club>},
    {"staff_favourite_club_rating", on_exit, checked<fav_club, in_range, 0, 20>},
    {"staff_favourite_club_permanent", on_click, checked<fav_club>},
    {"staff_disliked_club_club", on_change, checked<dis_club>},
    {"staff_disliked_club_club", on_exit, checked<dis_club>},
    {"staff_disliked_club_rating", on_exit, checked<dis_club, in_range, 0, 20>},
    {"staff_disliked_club_permanent", on_click, checked<dis_club>},

    {"staff_history_year", on_exit, edit_rule<staff_history_yearExit>},
    {"staff_history_year_order", on_exit, checked<history, in_range, 0, 10>},
    {"staff_history_club", on_change, checked<history>},
    {"staff_history_on_loan", on_exit, checked<history>},
    {"staff_history_apps", on_exit, checked<history, blank_or, 0, 80>},
    {"staff_history_goals", on_exit, checked<history, blank_or, 0, 80>},
    {"staff_history_date_joined", on_exit, edit_rule<staff_history_date_joinedExit>},
    {"staff_history_date_departed", on_exit, edit_rule<staff_history_date_departedExit>},
    {"staff_history_fee", on_exit, edit_rule<staff_history_feeExit>},
    {"staff_history_fee_currency", on_change, checked<history>},
    {"staff_history_youth_player", on_exit, checked<history>},
    {"staff_history_loan_fee", on_exit, edit_rule<staff_history_loan_feeExit>},
    {"staff_history_loan_fee_currency", on_change, checked<history>},
    {"staff_history_player_exchange_involved", on_exit, checked<history>},
    {"staff_history_draft_allocations_involved", on_exit, checked<history, blank_or, 0, 5>},
    {"staff_history_international_slots_involved", on_exit, checked<history, blank_or, 0, 5>},
    {"staff_history_draft_type", on_change, checked<history>},

    {"staff_language_language", on_change, checked<process_staff_language_edit>},
    {"staff_language_type", on_change, checked<process_staff_language_edit>},
    {"staff_ppm_move", on_change, checked<process_staff_ppm_edit>},
    {"staff_npt_tendency", on_change, checked<npt>},
    {"staff_npt_rating", on_exit, checked<npt, in_range, 0, 20>},

    {"staff_non_player_history_club", on_change, np_place},
    {"staff_non_player_history_nation", on_change, np_place},
    {"staff_non_player_history_job_for_club", on_change, checked<np_history>},
    {"staff_non_player_history_date_joined", on_exit,
     checked<np_history, date, 18700801, 20200701>},
    {"staff_non_player_history_date_departed", on_exit,
     checked<np_history, date, 18700801, 20200701>},
    {"staff_job_job", on_change, checked<process_staff_job_edit>},
    {"staff_job_rating", on_exit, checked<process_staff_job_edit, blank_or, 1, 20>},

    {"staff_contract_clauses_loan_or_future", on_change, clause_type},
    {"staff_contract_clauses_type", on_change, clause_type},
    {"staff_contract_clauses_cash", on_exit, edit_rule<staff_contract_clauses_cashExit>},
    {"staff_contract_clauses_cash_currency", on_change, checked<clause>},
    {"staff_contract_clauses_percentage", on_exit, checked<clause, blank_or, 0, 1000>},
    {"staff_contract_clauses_club", on_change, checked<clause>},
    {"staff_contract_clauses_club", on_exit, checked<clause>},
    {"staff_contract_clauses_number", on_exit, checked<clause, blank_or, 0, 200>},
    {"staff_contract_clauses_win_or_qualify", on_change, checked<clause>},
    {"staff_contract_clauses_competition", on_change, checked<clause>},
    {"staff_contract_clauses_stage", on_change, checked<clause>},
    {"staff_contract_clauses_order", on_exit, checked<clause, blank_or, 0, 200>},

    // The permanence boxes reach the item when they are left, not when clicked.
    {"staff_injury_injury", on_change, checked<injury>},
    {"staff_injury_injured_from", on_exit, checked<injury, date, 19870101, 20131231>},
    {"staff_injury_injured_to", on_exit, checked<injury, date, 19870101, 20150701>},
    {"staff_injury_permanent", on_exit, checked<injury>},
    {"staff_injury_future_permanent", on_exit, checked<injury>},
    {"staff_injury_severity", on_exit, checked<injury, blank_or, 0, 30>},
    {"staff_injury_right_or_left", on_change, checked<injury>},
    {"staff_injury_does_not_train", on_exit, checked<injury>},

    {"staff_achievements_year", on_exit, edit_rule<staff_achievements_yearExit>},
    {"staff_achievements_date", on_exit, checked<achievement, date, 18700801, 20200701>},
    {"staff_achievements_club", on_change, checked<achievement>},
    {"staff_achievements_nation", on_change, checked<achievement>},
    {"staff_achievements_club_comp", on_change, checked<achievement>},
    {"staff_achievements_nation_comp", on_change, checked<achievement>},
    {"staff_achievements_placing", on_change, checked<achievement>},
    {"staff_achievements_job", on_change, checked<achievement>},
    {"staff_achievements_promotion_or_relegation", on_change, checked<achievement>},

    {"staff_days_at_club_nation_type", on_change, checked<days>},
    {"staff_days_at_club_nation_club", on_change, checked<days>},
    {"staff_days_at_club_nation_nation", on_change, checked<days>},
    {"staff_days_at_club_nation_days", on_exit, checked<days, blank_or, 1, 10000>},
    {"staff_days_at_club_nation_fifteen_twentyone", on_click, checked<days>},
    {"staff_days_at_club_nation_stint", on_exit, checked<days, blank_or, 0, 100>},

    {"staff_retirement_type", on_change, checked<process_staff_retirement_edit>},
    {"staff_retirement_date", on_exit,
     checked<process_staff_retirement_edit, date, 19000101, 20200101>},
    {"staff_unavailability_type", on_change, checked<unavailable>},
    {"staff_unavailability_date_from", on_exit, checked<unavailable, date, 19000101, 20200101>},
    {"staff_unavailability_date_to", on_exit, checked<unavailable, date, 19000101, 20200101>},
    {"staff_unavailability_number_of_games", on_exit, checked<unavailable, blank_or, 0, 200>},
    {"staff_unavailability_club_comp", on_change, checked<unavailable>},
    {"staff_unavailability_nation_comp", on_change, checked<unavailable>},

    {"staff_long_term_career_type", on_change, checked<career>},
    {"staff_long_term_career_continent", on_change, career_place},
    {"staff_long_term_career_nation", on_change, career_place},
    {"staff_long_term_career_division", on_change, career_place},
    {"staff_long_term_career_club", on_change, career_place},
    {"staff_long_term_career_job", on_change, career_place},
    {"staff_long_term_career_scope", on_change, checked<career>},
};

using enter_handler = void (*)(QWidget*, const help_panel_setter&);

struct named_enter {
  const char* control;
  enter_handler handler;
};

constexpr named_enter enter_handlers[] = {
    {"staff_history_fee", staff_history_feeEnter},
    {"staff_history_loan_fee", staff_history_loan_feeEnter},
    {"staff_contract_clauses_cash", staff_contract_clauses_cashEnter},
    {"staff_contract_clauses_percentage", staff_contract_clauses_percentageEnter},
};

void bind(const panel_handler& handler, QWidget* control, form_controls& form,
          focus_tracker& focus) {
  const panel_action action = handler.action;
  switch (handler.event) {
    case panel_event::exit:
      watch_user_changes(control);
      focus.set_exit_handler(control, [control, &form, action] {
        return passed_through(control) || action(control, form);
      });
      break;
    case panel_event::change:
      if (auto* combo = qobject_cast<QComboBox*>(control))
        on_combo_change(combo, [combo, &form, action] { action(combo, form); });
      break;
    case panel_event::click:
      if (auto* box = qobject_cast<QCheckBox*>(control))
        on_check_click(box, [box, &form, action] { action(box, form); });
      break;
  }
}

}  // namespace

std::span<const panel_handler> item_panel_handlers() {
  return handlers;
}

void install_item_panel_handlers(form_controls& form, focus_tracker& focus,
                                 help_panel_setter set_help) {
  for (const panel_handler& handler : handlers) {
    if (QWidget* control = form.find(handler.control))
      bind(handler, control, form, focus);
  }
  for (const named_enter& entry : enter_handlers) {
    if (QWidget* control = form.find(entry.control)) {
      focus.set_enter_handler(
          control, [control, handler = entry.handler, set_help] { handler(control, set_help); });
    }
  }
}
