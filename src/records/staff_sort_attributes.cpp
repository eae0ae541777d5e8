#include "staff_sort_attributes.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>

#include "lookup.h"
#include "lookup_lists.h"

namespace {

using rule = staff_order_rule;
using text = staff_value_text_rule;

// The 139 attributes of the combo, in attribute order.
constexpr std::array<staff_sort_attribute, staff_sort_attribute_row_count> combo_attributes = {{
    {"FirstName", &qor_staff::StaffFirstName, rule::text_ignoring_case, text::stored_text},    // 0
    {"SecondName", &qor_staff::StaffSecondName, rule::display_name, text::stored_text},        // 1
    {"CommonName", &qor_staff::StaffCommonName, rule::name_ignoring_case, text::stored_text},  // 2
    {"DateOfBirth", &qor_staff::StaffDateOfBirth, rule::date, text::stored_text},              // 3
    {"YearOfBirth", &qor_staff::StaffYearOfBirth, rule::number, text::decimal},                // 4
    {"Nation", &qor_staff::StaffNation, rule::text_by_codes, text::stored_text},               // 5
    {"SecondNation", &qor_staff::StaffSecondNation, rule::text_by_codes, text::stored_text},   // 6
    {"InternationalApps", &qor_staff::StaffInternationalApps, rule::unsigned_byte,
     text::unsigned_decimal},  // 7
    {"InternationalGoals", &qor_staff::StaffInternationalGoals, rule::unsigned_byte,
     text::unsigned_decimal},                                                              // 8
    {"U21Apps", &qor_staff::StaffU21Apps, rule::unsigned_byte, text::unsigned_decimal},    // 9
    {"U21Goals", &qor_staff::StaffU21Goals, rule::unsigned_byte, text::unsigned_decimal},  // 10
    {"ClubContracted", &qor_staff::StaffClubContracted, rule::club_name, text::decimal},   // 11
    {"JobForClub", &qor_staff::StaffJobForClub, rule::number, text::job_name},             // 12
    {"DateJoinedClub", &qor_staff::StaffDateJoinedClub, rule::date, text::stored_text},    // 13
    {"DateSignedLastContract", &qor_staff::StaffDateSignedLastContract, rule::date,
     text::stored_text},  // 14
    {"ContractExpiresClub", &qor_staff::StaffContractExpiresClub, rule::date,
     text::stored_text},                                                                      // 15
    {"ContractType", &qor_staff::StaffContractType, rule::number, text::contract_type},       // 16
    {"MinimumReleaseFee", &qor_staff::MinimumReleaseFee, rule::number, text::decimal},        // 17
    {"EstimatedWage", &qor_staff::StaffEstimatedWage, rule::number, text::decimal},           // 18
    {"Adaptability", &qor_staff::StaffAdaptability, rule::number, text::decimal},             // 19
    {"Ambition", &qor_staff::StaffAmbition, rule::number, text::decimal},                     // 20
    {"Controversy", &qor_staff::StaffControversy, rule::number, text::decimal},               // 21
    {"Determination", &qor_staff::StaffDetermination, rule::number, text::decimal},           // 22
    {"Loyalty", &qor_staff::StaffLoyalty, rule::number, text::decimal},                       // 23
    {"Pressure", &qor_staff::StaffPressure, rule::number, text::decimal},                     // 24
    {"Professionalism", &qor_staff::StaffProfessionalism, rule::number, text::decimal},       // 25
    {"Sportsmanship", &qor_staff::StaffSportsmanship, rule::number, text::decimal},           // 26
    {"Temperament", &qor_staff::StaffTemperament, rule::number, text::decimal},               // 27
    {"Classification", &qor_staff::StaffClassification, rule::number, text::classification},  // 28
    {"NonPlayerCurrentAbility", &qor_staff::StaffNonPlayerCurrentAbility, rule::number,
     text::decimal},  // 29
    {"NonPlayerPotentialAbility", &qor_staff::StaffNonPlayerPotentialAbility, rule::ability_range,
     text::decimal},  // 30
    {"NonPlayerHomeReputation", &qor_staff::StaffNonPlayerHomeReputation, rule::number,
     text::decimal},  // 31
    {"NonPlayerCurrentReputation", &qor_staff::StaffNonPlayerCurrentReputation, rule::number,
     text::decimal},  // 32
    {"NonPlayerWorldReputation", &qor_staff::StaffNonPlayerWorldReputation, rule::number,
     text::decimal},  // 33
    {"NonPlayerBoardConfidence", &qor_staff::StaffNonPlayerBoardConfidence, rule::number,
     text::decimal},  // 34
    {"NonPlayerFansConfidence", &qor_staff::StaffNonPlayerFansConfidence, rule::number,
     text::decimal},                                                                           // 35
    {"NonPlayerAttacking", &qor_staff::StaffNonPlayerAttacking, rule::number, text::decimal},  // 36
    {"NonPlayerBusiness", &qor_staff::StaffNonPlayerBusiness, rule::number, text::decimal},    // 37
    {"NonPlayerBuyingPlayers", &qor_staff::StaffNonPlayerBuyingPlayers, rule::number,
     text::decimal},                                                                         // 38
    {"NonPlayerCoaching", &qor_staff::StaffNonPlayerCoaching, rule::number, text::decimal},  // 39
    {"NonPlayerCoachingGks", &qor_staff::StaffNonPlayerCoachingGks, rule::number,
     text::decimal},  // 40
    {"NonPlayerCoachingTechnique", &qor_staff::NonPlayerCoachingTechnique, rule::number,
     text::decimal},                                                                   // 41
    {"NonPlayerDepth", &qor_staff::StaffNonPlayerDepth, rule::number, text::decimal},  // 42
    {"NonPlayerDirectness", &qor_staff::StaffNonPlayerDirectness, rule::number,
     text::decimal},  // 43
    {"NonPlayerDiscipline", &qor_staff::StaffNonPlayerDiscipline, rule::number,
     text::decimal},  // 44
    {"NonPlayerFlamboyancy", &qor_staff::StaffNonPlayerFlamboyancy, rule::number,
     text::decimal},  // 45
    {"NonPlayerFlexibility", &qor_staff::StaffNonPlayerFlexibility, rule::number,
     text::decimal},                                                                           // 46
    {"NonPlayerFreeRoles", &qor_staff::StaffNonPlayerFreeRoles, rule::number, text::decimal},  // 47
    {"NonPlayerHardnessOfTraining", &qor_staff::StaffNonPlayerHardnessOfTraining, rule::number,
     text::decimal},  // 48
    {"NonPlayerInterference", &qor_staff::StaffNonPlayerInterference, rule::number,
     text::decimal},                                                                           // 49
    {"NonPlayerJudgement", &qor_staff::StaffNonPlayerJudgement, rule::number, text::decimal},  // 50
    {"NonPlayerJudgingPotential", &qor_staff::StaffNonPlayerJudgingPotential, rule::number,
     text::decimal},  // 51
    {"NonPlayerManHandling", &qor_staff::StaffNonPlayerManHandling, rule::number,
     text::decimal},                                                                           // 52
    {"NonPlayerMarking", &qor_staff::StaffNonPlayerMarking, rule::number, text::decimal},      // 53
    {"NonPlayerMindGames", &qor_staff::StaffNonPlayerMindGames, rule::number, text::decimal},  // 54
    {"NonPlayerMotivating", &qor_staff::StaffNonPlayerMotivating, rule::number,
     text::decimal},                                                                         // 55
    {"NonPlayerOffside", &qor_staff::StaffNonPlayerOffside, rule::number, text::decimal},    // 56
    {"NonPlayerPatience", &qor_staff::StaffNonPlayerPatience, rule::number, text::decimal},  // 57
    {"NonPlayerPhysiotherapy", &qor_staff::StaffNonPlayerPhysiotherapy, rule::number,
     text::decimal},                                                                           // 58
    {"NonPlayerPressing", &qor_staff::StaffNonPlayerPressing, rule::number, text::decimal},    // 59
    {"NonPlayerResources", &qor_staff::StaffNonPlayerResources, rule::number, text::decimal},  // 60
    {"NonPlayerSittingBack", &qor_staff::StaffNonPlayerSittingBack, rule::number,
     text::decimal},  // 61
    {"NonPlayerSquadRotation", &qor_staff::StaffNonPlayerSquadRotation, rule::number,
     text::decimal},                                                                       // 62
    {"NonPlayerTactics", &qor_staff::StaffNonPlayerTactics, rule::number, text::decimal},  // 63
    {"NonPlayerTempo", &qor_staff::StaffNonPlayerTempo, rule::number, text::decimal},      // 64
    {"NonPlayerUseOfPlaymaker", &qor_staff::StaffNonPlayerUseOfPlaymaker, rule::number,
     text::decimal},                                                                           // 65
    {"NonPlayerUseOfSubs", &qor_staff::StaffNonPlayerUseOfSubs, rule::number, text::decimal},  // 66
    {"NonPlayerWidth", &qor_staff::StaffNonPlayerWidth, rule::number, text::decimal},          // 67
    {"NonPlayerYoungsters", &qor_staff::StaffNonPlayerYoungsters, rule::number,
     text::decimal},                                                    // 68
    {"PlayerSquadNumber", {}, rule::squad_number, text::squad_number},  // 69
    {"PlayerCurrentAbility", &qor_staff::StaffPlayerCurrentAbility, rule::player_number,
     text::decimal},  // 70
    {"PlayerPotentialAbility", &qor_staff::StaffPlayerPotentialAbility, rule::player_ability_range,
     text::decimal},  // 71
    {"PlayerHomeReputation", &qor_staff::StaffPlayerHomeReputation, rule::player_number,
     text::decimal},  // 72
    {"PlayerCurrentReputation", &qor_staff::StaffPlayerCurrentReputation, rule::player_number,
     text::decimal},  // 73
    {"PlayerWorldReputation", &qor_staff::StaffPlayerWorldReputation, rule::player_number,
     text::decimal},  // 74
    {"PlayerAcceleration", &qor_staff::StaffPlayerAcceleration, rule::player_number,
     text::decimal},  // 75
    {"PlayerAggression", &qor_staff::StaffPlayerAggression, rule::player_number,
     text::decimal},                                                                        // 76
    {"PlayerAgility", &qor_staff::StaffPlayerAgility, rule::player_number, text::decimal},  // 77
    {"PlayerAnticipation", &qor_staff::StaffPlayerAnticipation, rule::player_number,
     text::decimal},                                                                        // 78
    {"PlayerBalance", &qor_staff::StaffPlayerBalance, rule::player_number, text::decimal},  // 79
    {"PlayerBravery", &qor_staff::StaffPlayerBravery, rule::player_number, text::decimal},  // 80
    {"PlayerComposure", &qor_staff::StaffPlayerComposure, rule::player_number,
     text::decimal},  // 81
    {"PlayerConcentration", &qor_staff::StaffPlayerConcentration, rule::player_number,
     text::decimal},  // 82
    {"PlayerConsistency", &qor_staff::StaffPlayerConsistency, rule::player_number,
     text::decimal},                                                                          // 83
    {"PlayerCorners", &qor_staff::StaffPlayerCorners, rule::player_number, text::decimal},    // 84
    {"PlayerCrossing", &qor_staff::StaffPlayerCrossing, rule::player_number, text::decimal},  // 85
    {"PlayerDecisions", &qor_staff::StaffPlayerDecisions, rule::player_number,
     text::decimal},  // 86
    {"PlayerDirtiness", &qor_staff::StaffPlayerDirtiness, rule::player_number,
     text::decimal},  // 87
    {"PlayerDribbling", &qor_staff::StaffPlayerDribbling, rule::player_number,
     text::decimal},  // 88
    {"PlayerFinishing", &qor_staff::StaffPlayerFinishing, rule::player_number,
     text::decimal},  // 89
    {"PlayerFirstTouch", &qor_staff::StaffPlayerFirstTouch, rule::player_number,
     text::decimal},                                                                    // 90
    {"PlayerFlair", &qor_staff::StaffPlayerFlair, rule::player_number, text::decimal},  // 91
    {"PlayerFreeKicks", &qor_staff::StaffPlayerFreeKicks, rule::player_number,
     text::decimal},                                                                        // 92
    {"PlayerHeading", &qor_staff::StaffPlayerHeading, rule::player_number, text::decimal},  // 93
    {"PlayerImportantMatches", &qor_staff::StaffPlayerImportantMatches, rule::player_number,
     text::decimal},  // 94
    {"PlayerInjuryProneness", &qor_staff::StaffPlayerInjuryProneness, rule::player_number,
     text::decimal},                                                                        // 95
    {"PlayerJumping", &qor_staff::StaffPlayerJumping, rule::player_number, text::decimal},  // 96
    {"PlayerLeadership", &qor_staff::StaffPlayerLeadership, rule::player_number,
     text::decimal},                                                                          // 97
    {"PlayerLeftFoot", &qor_staff::StaffPlayerLeftFoot, rule::player_number, text::decimal},  // 98
    {"PlayerLongShots", &qor_staff::StaffPlayerLongShots, rule::player_number,
     text::decimal},  // 99
    {"PlayerLongThrows", &qor_staff::StaffPlayerLongThrows, rule::player_number,
     text::decimal},                                                                          // 100
    {"PlayerMarking", &qor_staff::StaffPlayerMarking, rule::player_number, text::decimal},    // 101
    {"PlayerMovement", &qor_staff::StaffPlayerMovement, rule::player_number, text::decimal},  // 102
    {"PlayerNaturalFitness", &qor_staff::StaffPlayerNaturalFitness, rule::player_number,
     text::decimal},                                                                        // 103
    {"PlayerPace", &qor_staff::StaffPlayerPace, rule::player_number, text::decimal},        // 104
    {"PlayerPassing", &qor_staff::StaffPlayerPassing, rule::player_number, text::decimal},  // 105
    {"PlayerPenalties", &qor_staff::StaffPlayerPenalties, rule::player_number,
     text::decimal},  // 106
    {"PlayerPositioning", &qor_staff::StaffPlayerPositioning, rule::player_number,
     text::decimal},  // 107
    {"PlayerRightFoot", &qor_staff::StaffPlayerRightFoot, rule::player_number,
     text::decimal},                                                                          // 108
    {"PlayerStamina", &qor_staff::StaffPlayerStamina, rule::player_number, text::decimal},    // 109
    {"PlayerStrength", &qor_staff::StaffPlayerStrength, rule::player_number, text::decimal},  // 110
    {"PlayerTackling", &qor_staff::StaffPlayerTackling, rule::player_number, text::decimal},  // 111
    {"PlayerTeamwork", &qor_staff::StaffPlayerTeamwork, rule::player_number, text::decimal},  // 112
    {"PlayerTechnique", &qor_staff::StaffPlayerTechnique, rule::player_number,
     text::decimal},  // 113
    {"PlayerVersatility", &qor_staff::StaffPlayerVersatility, rule::player_number,
     text::decimal},                                                                          // 114
    {"PlayerVision", &qor_staff::StaffPlayerVision, rule::player_number, text::decimal},      // 115
    {"PlayerWorkRate", &qor_staff::StaffPlayerWorkRate, rule::player_number, text::decimal},  // 116
    {"PlayerGKAerialAbility", &qor_staff::StaffPlayerGKAerialAbility, rule::player_number,
     text::decimal},  // 117
    {"PlayerGKCommandOfArea", &qor_staff::StaffPlayerGKCommandOfArea, rule::player_number,
     text::decimal},  // 118
    {"PlayerGKCommunication", &qor_staff::StaffPlayerGKCommunication, rule::player_number,
     text::decimal},  // 119
    {"PlayerGKEccentricity", &qor_staff::StaffPlayerGKEccentricity, rule::player_number,
     text::decimal},                                                                          // 120
    {"PlayerHandling", &qor_staff::StaffPlayerHandling, rule::player_number, text::decimal},  // 121
    {"PlayerGKKicking", &qor_staff::StaffPlayerGKKicking, rule::player_number,
     text::decimal},  // 122
    {"PlayerOneOnOnes", &qor_staff::StaffPlayerOneOnOnes, rule::player_number,
     text::decimal},                                                                          // 123
    {"PlayerReflexes", &qor_staff::StaffPlayerReflexes, rule::player_number, text::decimal},  // 124
    {"PlayerGKRushingOut", &qor_staff::StaffPlayerGKRushingOut, rule::player_number,
     text::decimal},  // 125
    {"PlayerGKTendencyToPunchBall", &qor_staff::StaffPlayerGKTendencyToPunchBall,
     rule::player_number, text::decimal},  // 126
    {"PlayerGKThrowing", &qor_staff::StaffPlayerGKThrowing, rule::player_number,
     text::decimal},                                                                   // 127
    {"MediaJob", &qor_staff::StaffMediaJob, rule::number, text::media_job},            // 128
    {"ClubCaptain", &qor_staff::ClubCaptain, rule::text_by_codes, text::stored_text},  // 129
    {"NonPlayerCoachingFitness", &qor_staff::StaffNonPlayerCoachingFitness, rule::number,
     text::decimal},  // 130
    {"NonPlayerCoachingTechnical", &qor_staff::StaffNonPlayerCoachingTechnical, rule::number,
     text::decimal},  // 131
    {"NonPlayerCoachingAttacking", &qor_staff::StaffNonPlayerCoachingAttacking, rule::number,
     text::decimal},  // 132
    {"NonPlayerCoachingDefending", &qor_staff::StaffNonPlayerCoachingDefending, rule::number,
     text::decimal},  // 133
    {"NonPlayerCoachingMental", &qor_staff::StaffNonPlayerCoachingMental, rule::number,
     text::decimal},  // 134
    {"NonPlayerCoachingTactical", &qor_staff::StaffNonPlayerCoachingTactical, rule::number,
     text::decimal},  // 135
    {"NonPlayerTeamTacticalFocus", &qor_staff::StaffNonPlayerTeamTacticalFocus, rule::number,
     text::decimal},                                                          // 136
    {"PlayerPlayingPosition", {}, rule::position_key, text::position_codes},  // 137
    {"PlayerWearkerFoot", {}, rule::weaker_foot, text::weaker_foot},          // 138
}};

constexpr staff_sort_attribute staff_id_attribute = {"StaffID", &qor_staff::StaffID, rule::staff_id,
                                                     text::none};

// Sort keys of the analysis lists only: no combo row, no value text.
constexpr std::array<staff_sort_attribute, 3> computed_ratings = {{
    {"Physical Rating", {}, rule::physical_rating, text::none},
    {"Technical Rating", {}, rule::technical_rating, text::none},
    {"Pressure/Determination Rating", {}, rule::pressure_determination_rating, text::none},
}};

std::array<std::string, staff_sort_attribute_row_count> make_combo_texts() {
  std::array<std::string, staff_sort_attribute_row_count> texts;
  for (std::size_t row = 0; row < texts.size(); ++row) {
    // ClubCaptain is listed before MediaJob.
    const std::size_t attribute = row == 128 ? 129 : (row == 129 ? 128 : row);
    texts[row] = std::string(combo_attributes[attribute].name) + "; " + std::to_string(attribute);
  }
  return texts;
}

// Attribute 69 shows the number the player wears at the file's club: his own squad number when
// he is contracted there, his loan squad number when he is on loan there.
std::int8_t shown_squad_number(const qor_staff& staff, std::int32_t file_club_id) {
  if (staff.StaffClubContracted != file_club_id && staff.StaffClubOnLoanTo == file_club_id) {
    return staff.StaffPlayerLoanSquadNumber;
  }
  return staff.StaffPlayerSquadNumber;
}

std::string weaker_foot_text(const qor_staff& staff) {
  if (staff.StaffPlayerLeftFoot < staff.StaffPlayerRightFoot) {
    return std::to_string(staff.StaffPlayerLeftFoot) + "'L'";
  }
  return std::to_string(staff.StaffPlayerRightFoot) + "'R'";
}

}  // namespace

long long staff_field_number(const qor_staff& staff, const staff_field& field) {
  return std::visit(
      [&staff](auto member) -> long long {
        using member_type = decltype(member);
        if constexpr (std::is_same_v<member_type, std::int8_t qor_staff::*> ||
                      std::is_same_v<member_type, std::int16_t qor_staff::*> ||
                      std::is_same_v<member_type, std::int32_t qor_staff::*>) {
          return staff.*member;
        } else {
          return 0;
        }
      },
      field);
}

std::string_view staff_field_text(const qor_staff& staff, const staff_field& field) {
  return std::visit(
      [&staff](auto member) -> std::string_view {
        using member_type = decltype(member);
        if constexpr (std::is_same_v<member_type, fixed_text<51> qor_staff::*> ||
                      std::is_same_v<member_type, fixed_text<26> qor_staff::*> ||
                      std::is_same_v<member_type, fixed_text<6> qor_staff::*>) {
          return (staff.*member).view();
        } else {
          return {};
        }
      },
      field);
}

const staff_sort_attribute* find_staff_sort_attribute(int attribute) {
  if (attribute == staff_id_sort_attribute) {
    return &staff_id_attribute;
  }
  if (attribute >= 0 && attribute < staff_sort_attribute_row_count) {
    return &combo_attributes[attribute];
  }
  if (attribute >= physical_rating_sort_attribute && attribute <= last_staff_sort_attribute) {
    return &computed_ratings[attribute - physical_rating_sort_attribute];
  }
  return nullptr;
}

const std::array<std::string, staff_sort_attribute_row_count>& staff_sort_attribute_names() {
  static const std::array<std::string, staff_sort_attribute_row_count> texts = make_combo_texts();
  return texts;
}

std::string table_item_text(std::span<const char* const> table, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= table.size()) {
    return {};
  }
  return table[index];
}

int char_to_int(std::int8_t value) {
  return value;
}

void fetch_sort_fields(const qor_staff& staff, const staff_sort_attribute* attribute) {
  constexpr std::uintptr_t line = 64;
  // Every line the names touch, from the one the record begins in.
  const auto begin = reinterpret_cast<std::uintptr_t>(&staff);
  for (std::uintptr_t at = begin & ~(line - 1); at < begin + offsetof(qor_staff, StaffDateOfBirth);
       at += line)
    __builtin_prefetch(reinterpret_cast<const void*>(at));
  if (attribute == nullptr)
    return;
  __builtin_prefetch(&staff.StaffClassification);
  std::visit(
      [&staff](auto member) {
        if constexpr (!std::is_same_v<decltype(member), std::monostate>)
          __builtin_prefetch(&(staff.*member));
      },
      attribute->field);
  if (attribute->order == rule::position_key) {
    __builtin_prefetch(&staff.StaffPlayerGoalkeeper);
    __builtin_prefetch(&staff.StaffPlayerAttackerCentral);
  }
}

std::string staff_sort_attribute_text(const qor_staff& staff, int attribute,
                                      std::int32_t file_club_id,
                                      const staff_position_texts& positions) {
  if (attribute < 0 || attribute >= staff_sort_attribute_row_count) {
    return {};
  }
  const staff_sort_attribute& row = combo_attributes[attribute];
  switch (row.text) {
    case text::none:
      return {};
    case text::stored_text:
      return std::string(staff_field_text(staff, row.field));
    case text::decimal:
      return std::to_string(staff_field_number(staff, row.field));
    case text::unsigned_decimal:
      return std::to_string(static_cast<std::uint8_t>(staff_field_number(staff, row.field)));
    case text::job_name:
      return lookup_name_by_code(lookups().jobs_list, staff.StaffJobForClub);
    case text::contract_type:
      return table_item_text(contract_type_texts, char_to_int(staff.StaffContractType));
    case text::classification:
      return table_item_text(classification_texts, char_to_int(staff.StaffClassification));
    case text::media_job:
      return table_item_text(media_job_texts, staff.StaffMediaJob);
    case text::squad_number:
      return std::to_string(shown_squad_number(staff, file_club_id));
    case text::position_codes:
      return positions.code_text != nullptr ? positions.code_text(staff) : std::string();
    case text::weaker_foot:
      return weaker_foot_text(staff);
  }
  return {};
}

const std::string& position_set_texts::code_text(const qor_staff& staff) {
  return text(staff, positions_.code_text, &set_texts::code_text);
}

const std::string& position_set_texts::sort_key(const qor_staff& staff) {
  return text(staff, positions_.sort_key, &set_texts::sort_key);
}

const std::string& position_set_texts::text(const qor_staff& staff, describer describe,
                                            std::optional<std::string> set_texts::*style) {
  if (describe == nullptr || positions_.position_set == nullptr) {
    unshared_ = describe != nullptr ? describe(staff) : std::string();
    return unshared_;
  }
  std::optional<std::string>& described = texts_of_set(positions_.position_set(staff)).*style;
  if (!described)
    described = describe(staff);
  return *described;
}

position_set_texts::set_texts& position_set_texts::texts_of_set(unsigned long set) {
  if (set >= table_limit)
    return untabled_[set];
  if (set >= slot_of_set_.size())
    slot_of_set_.resize(set + 1, no_slot);
  std::uint32_t& slot = slot_of_set_[set];
  if (slot == no_slot) {
    slot = static_cast<std::uint32_t>(tabled_.size());
    tabled_.emplace_back();
  }
  return tabled_[slot];
}

std::string_view staff_sort_attribute_texts::operator()(const qor_staff& staff) {
  const bool listed = attribute_ >= 0 && attribute_ < staff_sort_attribute_row_count;
  const text rule = listed ? combo_attributes[attribute_].text : text::none;
  if (rule == text::stored_text)
    return staff_field_text(staff, combo_attributes[attribute_].field);
  if (rule == text::position_codes)
    return position_texts_.code_text(staff);
  // Position codes, the one text that reads the positions, were given above.
  if (rule != text::job_name) {
    value_ = staff_sort_attribute_text(staff, attribute_, file_club_id_);
    return value_;
  }
  auto found = job_names_.find(staff.StaffJobForClub);
  if (found == job_names_.end()) {
    found = job_names_
                .emplace(staff.StaffJobForClub,
                         staff_sort_attribute_text(staff, attribute_, file_club_id_))
                .first;
  }
  return found->second;
}

std::string staff_sort_attribute_suffix(std::string_view value_text) {
  std::string suffix;
  append_staff_sort_attribute_suffix(suffix, value_text);
  return suffix;
}

void append_staff_sort_attribute_suffix(std::string& text, std::string_view value_text) {
  if (value_text.empty()) {
    text += " (empty)";
    return;
  }
  text += " (";
  text += value_text;
  text += ')';
}
