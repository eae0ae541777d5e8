#include "platform/event_bindings.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>

#include "platform/run_guarded.h"

void on_check_click(QCheckBox* box, std::function<void()> handler) {
  QObject::connect(box, &QCheckBox::toggled, box,
                   [handler = std::move(handler)](bool) { run_guarded(handler); });
}

void on_combo_change(QComboBox* combo, std::function<void()> handler) {
  QObject::connect(combo, &QComboBox::activated, combo,
                   [handler = std::move(handler)](int) { run_guarded(handler); });
}

void on_button_click(QAbstractButton* button, std::function<void()> handler) {
  QObject::connect(button, &QAbstractButton::clicked, button,
                   [handler = std::move(handler)](bool) { run_guarded(handler); });
}

void on_menu_click(QAction* action, std::function<void()> handler) {
  QObject::connect(action, &QAction::triggered, action,
                   [handler = std::move(handler)](bool) { run_guarded(handler); });
}

bool is_user_change(const QWidget* control) {
  return control->window() == QApplication::activeWindow() && control->hasFocus();
}
