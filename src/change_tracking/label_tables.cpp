#include "label_tables.h"

#include <array>
#include <charconv>
#include <string_view>
#include <vector>

#include "change_tracking/change_predicates.h"
#include "change_tracking/compared_fields.h"
#include "records/item_fields.h"
#include "records/staff_fields.h"

namespace {

// A row as written down: the field by its column (or member) name, resolved against the field
// tables once.
struct row_spec {
  std::string_view label;
  std::string_view field;
  label_rule rule;
  text_way way = text_way::value;
  std::string_view source = {};
  std::string_view second = {};
  bool takes_cursor = true;
};

constexpr bool no_cursor = false;
using enum label_rule;
using enum text_way;

// The staff record: one row per caption, several captions may show one field.
constexpr row_spec staff_rows[] = {
    {"staff_label_np_current_ability", "StaffNonPlayerCurrentAbility", quantity},
    {"staff_label_np_potential_ability", "StaffNonPlayerPotentialAbility", quantity},
    {"staff_label_np_home_reputation", "StaffNonPlayerHomeReputation", quantity},
    {"staff_label_np_current_reputation", "StaffNonPlayerCurrentReputation", quantity},
    {"staff_label_np_world_reputation", "StaffNonPlayerWorldReputation", quantity},
    {"staff_label_np_board_confidence", "StaffNonPlayerBoardConfidence", quantity},
    {"staff_label_np_fans_confidence", "StaffNonPlayerFansConfidence", quantity},
    {"staff_label_np_attacking", "StaffNonPlayerAttacking", quantity},
    {"staff_label_np_business", "StaffNonPlayerBusiness", quantity},
    {"staff_label_np_buying_players", "StaffNonPlayerBuyingPlayers", quantity},
    {"staff_label_np_coaching", "StaffNonPlayerCoaching", quantity},
    {"staff_label_np_coaching_technique", "NonPlayerCoachingTechnique", quantity},
    {"staff_label_np_depth", "StaffNonPlayerDepth", quantity},
    {"staff_label_np_directness", "StaffNonPlayerDirectness", quantity},
    {"staff_label_np_discipline", "StaffNonPlayerDiscipline", quantity},
    {"staff_label_np_flamboyancy", "StaffNonPlayerFlamboyancy", quantity},
    {"staff_label_np_flexibility", "StaffNonPlayerFlexibility", quantity},
    {"staff_label_np_free_roles", "StaffNonPlayerFreeRoles", quantity},
    {"staff_label_np_hardness_of_training", "StaffNonPlayerHardnessOfTraining", quantity},
    {"staff_label_np_interference", "StaffNonPlayerInterference", quantity},
    {"staff_label_np_judgement", "StaffNonPlayerJudgement", quantity},
    {"staff_label_np_judging_potential", "StaffNonPlayerJudgingPotential", quantity},
    {"staff_label_np_man_handling", "StaffNonPlayerManHandling", quantity},
    {"staff_label_np_marking", "StaffNonPlayerMarking", quantity},
    {"staff_label_np_motivating", "StaffNonPlayerMotivating", quantity},
    {"staff_label_np_offside", "StaffNonPlayerOffside", quantity},
    {"staff_label_np_patience", "StaffNonPlayerPatience", quantity},
    {"staff_label_np_physiotherapy", "StaffNonPlayerPhysiotherapy", quantity},
    {"staff_label_np_pressing", "StaffNonPlayerPressing", quantity},
    {"staff_label_np_resources", "StaffNonPlayerResources", quantity},
    {"staff_label_np_sitting_back", "StaffNonPlayerSittingBack", quantity},
    {"staff_label_np_squad_rotation", "StaffNonPlayerSquadRotation", quantity},
    {"staff_label_np_tactics", "StaffNonPlayerTactics", quantity},
    {"staff_label_np_tempo", "StaffNonPlayerTempo", quantity},
    {"staff_label_np_use_of_playmaker", "StaffNonPlayerUseOfPlaymaker", quantity},
    {"staff_label_np_use_of_subs", "StaffNonPlayerUseOfSubs", quantity},
    {"staff_label_np_width", "StaffNonPlayerWidth", quantity},
    {"staff_label_np_youngsters", "StaffNonPlayerYoungsters", quantity},
    {"staff_label_np_mind_games", "StaffNonPlayerMindGames", quantity},
    {"staff_label_np_coaching_attacking", "StaffNonPlayerCoachingAttacking", quantity},
    {"staff_label_np_coaching_defending", "StaffNonPlayerCoachingDefending", quantity},
    {"staff_label_np_coaching_fitness", "StaffNonPlayerCoachingFitness", quantity},
    {"staff_label_np_coaching_tactical", "StaffNonPlayerCoachingTactical", quantity},
    {"staff_label_np_coaching_mental", "StaffNonPlayerCoachingMental", quantity},
    {"staff_label_np_coaching_technical", "StaffNonPlayerCoachingTechnical", quantity},
    {"staff_label_np_team_tactical_focus", "StaffNonPlayerTeamTacticalFocus", quantity},
    {"staff_label_np_dirtiness_allowance", "StaffNonPlayerDirtinessAllowance", quantity},
    {"staff_label_np_formation_second_preferred", "StaffNonPlayerFormationSecondPreferred", plain,
     list_entry, "formation_list"},
    {"staff_label_np_handles_media", "StaffNonPlayerHandlesMedia", plain},
    {"staff_label_np_coaching_style", "StaffNonPlayerCoachingStyle", plain, combo_code,
     "staff_np_coaching_style"},
    {"staff_label_pl_current_ability", "StaffPlayerCurrentAbility", quantity},
    {"staff_label_pl_potential_ability", "StaffPlayerPotentialAbility", quantity},
    {"staff_label_pl_home_reputation", "StaffPlayerHomeReputation", quantity},
    {"staff_label_pl_current_reputation", "StaffPlayerCurrentReputation", quantity},
    {"staff_label_pl_world_reputation", "StaffPlayerWorldReputation", quantity},
    {"staff_label_pl_right_side", "StaffPlayerRightSide", quantity},
    {"staff_label_pl_left_side", "StaffPlayerLeftSide", quantity},
    {"staff_label_pl_central", "StaffPlayerCentral", quantity},
    {"staff_label_pl_goalkeeper", "StaffPlayerGoalkeeper", quantity},
    {"staff_label_pl_sweeper", "StaffPlayerSweeper", quantity},
    {"staff_label_pl_defender_left_side", "StaffPlayerDefenderLeftSide", quantity},
    {"staff_label_pl_defender_right_side", "StaffPlayerDefenderRightSide", quantity},
    {"staff_label_pl_defender_central", "StaffPlayerDefenderCentral", quantity},
    {"staff_label_pl_midfielder_left_side", "StaffPlayerMidfielderLeftSide", quantity},
    {"staff_label_pl_midfielder_right_side", "StaffPlayerMidfielderRightSide", quantity},
    {"staff_label_pl_midfielder_central", "StaffPlayerMidfielderCentral", quantity},
    {"staff_label_pl_attacker_central", "StaffPlayerAttackerCentral", quantity},
    {"staff_label_pl_wing_back_left_side", "StaffPlayerWingBackLeftSide", quantity},
    {"staff_label_pl_wing_back_right_side", "StaffPlayerWingBackRightSide", quantity},
    {"staff_label_pl_acceleration", "StaffPlayerAcceleration", quantity},
    {"staff_label_pl_aggression", "StaffPlayerAggression", quantity},
    {"staff_label_pl_agility", "StaffPlayerAgility", quantity},
    {"staff_label_pl_anticipation", "StaffPlayerAnticipation", quantity},
    {"staff_label_pl_balance", "StaffPlayerBalance", quantity},
    {"staff_label_pl_bravery", "StaffPlayerBravery", quantity},
    {"staff_label_pl_concentration", "StaffPlayerConcentration", quantity},
    {"staff_label_pl_consistency", "StaffPlayerConsistency", quantity},
    {"staff_label_pl_corners", "StaffPlayerCorners", quantity},
    {"staff_label_pl_crossing", "StaffPlayerCrossing", quantity},
    {"staff_label_pl_decisions", "StaffPlayerDecisions", quantity},
    {"staff_label_pl_dirtiness", "StaffPlayerDirtiness", quantity},
    {"staff_label_pl_dribbling", "StaffPlayerDribbling", quantity},
    {"staff_label_pl_finishing", "StaffPlayerFinishing", quantity},
    {"staff_label_pl_flair", "StaffPlayerFlair", quantity},
    {"staff_label_pl_composure", "StaffPlayerComposure", quantity},
    {"staff_label_pl_free_kicks", "StaffPlayerFreeKicks", quantity},
    {"staff_label_pl_handling", "StaffPlayerHandling", quantity},
    {"staff_label_pl_heading", "StaffPlayerHeading", quantity},
    {"staff_label_pl_important_matches", "StaffPlayerImportantMatches", quantity},
    {"staff_label_pl_injury_proneness", "StaffPlayerInjuryProneness", quantity},
    {"staff_label_pl_jumping", "StaffPlayerJumping", quantity},
    {"staff_label_pl_leadership", "StaffPlayerLeadership", quantity},
    {"staff_label_pl_left_foot", "StaffPlayerLeftFoot", quantity},
    {"staff_label_pl_long_shots", "StaffPlayerLongShots", quantity},
    {"staff_label_pl_marking", "StaffPlayerMarking", quantity},
    {"staff_label_pl_movement", "StaffPlayerMovement", quantity},
    {"staff_label_pl_natural_fitness", "StaffPlayerNaturalFitness", quantity},
    {"staff_label_pl_one_on_ones", "StaffPlayerOneOnOnes", quantity},
    {"staff_label_pl_pace", "StaffPlayerPace", quantity},
    {"staff_label_pl_passing", "StaffPlayerPassing", quantity},
    {"staff_label_pl_penalties", "StaffPlayerPenalties", quantity},
    {"staff_label_pl_positioning", "StaffPlayerPositioning", quantity},
    {"staff_label_pl_reflexes", "StaffPlayerReflexes", quantity},
    {"staff_label_pl_right_foot", "StaffPlayerRightFoot", quantity},
    {"staff_label_pl_stamina", "StaffPlayerStamina", quantity},
    {"staff_label_pl_strength", "StaffPlayerStrength", quantity},
    {"staff_label_pl_tackling", "StaffPlayerTackling", quantity},
    {"staff_label_pl_teamwork", "StaffPlayerTeamwork", quantity},
    {"staff_label_pl_technique", "StaffPlayerTechnique", quantity},
    {"staff_label_pl_versatility", "StaffPlayerVersatility", quantity},
    {"staff_label_pl_vision", "StaffPlayerVision", quantity},
    {"staff_label_pl_work_rate", "StaffPlayerWorkRate", quantity},
    {"staff_label_pl_first_touch", "StaffPlayerFirstTouch", quantity},
    {"staff_label_pl_long_throws", "StaffPlayerLongThrows", quantity},
    {"staff_label_pl_gk_aerial_ability", "StaffPlayerGKAerialAbility", quantity},
    {"staff_label_pl_gk_command_of_area", "StaffPlayerGKCommandOfArea", quantity},
    {"staff_label_pl_gk_communication", "StaffPlayerGKCommunication", quantity},
    {"staff_label_pl_gk_eccentricity", "StaffPlayerGKEccentricity", quantity},
    {"staff_label_pl_gk_kicking", "StaffPlayerGKKicking", quantity},
    {"staff_label_pl_gk_rushing_out", "StaffPlayerGKRushingOut", quantity},
    {"staff_label_pl_gk_tendency_to_punch_ball", "StaffPlayerGKTendencyToPunchBall", quantity},
    {"staff_label_pl_gk_throwing", "StaffPlayerGKThrowing", quantity},
    {"staff_label_pl_gk_penalty_saving", "StaffPlayerGKPenaltySaving", quantity},
    {"staff_label_pl_squad_number", "StaffPlayerSquadNumber", plain},
    {"staff_label_pl_loan_squad_number", "StaffPlayerLoanSquadNumber", plain},
    {"staff_label_pl_height_amount", "StaffPlayerHeightAmount", plain},
    {"staff_label_pl_height_unit", "StaffPlayerHeightUnit", plain},
    {"staff_label_pl_height_description", "StaffPlayerHeightDescription", plain},
    {"staff_label_pl_weight_amount", "StaffPlayerWeightAmount", plain},
    {"staff_label_pl_weight_unit", "StaffPlayerWeightUnit", plain},
    {"staff_label_pl_weight_description", "StaffPlayerWeightDescription", plain},
    {"staff_label_estimated_wage", "StaffEstimatedWage", quantity},
    {"staff_label_controversy", "StaffControversy", quantity},
    {"staff_label_adaptability", "StaffAdaptability", quantity},
    {"staff_label_ambition", "StaffAmbition", quantity},
    {"staff_label_determination", "StaffDetermination", quantity},
    {"staff_label_loyalty", "StaffLoyalty", quantity},
    {"staff_label_pressure", "StaffPressure", quantity},
    {"staff_label_professionalism", "StaffProfessionalism", quantity},
    {"staff_label_sportsmanship", "StaffSportsmanship", quantity},
    {"staff_label_temperament", "StaffTemperament", quantity},
    {"staff_label_club_co_owned_by_percentage", "StaffClubCoOwnedByPercentage", quantity},
    {"staff_label_severity_of_permanent_injury", "StaffSeverityOfPermanentInjury", quantity},
    {"staff_label_loaning_club_wages_percentage", "StaffLoaningClubWagesPercentage", quantity},
    {"staff_label_loan_player_wages", "StaffLoanPlayerWages", quantity},
    {"staff_label_u21_apps", "StaffU21Apps", unsigned_quantity},
    {"staff_label_u21_goals", "StaffU21Goals", unsigned_quantity},
    {"staff_label_draft_round", "StaffDraftRound", unsigned_quantity},
    {"staff_label_draft_pick", "StaffDraftPick", unsigned_quantity},
    {"staff_label_first_name", "StaffFirstName", plain},
    {"staff_label_second_name", "StaffSecondName", plain},
    {"staff_label_common_name", "StaffCommonName", plain},
    {"staff_label_date_of_birth", "StaffDateOfBirth", plain},
    {"staff_label_year_of_birth", "StaffYearOfBirth", plain},
    {"staff_label_club_contracted", "StaffClubContracted", plain},
    {"staff_label_nation_contracted", "StaffNationContracted", plain},
    {"staff_label_classification", "StaffClassification", plain, combo_row, "staff_classification"},
    {"staff_label_city_of_birth", "StaffCityOfBirth", plain, list_entry, "city_list"},
    {"staff_label_media_job", "StaffMediaJob", plain, combo_row, "staff_media_job"},
    {"staff_label_female", "StaffFemale", plain},
    {"staff_label_not_for_extraction", "StaffNotForExtraction", plain},
    {"staff_label_club_co_owned_by", "StaffClubCoOwnedBy", plain},
    {"staff_label_can_be_recalled", "StaffCanBeRecalled", plain, recallable, "", "", no_cursor},
    {"staff_label_injury", "StaffInjury", plain, combo_code, "staff_injury"},
    {"staff_label_injury_from", "StaffInjuryFrom", plain},
    {"staff_label_injury_until", "StaffInjuryUntil", plain},
    {"staff_label_club_future_transfer", "StaffClubFutureTransfer", plain},
    {"staff_label_full_name", "StaffFullName", plain},
    {"staff_label_estimated_wage_currency", "StaffEstimatedWageCurrency", plain, currency_name},
    {"staff_label_future_transfer_job", "StaffFutureTransferJob", plain, combo_code,
     "staff_future_transfer_job"},
    {"staff_label_deceased_date", "StaffDeceasedDate", plain},
    {"staff_label_mls_rights_expiration_date", "StaffMLSRightsExpirationDate", plain},
    {"staff_label_mls_rights_club", "StaffMLSRightsClub", plain},
    {"staff_label_draft_club", "StaffDraftClub", plain},
    {"staff_label_draft_type", "StaffDraftType", plain, combo_row, "staff_draft_type"},
    {"staff_label_draft_year", "StaffDraftYear", plain},
    {"staff_label_marked_for_deletion", "StaffMarkedForDeletion", plain},
    {"staff_label_international_full_debut_date", "StaffInternationalFullDebutDate", plain},
    {"staff_label_international_full_debut_year", "StaffInternationalFullDebutYear", plain},
    {"staff_label_international_full_debut_against_nation",
     "StaffInternationalFullDebutAgainstNation", plain},
    {"staff_label_ethnicity", "StaffEthnicity", plain, combo_row, "staff_ethnicity"},
    {"staff_label_hair_colour", "StaffHairColour", plain, combo_row, "staff_hair_colour"},
    {"staff_label_local_region_of_birth", "StaffLocalRegionOfBirth", plain, list_entry,
     "region_list"},
    {"staff_label_caretaker_manager", "StaffCaretakerManager", plain, value, "", "", no_cursor},
    {"staff_label_not_updated", "StaffNotUpdated", plain, value, "", "", no_cursor},
    {"staff_label_contract_extension_end_date", "StaffContractExtensionEndDate", plain},
    {"staff_label_mls_discovery_player", "StaffMLSDiscoveryPlayer", plain},
    {"staff_label_skin_tone", "StaffSkinTone", plain, combo_row, "staff_skin_tone"},
    {"staff_label_fa_registration_id_number", "StaffFARegistrationIDNumber", plain},
    {"staff_label_resident_nation", "StaffResidentNation", plain},
    {"staff_label_first_name_nation", "StaffFirstNameNation", plain},
    {"staff_label_second_name_nation", "StaffSecondNameNation", plain},
    {"staff_label_first_name_newgen_use_denied", "StaffFirstNameNewgenUseDenied", plain},
    {"staff_label_second_name_newgen_use_denied", "StaffSecondNameNewgenUseDenied", plain},
    {"staff_label_common_name_newgen_use_denied", "StaffCommonNameNewgenUseDenied", plain},
    {"staff_label_no_work_permit", "StaffNoWorkPermit", plain, value, "", "", no_cursor},
    {"staff_label_nation", "StaffNation", plain},
    {"staff_label_second_nation", "StaffSecondNation", plain},
    {"staff_label_third_nation", "StaffThirdNation", plain},
    {"staff_label_national_service_status", "StaffNationalServiceStatus", plain},
    {"staff_label_has_only_played_friendlies", "StaffHasOnlyPlayedFriendlies", plain},
    {"staff_label_coaching_qualification", "StaffCoachingQualification", plain},
    {"staff_label_first_name_local_region", "StaffFirstNameLocalRegion", plain, list_entry,
     "region_list"},
    {"staff_label_second_name_local_region", "StaffSecondNameLocalRegion", plain, list_entry,
     "region_list"},
    {"staff_label_first_name_ethnicity", "StaffFirstNameEthnicity", plain, combo_row,
     "staff_first_name_ethnicity"},
    {"staff_label_second_name_ethnicity", "StaffSecondNameEthnicity", plain, combo_row,
     "staff_second_name_ethnicity"},
    {"staff_label_international_first_goal_date", "StaffInternationalFirstGoalDate", plain},
    {"staff_label_international_first_goal_year", "StaffInternationalFirstGoalYear", plain},
    {"staff_label_international_first_goal_against_nation",
     "StaffInternationalFirstGoalAgainstNation", plain},
    {"staff_label_kit_name", "StaffKitName", plain},
    {"staff_label_int_apps", "StaffInternationalApps", unsigned_quantity},
    {"staff_label_int_goals", "StaffInternationalGoals", unsigned_quantity},
    {"staff_label_estimated_wage2", "StaffEstimatedWage", quantity},
    {"staff_label_estimated_wage3", "StaffEstimatedWage", quantity},
    {"staff_label_estimated_wage4", "StaffEstimatedWage", quantity},
    {"staff_label_club_future_transfer_fee", "StaffFutureTransferFee", quantity},
    {"staff_label_club_future_transfer_estimated_wage", "StaffFutureTransferEstimatedWage",
     quantity},
    {"staff_label_club_loan_buy_amount", "StaffLoanClubBuyAmount", quantity, value, "", "",
     no_cursor},
    {"staff_label_club_contract_extension_option", "StaffContractExtensionOption", quantity},
    {"staff_label_np_coaching_gk", "StaffNonPlayerCoachingGks", quantity},
    {"staff_label_pl_current_ability2", "StaffPlayerCurrentAbility", quantity},
    {"staff_label_pl_def_midfielder_central", "StaffPlayerDefensiveMidfielderCentral", quantity},
    {"staff_label_pl_att_midfielder_left_side", "StaffPlayerAttackingMidfielderLeftSide", quantity},
    {"staff_label_pl_att_midfielder_central", "StaffPlayerAttackingMidfielderCentral", quantity},
    {"staff_label_pl_att_midfielder_right_side", "StaffPlayerAttackingMidfielderRightSide",
     quantity},
    {"staff_label_club_contract_type", "StaffContractType", plain, combo_row,
     "staff_contract_type"},
    {"staff_label_club_contract_length", "StaffContractLength", plain, combo_row,
     "staff_contract_length"},
    {"staff_label_club_job_for", "StaffJobForClub", plain, list_entry, "jobs_list"},
    {"staff_label_club_date_joined", "StaffDateJoinedClub", plain},
    {"staff_label_club_contract_expires", "StaffContractExpiresClub", plain},
    {"staff_label_club_signed_last_contract", "StaffDateSignedLastContract", plain},
    {"staff_label_club_loan_to", "StaffClubOnLoanTo", plain},
    {"staff_label_club_loan_from", "StaffDateOnLoanToFrom", plain},
    {"staff_label_club_loan_until", "StaffDateOnLoanToUntil", plain},
    {"staff_label_club_loan_buy_option", "StaffLoanClubBuyOption", plain, buy_option, "", "",
     no_cursor},
    {"staff_label_club_date_of_future_transfer", "StaffDateFutureTransfer", plain, value, "", "",
     no_cursor},
    {"staff_label_club_date_of_future_transfer_contract_end", "StaffDateFutureTransferContractEnd",
     plain, value, "", "", no_cursor},
    {"staff_label_club_future_transfer_fee_currency", "StaffFutureTransferFeeCurrency", plain,
     currency_name},
    {"staff_label_club_future_transfer_estimated_wage_currency",
     "StaffFutureTransferEstimatedWageCurrency", plain, currency_name},
    {"staff_label_club_loan_buy_amount_currency", "StaffLoanClubBuyAmountCurrency", plain,
     currency_name},
    {"staff_label_nation_job_for", "StaffJobForNation", plain, list_entry, "jobs_list"},
    {"staff_label_nation_date_joined", "StaffDateJoinedNation", plain},
    {"staff_label_nation_contract_expires", "StaffContractExpiresNation", plain},
    {"staff_label_classification2", "StaffClassification", plain, combo_row,
     "staff_classification2"},
    {"staff_label_np_preferred_formation", "StaffNonPlayerFormationPreferred", plain, list_entry,
     "formation_list"},
    {"staff_label_np_formation_attacking_preferred", "StaffNonPlayerFormationAttacking", plain,
     list_entry, "formation_list"},
    {"staff_label_np_formation_defensive_preferred", "StaffNonPlayerFormationDefensive", plain,
     list_entry, "formation_list"},
    {"staff_label_nickname", "StaffNickName", plain},
    {"staff_label_pl_preferred_central_position", "StaffPreferredCentralPosition", plain},
    {"staff_label_pl_fav_squad_number", "StaffPlayerFavouriteSquadNumber", plain},
    {"staff_label_under_20_manager", "StaffUnder20Manager", plain},
    {"staff_label_under_23_manager", "StaffUnder23Manager", plain},
    {"staff_permanent_injury", "StaffPermanentInjury", plain, value, "", "", no_cursor},
    {"staff_future_permanent_injury", "StaffFuturePermanentInjury", plain, value, "", "",
     no_cursor},
    {"staff_slow_retirement", "StaffSlowRetirement", plain, value, "", "", no_cursor},
    {"staff_mls_guaranteed_deal", "StaffMLSGuaranteedDeal", plain, value, "", "", no_cursor},
    {"staff_mls_team_option", "StaffMLSTeamOption", plain, value, "", "", no_cursor},
    {"staff_mls_player_option", "StaffMLSPlayerOption", plain, value, "", "", no_cursor},
    {"staff_mls_discovery_player_at_current_club", "StaffMLSDiscoveryPlayerAtCurrentClub", plain,
     value, "", "", no_cursor},
    {"staff_label_nation_declared", "StaffNation", nation, declared, "", "StaffNationDeclared"},
    {"staff_label_second_nation_declared", "StaffSecondNation", nation, declared, "",
     "StaffSecondNationDeclared"},
    {"staff_label_third_nation_declared", "StaffThirdNation", nation, declared, "",
     "StaffThirdNationDeclared"},
    {"staff_third_nation_declared", "StaffThirdNation", nation, nation_declared, "",
     "StaffThirdNationDeclared", no_cursor},
};

constexpr row_spec favourite_staff_rows[] = {
    {"staff_favourite_staff_name_label", "StaffFavouriteStaffLikedStaff", plain},
    {"staff_favourite_staff_id_label", "StaffFavouriteStaffStaffID", plain},
    {"staff_favourite_staff_rating_label", "StaffFavouriteStaffRating", quantity},
    {"staff_favourite_staff_permanent_label", "StaffFavouriteStaffPermanent", plain},
    {"staff_favourite_staff_marked_for_deletion_label", "StaffFavouriteStaffMarkedForDeletion",
     plain},
    {"staff_favourite_staff_reason_label", "StaffFavouriteStaffReason", quantity},
};

constexpr row_spec disliked_staff_rows[] = {
    {"staff_disliked_staff_name_label", "StaffDislikedStaffDislikedStaff", plain},
    {"staff_disliked_staff_id_label", "StaffDislikedStaffStaffID", plain},
    {"staff_disliked_staff_rating_label", "StaffDislikedStaffRating", quantity},
    {"staff_disliked_staff_permanent_label", "StaffDislikedStaffPermanent", plain},
    {"staff_disliked_staff_marked_for_deletion_label", "StaffDislikedStaffMarkedForDeletion",
     plain},
};

constexpr row_spec favourite_club_rows[] = {
    {"staff_favourite_club_name_label", "StaffFavouriteClubsClub", plain, club_name},
    {"staff_favourite_club_rating_label", "StaffFavouriteClubsRating", quantity},
    {"staff_favourite_club_permanent_label", "StaffFavouriteClubsPermanent", plain},
    {"staff_favourite_club_marked_for_deletion_label", "StaffFavouriteClubsMarkedForDeletion",
     plain},
    {"staff_favourite_club_reason_label", "StaffFavouriteClubsReason", quantity},
};

constexpr row_spec disliked_club_rows[] = {
    {"staff_disliked_club_name_label", "StaffDislikedClubsClub", plain, club_name},
    {"staff_disliked_club_rating_label", "StaffDislikedClubsRating", quantity},
    {"staff_disliked_club_permanent_label", "StaffDislikedClubsPermanent", plain},
    {"staff_disliked_club_marked_for_deletion_label", "StaffDislikedClubsMarkedForDeletion", plain},
};

constexpr row_spec history_rows[] = {
    {"staff_history_year_label", "StaffHistoryYear", plain},
    {"staff_history_year_order_label", "StaffHistoryYearOrder", quantity},
    {"staff_history_club_label", "StaffHistoryClub", plain, club_name},
    {"staff_history_loan_label", "StaffHistoryOnLoan", plain},
    {"staff_history_apps_label", "StaffHistoryApps", unsigned_quantity},
    {"staff_history_goals_label", "StaffHistoryGoals", unsigned_quantity},
    {"staff_history_date_joined_label", "StaffHistoryDateJoined", plain},
    {"staff_history_fee_label", "StaffHistoryTransferFee", quantity},
    {"staff_history_date_departed_label", "StaffHistoryDateDeparted", plain},
    {"staff_history_fee_currency_label", "StaffHistoryTransferFeeCurrency", plain, currency_name},
    {"staff_history_youth_player_label", "StaffHistoryYouthPlayer", plain},
    {"staff_history_loan_fee_label", "StaffHistoryLoanFee", quantity},
    {"staff_history_loan_fee_currency_label", "StaffHistoryLoanFeeCurrency", plain, currency_name},
    {"staff_history_marked_for_deletion_label", "StaffHistoryMarkedForDeletion", plain},
    {"staff_history_draft_allocations_involved_label", "StaffHistoryDraftAllocationsInvolved",
     quantity},
    {"staff_history_international_slots_involved_label", "StaffHistoryInternationalSlotsInvolved",
     quantity},
    {"staff_history_draft_type_label", "StaffHistoryDraftType", plain},
    {"staff_history_player_exchange_involved_label", "StaffHistoryPlayerExchangeInvolved", plain},
};

constexpr row_spec language_rows[] = {
    {"staff_language_language_label", "StaffLanguagesLanguage", plain},
    {"staff_language_type_label", "StaffLanguagesType", plain, language_type,
     "staff_language_type"},
    {"staff_language_marked_for_deletion_label", "StaffLanguagesMarkedForDeletion", plain},
};

constexpr row_spec ppm_rows[] = {
    {"staff_ppm_move_label", "StaffPPMPrefferedMove", plain, ppm_name},
    {"staff_ppm_marked_for_deletion_label", "StaffPPMMarkedForDeletion", plain},
};

constexpr row_spec npt_rows[] = {
    {"staff_npt_tendency_label", "StaffNPTTendency", plain},
    {"staff_npt_rating_label", "StaffNPTRating", quantity},
    {"staff_npt_marked_for_deletion_label", "StaffNPTMarkedForDeletion", plain},
};

constexpr row_spec job_rows[] = {
    {"staff_job_job_label", "StaffJobJob", plain, combo_code, "staff_job_job"},
    {"staff_job_rating_label", "StaffJobRating", quantity},
    {"staff_job_marked_for_deletion_label", "StaffJobMarkedForDeletion", plain},
};

constexpr row_spec non_player_history_rows[] = {
    {"staff_non_player_history_club_label", "StaffNonPlayerHistoryClubContracted", plain,
     club_name},
    {"staff_non_player_history_nation_label", "StaffNonPlayerHistoryNationContracted", plain},
    {"staff_non_player_history_job_for_club_label", "StaffNonPlayerHistoryJobForClub", plain,
     list_entry, "jobs_list"},
    {"staff_non_player_history_date_joined_label", "StaffNonPlayerHistoryDateJoined", plain},
    {"staff_non_player_history_date_departed_label", "StaffNonPlayerHistoryDateDeparted", plain},
    {"staff_non_player_history_marked_for_deletion_label", "StaffNonPlayerHistoryMarkedForDeletion",
     plain},
};

constexpr row_spec retirement_rows[] = {
    {"staff_label_retirement_type", "StaffRetirementType", plain},
    {"staff_label_retirement_date", "StaffRetirementDate", plain},
    {"staff_label_retirement_marked_for_deletion", "StaffRetirementMarkedForDeletion", plain},
};

constexpr row_spec unavailability_rows[] = {
    {"staff_label_unavailability_type", "StaffUnavailabilityType", plain},
    {"staff_label_unavailability_date_from", "StaffUnavailabilityDateFrom", plain},
    {"staff_label_unavailability_date_to", "StaffUnavailabilityDateTo", plain},
    {"staff_label_unavailability_marked_for_deletion", "StaffUnavailabilityMarkedForDeletion",
     plain},
    {"staff_label_unavailability_number_of_games", "StaffUnavailabilityNumberOfGames", plain},
    {"staff_label_unavailability_club_comp", "StaffUnavailabilityClubComp", plain},
    {"staff_label_unavailability_nation_comp", "StaffUnavailabilityNationComp", plain},
};

constexpr row_spec long_term_career_rows[] = {
    {"staff_long_term_career_type_label", "StaffLongTermCareerType", plain},
    {"staff_long_term_career_continent_label", "StaffLongTermCareerContinent", plain},
    {"staff_long_term_career_division_label", "StaffLongTermCareerDivision", plain},
    {"staff_long_term_career_club_label", "StaffLongTermCareerClub", plain, club_name},
    {"staff_long_term_career_nation_label", "StaffLongTermCareerNation", plain},
    {"staff_long_term_career_marked_for_deletion_label", "StaffLongTermCareerMarkedForDeletion",
     plain},
    {"staff_long_term_career_job_label", "StaffLongTermCareerJob", plain},
    {"staff_long_term_career_scope_label", "StaffLongTermCareerScope", plain},
};

constexpr row_spec injury_rows[] = {
    {"staff_label_injury_injury", "StaffInjuriesInjury", plain},
    {"staff_label_injury_injured_from", "StaffInjuriesInjuredFrom", plain},
    {"staff_label_injury_injured_to", "StaffInjuriesInjuredTo", plain},
    {"staff_label_injury_future_permanent", "StaffInjuriesFuturePermanentInjury", plain},
    {"staff_label_injury_permanent", "StaffInjuriesPermanentInjury", plain},
    {"staff_label_injury_severity", "StaffInjuriesSeverityPermanentInjury", quantity},
    {"staff_label_injury_right_or_left", "StaffInjuriesRightOrLeft", plain},
    {"staff_injury_marked_for_deletion_label", "StaffInjuriesMarkedForDeletion", plain},
    {"staff_label_injury_does_not_train", "StaffInjuriesDoesNotTrain", plain},
};

constexpr row_spec days_at_club_nation_rows[] = {
    {"staff_label_days_at_club_nation_type", "StaffDaysAtClubNationType", plain},
    {"staff_label_days_at_club_nation_days", "StaffDaysAtClubNationDays", quantity},
    {"staff_label_days_at_club_nation_fifteen_twentyone", "StaffDaysAtClubNation15-21Only", plain},
    {"staff_label_days_at_club_nation_marked_for_deletion",
     "StaffDaysAtClubNationMarkedForDeletion", plain},
    {"staff_label_days_at_club_nation_club", "StaffDaysAtClubNationClub", plain, club_name},
    {"staff_label_days_at_club_nation_nation", "StaffDaysAtClubNationNation", plain},
    {"staff_label_days_at_club_nation_stint", "StaffDaysAtClubNationStint", quantity},
};

constexpr row_spec achievements_rows[] = {
    {"staff_achievements_year_label", "StaffAchievementsYear", quantity},
    {"staff_achievements_club_label", "StaffAchievementsClub", plain, club_name},
    {"staff_achievements_nation_label", "StaffAchievementsNation", plain},
    {"staff_achievements_date_label", "StaffAchievementsDate", plain},
    {"staff_achievements_club_comp_label", "StaffAchievementsClubComp", plain},
    {"staff_achievements_nation_comp_label", "StaffAchievementsNationComp", plain},
    {"staff_achievements_placing_label", "StaffAchievementsPlacing", quantity},
    {"staff_achievements_job_label", "StaffAchievementsJob", plain},
    {"staff_achievements_marked_for_deletion_label", "StaffAchievementsMarkedForDeletion", plain},
    {"staff_achievements_promotion_or_relegation_label", "StaffAchievementsPromotionOrRelegation",
     quantity},
};

constexpr row_spec contract_clauses_rows[] = {
    {"staff_contract_clauses_type_label", "StaffContractClausesType", plain, list_entry,
     "contract_clauses_type_list"},
    {"staff_contract_clauses_cash_label", "StaffContractClausesCash", quantity},
    {"staff_contract_clauses_cash_currency_label", "StaffContractClausesCashCurrency", plain,
     currency_name},
    {"staff_contract_clauses_percentage_label", "StaffContractClausesPercentage", quantity},
    {"staff_contract_clauses_club_label", "StaffContractClausesClub", plain, club_name},
    {"staff_contract_clauses_number_label", "StaffContractClausesNumber", quantity},
    {"staff_contract_clauses_marked_for_deletion_label", "StaffContractClausesMarkedForDeletion",
     plain},
    {"staff_contract_clauses_loan_or_future_label", "StaffContractClausesLoanOrFuture", plain},
    {"staff_contract_clauses_win_or_qualify_label", "StaffContractClausesWinOrQualify", plain},
    {"staff_contract_clauses_competition_label", "StaffContractClausesCompetition", plain},
    {"staff_contract_clauses_stage_label", "StaffContractClausesStage", plain},
    {"staff_contract_clauses_order_label", "StaffContractClauseOrder", quantity},
};

constexpr std::span<const row_spec> item_row_specs[] = {
    favourite_staff_rows,
    disliked_staff_rows,
    favourite_club_rows,
    disliked_club_rows,
    history_rows,
    language_rows,
    ppm_rows,
    non_player_history_rows,
    injury_rows,
    job_rows,
    contract_clauses_rows,
    achievements_rows,
    npt_rows,
    days_at_club_nation_rows,
    retirement_rows,
    unavailability_rows,
    long_term_career_rows,
};
static_assert(std::size(item_row_specs) == item_kind_count);

constexpr caption_row caption_rows[] = {
    {"staff_label_favourite_clubs", staff_favourite_club_changed},
    {"staff_label_disliked_clubs", staff_disliked_club_changed},
    {"staff_label_disliked_staff", staff_disliked_staff_changed},
    {"staff_label_favourite_staff", staff_favourite_staff_changed},
    {"staff_label_history", staff_history_changed},
    {"staff_label_language", staff_language_changed},
    {"staff_label_ppm", staff_ppm_changed},
    {"staff_label_job", staff_job_changed},
    {"staff_label_achievements", staff_achievements_changed},
    {"staff_label_npt", staff_npt_changed},
};

const field_descriptor* find_field(std::span<const field_descriptor> fields,
                                   std::string_view name) {
  for (const field_descriptor& field : fields) {
    if (field.name == name || field.member == name)
      return &field;
  }
  return nullptr;
}

// A row whose field the tables do not know is left out; the table tests name every such row.
std::vector<label_row> resolve(std::span<const row_spec> specs,
                               std::span<const field_descriptor> fields) {
  std::vector<label_row> rows;
  rows.reserve(specs.size());
  for (const row_spec& spec : specs) {
    const field_descriptor* field = find_field(fields, spec.field);
    const field_descriptor* second =
        spec.second.empty() ? nullptr : find_field(fields, spec.second);
    if (field == nullptr || (!spec.second.empty() && second == nullptr))
      continue;
    rows.push_back({spec.label, *field, spec.rule, spec.way, spec.source,
                    second != nullptr ? *second : field_descriptor{}, spec.takes_cursor});
  }
  return rows;
}

// A number held as text ("+1", "-2", blank) reads as its leading whole number, 0 when none.
long long text_number(std::string_view text) {
  while (!text.empty() && text.front() == ' ')
    text.remove_prefix(1);
  if (!text.empty() && text.front() == '+')
    text.remove_prefix(1);
  long long value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

double quantity_value(const std::byte* record, const label_row& row) {
  const field_descriptor& field = row.field;
  switch (field.type) {
    case field_type::integer:
    case field_type::list_index:
    case field_type::number_and_text: {
      const std::int32_t value = read_integer(record, field.offset, field.size);
      if (row.rule == label_rule::unsigned_quantity && field.size == 1)
        return static_cast<std::uint8_t>(value);
      return value;
    }
    case field_type::decimal_and_text:
      return read_float(record, field.offset);
    default:
      return static_cast<double>(text_number(read_text(record, field.offset, field.size)));
  }
}

}  // namespace

std::span<const label_row> staff_label_rows() {
  static const std::vector<label_row> rows = resolve(staff_rows, staff_fields());
  return rows;
}

std::span<const label_row> item_label_rows(item_kind kind) {
  static const auto tables = [] {
    std::array<std::vector<label_row>, item_kind_count> built;
    for (std::size_t k = 0; k < item_kind_count; ++k)
      built[k] = resolve(item_row_specs[k], item_fields(static_cast<item_kind>(k)));
    return built;
  }();
  return tables[static_cast<std::size_t>(kind)];
}

std::span<const caption_row> staff_caption_rows() {
  return caption_rows;
}

label_difference compare_label_row(const std::byte* current, const std::byte* original,
                                   const label_row& row) {
  const bool same =
      same_compared_value(current, original, row.field) &&
      (row.rule != label_rule::nation || same_compared_value(current, original, row.second));
  if (same)
    return label_difference::none;
  if (row.rule != label_rule::quantity && row.rule != label_rule::unsigned_quantity)
    return label_difference::changed;
  const double now = quantity_value(current, row);
  const double before = quantity_value(original, row);
  if (now > before)
    return label_difference::higher;
  // A text that differs but reads as the same number ("+1" against "1") still changed.
  return now < before ? label_difference::lower : label_difference::changed;
}
