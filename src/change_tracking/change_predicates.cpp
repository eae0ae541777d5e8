#include "change_predicates.h"

#include "item_matching.h"
#include "originals.h"

using k = item_kind;

// clang-format off
bool favourite_staff_item_changed(const qor_staff_favourite_disliked_staff* item) { return item_changed<k::favourite_staff>(item); }
bool disliked_staff_item_changed(const qor_staff_favourite_disliked_staff* item) { return item_changed<k::disliked_staff>(item); }
bool favourite_club_item_changed(const qor_staff_favourite_disliked_club* item) { return item_changed<k::favourite_club>(item); }
bool disliked_club_item_changed(const qor_staff_favourite_disliked_club* item) { return item_changed<k::disliked_club>(item); }
bool history_item_changed(const qor_staff_history* item) { return item_changed<k::history>(item); }
bool language_item_changed(const qor_staff_language* item) { return item_changed<k::language>(item); }
bool ppm_item_changed(const qor_staff_ppm* item) { return item_changed<k::ppm>(item); }
bool npt_item_changed(const qor_staff_npt* item) { return item_changed<k::npt>(item); }
bool non_player_history_item_changed(const qor_staff_non_player_history* item) { return item_changed<k::non_player_history>(item); }
bool injury_item_changed(const qor_staff_injury* item) { return item_changed<k::injury>(item); }
bool contract_clauses_item_changed(const qor_staff_contract_clauses* item) { return item_changed<k::contract_clauses>(item); }
bool job_item_changed(const qor_staff_job* item) { return item_changed<k::job>(item); }
bool achievements_item_changed(const qor_staff_achievements* item) { return item_changed<k::achievements>(item); }
bool days_at_club_nation_item_changed(const qor_staff_days_at_club_nation* item) { return item_changed<k::days_at_club_nation>(item); }
bool retirement_item_changed(const qor_staff_retirement* item) { return item_changed<k::retirement>(item); }
bool unavailability_item_changed(const qor_staff_unavailability* item) { return item_changed<k::unavailability>(item); }
bool long_term_career_item_changed(const qor_staff_long_term_career* item) { return item_changed<k::long_term_career>(item); }

bool staff_favourite_staff_changed(const qor_staff* staff) { return staff_items_changed<k::favourite_staff>(staff); }
bool staff_disliked_staff_changed(const qor_staff* staff) { return staff_items_changed<k::disliked_staff>(staff); }
bool staff_favourite_club_changed(const qor_staff* staff) { return staff_items_changed<k::favourite_club>(staff); }
bool staff_disliked_club_changed(const qor_staff* staff) { return staff_items_changed<k::disliked_club>(staff); }
bool staff_history_changed(const qor_staff* staff) { return staff_items_changed<k::history>(staff); }
bool staff_language_changed(const qor_staff* staff) { return staff_items_changed<k::language>(staff); }
bool staff_ppm_changed(const qor_staff* staff) { return staff_items_changed<k::ppm>(staff); }
bool staff_npt_changed(const qor_staff* staff) { return staff_items_changed<k::npt>(staff); }
bool staff_non_player_history_changed(const qor_staff* staff) { return staff_items_changed<k::non_player_history>(staff); }
bool staff_injury_changed(const qor_staff* staff) { return staff_items_changed<k::injury>(staff); }
bool staff_contract_clauses_changed(const qor_staff* staff) { return staff_items_changed<k::contract_clauses>(staff); }
bool staff_job_changed(const qor_staff* staff) { return staff_items_changed<k::job>(staff); }
bool staff_achievements_changed(const qor_staff* staff) { return staff_items_changed<k::achievements>(staff); }
bool staff_retirement_changed(const qor_staff* staff) { return staff_items_changed<k::retirement>(staff); }
bool staff_unavailability_changed(const qor_staff* staff) { return staff_items_changed<k::unavailability>(staff); }
bool staff_long_term_career_changed(const qor_staff* staff) { return staff_items_changed<k::long_term_career>(staff); }
// clang-format on

namespace {

// The roll-ups a staff record's state includes, in the order the state is built from them.
constexpr bool (*const staff_roll_ups[])(const qor_staff*) = {
    staff_favourite_club_changed,
    staff_disliked_club_changed,
    staff_favourite_staff_changed,
    staff_disliked_staff_changed,
    staff_history_changed,
    staff_language_changed,
    staff_ppm_changed,
    staff_achievements_changed,
    staff_job_changed,
    staff_non_player_history_changed,
    staff_injury_changed,
    staff_npt_changed,
    staff_contract_clauses_changed,
    staff_long_term_career_changed,
    staff_retirement_changed,
    staff_unavailability_changed,
};

}  // namespace

bool staff_changed(const qor_staff* staff) {
  const qor_staff* original = find_original_staff(staff);
  if (original == nullptr) {
    return true;
  }
  if (any_compared_field_differs(record_bytes(*staff), record_bytes(*original),
                                 compared_staff_fields())) {
    return true;
  }
  for (const auto roll_up : staff_roll_ups) {
    if (roll_up(staff)) {
      return true;
    }
  }
  return false;
}
