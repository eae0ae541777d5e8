#include "sub_records/item_select_steps.h"

#include <QLabel>
#include <QWidget>

void set_control_visible(QWidget* control, bool visible) {
  if (control != nullptr)
    control->setVisible(visible);
}

void set_count_caption(form_controls& form, const std::string& name, int row, int rows) {
  if (auto* label = form.get<QLabel>(name)) {
    label->setText(
        QString::fromStdString(std::to_string(row) + " of " + std::to_string(rows) + " items"));
  }
}
