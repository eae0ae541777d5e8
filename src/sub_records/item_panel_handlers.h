#pragma once

#include <span>

#include "record_form/field_help.h"

class QWidget;
class focus_tracker;
class form_controls;

// The events of the detail panels' controls. Each runs the control's field check, where it has
// one, and then its kind's edit step (item_panel_edits.h), plus the rule some controls add
// (the place of a long-term career, the club or nation of a non-player post, the clause type).
// None does anything while filling_controls is set.
enum class panel_event {
  exit,    // leaving an edit, a combo box or a check box
  change,  // the user's choice in a combo box
  click,   // a change of a check box (the program's too, hence the filling_controls test)
};

// What a control's event runs; for an exit, false keeps the focus in the control.
using panel_action = bool (*)(QWidget* sender, form_controls& form);

struct panel_handler {
  const char* control;
  panel_event event;
  panel_action action;
};

// Every detail control's events, kind by kind.
std::span<const panel_handler> item_panel_handlers();

// Binds them, and the focus-entry handlers of the history fees and the clause's cash and
// percentage, to the controls the form holds. Runs after install_field_handlers, whose enter
// and exit handlers it replaces for these controls (calling enter_field itself where a control
// is entered).
void install_item_panel_handlers(form_controls& form, focus_tracker& focus,
                                 help_panel_setter set_help);
