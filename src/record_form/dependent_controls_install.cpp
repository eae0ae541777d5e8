#include "record_form/dependent_controls_install.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

#include "platform/event_bindings.h"
#include "platform/focus_tracker.h"
#include "platform/run_guarded.h"
#include "record_form/classification_rules.h"
#include "record_form/combo_widening.h"
#include "record_form/field_validation.h"
#include "record_form/form_controls.h"
#include "record_form/record_pages.h"

namespace {

using rule = void (*)(form_controls&);

struct named_rule {
  const char* control;
  rule handler;
};

// Run on every change of the box, the program's as well as the user's.
constexpr named_rule box_rules[] = {
    {"radiobutton_staff_club_contract", radiobutton_staff_club_contractClick},
    {"radiobutton_staff_nation_contract", radiobutton_staff_nation_contractClick},
    {"radiobutton_staff_club_contract_mls_specific",
     radiobutton_staff_club_contract_mls_specificClick},
    {"staff_club_loan_buy_option", staff_club_loan_buy_optionClick},
    {"staff_caretaker_manager", staff_caretaker_managerClick},
    {"staff_marked_for_deletion", staff_marked_for_deletionClick},
    {"staff_not_for_extraction", staff_not_for_extractionClick},
    {"staff_female", staff_femaleClick},
};

// Run only on the user's click: a record is shown as stored, even with two of these ticked.
constexpr named_rule exclusive_box_rules[] = {
    {"staff_permanent_injury", staff_permanent_injuryClick},
    {"staff_future_permanent_injury", staff_future_permanent_injuryClick},
    {"staff_nation_declared", staff_nation_declaredClick},
    {"staff_second_nation_declared", staff_second_nation_declaredClick},
    {"staff_third_nation_declared", staff_third_nation_declaredClick},
};

// Run only on the user's choice.
constexpr named_rule combo_rules[] = {
    {"staff_classification", staff_classificationChange},
    {"staff_classification2", staff_classification2Change},
    {"staff_club_job_for", staff_club_job_forChange},
    {"staff_club_contracted", staff_club_contractedChange},
    {"staff_club_loan_to", staff_club_loan_toChange},
    {"staff_club_future_transfer", staff_club_future_transferChange},
};

// Entering shows the help text first, then marks the visit.
constexpr named_rule enter_rules[] = {
    {"staff_club_loan_to", staff_club_loan_toEnter},
    {"staff_club_future_transfer", staff_club_future_transferEnter},
};

constexpr const char* currency_edits[] = {"staff_club_loan_buy_amount", "staff_loan_player_wages",
                                          "staff_future_transfer_fee"};
constexpr const char* foot_edits[] = {"staff_pl_left_foot", "staff_pl_right_foot"};
constexpr const char* region_combos[] = {
    "staff_local_region_of_birth", "staff_first_name_local_region",
    "staff_second_name_local_region", "staff_local_region_of_residence"};

void on_box_change(QAbstractButton* box, std::function<void()> handler) {
  QObject::connect(box, &QAbstractButton::toggled, box,
                   [handler = std::move(handler)](bool) { run_guarded(handler); });
}

template <class Widget>
void for_each_control(form_controls& controls, std::span<const char* const> names,
                      const std::function<void(Widget*)>& bind) {
  for (const char* name : names) {
    if (auto* control = controls.get<Widget>(name))
      bind(control);
  }
}

void bind_money_exits(form_controls& controls, focus_tracker& focus,
                      const help_panel_setter& set_help) {
  for_each_control<QLineEdit>(controls, currency_edits, [&](QLineEdit* edit) {
    focus.set_exit_handler(edit, [edit] { return currency_field_exit(edit); });
  });
  for_each_control<QLineEdit>(controls, wage_edit_names(), [&](QLineEdit* edit) {
    if (const control_spec* row = find_control_spec(edit->objectName().toStdString())) {
      focus.set_enter_handler(edit, [edit, row, set_help] {
        wage_field_enter(edit);
        enter_field(edit, *row, set_help);
      });
    }
    focus.set_exit_handler(edit, [edit, &controls] { return wage_field_exit(edit, controls); });
  });
}

void bind_view_exits(form_controls& controls, focus_tracker& focus) {
  if (QWidget* edit = controls.find("staff_pl_current_reputation")) {
    focus.set_exit_handler(
        edit, [edit, &controls] { return staff_pl_current_reputationExit(edit, controls); });
  }
  for_each_control<QWidget>(controls, foot_edits, [&](QWidget* edit) {
    focus.set_exit_handler(edit, [edit, &controls] { return staff_pl_footExit(edit, controls); });
  });
}

}  // namespace

void install_field_rules(form_controls& controls, focus_tracker& focus,
                         field_rule_services services) {
  contract_fields().clause_actions = std::move(services.clause_actions);
  form_views() = std::move(services.views);
  for (const named_rule& rule : box_rules) {
    if (auto* box = controls.get<QAbstractButton>(rule.control))
      on_box_change(box, [&controls, handler = rule.handler] { handler(controls); });
  }
  for (const named_rule& rule : exclusive_box_rules) {
    if (auto* box = controls.get<QAbstractButton>(rule.control))
      on_button_click(box, [&controls, handler = rule.handler] { handler(controls); });
  }
  for (const named_rule& rule : combo_rules) {
    if (auto* combo = controls.get<QComboBox>(rule.control))
      on_combo_change(combo, [&controls, handler = rule.handler] { handler(controls); });
  }
  for (const named_rule& rule : enter_rules) {
    QWidget* control = controls.find(rule.control);
    const control_spec* row = find_control_spec(rule.control);
    if (control == nullptr || row == nullptr)
      continue;
    focus.set_enter_handler(
        control, [&controls, control, row, handler = rule.handler, set_help = services.set_help] {
          enter_field(control, *row, set_help);
          handler(controls);
        });
  }
  if (QWidget* club = controls.find("staff_club_contracted"))
    focus.set_exit_handler(club, [&controls] { return staff_club_contractedExit(controls); });
  if (QWidget* loan = controls.find("staff_club_loan_to"))
    focus.set_exit_handler(loan, [&controls] { return staff_club_loan_toExit(controls); });
  bind_money_exits(controls, focus, services.set_help);
  bind_view_exits(controls, focus);
  // The region lists are long too: they open out to the window's right edge like the others.
  for_each_control<QComboBox>(controls, region_combos, widen_before_each_drop_down);
}
