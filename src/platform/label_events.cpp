#include "platform/label_events.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

#include "platform/run_guarded.h"

namespace {

// Watches one control for one kind of event; a child of the control, so it goes with it.
class event_watch : public QObject {
 public:
  event_watch(QWidget* control, QEvent::Type type, std::function<void()> handler)
      : QObject(control), type_(type), handler_(std::move(handler)) {
    control->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == type_ && accepts(static_cast<QWidget*>(watched), event))
      run_guarded(handler_);
    return false;
  }

 private:
  bool accepts(const QWidget* control, QEvent* event) const {
    if (type_ != QEvent::MouseButtonRelease)
      return true;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    return mouse->button() == Qt::LeftButton &&
           control->rect().contains(mouse->position().toPoint());
  }

  QEvent::Type type_;
  std::function<void()> handler_;
};

}  // namespace

void on_label_click(QWidget* control, std::function<void()> handler) {
  new event_watch(control, QEvent::MouseButtonRelease, std::move(handler));
}

void on_mouse_down(QWidget* control, std::function<void()> handler) {
  new event_watch(control, QEvent::MouseButtonPress, std::move(handler));
}

void on_mouse_move(QWidget* control, std::function<void()> handler) {
  control->setMouseTracking(true);
  new event_watch(control, QEvent::MouseMove, std::move(handler));
}
