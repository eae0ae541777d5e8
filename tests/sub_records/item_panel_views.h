#pragma once

#include <array>
#include <cstddef>
#include <type_traits>
#include <utility>

#include "platform/owner_drawn_list_box.h"
#include "platform/string_grid.h"
#include "records/item_kind.h"
#include "records/record_store.h"
#include "sub_records/item_grids.h"
#include "sub_records/item_list_boxes.h"

// Where each kind's items are listed, and a fill of a fresh list of that kind for the staff
// member shown, to compare an edited list with. Grids are filled without sorting, as an edit
// refills them; the history kind is compared through its grid.
namespace item_panel_views {

inline constexpr std::int32_t staff_id = 4711;

struct kind_view {
  const char* list;
  bool grid;
  void (*fill_fresh)(QWidget* list);
};

template <class Item>
using list_fill = bool (*)(owner_drawn_list_box*, std::int32_t, record_vector<Item>&);
template <class Item>
using grid_fill = bool (*)(string_grid*, std::int32_t, record_vector<Item>&, std::uint8_t);

template <auto Fill, auto Items>
void fresh_list(QWidget* list) {
  Fill(static_cast<owner_drawn_list_box*>(list), staff_id, store().*Items);
}

template <auto Fill, auto Items>
void fresh_grid(QWidget* grid) {
  Fill(static_cast<string_grid*>(grid), staff_id, store().*Items, 0);
}

using s = record_store;

// In item_kind order.
inline const std::array<kind_view, item_kind_count> views = {{
    {"staff_favourite_staff", false,
     fresh_list<fill_staff_favourite_staff, &s::staff_favourite_staff_list>},
    {"staff_disliked_staff", false,
     fresh_list<fill_staff_favourite_staff, &s::staff_disliked_staff_list>},
    {"staff_favourite_clubs", false,
     fresh_list<fill_staff_favourite_club, &s::staff_favourite_club_list>},
    {"staff_disliked_clubs", false,
     fresh_list<fill_staff_favourite_club, &s::staff_disliked_club_list>},
    {"staff_history_string_grid", true,
     fresh_grid<fill_staff_history_string_grid, &s::staff_history_list>},
    {"staff_language", false, fresh_list<fill_staff_language, &s::staff_language_list>},
    {"staff_ppm", false, fresh_list<fill_staff_ppm, &s::staff_ppm_list>},
    {"staff_non_player_history_string_grid", true,
     fresh_grid<fill_staff_non_player_history_string_grid, &s::staff_non_player_history_list>},
    {"staff_injury_string_grid", true,
     fresh_grid<fill_staff_injury_string_grid, &s::staff_injury_list>},
    {"staff_job_string_grid", true, fresh_grid<fill_staff_job_string_grid, &s::staff_job_list>},
    {"staff_contract_clauses_string_grid", true,
     fresh_grid<fill_staff_contract_clauses_string_grid, &s::staff_contract_clauses_list>},
    {"staff_achievements_string_grid", true,
     fresh_grid<fill_staff_achievements_string_grid, &s::staff_achievements_list>},
    {"staff_npt", false, fresh_list<fill_staff_npt, &s::staff_npt_list>},
    {"staff_days_at_club_nation_string_grid", true,
     fresh_grid<fill_staff_days_at_club_nation_string_grid, &s::staff_days_at_club_nation_list>},
    {"staff_retirement_string_grid", true,
     fresh_grid<fill_staff_retirement_string_grid, &s::staff_retirement_list>},
    {"staff_unavailability_string_grid", true,
     fresh_grid<fill_staff_unavailability_string_grid, &s::staff_unavailability_list>},
    {"staff_long_term_career_string_grid", true,
     fresh_grid<fill_staff_long_term_career_string_grid, &s::staff_long_term_career_list>},
}};

inline const kind_view& view_of(item_kind kind) {
  return views[static_cast<std::size_t>(kind)];
}

// Calls `visit` with std::integral_constant<item_kind, kind>, so that a run-time kind from a
// table reaches the templates.
template <class Visit, std::size_t... Kinds>
void visit_kind_in(item_kind kind, Visit&& visit, std::index_sequence<Kinds...>) {
  ((static_cast<std::size_t>(kind) == Kinds
        ? visit(std::integral_constant<item_kind, static_cast<item_kind>(Kinds)>{})
        : void()),
   ...);
}

template <class Visit>
void visit_kind(item_kind kind, Visit&& visit) {
  visit_kind_in(kind, visit, std::make_index_sequence<item_kind_count>());
}

}  // namespace item_panel_views
