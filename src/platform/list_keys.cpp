#include "platform/list_keys.h"

#include <QKeyEvent>

bool is_list_key_override(const QEvent* event) {
  if (event->type() != QEvent::ShortcutOverride)
    return false;
  const auto* key = static_cast<const QKeyEvent*>(event);
  const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
  return modifiers == Qt::NoModifier &&
         (key->key() == Qt::Key_Delete || key->key() == Qt::Key_Insert);
}
