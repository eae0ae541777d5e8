#include "platform/focus_tracker.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include "platform/run_guarded.h"

focus_tracker::focus_tracker(QWidget* window) : QObject(window), window_(window) {
  connect(qApp, &QApplication::focusChanged, this, &focus_tracker::on_focus_changed);
}

void focus_tracker::set_enter_handler(QWidget* control, enter_handler handler) {
  handlers_of(control).on_enter = std::move(handler);
}

void focus_tracker::set_exit_handler(QWidget* control, exit_handler handler) {
  handlers_of(control).on_exit = std::move(handler);
}

focus_tracker::handlers& focus_tracker::handlers_of(QWidget* control) {
  if (!handlers_.contains(control)) {
    connect(control, &QObject::destroyed, this, [this, control] { handlers_.remove(control); });
  }
  return handlers_[control];
}

bool focus_tracker::belongs_to_window(const QWidget* widget) const {
  // The menu bar takes the focus only while the user works the menu: not a control.
  return widget && window_ && widget->window() == window_ && !qobject_cast<const QMenuBar*>(widget);
}

// The control a focused widget stands for: an inner part (the line edit of a spin box) counts as
// its nearest ancestor that has handlers.
QWidget* focus_tracker::control_of(QWidget* widget) const {
  for (QWidget* w = widget; w && w != window_; w = w->parentWidget()) {
    if (handlers_.contains(w))
      return w;
  }
  return widget;
}

void focus_tracker::on_focus_changed(QWidget*, QWidget* now) {
  // Focus moves made by the handlers themselves (a dialog, a refusal) are not the user's.
  if (in_handler_ || !belongs_to_window(now))
    return;
  QWidget* target = control_of(now);
  if (target == active_)
    return;

  QWidget* left = active_;
  if (left && !run_exit(left)) {
    in_handler_ = true;
    left->setFocus(Qt::OtherFocusReason);
    in_handler_ = false;
    return;
  }
  // An exit handler may itself have sent the focus somewhere else inside the window.
  if (QWidget* focused = QApplication::focusWidget(); belongs_to_window(focused)) {
    target = control_of(focused);
  }
  active_ = target;
  run_enter(target);
}

bool focus_tracker::run_exit(QWidget* control) {
  const auto found = handlers_.constFind(control);
  if (found == handlers_.constEnd() || !found->on_exit)
    return true;
  const exit_handler handler = found->on_exit;
  // A handler that failed with an exception keeps the focus, as a refusal would.
  bool allow = false;
  in_handler_ = true;
  run_guarded([&] { allow = handler(); });
  in_handler_ = false;
  // A handler that put the focus back into its own control refuses as well.
  return allow && control_of(QApplication::focusWidget()) != control;
}

void focus_tracker::run_enter(QWidget* control) {
  const auto found = handlers_.constFind(control);
  if (found == handlers_.constEnd() || !found->on_enter)
    return;
  const enter_handler handler = found->on_enter;
  in_handler_ = true;
  run_guarded(handler);
  in_handler_ = false;
}
