#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

#include "platform/control_tag.h"
#include "platform/dialog_service.h"
#include "record_form/contract_fields.h"
#include "record_form/contract_fields_support.h"
#include "record_form/editor_state.h"
#include "record_form/form_controls.h"

namespace {

// Everything of a loan but the club it goes to.
void clear_loan_terms(form_controls& controls) {
  clear_date_edits(controls, {"staff_club_loan_from", "staff_club_loan_until"});
  set_edit_texts(controls, {"staff_club_loan_buy_amount", "staff_loan_player_wages"}, "");
  select_first_items(controls,
                     {"staff_club_loan_buy_amount_currency", "staff_loan_player_wages_currency"});
  set_edit_texts(controls, {"staff_loaning_club_wages_percentage", "staff_pl_loan_squad_number"},
                 "0");
  untick_boxes(controls, {"staff_club_loan_buy_option", "staff_can_be_recalled"});
}

void enter_visited_combo(form_controls& controls, const char* name) {
  if (auto* combo = controls.get<QComboBox>(name)) {
    contract_fields().saved_combo_tag = control_tag(combo);
    set_control_tag(combo, combo_visit_entered_tag);
  }
}

// The first change of a visit asks its question; the newly chosen club stays whatever the
// answer.
void change_visited_combo(form_controls& controls, const char* name,
                          void (*clear)(form_controls&)) {
  auto* combo = controls.get<QComboBox>(name);
  if (combo == nullptr || control_tag(combo) != combo_visit_entered_tag)
    return;
  clear(controls);
  set_control_tag(combo, combo_visit_changed_tag);
}

}  // namespace

void clear_all_loan_fields(form_controls& controls) {
  if (!answered_yes("Would you like to clear all loan fields?"))
    return;
  select_first_items(controls, {"staff_club_loan_to"});
  clear_loan_terms(controls);
}

void clear_loan_fields(form_controls& controls) {
  if (answered_yes("Would you like to clear all other loan fields?"))
    clear_loan_terms(controls);
}

void clear_future_transfer_fields(form_controls& controls) {
  if (!answered_yes("Would you like to clear all other future transfer fields?"))
    return;
  clear_date_edits(controls, {"staff_club_date_of_future_transfer",
                              "staff_club_date_of_future_transfer_contract_end"});
  set_edit_texts(controls, {"staff_future_transfer_fee", "staff_future_transfer_estimated_wage"},
                 "");
  select_first_items(
      controls, {"staff_future_transfer_fee_currency",
                 "staff_future_transfer_estimated_wage_currency", "staff_future_transfer_job"});
}

void staff_club_loan_toEnter(form_controls& controls) {
  enter_visited_combo(controls, "staff_club_loan_to");
}

void staff_club_loan_toChange(form_controls& controls) {
  change_visited_combo(controls, "staff_club_loan_to", clear_loan_fields);
}

bool staff_club_loan_toExit(form_controls& controls) {
  if (auto* combo = controls.get<QComboBox>("staff_club_loan_to"))
    set_control_tag(combo, contract_fields().saved_combo_tag);
  return true;
}

void staff_club_future_transferEnter(form_controls& controls) {
  enter_visited_combo(controls, "staff_club_future_transfer");
}

void staff_club_future_transferChange(form_controls& controls) {
  change_visited_combo(controls, "staff_club_future_transfer", clear_future_transfer_fields);
}

void staff_club_loan_buy_optionClick(form_controls& controls) {
  if (editor().filling_controls)
    return;
  const auto* box = controls.get<QAbstractButton>("staff_club_loan_buy_option");
  const auto* fee = controls.get<QLineEdit>("staff_club_loan_buy_amount");
  if (box != nullptr && fee != nullptr && box->isChecked() && fee->text().isEmpty())
    show_warning("If you set 'Option To Buy' then 'Fee to Buy' must be set");
}
