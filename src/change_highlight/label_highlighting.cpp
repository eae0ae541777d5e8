#include "change_highlight/label_highlighting.h"

#include <cstddef>
#include <utility>

#include "change_highlight/change_labels.h"
#include "platform/control_colors.h"
#include "records/staff_record.h"

namespace {

const std::byte* bytes_of(const void* record) {
  return static_cast<const std::byte*>(record);
}

tcolor color_of(label_difference difference) {
  switch (difference) {
    case label_difference::none:
      return clWindowText;
    case label_difference::higher:
      return clGreen;
    default:
      return clRed;
  }
}

// Colour and cursor are only touched when they change: most captions keep theirs from one
// record to the next, and each change repaints the caption.
void show_difference(QWidget* widget, label_difference difference, bool takes_cursor) {
  const tcolor color = color_of(difference);
  if (font_color(widget) != color)
    set_font_color(widget, color);
  if (!takes_cursor)
    return;
  const tcursor cursor = difference == label_difference::none ? crDefault : crHandPoint;
  if (control_cursor(widget) != cursor)
    set_control_cursor(widget, cursor);
}

void highlight_rows(const std::vector<bound_label>& labels, const void* current,
                    const void* original) {
  const bool compared = current != nullptr && original != nullptr;
  for (const bound_label& label : labels) {
    QWidget* widget = label.widget.data();
    if (widget == nullptr)
      continue;
    clear_hint(widget);
    show_difference(widget,
                    compared ? compare_label_row(bytes_of(current), bytes_of(original), *label.row)
                             : label_difference::none,
                    label.row->takes_cursor);
  }
}

template <std::size_t... Kinds>
void highlight_selected_of(item_kind kind, form_controls& form, std::index_sequence<Kinds...>) {
  ((kind == static_cast<item_kind>(Kinds)
        ? highlight_selected_item<static_cast<item_kind>(Kinds)>(form)
        : void()),
   ...);
}

}  // namespace

bool highlight_staff_changes(form_controls& form, const qor_staff* current,
                             const qor_staff* original) {
  const change_labels& labels = labels_of(form);
  highlight_rows(labels.staff, current, original);
  const bool compared = current != nullptr && original != nullptr;
  for (const bound_caption& caption : labels.captions) {
    if (QWidget* widget = caption.widget.data()) {
      clear_hint(widget);
      const tcolor color = compared && caption.row->changed(current) ? clRed : clWindowText;
      if (font_color(widget) != color)
        set_font_color(widget, color);
    }
  }
  for (const QPointer<QWidget>& box : labels.declared_boxes) {
    if (QWidget* widget = box.data()) {
      clear_hint(widget);
      if (font_color(widget) != clWindowText)
        set_font_color(widget, clWindowText);
    }
  }
  return true;
}

void highlight_item_labels(form_controls& form, item_kind kind, const void* current,
                           const void* original) {
  highlight_rows(labels_of(form).items[static_cast<std::size_t>(kind)], current, original);
}

void highlight_selected_item(item_kind kind, form_controls& form) {
  highlight_selected_of(kind, form, std::make_index_sequence<item_kind_count>{});
}
