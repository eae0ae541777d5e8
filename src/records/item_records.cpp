#include "item_records.h"

#include <cstddef>
#include <cstring>
#include <type_traits>

// Items are moved and compared through their column tables by byte offset, and every item
// begins with its own id followed by its owner's id.
static_assert(std::is_standard_layout_v<qor_staff_favourite_disliked_staff> &&
              std::is_trivially_copyable_v<qor_staff_favourite_disliked_staff>);
static_assert(offsetof(qor_staff_favourite_disliked_staff, StaffFavouriteStaffID) == 0 &&
              offsetof(qor_staff_favourite_disliked_staff, StaffFavouriteStaffStaff) == 4);
static_assert(std::is_standard_layout_v<qor_staff_favourite_disliked_club> &&
              std::is_trivially_copyable_v<qor_staff_favourite_disliked_club>);
static_assert(offsetof(qor_staff_favourite_disliked_club, StaffFavouriteClubsID) == 0 &&
              offsetof(qor_staff_favourite_disliked_club, StaffFavouriteClubsStaff) == 4);
static_assert(std::is_standard_layout_v<qor_staff_history> &&
              std::is_trivially_copyable_v<qor_staff_history>);
static_assert(offsetof(qor_staff_history, StaffHistoryID) == 0 &&
              offsetof(qor_staff_history, StaffHistoryStaff) == 4);
static_assert(std::is_standard_layout_v<qor_staff_language> &&
              std::is_trivially_copyable_v<qor_staff_language>);
static_assert(offsetof(qor_staff_language, StaffLanguagesID) == 0 &&
              offsetof(qor_staff_language, StaffLanguagesStaff) == 4);
static_assert(std::is_standard_layout_v<qor_staff_ppm> &&
              std::is_trivially_copyable_v<qor_staff_ppm>);
static_assert(offsetof(qor_staff_ppm, StaffPPMID) == 0 &&
              offsetof(qor_staff_ppm, StaffPPMStaff) == 4);
static_assert(std::is_standard_layout_v<qor_staff_non_player_history> &&
              std::is_trivially_copyable_v<qor_staff_non_player_history>);
static_assert(offsetof(qor_staff_non_player_history, StaffNonPlayerHistoryID) == 0 &&
              offsetof(qor_staff_non_player_history, StaffNonPlayerHistoryStaff) == 4);
static_assert(std::is_standard_layout_v<qor_staff_injury> &&
              std::is_trivially_copyable_v<qor_staff_injury>);
static_assert(offsetof(qor_staff_injury, StaffInjuriesID) == 0 &&
              offsetof(qor_staff_injury, StaffInjuriesStaff) == 4);
static_assert(std::is_standard_layout_v<qor_staff_job> &&
              std::is_trivially_copyable_v<qor_staff_job>);
static_assert(offsetof(qor_staff_job, StaffJobID) == 0 &&
              offsetof(qor_staff_job, StaffJobStaff) == 4);
static_assert(std::is_standard_layout_v<qor_staff_contract_clauses> &&
              std::is_trivially_copyable_v<qor_staff_contract_clauses>);
static_assert(offsetof(qor_staff_contract_clauses, StaffContractClausesID) == 0 &&
              offsetof(qor_staff_contract_clauses, StaffContractClausesStaff) == 4);
static_assert(std::is_standard_layout_v<qor_staff_achievements> &&
              std::is_trivially_copyable_v<qor_staff_achievements>);
static_assert(offsetof(qor_staff_achievements, StaffAchievementsID) == 0 &&
              offsetof(qor_staff_achievements, StaffAchievementsStaff) == 4);
static_assert(std::is_standard_layout_v<qor_staff_npt> &&
              std::is_trivially_copyable_v<qor_staff_npt>);
static_assert(offsetof(qor_staff_npt, StaffNPTID) == 0 &&
              offsetof(qor_staff_npt, StaffNPTStaff) == 4);
static_assert(std::is_standard_layout_v<qor_staff_days_at_club_nation> &&
              std::is_trivially_copyable_v<qor_staff_days_at_club_nation>);
static_assert(offsetof(qor_staff_days_at_club_nation, StaffDaysAtClubNationID) == 0 &&
              offsetof(qor_staff_days_at_club_nation, StaffDaysAtClubNationStaff) == 4);
static_assert(std::is_standard_layout_v<qor_staff_retirement> &&
              std::is_trivially_copyable_v<qor_staff_retirement>);
static_assert(offsetof(qor_staff_retirement, StaffRetirementID) == 0 &&
              offsetof(qor_staff_retirement, StaffRetirementStaff) == 4);
static_assert(std::is_standard_layout_v<qor_staff_unavailability> &&
              std::is_trivially_copyable_v<qor_staff_unavailability>);
static_assert(offsetof(qor_staff_unavailability, StaffUnavailabilityID) == 0 &&
              offsetof(qor_staff_unavailability, StaffUnavailabilityStaff) == 4);
static_assert(std::is_standard_layout_v<qor_staff_long_term_career> &&
              std::is_trivially_copyable_v<qor_staff_long_term_career>);
static_assert(offsetof(qor_staff_long_term_career, StaffLongTermCareerID) == 0 &&
              offsetof(qor_staff_long_term_career, StaffLongTermCareerStaff) == 4);

qor_staff_favourite_disliked_staff::qor_staff_favourite_disliked_staff() {
  std::memset(static_cast<void*>(this), 0, sizeof *this);
}
qor_staff_favourite_disliked_club::qor_staff_favourite_disliked_club() {
  std::memset(static_cast<void*>(this), 0, sizeof *this);
}
qor_staff_history::qor_staff_history() {
  std::memset(static_cast<void*>(this), 0, sizeof *this);
}
qor_staff_language::qor_staff_language() {
  std::memset(static_cast<void*>(this), 0, sizeof *this);
}
qor_staff_ppm::qor_staff_ppm() {
  std::memset(static_cast<void*>(this), 0, sizeof *this);
}
qor_staff_non_player_history::qor_staff_non_player_history() {
  std::memset(static_cast<void*>(this), 0, sizeof *this);
}
qor_staff_injury::qor_staff_injury() {
  std::memset(static_cast<void*>(this), 0, sizeof *this);
}
qor_staff_job::qor_staff_job() {
  std::memset(static_cast<void*>(this), 0, sizeof *this);
}
qor_staff_contract_clauses::qor_staff_contract_clauses() {
  std::memset(static_cast<void*>(this), 0, sizeof *this);
}
qor_staff_achievements::qor_staff_achievements() {
  std::memset(static_cast<void*>(this), 0, sizeof *this);
}
qor_staff_npt::qor_staff_npt() {
  std::memset(static_cast<void*>(this), 0, sizeof *this);
}
qor_staff_days_at_club_nation::qor_staff_days_at_club_nation() {
  std::memset(static_cast<void*>(this), 0, sizeof *this);
}
qor_staff_retirement::qor_staff_retirement() {
  std::memset(static_cast<void*>(this), 0, sizeof *this);
}
qor_staff_unavailability::qor_staff_unavailability() {
  std::memset(static_cast<void*>(this), 0, sizeof *this);
}
qor_staff_long_term_career::qor_staff_long_term_career() {
  std::memset(static_cast<void*>(this), 0, sizeof *this);
}
