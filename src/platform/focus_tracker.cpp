#include "platform/focus_tracker.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

#include "platform/run_guarded.h"

focus_tracker::focus_tracker(QWidget* window) : QObject(window), window_(window) {
  connect(qApp, &QApplication::focusChanged, this, &focus_tracker::on_focus_changed);
  // Sees the reason of each focus move (a click's is told by its focus-in event alone) and the
  // mouse events of a click to be stopped.
  qApp->installEventFilter(this);
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

  // Read before the handler runs: its dialog moves the focus too.
  const bool by_click = last_focus_reason_ == Qt::MouseFocusReason;
  QWidget* left = active_;
  if (left && !run_exit(left)) {
    in_handler_ = true;
    left->setFocus(Qt::OtherFocusReason);
    in_handler_ = false;
    if (by_click)
      stop_the_click();
    return;
  }
  // An exit handler may itself have sent the focus somewhere else inside the window.
  if (QWidget* focused = window_->focusWidget(); belongs_to_window(focused)) {
    target = control_of(focused);
  }
  active_ = target;
  run_enter(target);
}

// The window's own focus is read, not the application's: a message the handler showed took the
// activation, which a window manager hands back only later.
bool focus_tracker::run_exit(QWidget* control) {
  // A handler that put the focus back into its own control refuses as well.
  return call_exit(control) && control_of(window_->focusWidget()) != control;
}

bool focus_tracker::run_active_exit() {
  return !active_ || call_exit(active_);
}

bool focus_tracker::call_exit(QWidget* control) {
  const auto found = handlers_.constFind(control);
  if (found == handlers_.constEnd() || !found->on_exit)
    return true;
  const exit_handler handler = found->on_exit;
  // A handler that failed with an exception keeps the focus, as a refusal would.
  bool allow = false;
  in_handler_ = true;
  run_guarded([&] { allow = handler(); });
  in_handler_ = false;
  return allow;
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

// The press whose focus move was refused is delivered right after the refusal, in the same
// event; if none comes before the event loop runs again, the focus was moved by a program.
void focus_tracker::stop_the_click() {
  stopped_ = stopped_click::awaiting_press;
  QTimer::singleShot(0, this, [this] {
    if (stopped_ == stopped_click::awaiting_press)
      stopped_ = stopped_click::none;
  });
}

bool focus_tracker::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn)
    last_focus_reason_ = static_cast<const QFocusEvent*>(event)->reason();
  // Widgets only: the window hands the mouse events on to them and keeps its own bookkeeping.
  return stopped_ != stopped_click::none && watched->isWidgetType() && swallows(event);
}

bool focus_tracker::swallows(const QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      // A press while swallowing starts a new click: the release went elsewhere.
      if (stopped_ == stopped_click::swallowing) {
        stopped_ = stopped_click::none;
        return false;
      }
      stopped_ = stopped_click::swallowing;
      return true;
    case QEvent::MouseButtonDblClick:
      // Follows the press of the same click.
      stopped_ = stopped_click::swallowing;
      return true;
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease: {
      if (stopped_ != stopped_click::swallowing)
        return false;
      const bool held = static_cast<const QMouseEvent*>(event)->buttons() != Qt::NoButton;
      // A move with no button held means the release went elsewhere (to the message box).
      if (!held)
        stopped_ = stopped_click::none;
      return held || event->type() == QEvent::MouseButtonRelease;
    }
    default:
      return false;
  }
}
