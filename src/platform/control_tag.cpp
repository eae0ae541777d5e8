#include "platform/control_tag.h"

#include "platform/control_values.h"

namespace {

control_values<int>& tags() {
  static auto* const values = new control_values<int>(0);
  return *values;
}

}  // namespace

int control_tag(const QWidget* control) {
  return tags().get(control);
}

void set_control_tag(QWidget* control, int tag) {
  tags().set(control, tag);
}
