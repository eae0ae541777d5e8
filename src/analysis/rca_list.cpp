#include "analysis/rca_list.h"

#include <algorithm>
#include <unordered_map>

#include "ability/staff_attributes.h"
#include "records/staff_sort.h"

int recommended_current_ability_of(const qor_staff& staff) {
  return recommendation_playing_data(staff, weightings())
      .recommended_current_ability(staff, weightings());
}

std::vector<rca_line> list_rca_ca_difference(
    record_vector<qor_staff>& staff, const std::function<int(const qor_staff&)>& recommended) {
  std::unordered_map<const qor_staff*, int> recommended_of;
  for (const auto& record : staff) {
    if (!record || !is_player(*record))
      continue;
    const int ability = recommended(*record);
    recommended_of.emplace(record.get(), ability);
    record->rca_ca_difference = ability - record->StaffPlayerCurrentAbility;
  }
  std::stable_sort(staff.begin(), staff.end(), [](const auto& a, const auto& b) {
    if (!a || !b)
      return a && !b;
    return compare_staff_rca_ca_difference_desc(a.get(), b.get());
  });
  std::vector<rca_line> lines;
  for (const auto& record : staff) {
    const auto found = record ? recommended_of.find(record.get()) : recommended_of.end();
    if (found == recommended_of.end())
      continue;
    lines.push_back({record.get(), std::string(record->StaffSecondName.view()) + ", " +
                                       std::to_string(record->StaffPlayerCurrentAbility) + ", " +
                                       std::to_string(found->second) + ", " +
                                       std::to_string(record->rca_ca_difference)});
  }
  return lines;
}
