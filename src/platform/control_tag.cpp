#include "platform/control_tag.h"

#include <QVariant>
#include <QWidget>

namespace {
constexpr const char* tag_property = "tag";
}

int control_tag(const QWidget* control) {
  return control->property(tag_property).toInt();
}

void set_control_tag(QWidget* control, int tag) {
  control->setProperty(tag_property, tag);
}
