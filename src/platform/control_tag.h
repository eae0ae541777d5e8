#pragma once

class QWidget;

// Every control carries an integer Tag, 0 until set; the form's bindings read it to know how a
// control's value is taken back.
int control_tag(const QWidget* control);
void set_control_tag(QWidget* control, int tag);
