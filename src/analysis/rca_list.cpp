#include "analysis/rca_list.h"

#include "records/staff_order.h"
#include "records/staff_sort.h"

std::vector<rca_line> list_rca_ca_difference(
    record_vector<qor_staff>& staff, const std::function<int(const qor_staff&)>& recommended) {
  for (const auto& record : staff) {
    if (record && is_player(*record))
      record->rca_ca_difference = recommended(*record) - record->StaffPlayerCurrentAbility;
  }
  sort_staff_by_rca_ca_difference(staff);
  std::vector<rca_line> lines;
  for (const auto& record : staff) {
    if (!record || !is_player(*record))
      continue;
    const int ability = record->rca_ca_difference + record->StaffPlayerCurrentAbility;
    lines.push_back({record.get(), std::string(record->StaffSecondName.view()) + ", " +
                                       std::to_string(record->StaffPlayerCurrentAbility) + ", " +
                                       std::to_string(ability) + ", " +
                                       std::to_string(record->rca_ca_difference)});
  }
  return lines;
}
