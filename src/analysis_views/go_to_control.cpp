#include "analysis_views/go_to_control.h"

#include <QTabWidget>

#include "platform/page_control.h"

namespace {

void show_tab_holding(QTabWidget* tabs, const QWidget* control) {
  for (int index = 0; index < tabs->count(); ++index) {
    QWidget* page = tabs->widget(index);
    if (page != control && !page->isAncestorOf(control))
      continue;
    if (auto* pages = qobject_cast<page_control*>(tabs))
      pages->set_active_page_index(index);
    else
      tabs->setCurrentIndex(index);
    return;
  }
}

}  // namespace

void go_to_control(QWidget* control) {
  if (control == nullptr)
    return;
  for (QWidget* outer = control->parentWidget(); outer != nullptr; outer = outer->parentWidget()) {
    if (auto* tabs = qobject_cast<QTabWidget*>(outer))
      show_tab_holding(tabs, control);
  }
  control->setFocus(Qt::OtherFocusReason);
}
