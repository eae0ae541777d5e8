#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

// Enter and exit handlers of the controls of one window. They run when the focus moves from one
// control of the window to another, not when it goes to a menu, a dialog or another window and
// comes back. An exit handler that returns false keeps the focus where it was, and the control
// the user was going to is not entered; when a click was taking the focus there, the click is
// stopped too (its press, moves and release never reach the control clicked).
class focus_tracker : public QObject {
  Q_OBJECT
 public:
  using enter_handler = std::function<void()>;
  using exit_handler = std::function<bool()>;  // true: the focus may leave

  explicit focus_tracker(QWidget* window);

  void set_enter_handler(QWidget* control, enter_handler handler);
  void set_exit_handler(QWidget* control, exit_handler handler);

  // The control that last received the focus inside the window, or null.
  QWidget* active_control() const { return active_; }

  // Runs the active control's exit handler as if the focus were leaving it, for a command that
  // acts on what is being edited; false when the handler refuses. The focus stays where it is.
  bool run_active_exit();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // A click stopped by a refused exit: its press is awaited, then the rest of it is swallowed.
  enum class stopped_click { none, awaiting_press, swallowing };

  struct handlers {
    enter_handler on_enter;
    exit_handler on_exit;
  };

  void on_focus_changed(QWidget* old_widget, QWidget* now);
  QWidget* control_of(QWidget* widget) const;
  bool belongs_to_window(const QWidget* widget) const;
  handlers& handlers_of(QWidget* control);
  bool run_exit(QWidget* control);
  bool call_exit(QWidget* control);
  void run_enter(QWidget* control);
  void stop_the_click();
  bool swallows(const QEvent* event);

  QPointer<QWidget> window_;
  QPointer<QWidget> active_;
  QHash<QWidget*, handlers> handlers_;
  bool in_handler_ = false;
  Qt::FocusReason last_focus_reason_ = Qt::OtherFocusReason;
  stopped_click stopped_ = stopped_click::none;
};
