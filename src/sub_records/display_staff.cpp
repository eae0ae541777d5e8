#include "sub_records/display_staff.h"

#include <string>

#include "ability_views/formation_view.h"
#include "ability_views/pitch_view.h"
#include "change_tracking/item_matching.h"
#include "platform/item_objects.h"
#include "platform/owner_drawn_list_box.h"
#include "platform/string_grid.h"
#include "record_form/display_staff_pages.h"
#include "record_form/editor_state.h"
#include "record_form/form_controls.h"
#include "record_form/item_details.h"
#include "record_form/item_selection.h"
#include "record_form/staff_page_visibility.h"
#include "sub_records/item_list_kinds.h"
#include "sub_records/item_list_places.h"
#include "sub_records/item_select_steps.h"

namespace {

template <item_kind Kind>
void show_list_box_kind(const qor_staff& staff, form_controls& form) {
  auto* list = form.get<owner_drawn_list_box>(place_of(Kind).list);
  if (!item_list_kind<Kind>::fill(list, staff.StaffID, items_of<Kind>())) {
    forget_item_selection(Kind, form);
    return;
  }
  list->set_item_index(0);
  select_item<Kind>(entry_object<item_record<Kind>>(list, 0), list->item_index(), form);
  offer_delete<Kind>(form);
}

// The history grid shows the rows; its hidden list box holds their items in the same order.
void show_history(const qor_staff& staff, form_controls& form) {
  constexpr item_kind kind = item_kind::history;
  using history = item_list_kind<kind>;
  const item_list_place& place = place_of(kind);
  auto* grid = form.get<string_grid>(place.list);
  auto* list = form.get<owner_drawn_list_box>(history_lines);
  // Both are filled every time: a hidden list left holding the previous staff member's items
  // would point at items that may be deleted later.
  const bool grid_filled = history::fill(grid, staff.StaffID, items_of<kind>(), grid_sorted);
  const bool list_filled = history::fill_lines(list, staff.StaffID, items_of<kind>());
  if (!grid_filled || !list_filled) {
    forget_item_selection(kind, form);
    return;
  }
  list->set_item_index(0);
  grid->set_row(1);
  select_item<kind>(entry_object<qor_staff_history>(list, 0), list->item_index(), form);
  offer_delete<kind>(form);
  grid->setEnabled(true);
  set_count_caption(form, place.count_label, grid->row(), list->count());
}

template <item_kind Kind>
void show_grid_kind(const qor_staff& staff, form_controls& form) {
  const item_list_place& place = place_of(Kind);
  auto* grid = form.get<string_grid>(place.list);
  if (!item_list_kind<Kind>::fill(grid, staff.StaffID, items_of<Kind>(), grid_sorted)) {
    forget_item_selection(Kind, form);
    return;
  }
  grid->set_row(1);
  select_item<Kind>(row_object<item_record<Kind>>(grid, grid->row()), grid->row(), form);
  offer_delete<Kind>(form);
  grid->setEnabled(true);
  set_count_caption(form, place.count_label, grid->row(), grid->row_count() - 1);
}

template <item_kind Kind>
void show_kind(const qor_staff& staff, form_controls& form) {
  if constexpr (Kind == item_kind::history)
    show_history(staff, form);
  else if constexpr (item_list_kind<Kind>::grid)
    show_grid_kind<Kind>(staff, form);
  else
    show_list_box_kind<Kind>(staff, form);
}

}  // namespace

void display_staff_item_lists(const qor_staff& record, form_controls& form) {
  using enum item_kind;
  show_kind<favourite_staff>(record, form);
  show_kind<disliked_staff>(record, form);
  show_kind<favourite_club>(record, form);
  show_kind<disliked_club>(record, form);
  show_kind<history>(record, form);
  show_kind<language>(record, form);
  show_kind<ppm>(record, form);
  show_kind<npt>(record, form);
  show_kind<non_player_history>(record, form);
  show_kind<contract_clauses>(record, form);
  show_kind<injury>(record, form);
  show_kind<job>(record, form);
  show_kind<achievements>(record, form);
  show_kind<days_at_club_nation>(record, form);
  show_kind<retirement>(record, form);
  show_kind<unavailability>(record, form);
  show_kind<long_term_career>(record, form);
}

bool display_staff(const qor_staff* record, form_controls& form) {
  if (record == nullptr)
    return false;
  leave_pages_staff_will_not_have(*record, form);
  editor().filling_controls = true;
  display_staff_pages(*record, form);
  update_pitch_position_colours(form);
  display_formations(form);
  display_staff_item_lists(*record, form);
  editor().filling_controls = false;
  return true;
}
