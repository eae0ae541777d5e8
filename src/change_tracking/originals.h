#pragma once

#include "records/item_records.h"
#include "records/staff_record.h"

// The as-exported copy of a record or item: the first non-null entry of its original vector with
// the same id (nothing else is compared). Null for a null argument and for a record or item made
// in the editor, which has none. Favourite and disliked kinds search their own vectors.

const qor_staff* find_original_staff(const qor_staff* staff);

const qor_staff_favourite_disliked_staff* find_original_favourite_staff(
    const qor_staff_favourite_disliked_staff* item);
const qor_staff_favourite_disliked_staff* find_original_disliked_staff(
    const qor_staff_favourite_disliked_staff* item);
const qor_staff_favourite_disliked_club* find_original_favourite_club(
    const qor_staff_favourite_disliked_club* item);
const qor_staff_favourite_disliked_club* find_original_disliked_club(
    const qor_staff_favourite_disliked_club* item);
const qor_staff_history* find_original_history(const qor_staff_history* item);
const qor_staff_language* find_original_language(const qor_staff_language* item);
const qor_staff_ppm* find_original_ppm(const qor_staff_ppm* item);
const qor_staff_npt* find_original_npt(const qor_staff_npt* item);
const qor_staff_non_player_history* find_original_non_player_history(
    const qor_staff_non_player_history* item);
const qor_staff_injury* find_original_injury(const qor_staff_injury* item);
const qor_staff_contract_clauses* find_original_contract_clauses(
    const qor_staff_contract_clauses* item);
const qor_staff_job* find_original_job(const qor_staff_job* item);
const qor_staff_achievements* find_original_achievements(const qor_staff_achievements* item);
const qor_staff_days_at_club_nation* find_original_days_at_club_nation(
    const qor_staff_days_at_club_nation* item);
const qor_staff_retirement* find_original_retirement(const qor_staff_retirement* item);
const qor_staff_unavailability* find_original_unavailability(const qor_staff_unavailability* item);
const qor_staff_long_term_career* find_original_long_term_career(
    const qor_staff_long_term_career* item);
