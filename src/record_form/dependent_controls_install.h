#pragma once

#include "record_form/contract_fields.h"
#include "record_form/dependent_controls.h"
#include "record_form/field_help.h"

class focus_tracker;
class form_controls;

// What the field rules need from the rest of the window.
struct field_rule_services {
  help_panel_setter set_help;              // the status bar's help panel
  contract_clause_actions clause_actions;  // the contract clause list's commands
  form_view_actions views;                 // averages and views refreshed by some exits
};

// Binds the rules that tie the record pages' fields and controls together: the contract, loan,
// transfer and money fields, the classification and job, the detail-free check boxes and the
// exits that do more than check. Runs after install_field_handlers: the enter and exit handlers
// set here replace the ones set there for the same controls and show the help text and check
// the field through the same functions before doing their own part.
void install_field_rules(form_controls& controls, focus_tracker& focus,
                         field_rule_services services);
