#include "sub_records/item_panel_rules.h"

#include <QComboBox>
#include <QLineEdit>
#include <optional>
#include <string>

#include "platform/app_locale.h"
#include "platform/dialog_service.h"
#include "record_form/binding_support.h"
#include "record_form/control_binding.h"
#include "record_form/dependent_controls.h"
#include "record_form/editor_state.h"
#include "record_form/field_validation.h"
#include "record_form/field_validation_bounds.h"
#include "record_form/form_controls.h"
#include "record_form/form_text.h"
#include "record_form/item_apply.h"
#include "record_form/item_selection.h"
#include "record_form/record_pages.h"
#include "sub_records/item_panel_edits.h"

namespace {

constexpr int earliest_season = 1878;
constexpr int latest_season = 2013;
constexpr int earliest_history_date = 18780801;
constexpr int latest_history_date = 20110701;
constexpr long long largest_amount = max_money_amount;
constexpr int lowest_fee = -3;  // -1 undisclosed, -2 nominal
constexpr int fee_after_league_appearances = 11;
constexpr int ask_for_fee_after_league_appearances = 12;
constexpr int cash_or_percentage_only = 27;

constexpr const char* youth_years_warning =
    "The staff member 'date from' is before history year. Only use this to show how many years a "
    "player has spent at a club as a youth player before they signed pro contract.";
constexpr const char* common_clause_question =
    "should this be the more common 'fee after league appearances' clause?";
constexpr const char* cash_or_percentage_warning = "Please only enter percentage or cash/currency";

int today_year() {
  return app_clock().now().year;
}

std::optional<long long> whole_number_in(const QLineEdit* edit) {
  return read_whole_number(widget_text(edit->text()));
}

bool year_exit(QLineEdit* year, form_controls& form, void (*process)(form_controls&)) {
  if (editor().filling_controls)
    return true;
  if (!validate_year_or_zero(year, earliest_season, moved_year_bound(latest_season, today_year())))
    return false;
  if (whole_number_in(year) != 0)
    process(form);
  return true;
}

// The history year the panel shows: none when its edit is empty or unreadable.
std::optional<long long> shown_history_year(form_controls& form) {
  const auto* year = form.get<QLineEdit>("staff_history_year");
  if (year == nullptr || year->text().isEmpty())
    return std::nullopt;
  return whole_number_in(year);
}

bool passes_wide_range(QLineEdit* date) {
  return validate_date_range(date, earliest_history_date,
                             moved_date_bound(latest_history_date, today_year()));
}

// The wide range without a message.
bool within_wide_range(const QLineEdit* date) {
  const form_formats formats = current_formats();
  return check_date_range(widget_text(date->text()), day_from_key(earliest_history_date),
                          day_from_key(moved_date_bound(latest_history_date, today_year())),
                          date_texts_of(formats))
      .accepted;
}

// From 1 January of the year before the season to 31 December of the year after.
bool passes_season_range(QLineEdit* date, long long year) {
  const int season = static_cast<int>(year);
  return validate_date_range(date, (season - 1) * 10000 + 101, (season + 1) * 10000 + 1231);
}

bool accept_and_process(bool accepted, form_controls& form) {
  if (accepted)
    process_staff_history_edit(form);
  return accepted;
}

// A date before 1 January of the staff member's earliest season.
bool before_earliest_season(QLineEdit* date, long long year) {
  const qor_staff_history* shown = selected_item<item_kind::history>().current;
  if (shown == nullptr)
    return false;
  // The vector keeps its order: the grid and the hidden list rely on the order they were filled
  // in, and the earliest year needs no sorting.
  const int earliest = first_history_year(item_owner_id(*shown), static_cast<int>(year),
                                          store().staff_history_list, false);
  if (earliest != year)
    return false;
  const std::optional<calendar_day> day =
      read_date(widget_text(date->text()), date_texts_of(current_formats()));
  return day && day->key() < year * 10000 + 101;
}

bool money_exit(QLineEdit* edit, int lowest, form_controls& form, void (*process)(form_controls&)) {
  if (editor().filling_controls)
    return true;
  if (!edit->text().isEmpty() && !whole_number_in(edit)) {
    show_error("Not an integer.");
    edit->setFocus(Qt::OtherFocusReason);
    return false;
  }
  if (!validate_int_range_blank(edit, lowest, static_cast<int>(largest_amount)))
    return false;
  process(form);
  if (const std::optional<long long> amount = whole_number_in(edit)) {
    edit->setText(display_text(money_text(*amount, current_formats().thousands_separator)));
  }
  return true;
}

// Help text and bare digits, as every field is entered.
void enter_money_or_number(QWidget* control, const help_panel_setter& set_help) {
  if (const control_spec* row = find_control_spec(control_name(control)))
    enter_field(control, *row, set_help);
}

void warn_for_cash_or_percentage_clause() {
  if (editor().filling_controls)
    return;
  const qor_staff_contract_clauses* clause = selected_item<item_kind::contract_clauses>().current;
  if (clause != nullptr && clause->StaffContractClausesType == cash_or_percentage_only)
    message_dialog(cash_or_percentage_warning, message_type::warning,
                   message_buttons::yes_no_cancel);
}

// A date left as the item holds it asks nothing: its warning and checks are for a date typed.
bool left_as_shown(const QLineEdit* date) {
  return editor().filling_controls || untouched_since_filled(date);
}

}  // namespace

bool staff_history_yearExit(QLineEdit* year, form_controls& form) {
  return year_exit(year, form, process_staff_history_edit);
}

bool staff_achievements_yearExit(QLineEdit* year, form_controls& form) {
  return year_exit(year, form, process_staff_achievements_edit);
}

bool staff_history_date_joinedExit(QLineEdit* date, form_controls& form) {
  if (left_as_shown(date))
    return true;
  const std::optional<long long> year = shown_history_year(form);
  if (!year)
    return accept_and_process(passes_wide_range(date), form);
  if (*year <= earliest_season)
    return true;
  if (before_earliest_season(date, *year)) {
    show_warning(youth_years_warning);
    // Either range will do, so only the season range's refusal, after both failed, is shown.
    return accept_and_process(within_wide_range(date) || passes_season_range(date, *year), form);
  }
  return accept_and_process(passes_season_range(date, *year), form);
}

bool staff_history_date_departedExit(QLineEdit* date, form_controls& form) {
  if (left_as_shown(date))
    return true;
  const std::optional<long long> year = shown_history_year(form);
  if (!year)
    return accept_and_process(passes_wide_range(date), form);
  if (*year <= earliest_season)
    return true;
  return accept_and_process(passes_season_range(date, *year), form);
}

bool staff_history_feeExit(QLineEdit* fee, form_controls& form) {
  return money_exit(fee, lowest_fee, form, process_staff_history_edit);
}

bool staff_history_loan_feeExit(QLineEdit* fee, form_controls& form) {
  return money_exit(fee, lowest_fee, form, process_staff_history_edit);
}

bool staff_contract_clauses_cashExit(QLineEdit* cash, form_controls& form) {
  return money_exit(cash, 0, form, process_staff_contract_clauses_edit);
}

void staff_contract_clauses_typeChange(form_controls& form) {
  if (editor().filling_controls)
    return;
  process_staff_contract_clauses_edit(form);
  qor_staff_contract_clauses* clause = selected_item<item_kind::contract_clauses>().current;
  if (clause == nullptr)
    return;
  enable_contract_clause_controls(clause, form);
  if (clause->StaffContractClausesType != ask_for_fee_after_league_appearances)
    return;
  if (message_dialog(common_clause_question, message_type::warning,
                     message_buttons::yes_no_cancel) != dialog_answer::yes) {
    return;
  }
  // The entry is found by its code, not its place in the list, so the type shown is the type
  // stored; a list without it still stores the type.
  auto* types = form.get<QComboBox>("staff_contract_clauses_type");
  if (types != nullptr)
    fill_control_by_code(types, fee_after_league_appearances, text_value_tag);
  if (types == nullptr || shows_unshown_value(types)) {
    clause->StaffContractClausesType = fee_after_league_appearances;
    mark_item_updated(clause->DateUpdated);
  }
  staff_contract_clauses_typeChange(form);
}

void staff_history_feeEnter(QWidget* fee, const help_panel_setter& set_help) {
  enter_money_or_number(fee, set_help);
}

void staff_history_loan_feeEnter(QWidget* fee, const help_panel_setter& set_help) {
  enter_money_or_number(fee, set_help);
}

void staff_contract_clauses_cashEnter(QWidget* cash, const help_panel_setter& set_help) {
  enter_money_or_number(cash, set_help);
  warn_for_cash_or_percentage_clause();
}

void staff_contract_clauses_percentageEnter(QWidget* percentage,
                                            const help_panel_setter& set_help) {
  enter_money_or_number(percentage, set_help);
  warn_for_cash_or_percentage_clause();
}
