#include "platform/page_control.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTabBar>

#include "platform/run_guarded.h"

page_control::page_control(QWidget* parent) : QTabWidget(parent) {
  // As in the original, a click on a tab takes the focus first, so the control being left is
  // checked (its exit handler runs) before the page changes.
  tabBar()->setFocusPolicy(Qt::StrongFocus);
  tabBar()->installEventFilter(this);
  connect(this, &QTabWidget::currentChanged, this, &page_control::on_current_changed);
}

void page_control::set_active_page_index(int index) {
  program_change_ = true;
  setCurrentIndex(index);
  program_change_ = false;
}

bool page_control::may_change_to(int index) {
  if (index < 0 || index == currentIndex() || !changing_)
    return true;
  bool allow = true;
  run_guarded([&] { allow = changing_(); });
  return allow;
}

// The focus left behind by a click on the tab bar: when the window is active and the focus is
// not on the bar, the control that had it refused to be left.
bool page_control::focus_refused() const {
  return window() == QApplication::activeWindow() && QApplication::focusWidget() &&
         QApplication::focusWidget() != tabBar();
}

// A click on another tab is asked about before the page changes, so a refusal never shows the
// other page even for a moment.
bool page_control::eventFilter(QObject* watched, QEvent* event) {
  if (watched == tabBar() && event->type() == QEvent::MouseButtonPress) {
    const auto* press = static_cast<QMouseEvent*>(event);
    const int index = tabBar()->tabAt(press->position().toPoint());
    if (press->button() == Qt::LeftButton && index >= 0 && index != currentIndex()) {
      if (focus_refused() || !may_change_to(index))
        return true;
      approved_index_ = index;
    }
  }
  if (watched == tabBar() && event->type() == QEvent::Wheel)
    return true;
  return QTabWidget::eventFilter(watched, event);
}

void page_control::on_current_changed(int index) {
  if (program_change_ || shown_index_ < 0 || index < 0) {
    shown_index_ = index;
    return;
  }
  // Changes by keyboard are asked here, after the fact, and undone when refused.
  const bool approved = approved_index_ == index;
  approved_index_ = -1;
  if (!approved && changing_) {
    const int previous = shown_index_;
    bool allow = true;
    run_guarded([&] { allow = changing_(); });
    if (!allow) {
      set_active_page_index(previous);
      return;
    }
  }
  shown_index_ = index;
  if (change_)
    run_guarded(change_);
}
