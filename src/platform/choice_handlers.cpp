#include "platform/choice_handlers.h"

#include <QKeyEvent>

#include "platform/run_guarded.h"

namespace {

// The plain Delete and Insert keys belong to the list or grid that has the focus, where they
// delete and add entries, before any menu shortcut of the window may take them.
bool is_list_key_override(const QEvent* event) {
  if (event->type() != QEvent::ShortcutOverride)
    return false;
  const auto* key = static_cast<const QKeyEvent*>(event);
  const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
  return modifiers == Qt::NoModifier &&
         (key->key() == Qt::Key_Delete || key->key() == Qt::Key_Insert);
}

}  // namespace

void choice_handlers::run_click() const {
  if (click_)
    run_guarded(click_);
}

void choice_handlers::run_double_click() const {
  if (double_click_)
    run_guarded(double_click_);
}

void choice_handlers::run_key_down(int key) const {
  if (key_down_)
    run_guarded([&] { key_down_(key); });
}

bool choice_handlers::take_key_override(QEvent* event) const {
  if (!key_down_ || !is_list_key_override(event))
    return false;
  event->accept();
  return true;
}
