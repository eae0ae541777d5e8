#include "analysis/staff_categories.h"

#include <algorithm>

#include "ability/position_sets.h"
#include "records/staff_record.h"

bool is_contracted(const qor_staff& staff, std::int32_t file_club_id) {
  return staff.StaffClubContracted == file_club_id;
}

bool is_loanee(const qor_staff& staff, std::int32_t file_club_id) {
  return staff.StaffClubOnLoanTo == file_club_id;
}

bool player_has_no_position(const qor_staff& staff) {
  const auto ratings = staff_position_ratings(staff);
  return std::all_of(ratings.begin(), ratings.end(), [](int rating) { return rating == 0; });
}
