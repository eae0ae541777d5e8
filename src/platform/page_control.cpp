#include "platform/page_control.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTabBar>
#include <utility>

#include "platform/run_guarded.h"

namespace {

// +1 for the key that shows the next page (Ctrl+Tab), -1 for the previous one (Ctrl+Shift+Tab,
// which arrives as Backtab or as Tab with Shift), 0 for any other key.
int page_step_of(const QKeyEvent& key) {
  const Qt::KeyboardModifiers modifiers = key.modifiers();
  if ((modifiers & Qt::ControlModifier) == 0 || (modifiers & Qt::AltModifier) != 0)
    return 0;
  if (key.key() == Qt::Key_Backtab)
    return -1;
  if (key.key() == Qt::Key_Tab)
    return (modifiers & Qt::ShiftModifier) != 0 ? -1 : 1;
  return 0;
}

// The tab bar's Left and Right, which it takes with any modifiers: -1 and +1, 0 for any other
// key.
int arrow_step_of(const QKeyEvent& key) {
  if (key.key() == Qt::Key_Left)
    return -1;
  return key.key() == Qt::Key_Right ? 1 : 0;
}

// The page control round `widget` (or `widget` itself), the nearest in its window; null when none.
page_control* page_control_round(QWidget* widget) {
  for (; widget != nullptr; widget = widget->parentWidget()) {
    if (auto* pages = qobject_cast<page_control*>(widget))
      return pages;
    if (widget->isWindow())
      return nullptr;
  }
  return nullptr;
}

// Hands the page keys to the page control round the focused control before the control sees
// them: a combo box takes Ctrl+Tab for its type-ahead search, and the key never reached the
// pages from there.
class page_key_router : public QObject {
 public:
  explicit page_key_router(QCoreApplication* application) : QObject(application) {
    application->installEventFilter(this);
  }

 private:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
        page_step_of(*static_cast<QKeyEvent*>(event)) == 0)
      return false;
    page_control* pages = page_control_round(static_cast<QWidget*>(watched));
    if (pages == nullptr || pages == watched)
      return false;
    QCoreApplication::sendEvent(pages, event);
    return true;
  }
};

void route_page_keys() {
  static QPointer<page_key_router> router;
  if (router.isNull())
    router = new page_key_router(QCoreApplication::instance());
}

}  // namespace

page_control::page_control(QWidget* parent) : QTabWidget(parent) {
  route_page_keys();
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

bool page_control::changing_allows() {
  bool allow = true;
  if (changing_)
    run_guarded([&] { allow = changing_(); });
  return allow;
}

bool page_control::page_shown(int index) const {
  return index >= 0 && index < count() && isTabVisible(index) && isTabEnabled(index);
}

// The focus left behind by a move to the tab bar: when the window's focus is elsewhere, the
// control that had it refused to be left. Read from the window, not the application: the
// refusal's message took the activation, which a window manager hands back only later.
bool page_control::focus_refused() const {
  const QWidget* focused = window()->focusWidget();
  return focused && focused != tabBar();
}

// What a click does before its page changes, done for a key: the focus goes to the tab bar, and
// false when the control that had it refused to be left.
bool page_control::focus_left_for_change() {
  tabBar()->setFocus(Qt::ShortcutFocusReason);
  return !focus_refused();
}

// The next page the user can see in the direction of `step`, round the end when `wrap`; -1 when
// none.
int page_control::next_shown_page(int step, bool wrap) const {
  for (int pass = 1; pass < count(); ++pass) {
    int index = currentIndex() + step * pass;
    if (!wrap && (index < 0 || index >= count()))
      return -1;
    index = (index % count() + count()) % count();
    if (page_shown(index))
      return index;
  }
  return -1;
}

// A change the user asked for by key, once the control being left and the changing handler
// allow it. The page is picked after the control's exit handler has run: the handler may show
// or hide pages.
void page_control::change_by_key(int step, bool wrap) {
  if (next_shown_page(step, wrap) < 0 || !focus_left_for_change())
    return;
  const int index = next_shown_page(step, wrap);
  if (index < 0 || !changing_allows())
    return;
  change_approved(index, [&] { setCurrentIndex(index); });
}

// Makes a change the changing handler has allowed; the allowance ends with it, so no later
// change can pass unasked.
void page_control::change_approved(int index, const std::function<void()>& change) {
  approved_index_ = index;
  change();
  approved_index_ = no_page;
}

void page_control::keyPressEvent(QKeyEvent* event) {
  const int step = page_step_of(*event);
  // Not handed to the tab widget: it takes Ctrl+Tab with Alt as well, and shows hidden pages.
  if (step == 0) {
    event->ignore();
    return;
  }
  event->accept();
  change_by_key(step, true);
}

// A click on another tab, and a tab's mnemonic, are asked about before the page changes, so a
// refusal never shows the other page even for a moment.
bool page_control::eventFilter(QObject* watched, QEvent* event) {
  if (watched == tabBar() && event->type() == QEvent::MouseButtonPress) {
    const auto* press = static_cast<QMouseEvent*>(event);
    const int index = tabBar()->tabAt(press->position().toPoint());
    // A disabled tab takes no click: nothing is asked for it.
    if (press->button() == Qt::LeftButton && index != currentIndex() && page_shown(index)) {
      if (!focus_refused() && changing_allows())
        change_approved(index, [&] { static_cast<QObject*>(tabBar())->event(event); });
      return true;
    }
  }
  // The tab bar picks the page of the mnemonic (taking turns where tabs share one).
  if (watched == tabBar() && event->type() == QEvent::Shortcut) {
    if (focus_left_for_change() && changing_allows())
      change_approved(any_page, [&] { static_cast<QObject*>(tabBar())->event(event); });
    return true;
  }
  // The bar's own arrow keys would show hidden pages as well.
  if (watched == tabBar() && event->type() == QEvent::KeyPress) {
    if (const int step = arrow_step_of(*static_cast<QKeyEvent*>(event)); step != 0) {
      change_by_key(step, false);
      return true;
    }
  }
  if (watched == tabBar() && event->type() == QEvent::Wheel)
    return true;
  return QTabWidget::eventFilter(watched, event);
}

void page_control::on_current_changed(int index) {
  // Used once: a change the allowed one leads to is asked on its own.
  const int approved = std::exchange(approved_index_, no_page);
  if (program_change_ || shown_index_ < 0 || index < 0) {
    shown_index_ = index;
    return;
  }
  // Any other change by the user (the tab bar's own, an accessibility action) is asked here,
  // after the fact, and undone when refused; a page hidden or disabled is never kept, whatever
  // showed it.
  const bool asked = approved == index || approved == any_page;
  if (!page_shown(index) || (!asked && !changing_allows())) {
    set_active_page_index(shown_index_);
    return;
  }
  shown_index_ = index;
  if (change_)
    run_guarded(change_);
}
