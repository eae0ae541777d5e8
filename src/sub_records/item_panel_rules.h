#pragma once

#include "record_form/field_help.h"

class QLineEdit;
class QWidget;
class form_controls;

// The detail-panel handlers that do more than check a field and process the edit. Exit rules
// return whether the focus may leave; a refused value shows its message and keeps the focus.
// The latest date or year each accepts is the one written for the program's season, moved to
// the current year. Nothing runs while filling_controls is set.

// Year of a history or achievement: a text that is no whole number shows "Not an integer.";
// 0 (not set) is left without check or processing; another year must lie in 1878..2013.
bool staff_history_yearExit(QLineEdit* year, form_controls& form);
bool staff_achievements_yearExit(QLineEdit* year, form_controls& form);

// History dates, checked against the season the year edit shows: a year of 1878 or less
// checks nothing and stores nothing; no year allows 1 August 1878 to 1 July 2011; otherwise the
// year before to the year after. A date joined before the staff member's earliest season first
// shows the youth-years warning and may then use the wide range.
bool staff_history_date_joinedExit(QLineEdit* date, form_controls& form);
bool staff_history_date_departedExit(QLineEdit* date, form_controls& form);

// Fees (-3 to 999999999, -1 undisclosed, -2 nominal) and the clause cash (0 to 999999999):
// empty or a whole number, processed, then shown again with thousands separators.
bool staff_history_feeExit(QLineEdit* fee, form_controls& form);
bool staff_history_loan_feeExit(QLineEdit* fee, form_controls& form);
bool staff_contract_clauses_cashExit(QLineEdit* cash, form_controls& form);

// A new clause type (or loan-or-future choice) is processed and enables the detail controls
// the type uses; type 12 asks whether the more common type 11 is meant and, on Yes, becomes 11.
void staff_contract_clauses_typeChange(form_controls& form);

// Entering the fee edits and the clause's cash and percentage: the help text, the thousands
// separators removed from a money text, and for a type-27 clause the warning "Please only enter
// percentage or cash/currency" (its answer changes nothing).
void staff_history_feeEnter(QWidget* fee, const help_panel_setter& set_help);
void staff_history_loan_feeEnter(QWidget* fee, const help_panel_setter& set_help);
void staff_contract_clauses_cashEnter(QWidget* cash, const help_panel_setter& set_help);
void staff_contract_clauses_percentageEnter(QWidget* percentage, const help_panel_setter& set_help);
