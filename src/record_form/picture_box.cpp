#include "record_form/picture_box.h"

#include <QLabel>

QSize picture_box_size(const QLabel& box) {
  if (box.minimumSize() == box.maximumSize())
    return box.minimumSize();
  return box.size();
}
