#include "change_highlight/change_labels.h"

#include <algorithm>

#include "record_form/form_controls.h"

namespace {

struct attached_labels {
  bool bound = false;
  change_labels labels;
};

void bind_rows(form_controls& form, std::span<const label_row> rows,
               std::vector<bound_label>& bound) {
  for (const label_row& row : rows) {
    if (QWidget* widget = form.find(row.label))
      bound.push_back({widget, &row});
  }
}

}  // namespace

const change_labels& labels_of(form_controls& form) {
  attached_labels& attached = form.attached<attached_labels>();
  if (attached.bound)
    return attached.labels;
  change_labels& labels = attached.labels;
  labels = change_labels{};
  bind_rows(form, staff_label_rows(), labels.staff);
  for (std::size_t k = 0; k < item_kind_count; ++k)
    bind_rows(form, item_label_rows(static_cast<item_kind>(k)), labels.items[k]);
  for (const caption_row& row : staff_caption_rows()) {
    if (QWidget* widget = form.find(row.label))
      labels.captions.push_back({widget, &row});
  }
  for (const char* name : {"staff_nation_declared", "staff_second_nation_declared"}) {
    if (QWidget* widget = form.find(name))
      labels.declared_boxes.emplace_back(widget);
  }
  // A form whose pages are not built yet is looked at again next time.
  attached.bound = !labels.staff.empty() || !labels.captions.empty() ||
                   std::any_of(labels.items.begin(), labels.items.end(),
                               [](const auto& kind) { return !kind.empty(); });
  return labels;
}

void clear_hint(QWidget* widget) {
  if (!widget->toolTip().isEmpty())
    widget->setToolTip(QString());
}
