#include "invented_players.h"

namespace {

using s = qor_staff;

// Every attribute field, so that `rest` can fill the ones a player does not name.
constexpr staff_byte every_attribute[] = {
    &s::StaffPlayerCrossing,
    &s::StaffPlayerDribbling,
    &s::StaffPlayerFinishing,
    &s::StaffPlayerHeading,
    &s::StaffPlayerLongShots,
    &s::StaffPlayerMarking,
    &s::StaffPlayerMovement,
    &s::StaffPlayerPassing,
    &s::StaffPlayerPenalties,
    &s::StaffPlayerTackling,
    &s::StaffPlayerVision,
    &s::StaffPlayerHandling,
    &s::StaffPlayerGKAerialAbility,
    &s::StaffPlayerGKCommandOfArea,
    &s::StaffPlayerGKCommunication,
    &s::StaffPlayerGKKicking,
    &s::StaffPlayerGKThrowing,
    &s::StaffPlayerAnticipation,
    &s::StaffPlayerDecisions,
    &s::StaffPlayerOneOnOnes,
    &s::StaffPlayerPositioning,
    &s::StaffPlayerReflexes,
    &s::StaffPlayerFirstTouch,
    &s::StaffPlayerTechnique,
    &s::StaffPlayerLeftFoot,
    &s::StaffPlayerRightFoot,
    &s::StaffPlayerFlair,
    &s::StaffPlayerCorners,
    &s::StaffPlayerTeamwork,
    &s::StaffPlayerWorkRate,
    &s::StaffPlayerLongThrows,
    &s::StaffPlayerGKEccentricity,
    &s::StaffPlayerGKRushingOut,
    &s::StaffPlayerGKTendencyToPunchBall,
    &s::StaffPlayerAcceleration,
    &s::StaffPlayerFreeKicks,
    &s::StaffPlayerStrength,
    &s::StaffPlayerStamina,
    &s::StaffPlayerPace,
    &s::StaffPlayerJumping,
    &s::StaffPlayerLeadership,
    &s::StaffPlayerDirtiness,
    &s::StaffPlayerBalance,
    &s::StaffPlayerBravery,
    &s::StaffPlayerConsistency,
    &s::StaffPlayerAggression,
    &s::StaffPlayerAgility,
    &s::StaffPlayerImportantMatches,
    &s::StaffPlayerInjuryProneness,
    &s::StaffPlayerVersatility,
    &s::StaffPlayerNaturalFitness,
    &s::StaffPlayerComposure,
    &s::StaffPlayerConcentration,
};

struct weight_row {
  int position;
  int index;
  int weight;
};

// Position numbers: GK 0, SW 1, DL 2, DC 3, DR 4, DMC 5, ML 6, MC 7, MR 8, AML 9, AMC 10,
// AMR 11, ST 12, WBL 13, WBR 14. Indices as the block lays them out.
constexpr weight_row weights[] = {
    {0, 36, 80},  {0, 47, 80},  {0, 45, 60},  {0, 37, 50},  {0, 46, 40},  {0, 40, 20},
    {1, 30, 60},  {1, 34, 60},  {1, 46, 50},  {1, 28, 40},  {2, 34, 60},  {2, 30, 50},
    {2, 64, 50},  {2, 25, 30},  {4, 34, 60},  {4, 30, 50},  {4, 64, 50},  {4, 25, 30},
    {3, 30, 70},  {3, 34, 70},  {3, 28, 60},  {3, 62, 40},  {3, 65, 40},  {3, 69, 30},
    {3, 66, 20},  {5, 34, 50},  {5, 32, 60},  {5, 46, 40},  {5, 54, 40},  {6, 25, 60},
    {6, 26, 50},  {6, 64, 50},  {6, 63, 40},  {8, 25, 60},  {8, 26, 50},  {8, 64, 50},
    {8, 63, 40},  {7, 32, 70},  {7, 35, 60},  {7, 54, 50},  {7, 63, 40},  {9, 26, 70},
    {9, 25, 50},  {9, 64, 60},  {9, 52, 40},  {11, 26, 70}, {11, 25, 50}, {11, 64, 60},
    {11, 52, 40}, {10, 32, 60}, {10, 35, 60}, {10, 49, 60}, {10, 52, 50}, {12, 27, 90},
    {12, 28, 40}, {12, 64, 50}, {12, 31, 60}, {12, 78, 40}, {13, 25, 50}, {13, 34, 50},
    {13, 64, 50}, {13, 63, 60}, {14, 25, 50}, {14, 34, 50}, {14, 64, 50}, {14, 63, 60},
};

}  // namespace

qor_staff invented_player(std::int32_t id, int current_ability, int rest,
                          std::initializer_list<field_value> values) {
  qor_staff staff;
  staff.StaffID = id;
  staff.StaffPlayerCurrentAbility = static_cast<std::int16_t>(current_ability);
  for (staff_byte field : every_attribute)
    staff.*field = static_cast<std::int8_t>(rest);
  for (const field_value& value : values)
    staff.*value.field = static_cast<std::int8_t>(value.value);
  return staff;
}

std::span<const staff_byte> every_attribute_field() {
  return every_attribute;
}

POSITION_WEIGHTINGS invented_weightings() {
  POSITION_WEIGHTINGS table;
  for (const weight_row& row : weights)
    table.set_weighting(row.position, row.index, row.weight);
  for (int position = 0; position < MAX_PLAYING_POSITION_INDICES; ++position)
    table.set_weighting(position, 75, 10);  // versatility a little everywhere
  return table;
}

qor_staff keeper() {
  return invented_player(101, 140, 8,
                         {{&s::StaffPlayerGoalkeeper, 20},
                          {&s::StaffPlayerHandling, 16},
                          {&s::StaffPlayerReflexes, 17},
                          {&s::StaffPlayerOneOnOnes, 14},
                          {&s::StaffPlayerGKAerialAbility, 15},
                          {&s::StaffPlayerPositioning, 13},
                          {&s::StaffPlayerGKKicking, 12},
                          {&s::StaffPlayerRightFoot, 15},
                          {&s::StaffPlayerLeftFoot, 9}});
}

qor_staff striker() {
  return invented_player(202, 160, 10,
                         {{&s::StaffPlayerAttackerCentral, 20},
                          {&s::StaffPlayerAttackingMidfielderCentral, 15},
                          {&s::StaffPlayerFinishing, 18},
                          {&s::StaffPlayerMovement, 16},
                          {&s::StaffPlayerPace, 15},
                          {&s::StaffPlayerHeading, 12},
                          {&s::StaffPlayerComposure, 14},
                          {&s::StaffPlayerTechnique, 15},
                          {&s::StaffPlayerRightFoot, 20},
                          {&s::StaffPlayerLeftFoot, 11}});
}

qor_staff all_rounder() {
  return invented_player(303, 150, 12,
                         {{&s::StaffPlayerDefenderCentral, 15},
                          {&s::StaffPlayerDefensiveMidfielderCentral, 18},
                          {&s::StaffPlayerMidfielderCentral, 20},
                          {&s::StaffPlayerMidfielderLeftSide, 16},
                          {&s::StaffPlayerAttackingMidfielderCentral, 15},
                          {&s::StaffPlayerAttackerCentral, 12},
                          {&s::StaffPlayerPassing, 16},
                          {&s::StaffPlayerVision, 15},
                          {&s::StaffPlayerTackling, 14},
                          {&s::StaffPlayerVersatility, 18},
                          {&s::StaffPlayerLeftFoot, 20},
                          {&s::StaffPlayerRightFoot, 20}});
}

qor_staff weak_youth() {
  return invented_player(404, 25, 3,
                         {{&s::StaffPlayerMidfielderCentral, 14},
                          {&s::StaffPlayerMidfielderRightSide, 11},
                          {&s::StaffPlayerPassing, 4},
                          {&s::StaffPlayerVision, 5},
                          {&s::StaffPlayerLeftFoot, 5},
                          {&s::StaffPlayerRightFoot, 12}});
}

qor_staff veteran() {
  return invented_player(505, 120, 11,
                         {{&s::StaffPlayerDefenderCentral, 20},
                          {&s::StaffPlayerDefenderRightSide, 17},
                          {&s::StaffPlayerSweeper, 14},
                          {&s::StaffPlayerMarking, 17},
                          {&s::StaffPlayerTackling, 16},
                          {&s::StaffPlayerHeading, 15},
                          {&s::StaffPlayerPace, 7},
                          {&s::StaffPlayerLeadership, 19},
                          {&s::StaffPlayerBravery, 17},
                          {&s::StaffPlayerLeftFoot, 6},
                          {&s::StaffPlayerRightFoot, 17}});
}
