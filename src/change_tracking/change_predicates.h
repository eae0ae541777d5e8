#pragma once

#include "records/item_records.h"
#include "records/staff_record.h"

// Whether a record or item differs from its original. Pure functions of the current data set,
// computed afresh on every call: the records change under every edit.

// True for an item without an original (made in the editor, also a null item) or with any
// compared field different from it (see compared_fields.h).
bool favourite_staff_item_changed(const qor_staff_favourite_disliked_staff* item);
bool disliked_staff_item_changed(const qor_staff_favourite_disliked_staff* item);
bool favourite_club_item_changed(const qor_staff_favourite_disliked_club* item);
bool disliked_club_item_changed(const qor_staff_favourite_disliked_club* item);
bool history_item_changed(const qor_staff_history* item);
bool language_item_changed(const qor_staff_language* item);
bool ppm_item_changed(const qor_staff_ppm* item);
bool npt_item_changed(const qor_staff_npt* item);
bool non_player_history_item_changed(const qor_staff_non_player_history* item);
bool injury_item_changed(const qor_staff_injury* item);
bool contract_clauses_item_changed(const qor_staff_contract_clauses* item);
bool job_item_changed(const qor_staff_job* item);
bool achievements_item_changed(const qor_staff_achievements* item);
bool days_at_club_nation_item_changed(const qor_staff_days_at_club_nation* item);
bool retirement_item_changed(const qor_staff_retirement* item);
bool unavailability_item_changed(const qor_staff_unavailability* item);
bool long_term_career_item_changed(const qor_staff_long_term_career* item);

// True when any current item of the kind that the staff member owns has changed. Days at club
// or nation have no roll-up: they colour only their own grid.
bool staff_favourite_staff_changed(const qor_staff* staff);
bool staff_disliked_staff_changed(const qor_staff* staff);
bool staff_favourite_club_changed(const qor_staff* staff);
bool staff_disliked_club_changed(const qor_staff* staff);
bool staff_history_changed(const qor_staff* staff);
bool staff_language_changed(const qor_staff* staff);
bool staff_ppm_changed(const qor_staff* staff);
bool staff_npt_changed(const qor_staff* staff);
bool staff_non_player_history_changed(const qor_staff* staff);
bool staff_injury_changed(const qor_staff* staff);
bool staff_contract_clauses_changed(const qor_staff* staff);
bool staff_job_changed(const qor_staff* staff);
bool staff_achievements_changed(const qor_staff* staff);
bool staff_retirement_changed(const qor_staff* staff);
bool staff_unavailability_changed(const qor_staff* staff);
bool staff_long_term_career_changed(const qor_staff* staff);

// True for a record without an original (also a null one), with any compared field different
// from it, or with any changed item among the sixteen rolled-up kinds.
bool staff_changed(const qor_staff* staff);
