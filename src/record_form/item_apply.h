#pragma once

#include <string>

#include "record_form/field_ref.h"
#include "record_form/item_selection.h"

class form_controls;

// Copying a detail panel back into its item, the reverse of item_details.h. Every control of the
// kind's panel is read through its binding; when any field got a new value the item's
// DateUpdated is stamped with the current date and time and data_modified is set. An edit that
// changes nothing stamps nothing. Favourite and disliked staff and clubs, preferred moves and
// tendencies count only their flags: their other fields are written but stamp nothing. A control
// still showing a stand-in for a value it could not show, and an edit whose text has not changed
// since the panel was filled (binding_support.h), leave their fields alone, so no value is lost to
// what the panel showed in its place.
//
// Flags become "True" or "False" from their box; a stored spelling in other letter case counts
// as a change and is rewritten, except for the injury flags and the days-at-club 15-21 flag,
// which compare ignoring case. History fees keep their text (without thousands separators, -1
// undisclosed, -2 nominal) with its number beside it.

// False, touching nothing, for a null item; true otherwise, whether or not anything changed.
template <item_kind Kind>
bool apply_item_details(item_record<Kind>* item, form_controls& form);

// The update stamp: today's date in the locale's order and separator, then " hh:nn:ss".
std::string item_update_stamp();

// The per-kind names the rest of the program calls them by.
inline bool apply_staff_favourite_staff(qor_staff_favourite_disliked_staff* item,
                                        form_controls& form) {
  return apply_item_details<item_kind::favourite_staff>(item, form);
}
inline bool apply_staff_disliked_staff(qor_staff_favourite_disliked_staff* item,
                                       form_controls& form) {
  return apply_item_details<item_kind::disliked_staff>(item, form);
}
inline bool apply_staff_favourite_club(qor_staff_favourite_disliked_club* item,
                                       form_controls& form) {
  return apply_item_details<item_kind::favourite_club>(item, form);
}
inline bool apply_staff_disliked_club(qor_staff_favourite_disliked_club* item,
                                      form_controls& form) {
  return apply_item_details<item_kind::disliked_club>(item, form);
}
inline bool apply_staff_history(qor_staff_history* item, form_controls& form) {
  return apply_item_details<item_kind::history>(item, form);
}
inline bool apply_staff_language(qor_staff_language* item, form_controls& form) {
  return apply_item_details<item_kind::language>(item, form);
}
inline bool apply_staff_ppm(qor_staff_ppm* item, form_controls& form) {
  return apply_item_details<item_kind::ppm>(item, form);
}
inline bool apply_staff_npt(qor_staff_npt* item, form_controls& form) {
  return apply_item_details<item_kind::npt>(item, form);
}
inline bool apply_staff_non_player_history(qor_staff_non_player_history* item,
                                           form_controls& form) {
  return apply_item_details<item_kind::non_player_history>(item, form);
}
inline bool apply_staff_injury(qor_staff_injury* item, form_controls& form) {
  return apply_item_details<item_kind::injury>(item, form);
}
inline bool apply_staff_contract_clauses(qor_staff_contract_clauses* item, form_controls& form) {
  return apply_item_details<item_kind::contract_clauses>(item, form);
}
inline bool apply_staff_job(qor_staff_job* item, form_controls& form) {
  return apply_item_details<item_kind::job>(item, form);
}
inline bool apply_staff_achievements(qor_staff_achievements* item, form_controls& form) {
  return apply_item_details<item_kind::achievements>(item, form);
}
inline bool apply_staff_days_at_club_nation(qor_staff_days_at_club_nation* item,
                                            form_controls& form) {
  return apply_item_details<item_kind::days_at_club_nation>(item, form);
}
inline bool apply_staff_retirement(qor_staff_retirement* item, form_controls& form) {
  return apply_item_details<item_kind::retirement>(item, form);
}
inline bool apply_staff_unavailability(qor_staff_unavailability* item, form_controls& form) {
  return apply_item_details<item_kind::unavailability>(item, form);
}
inline bool apply_staff_long_term_career(qor_staff_long_term_career* item, form_controls& form) {
  return apply_item_details<item_kind::long_term_career>(item, form);
}

// ---- implementation of the template ----

// Reads the kind's panel into the item; true when a field got a new value.
bool apply_item_panel(item_kind kind, const void* owner, void* item, form_controls& form);
// Stamps the item's DateUpdated and sets data_modified.
void mark_item_updated(fixed_text<26>& date_updated);

template <item_kind Kind>
bool apply_item_details(item_record<Kind>* item, form_controls& form) {
  if (item == nullptr)
    return false;
  if (apply_item_panel(Kind, &record_type_tag<item_record<Kind>>, item, form))
    mark_item_updated(item->DateUpdated);
  return true;
}
