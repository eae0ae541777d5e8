#include "sub_records/item_list_selection.h"

#include "platform/item_objects.h"
#include "platform/owner_drawn_list_box.h"
#include "platform/string_grid.h"
#include "record_form/editor_state.h"
#include "sub_records/item_select_steps.h"

namespace {

// Where a kind's items are listed, and what choosing one of them runs.
struct selection_place {
  const char* list;           // list box or grid
  const char* delete_button;  // null: the list offers none
  const char* count_label;    // grids only: a list box's label counts entries, set by its fill
  void (*select)(const selection_place& place, form_controls& form);
};

template <item_kind Kind>
void select_list_entry(const selection_place& place, form_controls& form) {
  if (editor().filling_controls)
    return;
  auto* list = form.get<owner_drawn_list_box>(place.list);
  if (list == nullptr || list->item_index() < 0)
    return;
  const int index = list->item_index();
  auto* item = entry_object<item_record<Kind>>(list, index);
  if (item == nullptr || item == selected_item<Kind>().current)
    return;
  select_item<Kind>(item, index, form);
  offer_delete<Kind>(form, place.delete_button);
}

template <item_kind Kind>
void select_grid_row(const selection_place& place, form_controls& form) {
  if (editor().filling_controls)
    return;
  auto* grid = form.get<string_grid>(place.list);
  if (grid == nullptr || grid->row() < 1)
    return;
  const int row = grid->row();
  auto* item = row_object<item_record<Kind>>(grid, row);
  if (item == nullptr || item == selected_item<Kind>().current)
    return;
  select_item<Kind>(item, row, form);
  if (place.delete_button != nullptr)
    offer_delete<Kind>(form, place.delete_button);
  set_count_caption(form, place.count_label, row, grid->row_count() - 1);
}

// History grid rows carry no items: the hidden list, in the same order, holds them.
void select_history_row(const selection_place& place, form_controls& form) {
  if (editor().filling_controls)
    return;
  auto* grid = form.get<string_grid>(place.list);
  auto* list = form.get<owner_drawn_list_box>("staff_history");
  if (grid == nullptr || list == nullptr || grid->row() < 1)
    return;
  list->set_item_index(grid->row() - 1);
  const selection_place hidden_list{"staff_history", place.delete_button, nullptr, nullptr};
  select_list_entry<item_kind::history>(hidden_list, form);
  set_count_caption(form, place.count_label, grid->row(), list->count());
}

using enum item_kind;

constexpr selection_place places[] = {
    {"staff_favourite_staff", "del_favourite_staff_btn", nullptr,
     select_list_entry<favourite_staff>},
    {"staff_disliked_staff", "del_disliked_staff_btn", nullptr, select_list_entry<disliked_staff>},
    {"staff_favourite_clubs", "del_favourite_club_btn", nullptr, select_list_entry<favourite_club>},
    {"staff_disliked_clubs", "del_disliked_club_btn", nullptr, select_list_entry<disliked_club>},
    {"staff_history_string_grid", "del_history_btn", "staff_history_count", select_history_row},
    {"staff_language", "del_language_btn", nullptr, select_list_entry<language>},
    {"staff_ppm", "del_ppm_btn", nullptr, select_list_entry<ppm>},
    {"staff_npt", "del_npt_btn", nullptr, select_list_entry<npt>},
    {"staff_non_player_history_string_grid", "delete_non_player_history_btn",
     "staff_non_player_history_count", select_grid_row<non_player_history>},
    {"staff_contract_clauses_string_grid", nullptr, "staff_contract_clauses_count",
     select_grid_row<contract_clauses>},
    {"staff_injury_string_grid", nullptr, "staff_injury_count", select_grid_row<injury>},
    {"staff_job_string_grid", nullptr, "staff_job_count", select_grid_row<job>},
    {"staff_achievements_string_grid", nullptr, "staff_achievements_count",
     select_grid_row<achievements>},
    {"staff_days_at_club_nation_string_grid", nullptr, "staff_days_at_club_nation_count",
     select_grid_row<days_at_club_nation>},
    {"staff_retirement_string_grid", nullptr, "staff_retirement_count",
     select_grid_row<retirement>},
    {"staff_unavailability_string_grid", nullptr, "staff_unavailability_count",
     select_grid_row<unavailability>},
    {"staff_long_term_career_string_grid", nullptr, "staff_long_term_career_count",
     select_grid_row<long_term_career>},
};

}  // namespace

void install_item_list_selection(form_controls& form) {
  for (const selection_place& place : places) {
    auto select = [&place, &form] { place.select(place, form); };
    if (auto* grid = form.get<string_grid>(place.list))
      grid->set_click_handler(select);
    else if (auto* list = form.get<owner_drawn_list_box>(place.list))
      list->set_click_handler(select);
  }
}
