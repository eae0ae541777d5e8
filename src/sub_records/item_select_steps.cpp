#include "sub_records/item_select_steps.h"

#include <QLabel>
#include <QWidget>
#include <utility>

#include "platform/owner_drawn_list_box.h"
#include "platform/string_grid.h"
#include "sub_records/item_list_boxes.h"

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

namespace {

template <std::size_t... Kinds>
void clear_selection_of(item_kind kind, std::index_sequence<Kinds...>) {
  ((kind == static_cast<item_kind>(Kinds)
        ? void(selected_item<static_cast<item_kind>(Kinds)>() = {})
        : void()),
   ...);
}

}  // namespace

void forget_item_selection(item_kind kind, form_controls& form) {
  clear_selection_of(kind, std::make_index_sequence<item_kind_count>());
  highlight_selected_item(kind, form);
  const item_list_place& place = place_of(kind);
  set_control_visible(form.find(item_panel_name(kind)), false);
  set_control_visible(form.find(place.delete_button), false);
  if (auto* grid = form.get<string_grid>(place.list)) {
    grid->setEnabled(false);
    set_count_caption(form, place.count_label, 0, 0);
  } else if (auto* list = form.get<owner_drawn_list_box>(place.list)) {
    if (auto* label = form.get<QLabel>(place.count_label))
      label->setText(QString::fromStdString(item_count_text(list->count())));
  }
}
