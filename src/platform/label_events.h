#pragma once

#include <functional>

class QWidget;

// Clicks and mouse movement on controls that have no signals for them (labels, panels). The
// handlers run guarded, like the other event bindings, and live as long as the control.

// Runs when the left button is pressed and released over the control.
void on_label_click(QWidget* control, std::function<void()> handler);
// Runs when any mouse button goes down over the control.
void on_mouse_down(QWidget* control, std::function<void()> handler);
// Runs on every movement of the mouse over the control, button held or not.
void on_mouse_move(QWidget* control, std::function<void()> handler);
