#include "originals.h"

#include "item_matching.h"

using k = item_kind;

const qor_staff* find_original_staff(const qor_staff* staff) {
  if (staff == nullptr)
    return nullptr;
  const record_store& records = store();
  return records.indexes.staff_originals.first_with(records.staff_orig_list, staff->StaffID);
}

// clang-format off
const qor_staff_favourite_disliked_staff* find_original_favourite_staff(const qor_staff_favourite_disliked_staff* item) { return find_original_item<k::favourite_staff>(item); }
const qor_staff_favourite_disliked_staff* find_original_disliked_staff(const qor_staff_favourite_disliked_staff* item) { return find_original_item<k::disliked_staff>(item); }
const qor_staff_favourite_disliked_club* find_original_favourite_club(const qor_staff_favourite_disliked_club* item) { return find_original_item<k::favourite_club>(item); }
const qor_staff_favourite_disliked_club* find_original_disliked_club(const qor_staff_favourite_disliked_club* item) { return find_original_item<k::disliked_club>(item); }
const qor_staff_history* find_original_history(const qor_staff_history* item) { return find_original_item<k::history>(item); }
const qor_staff_language* find_original_language(const qor_staff_language* item) { return find_original_item<k::language>(item); }
const qor_staff_ppm* find_original_ppm(const qor_staff_ppm* item) { return find_original_item<k::ppm>(item); }
const qor_staff_npt* find_original_npt(const qor_staff_npt* item) { return find_original_item<k::npt>(item); }
const qor_staff_non_player_history* find_original_non_player_history(const qor_staff_non_player_history* item) { return find_original_item<k::non_player_history>(item); }
const qor_staff_injury* find_original_injury(const qor_staff_injury* item) { return find_original_item<k::injury>(item); }
const qor_staff_contract_clauses* find_original_contract_clauses(const qor_staff_contract_clauses* item) { return find_original_item<k::contract_clauses>(item); }
const qor_staff_job* find_original_job(const qor_staff_job* item) { return find_original_item<k::job>(item); }
const qor_staff_achievements* find_original_achievements(const qor_staff_achievements* item) { return find_original_item<k::achievements>(item); }
const qor_staff_days_at_club_nation* find_original_days_at_club_nation(const qor_staff_days_at_club_nation* item) { return find_original_item<k::days_at_club_nation>(item); }
const qor_staff_retirement* find_original_retirement(const qor_staff_retirement* item) { return find_original_item<k::retirement>(item); }
const qor_staff_unavailability* find_original_unavailability(const qor_staff_unavailability* item) { return find_original_item<k::unavailability>(item); }
const qor_staff_long_term_career* find_original_long_term_career(const qor_staff_long_term_career* item) { return find_original_item<k::long_term_career>(item); }
// clang-format on
