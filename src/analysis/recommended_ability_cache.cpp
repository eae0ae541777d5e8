#include "analysis/recommended_ability_cache.h"

#include <algorithm>
#include <functional>

#include "ability/staff_attributes.h"
#include "records/staff_record.h"

void recommended_ability_cache::start_list(const POSITION_WEIGHTINGS& weightings) {
  last_list_ = std::move(this_list_);
  this_list_.clear();
  if (!(weightings == weightings_)) {
    weightings_ = weightings;
    last_list_.clear();
  }
  std::sort(last_list_.begin(), last_list_.end(), [](const kept_value& a, const kept_value& b) {
    return std::less<>{}(a.staff, b.staff);
  });
  this_list_.reserve(last_list_.size());
}

int recommended_ability_cache::recommended(const qor_staff& staff) {
  kept_value value{&staff, playing_data_from_staff(staff), staff.StaffPlayerCurrentAbility, 0};
  const auto kept = std::lower_bound(last_list_.begin(), last_list_.end(), &staff,
                                     [](const kept_value& entry, const qor_staff* key) {
                                       return std::less<>{}(entry.staff, key);
                                     });
  if (kept != last_list_.end() && kept->staff == &staff && kept->figures == value.figures &&
      kept->current_ability == value.current_ability) {
    value.recommended = kept->recommended;
  } else {
    value.recommended = recommended_current_ability_of(value.figures, staff, weightings_);
  }
  this_list_.push_back(value);
  return value.recommended;
}
