#pragma once

#include <span>

#include "record_form/field_help.h"

class focus_tracker;
class form_controls;
struct page_spec;

// Binds every control of the record pages and the staff tab to its enter and exit handlers:
// entering shows the control's help text (field_help.h), leaving runs its field check
// (field_validation.h) and refuses to leave on an invalid value. The focus tracker keeps one
// handler of each kind per control, so this runs before any handler that does more than help
// and check; such a handler replaces the one set here and calls enter_field or validate_field
// first. Controls the pages lack are passed over.
void install_field_handlers(form_controls& controls, focus_tracker& focus,
                            help_panel_setter set_help);

// The same over the given pages (tests use pages of their own).
void install_field_handlers(form_controls& controls, focus_tracker& focus,
                            help_panel_setter set_help, std::span<const page_spec> pages);
