#include "sub_records/item_list_selection.h"

#include <array>
#include <utility>

#include <QLineEdit>
#include <string>

#include "platform/item_objects.h"
#include "platform/owner_drawn_list_box.h"
#include "platform/string_grid.h"
#include "record_form/binding_support.h"
#include "record_form/editor_state.h"
#include "record_form/field_validation_checks.h"
#include "sub_records/item_list_kinds.h"
#include "sub_records/item_list_places.h"
#include "sub_records/item_select_steps.h"

namespace {

// The staff lists commit the item being left before another is shown, but never a value its
// check refuses.
template <item_kind Kind>
void commit_item_being_left(form_controls& form) {
  if constexpr (Kind == item_kind::favourite_staff || Kind == item_kind::disliked_staff) {
    if (selected_item<Kind>().current != nullptr && staff_panel_passes_checks(Kind, form))
      item_list_kind<Kind>::process_edit(form);
  }
}

template <item_kind Kind>
void select_list_entry(form_controls& form, const char* list_name) {
  if (editor().filling_controls)
    return;
  auto* list = form.get<owner_drawn_list_box>(list_name);
  if (list == nullptr || list->item_index() < 0)
    return;
  const int index = list->item_index();
  auto* item = entry_object<item_record<Kind>>(list, index);
  if (item == nullptr || item == selected_item<Kind>().current)
    return;
  commit_item_being_left<Kind>(form);
  select_item<Kind>(item, index, form);
  offer_delete<Kind>(form);
}

template <item_kind Kind>
void select_grid_row(form_controls& form) {
  if (editor().filling_controls)
    return;
  const item_list_place& place = place_of(Kind);
  auto* grid = form.get<string_grid>(place.list);
  if (grid == nullptr || grid->row() < 1)
    return;
  const int row = grid->row();
  auto* item = row_object<item_record<Kind>>(grid, row);
  if (item == nullptr || item == selected_item<Kind>().current)
    return;
  select_item<Kind>(item, row, form);
  offer_delete<Kind>(form);
  set_count_caption(form, place.count_label, row, grid->row_count() - 1);
}

// History grid rows carry no items: the hidden list, in the same order, holds them.
void select_history_row(form_controls& form) {
  if (editor().filling_controls)
    return;
  const item_list_place& place = place_of(item_kind::history);
  auto* grid = form.get<string_grid>(place.list);
  auto* list = form.get<owner_drawn_list_box>(history_lines);
  if (grid == nullptr || list == nullptr || grid->row() < 1)
    return;
  list->set_item_index(grid->row() - 1);
  select_list_entry<item_kind::history>(form, history_lines);
  set_count_caption(form, place.count_label, grid->row(), list->count());
}

template <item_kind Kind>
void select(form_controls& form) {
  if constexpr (Kind == item_kind::history)
    select_history_row(form);
  else if constexpr (item_list_kind<Kind>::grid)
    select_grid_row<Kind>(form);
  else
    select_list_entry<Kind>(form, place_of(Kind).list);
}

template <std::size_t... Kinds>
constexpr std::array<void (*)(form_controls&), item_kind_count> selectors(
    std::index_sequence<Kinds...>) {
  return {select<static_cast<item_kind>(Kinds)>...};
}

// What choosing an entry runs, in item_kind order.
constexpr auto select_of = selectors(std::make_index_sequence<item_kind_count>());

}  // namespace

bool staff_panel_passes_checks(item_kind kind, form_controls& form) {
  if (kind != item_kind::favourite_staff && kind != item_kind::disliked_staff)
    return true;
  const std::string panel =
      kind == item_kind::favourite_staff ? "staff_favourite_staff" : "staff_disliked_staff";
  const auto* rating = form.get<QLineEdit>(panel + "_rating");
  const auto* staff_id = form.get<QLineEdit>(panel + "_staff_id");
  return (rating == nullptr || check_int_range(widget_text(rating->text()), 0, 20, false,
                                               rating->objectName().toStdString())
                                   .accepted) &&
         (staff_id == nullptr || check_staff_id(widget_text(staff_id->text())).accepted);
}

void install_item_list_selection(form_controls& form) {
  for (const item_list_place& place : item_list_places()) {
    auto select = [run = select_of[static_cast<std::size_t>(place.kind)], &form] { run(form); };
    if (auto* grid = form.get<string_grid>(place.list))
      grid->set_click_handler(select);
    else if (auto* list = form.get<owner_drawn_list_box>(place.list))
      list->set_click_handler(select);
  }
}
