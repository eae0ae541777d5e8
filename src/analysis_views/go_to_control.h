#pragma once

class QWidget;

// Makes every tab page that holds the control the current page of its tab widget, from the
// innermost out, then gives the control the focus. Page changes made here are the program's,
// so no page-change handler is asked. Nothing for a null control.
void go_to_control(QWidget* control);
