#pragma once

#include <QApplication>
#include <QTabWidget>
#include <QWidget>

#include "platform/page_control.h"

// Brings every page that holds the control to the front and gives it the focus as a click
// would, so that the control left runs its exit handler; then lets queued events run.
inline void focus_as_by_click(QWidget* target) {
  for (QWidget* page = target; page->parentWidget() != nullptr; page = page->parentWidget()) {
    auto* tabs = qobject_cast<QTabWidget*>(page->parentWidget()->parentWidget());
    if (tabs == nullptr || tabs->indexOf(page) < 0)
      continue;
    if (auto* pages = qobject_cast<page_control*>(tabs))
      pages->set_active_page_index(pages->indexOf(page));
    else
      tabs->setCurrentWidget(page);
  }
  target->setFocus(Qt::MouseFocusReason);
  QApplication::processEvents();
}
