#pragma once

class QWidget;
class form_controls;

// Copies the detail panel holding `focused` into the item it shows, through its kind's edit
// step, for a command that leaves the record or writes the file while the user is still in the
// panel. Nothing when `focused` lies in no item panel, or is a control the user has not changed
// since it was filled.
void commit_focused_item_panel(form_controls& form, const QWidget* focused);
