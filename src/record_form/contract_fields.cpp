#include "record_form/contract_fields.h"

#include <QAbstractButton>
#include <QComboBox>
#include <string>

#include "platform/dialog_service.h"
#include "platform/event_bindings.h"
#include "platform/string_grid.h"
#include "record_form/contract_fields_support.h"
#include "record_form/control_binding.h"
#include "record_form/dependent_controls.h"
#include "record_form/editor_state.h"
#include "record_form/form_controls.h"
#include "records/record_store.h"
#include "records/staff_record.h"

namespace {

constexpr const char* club_contract_box = "radiobutton_staff_club_contract";
constexpr const char* nation_contract_box = "radiobutton_staff_nation_contract";
constexpr const char* mls_box = "radiobutton_staff_club_contract_mls_specific";

// What an unticked contract box resets once the user has confirmed it.
void reset_club_contract(form_controls& controls) {
  // Item 0 of a club combo is "no club": chosen as such, the commit stores club 0.
  if (auto* club = controls.get<QComboBox>("staff_club_contracted"))
    fill_club_control(club, 0, text_value_tag);
  clear_date_edits(controls, {"staff_club_date_joined", "staff_club_contract_expires",
                              "staff_club_signed_last_contract"});
  set_edit_texts(controls, {"staff_club_contract_extension_option"}, "");
}

void reset_nation_contract(form_controls& controls) {
  if (auto* nation = controls.get<QComboBox>("staff_nation_contracted"))
    fill_control(nation, std::string_view(), text_value_tag);
  clear_date_edits(controls, {"staff_nation_date_joined", "staff_nation_contract_expires"});
}

struct contract_box {
  const char* box;
  const char* panel;
  const char* question;
  void (*reset)(form_controls&);
  bool disables_panel;
};

void run_contract_box_rule(form_controls& controls, const contract_box& rule) {
  auto* box = controls.get<QAbstractButton>(rule.box);
  if (box == nullptr)
    return;
  if (box->isChecked()) {
    enable_child_controls(controls.find(rule.panel));
    return;
  }
  // Showing a record sets the box as well, even while the user's focus rests on it.
  const bool by_user = !editor().filling_controls && is_user_change(box);
  if (by_user &&
      ask_before_destroying(rule.question, message_buttons::ok_cancel) != dialog_answer::ok) {
    box->setChecked(true);
    return;
  }
  if (rule.disables_panel)
    disable_child_controls(controls.find(rule.panel));
  if (by_user)
    rule.reset(controls);
}

// The contract details a change of club makes doubtful.
void clear_contract_details(form_controls& controls) {
  select_first_items(controls,
                     {"staff_contract_type", "staff_contract_length", "staff_club_co_owned_by"});
  set_edit_texts(controls, {"staff_club_contract_extension_option"}, "0");
  // The month and year edits only show the weekly wage another way.
  set_edit_texts(controls,
                 {"staff_club_estimated_wage", "staff_club_estimated_wage_month",
                  "staff_club_estimated_wage_year"},
                 "");
  clear_date_edits(controls, {"staff_club_date_joined", "staff_club_signed_last_contract",
                              "staff_club_contract_expires"});
}

void offer_changed_club_clearing(form_controls& controls) {
  if (answered_yes("You have changed contracted club. Would you like to clear squad number?"))
    set_edit_texts(controls, {"staff_pl_squad_number"}, "0");
  if (answered_yes("You have changed contracted club. Would you like to clear current contract "
                   "details?")) {
    clear_contract_details(controls);
  }
}

void offer_no_club_clearing(form_controls& controls) {
  if (answered_yes("Would you like to clear all other club contact fields?")) {
    clear_contract_details(controls);
    set_edit_texts(controls, {"staff_club_co_owned_by_percentage"}, "0");
    set_edit_texts(controls, {"staff_loan_player_wages"}, "");
  }
  const auto* classification = controls.get<QComboBox>("staff_classification");
  const int shown = classification != nullptr ? classification->currentIndex() : -1;
  if ((shown == 1 || shown == 3) && answered_yes("Would you like to clear board/fan confidence?"))
    set_edit_texts(controls, {"staff_np_board_confidence", "staff_np_fans_confidence"}, "0");
}

int selected_index(form_controls& controls, const char* name) {
  const auto* combo = controls.get<QComboBox>(name);
  return combo != nullptr ? combo->currentIndex() : -1;
}

void offer_clause_deletion(form_controls& controls, std::int32_t staff_id) {
  const contract_clause_actions& actions = contract_fields().clause_actions;
  const auto* grid = controls.get<string_grid>("staff_contract_clauses_string_grid");
  if (grid != nullptr && grid->row_count() > 1 && actions.delete_contract_clauses)
    actions.delete_contract_clauses();
  if (!actions.count_next_sale_percentage_clauses)
    return;
  const int count = actions.count_next_sale_percentage_clauses(staff_id);
  if (count <= 0)
    return;
  const std::string number = std::to_string(count);
  const std::string question =
      count == 1 ? "There is " + number +
                       " 'next sale percentage' contract clause. Do you want to delete it?"
                 : "There are " + number +
                       " 'next sale percentage' contract clauses. Do you want to delete them?";
  if (ask_before_destroying(question, message_buttons::yes_no_cancel) == dialog_answer::yes &&
      actions.delete_next_sale_percentage_clauses) {
    actions.delete_next_sale_percentage_clauses(staff_id);
  }
}

}  // namespace

contract_field_state& contract_fields() {
  static contract_field_state state;
  return state;
}

void radiobutton_staff_club_contractClick(form_controls& controls) {
  run_contract_box_rule(controls,
                        {club_contract_box, "panel_staff_club_contract",
                         "Are you sure? This will result in his club contract being reset.",
                         reset_club_contract, true});
}

void radiobutton_staff_nation_contractClick(form_controls& controls) {
  run_contract_box_rule(controls,
                        {nation_contract_box, "panel_staff_nation_contract",
                         "Are you sure? This will result in his nation contract being reset.",
                         reset_nation_contract, false});
}

void radiobutton_staff_club_contract_mls_specificClick(form_controls& controls) {
  const auto* box = controls.get<QAbstractButton>(mls_box);
  if (box == nullptr)
    return;
  QWidget* panel = controls.find("panel_staff_club_contract_mls");
  if (box->isChecked())
    enable_child_controls(panel);
  else
    disable_child_controls(panel);
}

void staff_club_contractedChange(form_controls&) {
  contract_fields().contracted_club_changed = true;
}

bool staff_club_contractedExit(form_controls& controls) {
  contract_field_state& state = contract_fields();
  const qor_staff* staff = editor().current_staff;
  if (staff != nullptr) {
    if (is_player(*staff) && state.contracted_club_changed)
      offer_changed_club_clearing(controls);
    if (selected_index(controls, "staff_club_contracted") == 0)
      offer_no_club_clearing(controls);
    if (selected_index(controls, "staff_club_loan_to") > 0)
      clear_all_loan_fields(controls);
    offer_clause_deletion(controls, staff->StaffID);
  }
  state.contracted_club_changed = false;
  return true;
}
