#include "ability/expected_potential_ability.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "records/staff_record.h"

namespace {

using staff_byte = std::int8_t qor_staff::*;

struct natural_position {
  staff_byte rating;
  staff_byte other_rating;  // a second field that makes the row natural too, or null
  int peak_age;
  double exponent;
};

constexpr int natural_rating = 20;
constexpr int max_ability = 200;

// In the order they are examined; the sweeper takes no part.
constexpr natural_position natural_positions[] = {
    {&qor_staff::StaffPlayerGoalkeeper, nullptr, 32, 1.45},
    {&qor_staff::StaffPlayerDefenderLeftSide, &qor_staff::StaffPlayerWingBackLeftSide, 28, 1.8},
    {&qor_staff::StaffPlayerDefenderRightSide, &qor_staff::StaffPlayerWingBackRightSide, 28, 1.8},
    {&qor_staff::StaffPlayerDefenderCentral, nullptr, 30, 1.6},
    {&qor_staff::StaffPlayerDefensiveMidfielderCentral, nullptr, 29, 1.7},
    {&qor_staff::StaffPlayerMidfielderLeftSide, nullptr, 28, 1.8},
    {&qor_staff::StaffPlayerMidfielderRightSide, nullptr, 28, 1.8},
    {&qor_staff::StaffPlayerMidfielderCentral, nullptr, 29, 1.7},
    {&qor_staff::StaffPlayerAttackingMidfielderLeftSide, nullptr, 28, 1.8},
    {&qor_staff::StaffPlayerAttackingMidfielderRightSide, nullptr, 28, 1.8},
    {&qor_staff::StaffPlayerAttackingMidfielderCentral, nullptr, 28, 1.8},
    {&qor_staff::StaffPlayerAttackerCentral, nullptr, 28, 1.8},
};

bool is_natural(const qor_staff& staff, const natural_position& position) {
  return staff.*position.rating == natural_rating ||
         (position.other_rating != nullptr && staff.*position.other_rating == natural_rating);
}

}  // namespace

int expected_potential_ability(const qor_staff& staff, int age) {
  const int current_ability = staff.StaffPlayerCurrentAbility;
  if (age == 0 || current_ability == 0)
    return 0;
  int best = 0;
  for (const natural_position& position : natural_positions) {
    if (!is_natural(staff, position))
      continue;
    // A player already at the peak of one of his positions has no growth left to expect.
    if (age >= position.peak_age)
      return 0;
    const double growth = std::pow(static_cast<double>(position.peak_age - age), position.exponent);
    // Limited before the conversion: an age far below 0 would not fit an int.
    best = std::max(best, static_cast<int>(std::min(growth + current_ability, 1.0 * max_ability)));
  }
  return best;
}
