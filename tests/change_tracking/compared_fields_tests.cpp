#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "change_tracking/compared_fields.h"

namespace {

std::vector<std::string> sorted_names(std::span<const field_descriptor> fields) {
  std::vector<std::string> names;
  for (const auto& field : fields) {
    names.emplace_back(field.name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> sorted(std::vector<std::string> names) {
  std::sort(names.begin(), names.end());
  return names;
}

struct kind_fields {
  item_kind kind;
  std::vector<std::string> names;
};

// The columns each kind is compared by: all of its section but the two ids and the stamp.
const kind_fields expected_item_fields[] = {
    {item_kind::favourite_staff,
     {"StaffFavouriteStaffStaffID", "StaffFavouriteStaffLikedStaff", "StaffFavouriteStaffRating",
      "StaffFavouriteStaffPermanent", "StaffFavouriteStaffMarkedForDeletion",
      "StaffFavouriteStaffReason"}},
    {item_kind::disliked_staff,
     {"StaffDislikedStaffStaffID", "StaffDislikedStaffDislikedStaff", "StaffDislikedStaffRating",
      "StaffDislikedStaffPermanent", "StaffDislikedStaffMarkedForDeletion"}},
    {item_kind::favourite_club,
     {"StaffFavouriteClubsClub", "StaffFavouriteClubsRating", "StaffFavouriteClubsPermanent",
      "StaffFavouriteClubsMarkedForDeletion", "StaffFavouriteClubsReason"}},
    {item_kind::disliked_club,
     {"StaffDislikedClubsClub", "StaffDislikedClubsRating", "StaffDislikedClubsPermanent",
      "StaffDislikedClubsMarkedForDeletion"}},
    {item_kind::history,
     {"StaffHistoryYear", "StaffHistoryYearOrder", "StaffHistoryClub", "StaffHistoryOnLoan",
      "StaffHistoryApps", "StaffHistoryGoals", "StaffHistoryDateJoined", "StaffHistoryDateDeparted",
      "StaffHistoryTransferFee", "StaffHistoryTransferFeeCurrency", "StaffHistoryYouthPlayer",
      "StaffHistoryLoanFee", "StaffHistoryLoanFeeCurrency", "StaffHistoryMarkedForDeletion",
      "StaffHistoryPlayerExchangeInvolved", "StaffHistoryDraftAllocationsInvolved",
      "StaffHistoryInternationalSlotsInvolved", "StaffHistoryDraftType"}},
    {item_kind::language,
     {"StaffLanguagesLanguage", "StaffLanguagesType", "StaffLanguagesMarkedForDeletion"}},
    {item_kind::ppm, {"StaffPPMPrefferedMove", "StaffPPMMarkedForDeletion"}},
    {item_kind::npt, {"StaffNPTTendency", "StaffNPTRating", "StaffNPTMarkedForDeletion"}},
    {item_kind::non_player_history,
     {"StaffNonPlayerHistoryClubContracted", "StaffNonPlayerHistoryNationContracted",
      "StaffNonPlayerHistoryJobForClub", "StaffNonPlayerHistoryDateJoined",
      "StaffNonPlayerHistoryDateDeparted", "StaffNonPlayerHistoryMarkedForDeletion"}},
    {item_kind::injury,
     {"StaffInjuriesInjury", "StaffInjuriesInjuredFrom", "StaffInjuriesInjuredTo",
      "StaffInjuriesPermanentInjury", "StaffInjuriesFuturePermanentInjury",
      "StaffInjuriesSeverityPermanentInjury", "StaffInjuriesRightOrLeft",
      "StaffInjuriesMarkedForDeletion", "StaffInjuriesDoesNotTrain"}},
    {item_kind::contract_clauses,
     {"StaffContractClausesType", "StaffContractClausesCash", "StaffContractClausesCashCurrency",
      "StaffContractClausesPercentage", "StaffContractClausesClub", "StaffContractClausesNumber",
      "StaffContractClausesMarkedForDeletion", "StaffContractClausesLoanOrFuture",
      "StaffContractClausesWinOrQualify", "StaffContractClausesCompetition",
      "StaffContractClausesStage", "StaffContractClauseOrder"}},
    {item_kind::job, {"StaffJobJob", "StaffJobRating", "StaffJobMarkedForDeletion"}},
    {item_kind::achievements,
     {"StaffAchievementsYear", "StaffAchievementsClub", "StaffAchievementsNation",
      "StaffAchievementsClubComp", "StaffAchievementsNationComp", "StaffAchievementsDate",
      "StaffAchievementsJob", "StaffAchievementsPlacing", "StaffAchievementsMarkedForDeletion",
      "StaffAchievementsPromotionOrRelegation"}},
    {item_kind::days_at_club_nation,
     {"StaffDaysAtClubNationType", "StaffDaysAtClubNationDays", "StaffDaysAtClubNation15-21Only",
      "StaffDaysAtClubNationMarkedForDeletion", "StaffDaysAtClubNationClub",
      "StaffDaysAtClubNationNation", "StaffDaysAtClubNationStint"}},
    {item_kind::retirement,
     {"StaffRetirementType", "StaffRetirementDate", "StaffRetirementMarkedForDeletion"}},
    {item_kind::unavailability,
     {"StaffUnavailabilityType", "StaffUnavailabilityDateFrom", "StaffUnavailabilityDateTo",
      "StaffUnavailabilityMarkedForDeletion", "StaffUnavailabilityNationComp",
      "StaffUnavailabilityClubComp", "StaffUnavailabilityNumberOfGames"}},
    {item_kind::long_term_career,
     {"StaffLongTermCareerType", "StaffLongTermCareerContinent", "StaffLongTermCareerNation",
      "StaffLongTermCareerDivision", "StaffLongTermCareerClub", "StaffLongTermCareerJob",
      "StaffLongTermCareerScope", "StaffLongTermCareerMarkedForDeletion"}},
};

TEST(ComparedFields, EachKindComparesItsSectionButTheIdsAndTheStamp) {
  ASSERT_EQ(std::size(expected_item_fields), item_kind_count);
  for (const auto& expected : expected_item_fields) {
    EXPECT_EQ(sorted_names(compared_item_fields(expected.kind)), sorted(expected.names))
        << "kind " << static_cast<int>(expected.kind);
  }
}

bool compares(std::string_view member) {
  const auto fields = compared_staff_fields();
  return std::any_of(fields.begin(), fields.end(),
                     [&](const field_descriptor& field) { return field.member == member; });
}

TEST(ComparedFields, StaffComparesItsLineAndTheNamedMembersWithoutAColumn) {
  // 249 columns less the four left out, and seventeen members without a column.
  EXPECT_EQ(compared_staff_fields().size(), 249u - 4u + 17u);
  for (const char* left_out :
       {"StaffID", "DateUpdated", "Researcher", "StaffLoanPlayerWagesCurrency", "StaffNationIndex",
        "StaffInjuryIndex", "rca_ca_difference", "MinimumReleaseFee", "ClubCaptain",
        "StaffUnder20Manager", "StaffUnder23Manager"}) {
    EXPECT_FALSE(compares(left_out)) << left_out;
  }
  for (const char* kept :
       {"StaffInjury", "StaffInjuryFrom", "StaffPermanentInjury", "StaffSeverityOfPermanentInjury",
        "StaffPlayerRightSide", "StaffPlayerCentral", "NonPlayerCoachingTechnique",
        "StaffPlayerWingBack", "StaffPlayerFreeRole", "StaffFirstName", "StaffLoanPlayerWages",
        "StaffMLSDiscoveryPlayerAtCurrentClub"}) {
    EXPECT_TRUE(compares(kept)) << kept;
  }
}

}  // namespace
