#pragma once

#include <functional>

class QAbstractButton;
class QAction;
class QCheckBox;
class QComboBox;
class QWidget;

// Binds handlers with the meanings the form's rules are written for. Every handler runs guarded:
// an exception it lets out is shown, never ends the program.

// Runs on every change of the box's state, the program's as well as the user's.
void on_check_click(QCheckBox* box, std::function<void()> handler);
// Runs only when the user chooses an item, never when the program sets the selection.
void on_combo_change(QComboBox* combo, std::function<void()> handler);
// Push buttons and the like: runs on the user's click (or click()).
void on_button_click(QAbstractButton* button, std::function<void()> handler);
void on_menu_click(QAction* action, std::function<void()> handler);

// A change of a control's value counts as the user's when its window is the active window and
// the control has the input focus.
bool is_user_change(const QWidget* control);
