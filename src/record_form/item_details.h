#pragma once

#include "record_form/field_ref.h"
#include "record_form/item_selection.h"

class form_controls;

// The detail panels of the seventeen item lists, filled for display. Each panel's controls are
// the rows of the record pages that lie in the kind's panel container; they show the item's
// fields through the same bindings as the record's own controls, with Tag -99.

// Object name of the kind's detail panel, "edit_staff_history_panel".
const char* item_panel_name(item_kind kind);

// Shows the item in its kind's panel while filling_controls is set (the flag is put back as it
// was). False, touching nothing, for a null item. Flags tick when their text is "true" in any
// case; any text but "true" or "false" shows unticked as a stand-in, never as the item shown
// before left the box, and stays in the item until the user sets the box.
template <item_kind Kind>
bool fill_item_details(const item_record<Kind>* item, form_controls& form);

// The per-kind names the rest of the program calls them by.
inline bool fill_staff_favourite_staff_details(const qor_staff_favourite_disliked_staff* item,
                                               form_controls& form) {
  return fill_item_details<item_kind::favourite_staff>(item, form);
}
inline bool fill_staff_disliked_staff_details(const qor_staff_favourite_disliked_staff* item,
                                              form_controls& form) {
  return fill_item_details<item_kind::disliked_staff>(item, form);
}
inline bool fill_staff_favourite_club_details(const qor_staff_favourite_disliked_club* item,
                                              form_controls& form) {
  return fill_item_details<item_kind::favourite_club>(item, form);
}
inline bool fill_staff_disliked_club_details(const qor_staff_favourite_disliked_club* item,
                                             form_controls& form) {
  return fill_item_details<item_kind::disliked_club>(item, form);
}
inline bool fill_staff_history_details(const qor_staff_history* item, form_controls& form) {
  return fill_item_details<item_kind::history>(item, form);
}
inline bool fill_staff_language_details(const qor_staff_language* item, form_controls& form) {
  return fill_item_details<item_kind::language>(item, form);
}
inline bool fill_staff_ppm_details(const qor_staff_ppm* item, form_controls& form) {
  return fill_item_details<item_kind::ppm>(item, form);
}
inline bool fill_staff_npt_details(const qor_staff_npt* item, form_controls& form) {
  return fill_item_details<item_kind::npt>(item, form);
}
inline bool fill_staff_non_player_history_details(const qor_staff_non_player_history* item,
                                                  form_controls& form) {
  return fill_item_details<item_kind::non_player_history>(item, form);
}
inline bool fill_staff_injury_details(const qor_staff_injury* item, form_controls& form) {
  return fill_item_details<item_kind::injury>(item, form);
}
inline bool fill_staff_contract_clauses_details(const qor_staff_contract_clauses* item,
                                                form_controls& form) {
  return fill_item_details<item_kind::contract_clauses>(item, form);
}
inline bool fill_staff_job_details(const qor_staff_job* item, form_controls& form) {
  return fill_item_details<item_kind::job>(item, form);
}
inline bool fill_staff_achievements_details(const qor_staff_achievements* item,
                                            form_controls& form) {
  return fill_item_details<item_kind::achievements>(item, form);
}
inline bool fill_staff_days_at_club_nation_details(const qor_staff_days_at_club_nation* item,
                                                   form_controls& form) {
  return fill_item_details<item_kind::days_at_club_nation>(item, form);
}
inline bool fill_staff_retirement_details(const qor_staff_retirement* item, form_controls& form) {
  return fill_item_details<item_kind::retirement>(item, form);
}
inline bool fill_staff_unavailability_details(const qor_staff_unavailability* item,
                                              form_controls& form) {
  return fill_item_details<item_kind::unavailability>(item, form);
}
inline bool fill_staff_long_term_career_details(const qor_staff_long_term_career* item,
                                                form_controls& form) {
  return fill_item_details<item_kind::long_term_career>(item, form);
}

// ---- implementation of the template ----

// Fills the panel's rows bound to fields of the record type `owner` names.
void fill_item_panel(item_kind kind, const void* owner, const void* item, form_controls& form);

template <item_kind Kind>
bool fill_item_details(const item_record<Kind>* item, form_controls& form) {
  if (item == nullptr)
    return false;
  fill_item_panel(Kind, &record_type_tag<item_record<Kind>>, item, form);
  return true;
}
