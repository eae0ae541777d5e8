#include "analysis/ability_ranges.h"

#include <cstdio>

#include "analysis/staff_categories.h"
#include "records/record_store.h"
#include "records/staff_record.h"

namespace {

constexpr int max_age = 50;
constexpr int max_ability = 200;
constexpr int lowest_potential_code = -10;

std::vector<ability_band> make_bands(ability_mode mode) {
  std::vector<ability_band> bands{{0, 0, "range_0"}};
  for (int low = 1; low < max_ability; low += 10) {
    const int high = low + 9;
    bands.push_back({low, high, "range_" + std::to_string(low) + "_" + std::to_string(high)});
  }
  if (mode == ability_mode::potential) {
    for (int code = -1; code >= lowest_potential_code; --code)
      bands.push_back({code, code, "range_minus_" + std::to_string(-code)});
  }
  return bands;
}

unsigned count_players_in_range(std::span<const record_pointer<qor_staff>> staff,
                                std::span<const int> ages, const ability_range_filter& filter,
                                ability_mode mode, int lowest, int highest) {
  const int floor = mode == ability_mode::current ? 0 : lowest_potential_code;
  if (staff.empty() || lowest > highest || lowest < floor || highest > max_ability ||
      filter.age_from > filter.age_to || filter.age_from < 0 || filter.age_to > max_age)
    return 0;
  unsigned count = 0;
  for (std::size_t i = 0; i < staff.size() && i < ages.size(); ++i) {
    const qor_staff* record = staff[i].get();
    if (record == nullptr || !is_player(*record))
      continue;
    if (ages[i] < filter.age_from || ages[i] > filter.age_to)
      continue;
    const int ability = mode == ability_mode::current ? record->StaffPlayerCurrentAbility
                                                      : record->StaffPlayerPotentialAbility;
    if (ability < lowest || ability > highest)
      continue;
    if (!filter.include_loanees && is_loanee(*record, filter.file_club_id))
      continue;
    ++count;
  }
  return count;
}

}  // namespace

std::span<const ability_band> ability_bands(ability_mode mode) {
  static const std::vector<ability_band> current = make_bands(ability_mode::current);
  static const std::vector<ability_band> potential = make_bands(ability_mode::potential);
  return mode == ability_mode::current ? current : potential;
}

unsigned count_players_in_ca_range(std::span<const record_pointer<qor_staff>> staff,
                                   std::span<const int> ages, const ability_range_filter& filter,
                                   int lowest, int highest) {
  return count_players_in_range(staff, ages, filter, ability_mode::current, lowest, highest);
}

unsigned count_players_in_pa_range(std::span<const record_pointer<qor_staff>> staff,
                                   std::span<const int> ages, const ability_range_filter& filter,
                                   int lowest, int highest) {
  return count_players_in_range(staff, ages, filter, ability_mode::potential, lowest, highest);
}

double range_percentage(unsigned total, unsigned count) {
  if (total < 1 || count < 1 || count > total)
    return 0;
  if (count == total)
    return 100;
  return 100.0 / total * count;
}

ability_distribution distribute_abilities(std::span<const record_pointer<qor_staff>> staff,
                                          std::span<const int> ages,
                                          const ability_range_filter& filter, ability_mode mode) {
  const int floor = mode == ability_mode::current ? 0 : lowest_potential_code;
  ability_distribution result;
  result.total = count_players_in_range(staff, ages, filter, mode, floor, max_ability);
  for (const ability_band& band : ability_bands(mode)) {
    const unsigned count =
        count_players_in_range(staff, ages, filter, mode, band.lowest, band.highest);
    result.bands.push_back({count, range_percentage(result.total, count)});
  }
  return result;
}

std::string percentage_text(double percentage) {
  char text[32];
  std::snprintf(text, sizeof text, "%3.2f", percentage);
  return text;
}

int bar_width(int graph_width, double percentage) {
  return static_cast<int>((graph_width / 100) * percentage);
}
