#include "analysis_views/staff_entry_list.h"

#include <QStyle>

#include "platform/owner_drawn_list_box.h"

owner_drawn_list_box* make_staff_entry_list(QWidget* parent, const char* name) {
  auto* list = new owner_drawn_list_box(parent);
  list->setObjectName(name);
  list->set_measure_handler(
      [list](int) { return list->fontMetrics().height(); },
      [list](QStringView text) {
        // The ordinary entry's text margin on either side.
        const int margin =
            list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
        return list->text_width(text) + 2 * margin;
      });
  return list;
}
