#include "ability/staff_attributes.h"

#include <cstdint>
#include <optional>
#include <utility>

#include "records/dates.h"
#include "records/staff_record.h"

namespace {

using staff_byte = std::int8_t qor_staff::*;

// Block entry and record field of every rating and attribute, in block order.
constexpr std::pair<int, staff_byte> block_fields[] = {
    {0, &qor_staff::StaffPlayerGoalkeeper},
    {1, &qor_staff::StaffPlayerSweeper},
    {2, &qor_staff::StaffPlayerDefender},
    {3, &qor_staff::StaffPlayerDefensiveMidfielder},
    {4, &qor_staff::StaffPlayerMidfielder},
    {5, &qor_staff::StaffPlayerAttackingMidfielder},
    {6, &qor_staff::StaffPlayerAttacker},
    {7, &qor_staff::StaffPlayerWingBack},
    {9, &qor_staff::StaffPlayerRightSide},
    {10, &qor_staff::StaffPlayerLeftSide},
    {11, &qor_staff::StaffPlayerCentral},
    {12, &qor_staff::StaffPlayerDefenderLeftSide},
    {13, &qor_staff::StaffPlayerDefenderCentral},
    {14, &qor_staff::StaffPlayerDefenderRightSide},
    {15, &qor_staff::StaffPlayerDefensiveMidfielderCentral},
    {16, &qor_staff::StaffPlayerMidfielderLeftSide},
    {17, &qor_staff::StaffPlayerMidfielderCentral},
    {18, &qor_staff::StaffPlayerMidfielderRightSide},
    {19, &qor_staff::StaffPlayerAttackingMidfielderLeftSide},
    {20, &qor_staff::StaffPlayerAttackingMidfielderCentral},
    {21, &qor_staff::StaffPlayerAttackingMidfielderRightSide},
    {22, &qor_staff::StaffPlayerAttackerCentral},
    {23, &qor_staff::StaffPlayerWingBackLeftSide},
    {24, &qor_staff::StaffPlayerWingBackRightSide},
    {25, &qor_staff::StaffPlayerCrossing},
    {26, &qor_staff::StaffPlayerDribbling},
    {27, &qor_staff::StaffPlayerFinishing},
    {28, &qor_staff::StaffPlayerHeading},
    {29, &qor_staff::StaffPlayerLongShots},
    {30, &qor_staff::StaffPlayerMarking},
    {31, &qor_staff::StaffPlayerMovement},
    {32, &qor_staff::StaffPlayerPassing},
    {33, &qor_staff::StaffPlayerPenalties},
    {34, &qor_staff::StaffPlayerTackling},
    {35, &qor_staff::StaffPlayerVision},
    {36, &qor_staff::StaffPlayerHandling},
    {37, &qor_staff::StaffPlayerGKAerialAbility},
    {38, &qor_staff::StaffPlayerGKCommandOfArea},
    {39, &qor_staff::StaffPlayerGKCommunication},
    {40, &qor_staff::StaffPlayerGKKicking},
    {41, &qor_staff::StaffPlayerGKThrowing},
    {43, &qor_staff::StaffPlayerAnticipation},
    {44, &qor_staff::StaffPlayerDecisions},
    {45, &qor_staff::StaffPlayerOneOnOnes},
    {46, &qor_staff::StaffPlayerPositioning},
    {47, &qor_staff::StaffPlayerReflexes},
    {48, &qor_staff::StaffPlayerFirstTouch},
    {49, &qor_staff::StaffPlayerTechnique},
    {50, &qor_staff::StaffPlayerLeftFoot},
    {51, &qor_staff::StaffPlayerRightFoot},
    {52, &qor_staff::StaffPlayerFlair},
    {53, &qor_staff::StaffPlayerCorners},
    {54, &qor_staff::StaffPlayerTeamwork},
    {55, &qor_staff::StaffPlayerWorkRate},
    {56, &qor_staff::StaffPlayerLongThrows},
    {57, &qor_staff::StaffPlayerGKEccentricity},
    {58, &qor_staff::StaffPlayerGKRushingOut},
    {59, &qor_staff::StaffPlayerGKTendencyToPunchBall},
    {60, &qor_staff::StaffPlayerAcceleration},
    {61, &qor_staff::StaffPlayerFreeKicks},
    {62, &qor_staff::StaffPlayerStrength},
    {63, &qor_staff::StaffPlayerStamina},
    {64, &qor_staff::StaffPlayerPace},
    {65, &qor_staff::StaffPlayerJumping},
    {66, &qor_staff::StaffPlayerLeadership},
    {67, &qor_staff::StaffPlayerDirtiness},
    {68, &qor_staff::StaffPlayerBalance},
    {69, &qor_staff::StaffPlayerBravery},
    {70, &qor_staff::StaffPlayerConsistency},
    {71, &qor_staff::StaffPlayerAggression},
    {72, &qor_staff::StaffPlayerAgility},
    {73, &qor_staff::StaffPlayerImportantMatches},
    {74, &qor_staff::StaffPlayerInjuryProneness},
    {75, &qor_staff::StaffPlayerVersatility},
    {76, &qor_staff::StaffPlayerNaturalFitness},
    {78, &qor_staff::StaffPlayerComposure},
    {79, &qor_staff::StaffPlayerConcentration},
};

// The field of each block entry, null for the entries no field fills.
constexpr auto fields_by_index = [] {
  std::array<staff_byte, BASE_PLAYING_DATA::size> fields{};
  for (const auto& [index, field] : block_fields)
    fields[index] = field;
  return fields;
}();

std::optional<long long> birth_day(const qor_staff& staff, std::string_view date_order) {
  int year = 0;
  int month = 0;
  int day = 0;
  if (!staff.StaffDateOfBirth.empty() &&
      parse_date_text(staff.StaffDateOfBirth.view(), date_order, year, month, day)) {
    return day_number(year, month, day);
  }
  if (staff.StaffYearOfBirth > 1800)
    return day_number(staff.StaffYearOfBirth, 1, 1);
  return std::nullopt;
}

}  // namespace

int get_staff_attribute(const qor_staff& staff, int index) {
  if (index < BASE_PLAYING_DATA::first_attribute_index || index >= BASE_PLAYING_DATA::size)
    return 0;
  const staff_byte field = fields_by_index[index];
  return field == nullptr ? 0 : staff.*field;
}

BASE_PLAYING_DATA playing_data_from_staff(const qor_staff& staff) {
  BASE_PLAYING_DATA block;
  for (const auto& [index, field] : block_fields)
    block.set_playing_data_value(index, staff.*field);
  return block;
}

BASE_PLAYING_DATA fitted_playing_data(const qor_staff& staff,
                                      const POSITION_WEIGHTINGS& weightings) {
  BASE_PLAYING_DATA block = playing_data_from_staff(staff);
  block.scale_attributes_to_100();
  block.fit_attributes_to_ability(staff.StaffPlayerCurrentAbility, weightings, staff.StaffID);
  return block;
}

int recommended_current_ability_of(const qor_staff& staff, const POSITION_WEIGHTINGS& weightings) {
  return recommended_current_ability_of(playing_data_from_staff(staff), staff, weightings);
}

int recommended_current_ability_of(BASE_PLAYING_DATA block, const qor_staff& staff,
                                   const POSITION_WEIGHTINGS& weightings) {
  block.scale_attributes_to_100();
  return block.recommended_current_ability_when_fitted(staff, staff.StaffPlayerCurrentAbility,
                                                       weightings);
}

int get_staff_age(const qor_staff& staff, const date_time& today, std::string_view date_order) {
  const std::optional<long long> birth = birth_day(staff, date_order);
  if (!birth)
    return 0;
  const long long days = day_number(today.year, today.month, today.day) - *birth;
  // The year length is the single-precision 365.2422 the ages were always counted with.
  constexpr double year_length = static_cast<double>(365.2422f);
  return static_cast<int>(static_cast<double>(days) / year_length);
}
