#include "analysis/rca_list.h"

#include <algorithm>
#include <unordered_map>

#include "ability/staff_attributes.h"
#include "records/staff_order.h"
#include "records/text_compare.h"

int recommended_current_ability_of(const qor_staff& staff) {
  return recommended_current_ability_of(staff, weightings());
}

namespace {

// What the order rests on, taken from each record once: comparing the records themselves
// reads tens of megabytes of records scattered through memory, a few hundred thousand times.
struct rca_order_key {
  bool null;
  std::int32_t difference;
  std::string display_name;
  std::size_t index;
};

// Greatest difference first, then display name ascending ignoring case, null records last; the
// order of compare_staff_rca_ca_difference_desc, and as stable.
void sort_by_rca_ca_difference(record_vector<qor_staff>& staff) {
  std::vector<rca_order_key> keys;
  keys.reserve(staff.size());
  for (std::size_t index = 0; index < staff.size(); ++index) {
    const qor_staff* record = staff[index].get();
    keys.push_back({record == nullptr, record != nullptr ? record->rca_ca_difference : 0,
                    record != nullptr ? std::string(display_name(*record)) : std::string(), index});
  }
  std::stable_sort(keys.begin(), keys.end(), [](const rca_order_key& a, const rca_order_key& b) {
    if (a.null || b.null)
      return !a.null && b.null;
    if (a.difference != b.difference)
      return a.difference > b.difference;
    return compare_ignoring_case(a.display_name, b.display_name) < 0;
  });
  record_vector<qor_staff> sorted;
  sorted.reserve(staff.size());
  for (const rca_order_key& key : keys)
    sorted.push_back(std::move(staff[key.index]));
  staff = std::move(sorted);
}

}  // namespace

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
  sort_by_rca_ca_difference(staff);
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
