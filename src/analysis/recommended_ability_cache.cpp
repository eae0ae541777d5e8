#include "analysis/recommended_ability_cache.h"

#include "ability/staff_attributes.h"
#include "records/staff_record.h"

void recommended_ability_cache::start_list(const POSITION_WEIGHTINGS& weightings) {
  if (!(weightings == weightings_)) {
    weightings_ = weightings;
    values_.clear();
  }
  std::erase_if(values_, [this](const auto& entry) { return entry.second.list != list_; });
  ++list_;
}

int recommended_ability_cache::recommended(const qor_staff& staff) {
  const BASE_PLAYING_DATA figures = playing_data_from_staff(staff);
  kept_value& kept = values_[&staff];
  if (kept.list == 0 || !(kept.figures == figures) ||
      kept.current_ability != staff.StaffPlayerCurrentAbility) {
    kept.figures = figures;
    kept.current_ability = staff.StaffPlayerCurrentAbility;
    kept.recommended = recommended_current_ability_of(staff, weightings_);
  }
  kept.list = list_;
  return kept.recommended;
}
