#include "item_fields.h"

#include <array>
#include <cstddef>

#include "field_table_builders.h"
#include "item_records.h"

// One table per item kind in memory order. The disliked kinds fill the shared favourite types
// through their own column names and positions, and leave the favourite-only reason at 0.

#define AT(member) #member, offsetof(R, member), sizeof(R::member)
#define TEXT_AT(member) offsetof(R, member), sizeof(R::member)

namespace {

namespace favourite_staff_table {
using R = qor_staff_favourite_disliked_staff;
constexpr field_descriptor fields[] = {
    field("StaffFavouriteStaffID", 1, field_type::integer, AT(StaffFavouriteStaffID)),
    field("StaffFavouriteStaffStaff", 2, field_type::integer, AT(StaffFavouriteStaffStaff)),
    field("StaffFavouriteStaffStaffID", 5, field_type::integer, AT(StaffFavouriteStaffStaffID)),
    field("StaffFavouriteStaffLikedStaff", 3, field_type::text, AT(StaffFavouriteStaffLikedStaff)),
    field("StaffFavouriteStaffRating", 4, field_type::integer, AT(StaffFavouriteStaffRating)),
    field("DateUpdated", 6, field_type::date_text, AT(DateUpdated)),
    field("Researcher", 7, field_type::text, AT(Researcher)),
    field("StaffFavouriteStaffPermanent", 8, field_type::boolean_text,
          AT(StaffFavouriteStaffPermanent)),
    field("StaffFavouriteStaffMarkedForDeletion", 9, field_type::normalised_boolean,
          AT(StaffFavouriteStaffMarkedForDeletion)),
    field("StaffFavouriteStaffReason", 10, field_type::integer, AT(StaffFavouriteStaffReason)),
};
}  // namespace favourite_staff_table

namespace disliked_staff_table {
using R = qor_staff_favourite_disliked_staff;
constexpr field_descriptor fields[] = {
    field("StaffDislikedStaffID", 1, field_type::integer, AT(StaffFavouriteStaffID)),
    field("StaffDislikedStaffStaff", 2, field_type::integer, AT(StaffFavouriteStaffStaff)),
    field("StaffDislikedStaffStaffID", 3, field_type::integer, AT(StaffFavouriteStaffStaffID)),
    field("StaffDislikedStaffDislikedStaff", 4, field_type::text,
          AT(StaffFavouriteStaffLikedStaff)),
    field("StaffDislikedStaffRating", 5, field_type::integer, AT(StaffFavouriteStaffRating)),
    field("DateUpdated", 6, field_type::date_text, AT(DateUpdated)),
    field("Researcher", 7, field_type::text, AT(Researcher)),
    field("StaffDislikedStaffPermanent", 8, field_type::boolean_text,
          AT(StaffFavouriteStaffPermanent)),
    field("StaffDislikedStaffMarkedForDeletion", 9, field_type::normalised_boolean,
          AT(StaffFavouriteStaffMarkedForDeletion)),
    field("StaffFavouriteStaffReason", 0, field_type::integer, AT(StaffFavouriteStaffReason)),
};
}  // namespace disliked_staff_table

namespace favourite_club_table {
using R = qor_staff_favourite_disliked_club;
constexpr field_descriptor fields[] = {
    field("StaffFavouriteClubsID", 1, field_type::integer, AT(StaffFavouriteClubsID)),
    field("StaffFavouriteClubsStaff", 2, field_type::integer, AT(StaffFavouriteClubsStaff)),
    field("StaffFavouriteClubsClub", 3, field_type::integer, AT(StaffFavouriteClubsClub)),
    field("StaffFavouriteClubsRating", 4, field_type::integer, AT(StaffFavouriteClubsRating)),
    field("DateUpdated", 5, field_type::date_text, AT(DateUpdated)),
    field("Researcher", 6, field_type::text, AT(Researcher)),
    field("StaffFavouriteClubsPermanent", 7, field_type::boolean_text,
          AT(StaffFavouriteClubsPermanent)),
    field("StaffFavouriteClubsMarkedForDeletion", 8, field_type::normalised_boolean,
          AT(StaffFavouriteClubsMarkedForDeletion)),
    field("StaffFavouriteClubsReason", 9, field_type::integer, AT(StaffFavouriteClubsReason)),
};
}  // namespace favourite_club_table

namespace disliked_club_table {
using R = qor_staff_favourite_disliked_club;
constexpr field_descriptor fields[] = {
    field("StaffDislikedClubsID", 1, field_type::integer, AT(StaffFavouriteClubsID)),
    field("StaffDislikedClubsStaff", 2, field_type::integer, AT(StaffFavouriteClubsStaff)),
    field("StaffDislikedClubsClub", 3, field_type::integer, AT(StaffFavouriteClubsClub)),
    field("StaffDislikedClubsRating", 4, field_type::integer, AT(StaffFavouriteClubsRating)),
    field("DateUpdated", 5, field_type::date_text, AT(DateUpdated)),
    field("Researcher", 6, field_type::text, AT(Researcher)),
    field("StaffDislikedClubsPermanent", 7, field_type::boolean_text,
          AT(StaffFavouriteClubsPermanent)),
    field("StaffDislikedClubsMarkedForDeletion", 8, field_type::normalised_boolean,
          AT(StaffFavouriteClubsMarkedForDeletion)),
    field("StaffFavouriteClubsReason", 0, field_type::integer, AT(StaffFavouriteClubsReason)),
};
}  // namespace disliked_club_table

namespace history_table {
using R = qor_staff_history;
constexpr field_descriptor fields[] = {
    field("StaffHistoryID", 1, field_type::integer, AT(StaffHistoryID)),
    field("StaffHistoryStaff", 4, field_type::integer, AT(StaffHistoryStaff)),
    field("StaffHistoryYear", 5, field_type::integer, AT(StaffHistoryYear)),
    field("StaffHistoryYearOrder", 6, field_type::integer, AT(StaffHistoryYearOrder)),
    field("StaffHistoryClub", 7, field_type::integer, AT(StaffHistoryClub)),
    field("StaffHistoryOnLoan", 8, field_type::boolean_text, AT(StaffHistoryOnLoan)),
    pair("StaffHistoryApps", 9, field_type::number_and_text, AT(StaffHistoryApps),
         TEXT_AT(StaffHistoryAppsText)),
    pair("StaffHistoryGoals", 10, field_type::number_and_text, AT(StaffHistoryGoals),
         TEXT_AT(StaffHistoryGoalsText)),
    field("StaffHistoryDateJoined", 11, field_type::date_text, AT(StaffHistoryDateJoined)),
    field("StaffHistoryDateDeparted", 12, field_type::date_text, AT(StaffHistoryDateDeparted)),
    pair("StaffHistoryTransferFee", 13, field_type::number_and_text, AT(StaffHistoryTransferFee),
         TEXT_AT(StaffHistoryTransferFeeText)),
    field("DateUpdated", 2, field_type::date_text, AT(DateUpdated)),
    field("Researcher", 3, field_type::text, AT(Researcher)),
    field("StaffHistoryTransferFeeCurrency", 14, field_type::integer,
          AT(StaffHistoryTransferFeeCurrency)),
    derived_index(AT(StaffHistoryTransferFeeCurrencyIndex),
                  offsetof(R, StaffHistoryTransferFeeCurrency), index_source::currency_list),
    field("StaffHistoryYouthPlayer", 15, field_type::boolean_text, AT(StaffHistoryYouthPlayer)),
    field("StaffHistoryMarkedForDeletion", 18, field_type::normalised_boolean,
          AT(StaffHistoryMarkedForDeletion)),
    pair("StaffHistoryLoanFee", 16, field_type::number_and_text, AT(StaffHistoryLoanFee),
         TEXT_AT(StaffHistoryLoanFeeText)),
    field("StaffHistoryLoanFeeCurrency", 17, field_type::integer, AT(StaffHistoryLoanFeeCurrency)),
    derived_index(AT(StaffHistoryLoanFeeCurrencyIndex), offsetof(R, StaffHistoryLoanFeeCurrency),
                  index_source::currency_list),
    field("StaffHistoryPlayerExchangeInvolved", 19, field_type::normalised_boolean,
          AT(StaffHistoryPlayerExchangeInvolved)),
    field("StaffHistoryDraftAllocationsInvolved", 20, field_type::integer,
          AT(StaffHistoryDraftAllocationsInvolved)),
    field("StaffHistoryInternationalSlotsInvolved", 21, field_type::integer,
          AT(StaffHistoryInternationalSlotsInvolved)),
    field("StaffHistoryDraftType", 22, field_type::integer, AT(StaffHistoryDraftType)),
};
}  // namespace history_table

namespace language_table {
using R = qor_staff_language;
constexpr field_descriptor fields[] = {
    field("StaffLanguagesID", 1, field_type::integer, AT(StaffLanguagesID)),
    field("StaffLanguagesStaff", 2, field_type::integer, AT(StaffLanguagesStaff)),
    field("StaffLanguagesLanguage", 3, field_type::text, AT(StaffLanguagesLanguage)),
    field("StaffLanguagesType", 4, field_type::integer, AT(StaffLanguagesType)),
    field("DateUpdated", 5, field_type::date_text, AT(DateUpdated)),
    field("Researcher", 6, field_type::text, AT(Researcher)),
    field("StaffLanguagesMarkedForDeletion", 7, field_type::normalised_boolean,
          AT(StaffLanguagesMarkedForDeletion)),
};
}  // namespace language_table

namespace ppm_table {
using R = qor_staff_ppm;
constexpr field_descriptor fields[] = {
    field("StaffPPMID", 1, field_type::integer, AT(StaffPPMID)),
    field("StaffPPMStaff", 2, field_type::integer, AT(StaffPPMStaff)),
    field("StaffPPMPrefferedMove", 3, field_type::integer, AT(StaffPPMPrefferedMove)),
    field("DateUpdated", 4, field_type::date_text, AT(DateUpdated)),
    field("Researcher", 5, field_type::text, AT(Researcher)),
    field("StaffPPMMarkedForDeletion", 6, field_type::normalised_boolean,
          AT(StaffPPMMarkedForDeletion)),
};
}  // namespace ppm_table

namespace non_player_history_table {
using R = qor_staff_non_player_history;
constexpr field_descriptor fields[] = {
    field("StaffNonPlayerHistoryID", 1, field_type::integer, AT(StaffNonPlayerHistoryID)),
    field("StaffNonPlayerHistoryStaff", 4, field_type::integer, AT(StaffNonPlayerHistoryStaff)),
    field("StaffNonPlayerHistoryClubContracted", 5, field_type::integer,
          AT(StaffNonPlayerHistoryClubContracted)),
    field("StaffNonPlayerHistoryNationContracted", 6, field_type::text,
          AT(StaffNonPlayerHistoryNationContracted)),
    field("StaffNonPlayerHistoryJobForClub", 7, field_type::integer,
          AT(StaffNonPlayerHistoryJobForClub)),
    field("StaffNonPlayerHistoryDateJoined", 8, field_type::date_text,
          AT(StaffNonPlayerHistoryDateJoined)),
    field("StaffNonPlayerHistoryDateDeparted", 9, field_type::date_text,
          AT(StaffNonPlayerHistoryDateDeparted)),
    field("DateUpdated", 2, field_type::date_text, AT(DateUpdated)),
    field("Researcher", 3, field_type::text, AT(Researcher)),
    field("StaffNonPlayerHistoryMarkedForDeletion", 10, field_type::normalised_boolean,
          AT(StaffNonPlayerHistoryMarkedForDeletion)),
};
}  // namespace non_player_history_table

namespace injury_table {
using R = qor_staff_injury;
constexpr field_descriptor fields[] = {
    field("StaffInjuriesID", 1, field_type::integer, AT(StaffInjuriesID)),
    field("StaffInjuriesStaff", 2, field_type::integer, AT(StaffInjuriesStaff)),
    field("StaffInjuriesInjury", 3, field_type::integer, AT(StaffInjuriesInjury)),
    derived_index(AT(StaffInjuriesInjuryIndex), offsetof(R, StaffInjuriesInjury),
                  index_source::injury_list),
    field("StaffInjuriesInjuredFrom", 4, field_type::date_text, AT(StaffInjuriesInjuredFrom)),
    field("StaffInjuriesInjuredTo", 5, field_type::date_text, AT(StaffInjuriesInjuredTo)),
    field("StaffInjuriesPermanentInjury", 6, field_type::normalised_boolean,
          AT(StaffInjuriesPermanentInjury)),
    field("StaffInjuriesFuturePermanentInjury", 7, field_type::normalised_boolean,
          AT(StaffInjuriesFuturePermanentInjury)),
    field("StaffInjuriesSeverityPermanentInjury", 8, field_type::integer,
          AT(StaffInjuriesSeverityPermanentInjury)),
    field("DateUpdated", 9, field_type::date_text, AT(DateUpdated)),
    field("Researcher", 10, field_type::text, AT(Researcher)),
    field("StaffInjuriesRightOrLeft", 11, field_type::integer, AT(StaffInjuriesRightOrLeft)),
    field("StaffInjuriesMarkedForDeletion", 12, field_type::normalised_boolean,
          AT(StaffInjuriesMarkedForDeletion)),
    field("StaffInjuriesDoesNotTrain", 13, field_type::normalised_boolean,
          AT(StaffInjuriesDoesNotTrain)),
};
}  // namespace injury_table

namespace job_table {
using R = qor_staff_job;
constexpr field_descriptor fields[] = {
    field("StaffJobID", 1, field_type::integer, AT(StaffJobID)),
    field("StaffJobStaff", 2, field_type::integer, AT(StaffJobStaff)),
    field("StaffJobJob", 3, field_type::integer, AT(StaffJobJob)),
    field("StaffJobRating", 4, field_type::integer, AT(StaffJobRating)),
    field("DateUpdated", 5, field_type::date_text, AT(DateUpdated)),
    field("Researcher", 6, field_type::text, AT(Researcher)),
    field("StaffJobMarkedForDeletion", 7, field_type::normalised_boolean,
          AT(StaffJobMarkedForDeletion)),
};
}  // namespace job_table

namespace contract_clauses_table {
using R = qor_staff_contract_clauses;
constexpr field_descriptor fields[] = {
    field("StaffContractClausesID", 1, field_type::integer, AT(StaffContractClausesID)),
    field("StaffContractClausesStaff", 2, field_type::integer, AT(StaffContractClausesStaff)),
    field("StaffContractClausesType", 3, field_type::integer, AT(StaffContractClausesType)),
    field("StaffContractClausesCash", 4, field_type::integer, AT(StaffContractClausesCash)),
    field("StaffContractClausesCashCurrency", 5, field_type::integer,
          AT(StaffContractClausesCashCurrency)),
    derived_index(AT(StaffContractClausesCashCurrencyIndex),
                  offsetof(R, StaffContractClausesCashCurrency), index_source::currency_list),
    field("StaffContractClausesPercentage", 6, field_type::integer,
          AT(StaffContractClausesPercentage)),
    field("StaffContractClausesClub", 7, field_type::integer, AT(StaffContractClausesClub)),
    field("StaffContractClausesNumber", 8, field_type::integer, AT(StaffContractClausesNumber)),
    field("DateUpdated", 9, field_type::date_text, AT(DateUpdated)),
    field("Researcher", 10, field_type::text, AT(Researcher)),
    field("StaffContractClausesMarkedForDeletion", 11, field_type::normalised_boolean,
          AT(StaffContractClausesMarkedForDeletion)),
    field("StaffContractClausesLoanOrFuture", 12, field_type::integer,
          AT(StaffContractClausesLoanOrFuture)),
    field("StaffContractClausesWinOrQualify", 13, field_type::integer,
          AT(StaffContractClausesWinOrQualify)),
    field("StaffContractClausesCompetition", 14, field_type::integer,
          AT(StaffContractClausesCompetition)),
    field("StaffContractClausesStage", 15, field_type::integer, AT(StaffContractClausesStage)),
    field("StaffContractClauseOrder", 16, field_type::integer, AT(StaffContractClauseOrder)),
};
}  // namespace contract_clauses_table

namespace achievements_table {
using R = qor_staff_achievements;
constexpr field_descriptor fields[] = {
    field("StaffAchievementsID", 1, field_type::integer, AT(StaffAchievementsID)),
    field("StaffAchievementsStaff", 2, field_type::integer, AT(StaffAchievementsStaff)),
    field("StaffAchievementsYear", 3, field_type::integer, AT(StaffAchievementsYear)),
    field("StaffAchievementsClub", 4, field_type::integer, AT(StaffAchievementsClub)),
    field("StaffAchievementsNation", 5, field_type::text, AT(StaffAchievementsNation)),
    field("DateUpdated", 11, field_type::date_text, AT(DateUpdated)),
    field("Researcher", 12, field_type::text, AT(Researcher)),
    field("StaffAchievementsDate", 8, field_type::date_text, AT(StaffAchievementsDate)),
    field("StaffAchievementsClubComp", 6, field_type::integer, AT(StaffAchievementsClubComp)),
    field("StaffAchievementsNationComp", 7, field_type::integer, AT(StaffAchievementsNationComp)),
    field("StaffAchievementsPlacing", 10, field_type::integer, AT(StaffAchievementsPlacing)),
    field("StaffAchievementsJob", 9, field_type::integer, AT(StaffAchievementsJob)),
    field("StaffAchievementsMarkedForDeletion", 13, field_type::normalised_boolean,
          AT(StaffAchievementsMarkedForDeletion)),
    field("StaffAchievementsPromotionOrRelegation", 14, field_type::text,
          AT(StaffAchievementsPromotionOrRelegation)),
};
}  // namespace achievements_table

namespace npt_table {
using R = qor_staff_npt;
constexpr field_descriptor fields[] = {
    field("StaffNPTID", 1, field_type::integer, AT(StaffNPTID)),
    field("StaffNPTStaff", 2, field_type::integer, AT(StaffNPTStaff)),
    field("StaffNPTTendency", 3, field_type::integer, AT(StaffNPTTendency)),
    field("StaffNPTRating", 4, field_type::integer, AT(StaffNPTRating)),
    field("DateUpdated", 5, field_type::date_text, AT(DateUpdated)),
    field("Researcher", 6, field_type::text, AT(Researcher)),
    field("StaffNPTMarkedForDeletion", 7, field_type::normalised_boolean,
          AT(StaffNPTMarkedForDeletion)),
};
}  // namespace npt_table

namespace days_at_club_nation_table {
using R = qor_staff_days_at_club_nation;
constexpr field_descriptor fields[] = {
    field("StaffDaysAtClubNationID", 1, field_type::integer, AT(StaffDaysAtClubNationID)),
    field("StaffDaysAtClubNationStaff", 2, field_type::integer, AT(StaffDaysAtClubNationStaff)),
    field("StaffDaysAtClubNationDays", 4, field_type::integer, AT(StaffDaysAtClubNationDays)),
    field("StaffDaysAtClubNationType", 3, field_type::integer, AT(StaffDaysAtClubNationType)),
    field("DateUpdated", 7, field_type::date_text, AT(DateUpdated)),
    field("Researcher", 8, field_type::text, AT(Researcher)),
    field("StaffDaysAtClubNationMarkedForDeletion", 6, field_type::normalised_boolean,
          AT(StaffDaysAtClubNationMarkedForDeletion)),
    field("StaffDaysAtClubNation15-21Only", 5, field_type::boolean_text,
          AT(StaffDaysAtClubNation15_21Only)),
    field("StaffDaysAtClubNationClub", 9, field_type::integer, AT(StaffDaysAtClubNationClub)),
    field("StaffDaysAtClubNationNation", 10, field_type::text, AT(StaffDaysAtClubNationNation)),
    field("StaffDaysAtClubNationStint", 11, field_type::integer, AT(StaffDaysAtClubNationStint)),
};
}  // namespace days_at_club_nation_table

namespace retirement_table {
using R = qor_staff_retirement;
constexpr field_descriptor fields[] = {
    field("StaffRetirementID", 1, field_type::integer, AT(StaffRetirementID)),
    field("StaffRetirementStaff", 4, field_type::integer, AT(StaffRetirementStaff)),
    field("StaffRetirementType", 5, field_type::integer, AT(StaffRetirementType)),
    field("StaffRetirementDate", 6, field_type::date_text, AT(StaffRetirementDate)),
    field("DateUpdated", 2, field_type::date_text, AT(DateUpdated)),
    field("Researcher", 3, field_type::text, AT(Researcher)),
    field("StaffRetirementMarkedForDeletion", 7, field_type::normalised_boolean,
          AT(StaffRetirementMarkedForDeletion)),
};
}  // namespace retirement_table

namespace unavailability_table {
using R = qor_staff_unavailability;
constexpr field_descriptor fields[] = {
    field("StaffUnavailabilityID", 1, field_type::integer, AT(StaffUnavailabilityID)),
    field("StaffUnavailabilityStaff", 4, field_type::integer, AT(StaffUnavailabilityStaff)),
    field("StaffUnavailabilityType", 5, field_type::integer, AT(StaffUnavailabilityType)),
    field("StaffUnavailabilityDateFrom", 6, field_type::date_text, AT(StaffUnavailabilityDateFrom)),
    field("StaffUnavailabilityDateTo", 7, field_type::date_text, AT(StaffUnavailabilityDateTo)),
    field("DateUpdated", 2, field_type::date_text, AT(DateUpdated)),
    field("Researcher", 3, field_type::text, AT(Researcher)),
    field("StaffUnavailabilityMarkedForDeletion", 8, field_type::normalised_boolean,
          AT(StaffUnavailabilityMarkedForDeletion)),
    field("StaffUnavailabilityNationComp", 9, field_type::integer,
          AT(StaffUnavailabilityNationComp)),
    field("StaffUnavailabilityClubComp", 10, field_type::integer, AT(StaffUnavailabilityClubComp)),
    field("StaffUnavailabilityNumberOfGames", 11, field_type::integer,
          AT(StaffUnavailabilityNumberOfGames)),
};
}  // namespace unavailability_table

namespace long_term_career_table {
using R = qor_staff_long_term_career;
constexpr field_descriptor fields[] = {
    field("StaffLongTermCareerID", 1, field_type::integer, AT(StaffLongTermCareerID)),
    field("StaffLongTermCareerStaff", 4, field_type::integer, AT(StaffLongTermCareerStaff)),
    field("StaffLongTermCareerType", 5, field_type::integer, AT(StaffLongTermCareerType)),
    field("StaffLongTermCareerNation", 7, field_type::text, AT(StaffLongTermCareerNation)),
    field("StaffLongTermCareerDivision", 8, field_type::integer, AT(StaffLongTermCareerDivision)),
    field("StaffLongTermCareerClub", 9, field_type::integer, AT(StaffLongTermCareerClub)),
    field("StaffLongTermCareerJob", 10, field_type::integer, AT(StaffLongTermCareerJob)),
    derived_index(AT(StaffLongTermCareerJobIndex), offsetof(R, StaffLongTermCareerJob),
                  index_source::jobs_list),
    field("StaffLongTermCareerContinent", 6, field_type::integer, AT(StaffLongTermCareerContinent)),
    field("DateUpdated", 2, field_type::date_text, AT(DateUpdated)),
    field("Researcher", 3, field_type::text, AT(Researcher)),
    field("StaffLongTermCareerMarkedForDeletion", 11, field_type::normalised_boolean,
          AT(StaffLongTermCareerMarkedForDeletion)),
    field("StaffLongTermCareerScope", 12, field_type::integer, AT(StaffLongTermCareerScope)),
};
}  // namespace long_term_career_table

}  // namespace

#undef AT
#undef TEXT_AT

std::span<const field_descriptor> item_fields(item_kind kind) {
  static constexpr std::array<std::span<const field_descriptor>, item_kind_count> tables = {
      favourite_staff_table::fields,
      disliked_staff_table::fields,
      favourite_club_table::fields,
      disliked_club_table::fields,
      history_table::fields,
      language_table::fields,
      ppm_table::fields,
      non_player_history_table::fields,
      injury_table::fields,
      job_table::fields,
      contract_clauses_table::fields,
      achievements_table::fields,
      npt_table::fields,
      days_at_club_nation_table::fields,
      retirement_table::fields,
      unavailability_table::fields,
      long_term_career_table::fields,
  };
  return tables[static_cast<std::size_t>(kind)];
}
