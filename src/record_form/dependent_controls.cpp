#include "record_form/dependent_controls.h"

#include <QFrame>
#include <QTabWidget>
#include <QWidget>

namespace {

// The containers whose controls are reached one by one: a plain panel or page (a widget of
// exactly these classes, never a subclass such as a label or a group box) and a tab widget.
bool is_descended_into(const QWidget* widget) {
  const QMetaObject* type = widget->metaObject();
  return type == &QFrame::staticMetaObject || type == &QWidget::staticMetaObject ||
         qobject_cast<const QTabWidget*>(widget) != nullptr;
}

QList<QWidget*> child_controls(QWidget* container) {
  if (auto* tabs = qobject_cast<QTabWidget*>(container)) {
    QList<QWidget*> pages;
    for (int i = 0; i < tabs->count(); ++i)
      pages << tabs->widget(i);
    return pages;
  }
  return container->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
}

void set_child_controls_enabled(QWidget* container, bool enabled) {
  if (container == nullptr)
    return;
  for (QWidget* child : child_controls(container)) {
    if (is_descended_into(child))
      set_child_controls_enabled(child, enabled);
    child->setEnabled(enabled);
  }
}

}  // namespace

void enable_child_controls(QWidget* container) {
  set_child_controls_enabled(container, true);
}

void disable_child_controls(QWidget* container) {
  set_child_controls_enabled(container, false);
}
