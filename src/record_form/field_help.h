#pragma once

#include <QString>
#include <functional>
#include <span>
#include <string_view>

class QWidget;
struct control_spec;
struct page_spec;

// Writes a text into the help panel of the status bar (panel 2 of the main window).
using help_panel_setter = std::function<void(const QString&)>;

// The record pages and the controls of the staff tab around them: every control with a help
// text or a field check is found here.
std::span<const page_spec> field_pages();

// The help text of a control of those pages (Windows-1252): null when entering it leaves the
// panel as it is, "" when entering it blanks the panel.
const char* field_help_text(std::string_view control_name);

// Whether entering the control changes the help panel or the control itself.
bool has_enter_action(const control_spec& row);

// Entering a control: its help text into the panel (an empty one blanks it); then a money edit
// loses its thousands separators, so that the amount is edited as bare digits. Enter handlers
// that do more call this first.
void enter_field(QWidget* control, const control_spec& row, const help_panel_setter& set_help);

// Controls whose leaving blanks the panel (the two sort buttons).
bool blanks_help_on_exit(std::string_view control_name);
