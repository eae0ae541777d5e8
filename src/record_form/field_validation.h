#pragma once

#include "record_form/editor_state.h"
#include "record_form/field_validation_checks.h"

class QLineEdit;
class QWidget;
struct control_spec;

// Validators of a control the user is leaving. Each returns true when the value is acceptable;
// otherwise it shows the error dialog (OK) and puts the focus back into the edit, so the user
// cannot leave it without seeing why. An accepted value stays in the edit ("-0" shown as "0")
// and reaches the record at the next commit. An edit still showing the value a record filled it
// with passes unchecked (binding_support.h): that value stays as stored until its text changes.

bool validate_int_range(QLineEdit* edit, int min, int max);
bool validate_int_range_blank(QLineEdit* edit, int min, int max);
bool validate_staff_id(QLineEdit* edit);
bool validate_float_range(QLineEdit* edit, double min, double max,
                          const form_formats& formats = current_formats());
// 0 stands for not set; another year must lie in min..max; no whole number: "Not an integer.".
bool validate_year_or_zero(QLineEdit* edit, int min, int max);
// The no-date text, or a date from `first` to `last` (yyyymmdd) in the locale's order.
bool validate_date_range(QLineEdit* edit, int first, int last,
                         const form_formats& formats = current_formats());

// Reads the edit as a date: false for the no-date text; a text that is not a date shows
// "Invalid date. Date is in format " with the format, puts the focus back and gives false.
bool get_edit_date(QLineEdit* edit, calendar_day& day,
                   const form_formats& formats = current_formats());

// Clearing a date edit shows the no-date text: a blank mask is no date any check accepts.
void clear_date_edit(QLineEdit* edit, const form_formats& formats = current_formats());

// The check of the control's row with the bounds of the program's current year; true for a
// control without a check. Exit handlers that do more than check call this first.
bool validate_field(QWidget* control, const control_spec& row);
// The same for a control of the record pages found by its name.
bool validate_field(QWidget* control);

// The date texts of the checks under the form's formats.
date_check_texts date_texts_of(const form_formats& formats);
