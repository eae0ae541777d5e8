#include "sub_records/display_staff.h"

#include <string>

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
#include "sub_records/item_grids.h"
#include "sub_records/item_list_boxes.h"
#include "sub_records/item_select_steps.h"

namespace {

// Grid fills sort their items first.
constexpr std::uint8_t sorted = 1;

template <item_kind Kind>
record_vector<item_record<Kind>>& items_of() {
  return store().*item_store<Kind>::current;
}

template <item_kind Kind>
using list_filler = bool (*)(owner_drawn_list_box*, std::int32_t,
                             record_vector<item_record<Kind>>&);
template <item_kind Kind>
using grid_filler = bool (*)(string_grid*, std::int32_t, record_vector<item_record<Kind>>&,
                             std::uint8_t);

void set_enabled(QWidget* control, bool enabled) {
  if (control != nullptr)
    control->setEnabled(enabled);
}

// A kind without items has nothing selected: its panel goes, and no handler may later edit an
// item of the staff member shown before.
template <item_kind Kind>
void forget_item(form_controls& form) {
  selected_item<Kind>() = {};
  set_control_visible(form.find(item_panel_name(Kind)), false);
}

template <item_kind Kind>
void show_list_box_kind(const qor_staff& staff, form_controls& form, list_filler<Kind> fill,
                        const char* list_name, const char* delete_button) {
  auto* list = form.get<owner_drawn_list_box>(list_name);
  if (!fill(list, staff.StaffID, items_of<Kind>())) {
    forget_item<Kind>(form);
    set_control_visible(form.find(delete_button), false);
    return;
  }
  list->set_item_index(0);
  select_item<Kind>(entry_object<item_record<Kind>>(list, 0), list->item_index(), form);
  offer_delete<Kind>(form, delete_button);
}

// The history grid shows the rows; its hidden list box holds their items in the same order.
void show_history(const qor_staff& staff, form_controls& form) {
  constexpr item_kind kind = item_kind::history;
  auto* grid = form.get<string_grid>("staff_history_string_grid");
  auto* list = form.get<owner_drawn_list_box>("staff_history");
  // Both are filled every time: a hidden list left holding the previous staff member's items
  // would point at items that may be deleted later.
  const bool grid_filled =
      fill_staff_history_string_grid(grid, staff.StaffID, items_of<kind>(), sorted);
  const bool list_filled = fill_staff_history(list, staff.StaffID, items_of<kind>());
  if (!grid_filled || !list_filled) {
    forget_item<kind>(form);
    set_control_visible(form.find("del_history_btn"), false);
    set_enabled(grid, false);
    set_count_caption(form, "staff_history_count", 0, 0);
    return;
  }
  list->set_item_index(0);
  grid->set_row(1);
  select_item<kind>(entry_object<qor_staff_history>(list, 0), list->item_index(), form);
  offer_delete<kind>(form, "del_history_btn");
  grid->setEnabled(true);
  set_count_caption(form, "staff_history_count", grid->row(), list->count());
}

template <item_kind Kind>
void show_grid_kind(const qor_staff& staff, form_controls& form, grid_filler<Kind> fill,
                    const std::string& name, const char* delete_button = nullptr) {
  auto* grid = form.get<string_grid>("staff_" + name + "_string_grid");
  const std::string count_label = "staff_" + name + "_count";
  if (!fill(grid, staff.StaffID, items_of<Kind>(), sorted)) {
    forget_item<Kind>(form);
    if (delete_button != nullptr)
      set_control_visible(form.find(delete_button), false);
    set_enabled(grid, false);
    set_count_caption(form, count_label, 0, 0);
    return;
  }
  grid->set_row(1);
  select_item<Kind>(row_object<item_record<Kind>>(grid, grid->row()), grid->row(), form);
  if (delete_button != nullptr)
    offer_delete<Kind>(form, delete_button);
  grid->setEnabled(true);
  set_count_caption(form, count_label, grid->row(), grid->row_count() - 1);
}

}  // namespace

void display_staff_item_lists(const qor_staff& record, form_controls& form) {
  using enum item_kind;
  show_list_box_kind<favourite_staff>(record, form, fill_staff_favourite_staff,
                                      "staff_favourite_staff", "del_favourite_staff_btn");
  show_list_box_kind<disliked_staff>(record, form, fill_staff_favourite_staff,
                                     "staff_disliked_staff", "del_disliked_staff_btn");
  show_list_box_kind<favourite_club>(record, form, fill_staff_favourite_club,
                                     "staff_favourite_clubs", "del_favourite_club_btn");
  show_list_box_kind<disliked_club>(record, form, fill_staff_favourite_club, "staff_disliked_clubs",
                                    "del_disliked_club_btn");
  show_history(record, form);
  show_list_box_kind<language>(record, form, fill_staff_language, "staff_language",
                               "del_language_btn");
  show_list_box_kind<ppm>(record, form, fill_staff_ppm, "staff_ppm", "del_ppm_btn");
  show_list_box_kind<npt>(record, form, fill_staff_npt, "staff_npt", "del_npt_btn");
  show_grid_kind<non_player_history>(record, form, fill_staff_non_player_history_string_grid,
                                     "non_player_history", "delete_non_player_history_btn");
  show_grid_kind<contract_clauses>(record, form, fill_staff_contract_clauses_string_grid,
                                   "contract_clauses");
  show_grid_kind<injury>(record, form, fill_staff_injury_string_grid, "injury");
  show_grid_kind<job>(record, form, fill_staff_job_string_grid, "job");
  show_grid_kind<achievements>(record, form, fill_staff_achievements_string_grid, "achievements");
  show_grid_kind<days_at_club_nation>(record, form, fill_staff_days_at_club_nation_string_grid,
                                      "days_at_club_nation");
  show_grid_kind<retirement>(record, form, fill_staff_retirement_string_grid, "retirement");
  show_grid_kind<unavailability>(record, form, fill_staff_unavailability_string_grid,
                                 "unavailability");
  show_grid_kind<long_term_career>(record, form, fill_staff_long_term_career_string_grid,
                                   "long_term_career");
}

bool display_staff(const qor_staff* record, form_controls& form) {
  if (record == nullptr)
    return false;
  leave_pages_staff_will_not_have(*record, form);
  editor().filling_controls = true;
  display_staff_pages(*record, form);
  display_staff_item_lists(*record, form);
  editor().filling_controls = false;
  return true;
}
