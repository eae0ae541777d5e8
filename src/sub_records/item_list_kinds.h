#pragma once

#include <cstdint>
#include <string>

#include "change_tracking/item_store.h"
#include "sub_records/item_grids.h"
#include "sub_records/item_list_boxes.h"
#include "sub_records/item_panel_edits.h"

class form_controls;

// What the item list editor needs to know of each kind's record type and list, beyond the
// names of its controls (item_list_places.h): how its list is filled, how a list box entry is
// built, the kind's edit step and its marked-for-deletion flag. History is a grid kind whose
// items are held by its hidden list box, so it has both a grid fill and an entry builder.
template <item_kind Kind>
struct item_list_kind;

template <class Item>
using list_box_fill = bool (*)(owner_drawn_list_box*, std::int32_t, record_vector<Item>&);
template <class Item>
using grid_fill = bool (*)(string_grid*, std::int32_t, record_vector<Item>&, std::uint8_t);
template <class Item>
using entry_builder = int (*)(owner_drawn_list_box*, const Item*);

#define ITEM_LIST_BOX_KIND(kind, fill_fn, entry_fn, edit_fn, marked_field) \
  template <>                                                              \
  struct item_list_kind<item_kind::kind> {                                 \
    using item = item_record<item_kind::kind>;                             \
    static constexpr bool grid = false;                                    \
    static constexpr list_box_fill<item> fill = fill_fn;                   \
    static constexpr entry_builder<item> add_entry = entry_fn;             \
    static constexpr void (*process_edit)(form_controls&) = edit_fn;       \
    static constexpr auto marked = &item::marked_field;                    \
  }

#define ITEM_GRID_KIND(kind, fill_fn, edit_fn, marked_field)         \
  template <>                                                        \
  struct item_list_kind<item_kind::kind> {                           \
    using item = item_record<item_kind::kind>;                       \
    static constexpr bool grid = true;                               \
    static constexpr grid_fill<item> fill = fill_fn;                 \
    static constexpr void (*process_edit)(form_controls&) = edit_fn; \
    static constexpr auto marked = &item::marked_field;              \
  }

ITEM_LIST_BOX_KIND(favourite_staff, fill_staff_favourite_staff, add_favourite_disliked_staff_item,
                   process_staff_favourite_staff_edit, StaffFavouriteStaffMarkedForDeletion);
ITEM_LIST_BOX_KIND(disliked_staff, fill_staff_favourite_staff, add_favourite_disliked_staff_item,
                   process_staff_disliked_staff_edit, StaffFavouriteStaffMarkedForDeletion);
ITEM_LIST_BOX_KIND(favourite_club, fill_staff_favourite_club, add_favourite_disliked_club_item,
                   process_staff_favourite_club_edit, StaffFavouriteClubsMarkedForDeletion);
ITEM_LIST_BOX_KIND(disliked_club, fill_staff_favourite_club, add_favourite_disliked_club_item,
                   process_staff_disliked_club_edit, StaffFavouriteClubsMarkedForDeletion);
ITEM_LIST_BOX_KIND(language, fill_staff_language, add_language_item, process_staff_language_edit,
                   StaffLanguagesMarkedForDeletion);
ITEM_LIST_BOX_KIND(ppm, fill_staff_ppm, add_ppm_item, process_staff_ppm_edit,
                   StaffPPMMarkedForDeletion);
ITEM_LIST_BOX_KIND(npt, fill_staff_npt, add_npt_item, process_staff_non_player_tendency_edit,
                   StaffNPTMarkedForDeletion);

ITEM_GRID_KIND(non_player_history, fill_staff_non_player_history_string_grid,
               process_staff_non_player_history_edit, StaffNonPlayerHistoryMarkedForDeletion);
ITEM_GRID_KIND(injury, fill_staff_injury_string_grid, process_staff_injury_edit,
               StaffInjuriesMarkedForDeletion);
ITEM_GRID_KIND(job, fill_staff_job_string_grid, process_staff_job_edit, StaffJobMarkedForDeletion);
ITEM_GRID_KIND(contract_clauses, fill_staff_contract_clauses_string_grid,
               process_staff_contract_clauses_edit, StaffContractClausesMarkedForDeletion);
ITEM_GRID_KIND(achievements, fill_staff_achievements_string_grid, process_staff_achievements_edit,
               StaffAchievementsMarkedForDeletion);
ITEM_GRID_KIND(days_at_club_nation, fill_staff_days_at_club_nation_string_grid,
               process_staff_days_at_club_nation_edit, StaffDaysAtClubNationMarkedForDeletion);
ITEM_GRID_KIND(retirement, fill_staff_retirement_string_grid, process_staff_retirement_edit,
               StaffRetirementMarkedForDeletion);
ITEM_GRID_KIND(unavailability, fill_staff_unavailability_string_grid,
               process_staff_unavailability_edit, StaffUnavailabilityMarkedForDeletion);
ITEM_GRID_KIND(long_term_career, fill_staff_long_term_career_string_grid,
               process_staff_long_term_career_edit, StaffLongTermCareerMarkedForDeletion);

#undef ITEM_LIST_BOX_KIND
#undef ITEM_GRID_KIND

// The grid shows the rows; the hidden list box `staff_history` holds their items, line r - 1
// for row r.
template <>
struct item_list_kind<item_kind::history> {
  using item = qor_staff_history;
  static constexpr bool grid = true;
  static constexpr grid_fill<item> fill = fill_staff_history_string_grid;
  static constexpr list_box_fill<item> fill_lines = fill_staff_history;
  static constexpr entry_builder<item> add_entry = add_history_item;
  static constexpr void (*process_edit)(form_controls&) = process_staff_history_edit;
  static constexpr auto marked = &item::StaffHistoryMarkedForDeletion;
};

// The kind's items in the current data set.
template <item_kind Kind>
record_vector<item_record<Kind>>& items_of() {
  return store().*item_store<Kind>::current;
}
