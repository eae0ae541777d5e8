#pragma once

#include <cstdint>

#include "fixed_text.h"

// The item records of a staff member's lists. Each is a plain structure, zero-filled at creation
// and copied whole, whose first member is the item's own id and whose second is the id of the
// owning staff record. Favourite and disliked staff share one type, and so do favourite and
// disliked clubs; their members are named by the favourite section's columns. The column
// tables (item_fields.h) say which members each file section fills.

struct qor_staff_favourite_disliked_staff {
  qor_staff_favourite_disliked_staff();

  std::int32_t StaffFavouriteStaffID;
  std::int32_t StaffFavouriteStaffStaff;
  std::int32_t StaffFavouriteStaffStaffID;
  fixed_text<51> StaffFavouriteStaffLikedStaff;
  std::int8_t StaffFavouriteStaffRating;
  fixed_text<26> DateUpdated;
  fixed_text<101> Researcher;
  fixed_text<6> StaffFavouriteStaffPermanent;
  fixed_text<6> StaffFavouriteStaffMarkedForDeletion;
  std::int32_t StaffFavouriteStaffReason;
};

struct qor_staff_favourite_disliked_club {
  qor_staff_favourite_disliked_club();

  std::int32_t StaffFavouriteClubsID;
  std::int32_t StaffFavouriteClubsStaff;
  std::int32_t StaffFavouriteClubsClub;
  std::int8_t StaffFavouriteClubsRating;
  fixed_text<26> DateUpdated;
  fixed_text<101> Researcher;
  fixed_text<6> StaffFavouriteClubsPermanent;
  fixed_text<6> StaffFavouriteClubsMarkedForDeletion;
  std::int32_t StaffFavouriteClubsReason;
};

struct qor_staff_history {
  qor_staff_history();

  std::int32_t StaffHistoryID;
  std::int32_t StaffHistoryStaff;
  std::int32_t StaffHistoryYear;
  std::int32_t StaffHistoryYearOrder;
  std::int32_t StaffHistoryClub;
  fixed_text<6> StaffHistoryOnLoan;
  std::int8_t StaffHistoryApps;
  fixed_text<5> StaffHistoryAppsText;
  std::int8_t StaffHistoryGoals;
  fixed_text<5> StaffHistoryGoalsText;
  fixed_text<26> StaffHistoryDateJoined;
  fixed_text<26> StaffHistoryDateDeparted;
  std::int32_t StaffHistoryTransferFee;
  fixed_text<20> StaffHistoryTransferFeeText;
  fixed_text<26> DateUpdated;
  fixed_text<101> Researcher;
  std::int32_t StaffHistoryTransferFeeCurrency;
  std::int16_t StaffHistoryTransferFeeCurrencyIndex;
  fixed_text<6> StaffHistoryYouthPlayer;
  fixed_text<6> StaffHistoryMarkedForDeletion;
  std::int32_t StaffHistoryLoanFee;
  fixed_text<20> StaffHistoryLoanFeeText;
  std::int32_t StaffHistoryLoanFeeCurrency;
  std::int16_t StaffHistoryLoanFeeCurrencyIndex;
  fixed_text<6> StaffHistoryPlayerExchangeInvolved;
  std::int32_t StaffHistoryDraftAllocationsInvolved;
  std::int32_t StaffHistoryInternationalSlotsInvolved;
  std::int32_t StaffHistoryDraftType;
};

struct qor_staff_language {
  qor_staff_language();

  std::int32_t StaffLanguagesID;
  std::int32_t StaffLanguagesStaff;
  fixed_text<51> StaffLanguagesLanguage;
  std::int32_t StaffLanguagesType;
  fixed_text<26> DateUpdated;
  fixed_text<101> Researcher;
  fixed_text<6> StaffLanguagesMarkedForDeletion;
};

struct qor_staff_ppm {
  qor_staff_ppm();

  std::int32_t StaffPPMID;
  std::int32_t StaffPPMStaff;
  std::int32_t StaffPPMPrefferedMove;
  fixed_text<26> DateUpdated;
  fixed_text<101> Researcher;
  fixed_text<6> StaffPPMMarkedForDeletion;
};

struct qor_staff_non_player_history {
  qor_staff_non_player_history();

  std::int32_t StaffNonPlayerHistoryID;
  std::int32_t StaffNonPlayerHistoryStaff;
  std::int32_t StaffNonPlayerHistoryClubContracted;
  fixed_text<51> StaffNonPlayerHistoryNationContracted;
  std::int32_t StaffNonPlayerHistoryJobForClub;
  fixed_text<26> StaffNonPlayerHistoryDateJoined;
  fixed_text<26> StaffNonPlayerHistoryDateDeparted;
  fixed_text<26> DateUpdated;
  fixed_text<101> Researcher;
  fixed_text<6> StaffNonPlayerHistoryMarkedForDeletion;
};

struct qor_staff_injury {
  qor_staff_injury();

  std::int32_t StaffInjuriesID;
  std::int32_t StaffInjuriesStaff;
  std::int32_t StaffInjuriesInjury;
  std::int16_t StaffInjuriesInjuryIndex;
  fixed_text<26> StaffInjuriesInjuredFrom;
  fixed_text<26> StaffInjuriesInjuredTo;
  fixed_text<6> StaffInjuriesPermanentInjury;
  fixed_text<6> StaffInjuriesFuturePermanentInjury;
  std::int8_t StaffInjuriesSeverityPermanentInjury;
  fixed_text<26> DateUpdated;
  fixed_text<101> Researcher;
  std::int8_t StaffInjuriesRightOrLeft;
  fixed_text<6> StaffInjuriesMarkedForDeletion;
  fixed_text<6> StaffInjuriesDoesNotTrain;
};

struct qor_staff_job {
  qor_staff_job();

  std::int32_t StaffJobID;
  std::int32_t StaffJobStaff;
  std::int32_t StaffJobJob;
  std::int8_t StaffJobRating;
  fixed_text<26> DateUpdated;
  fixed_text<101> Researcher;
  fixed_text<6> StaffJobMarkedForDeletion;
};

struct qor_staff_contract_clauses {
  qor_staff_contract_clauses();

  std::int32_t StaffContractClausesID;
  std::int32_t StaffContractClausesStaff;
  std::int32_t StaffContractClausesType;
  std::int32_t StaffContractClausesCash;
  std::int32_t StaffContractClausesCashCurrency;
  std::int16_t StaffContractClausesCashCurrencyIndex;
  std::int32_t StaffContractClausesPercentage;
  std::int32_t StaffContractClausesClub;
  std::int32_t StaffContractClausesNumber;
  fixed_text<26> DateUpdated;
  fixed_text<101> Researcher;
  fixed_text<6> StaffContractClausesMarkedForDeletion;
  std::int32_t StaffContractClausesLoanOrFuture;
  std::int32_t StaffContractClausesWinOrQualify;
  std::int32_t StaffContractClausesCompetition;
  std::int32_t StaffContractClausesStage;
  std::int32_t StaffContractClauseOrder;
};

struct qor_staff_achievements {
  qor_staff_achievements();

  std::int32_t StaffAchievementsID;
  std::int32_t StaffAchievementsStaff;
  std::int32_t StaffAchievementsYear;
  std::int32_t StaffAchievementsClub;
  fixed_text<51> StaffAchievementsNation;
  fixed_text<26> DateUpdated;
  fixed_text<101> Researcher;
  fixed_text<26> StaffAchievementsDate;
  std::int32_t StaffAchievementsClubComp;
  std::int32_t StaffAchievementsNationComp;
  std::int32_t StaffAchievementsPlacing;
  std::int32_t StaffAchievementsJob;
  fixed_text<6> StaffAchievementsMarkedForDeletion;
  // Column 14 of the achievements section; held as the exported text so it comes back unchanged.
  fixed_text<101> StaffAchievementsPromotionOrRelegation;
};

struct qor_staff_npt {
  qor_staff_npt();

  std::int32_t StaffNPTID;
  std::int32_t StaffNPTStaff;
  std::int32_t StaffNPTTendency;
  std::int8_t StaffNPTRating;
  fixed_text<26> DateUpdated;
  fixed_text<101> Researcher;
  fixed_text<6> StaffNPTMarkedForDeletion;
};

struct qor_staff_days_at_club_nation {
  qor_staff_days_at_club_nation();

  std::int32_t StaffDaysAtClubNationID;
  std::int32_t StaffDaysAtClubNationStaff;
  std::int32_t StaffDaysAtClubNationDays;
  std::int32_t StaffDaysAtClubNationType;
  fixed_text<26> DateUpdated;
  fixed_text<101> Researcher;
  fixed_text<6> StaffDaysAtClubNationMarkedForDeletion;
  fixed_text<6> StaffDaysAtClubNation15_21Only;  // column StaffDaysAtClubNation15-21Only
  std::int32_t StaffDaysAtClubNationClub;
  fixed_text<51> StaffDaysAtClubNationNation;
  std::int32_t StaffDaysAtClubNationStint;
};

struct qor_staff_retirement {
  qor_staff_retirement();

  std::int32_t StaffRetirementID;
  std::int32_t StaffRetirementStaff;
  std::int32_t StaffRetirementType;
  fixed_text<26> StaffRetirementDate;
  fixed_text<26> DateUpdated;
  fixed_text<101> Researcher;
  fixed_text<6> StaffRetirementMarkedForDeletion;
};

struct qor_staff_unavailability {
  qor_staff_unavailability();

  std::int32_t StaffUnavailabilityID;
  std::int32_t StaffUnavailabilityStaff;
  std::int32_t StaffUnavailabilityType;
  fixed_text<26> StaffUnavailabilityDateFrom;
  fixed_text<26> StaffUnavailabilityDateTo;
  fixed_text<26> DateUpdated;
  fixed_text<101> Researcher;
  fixed_text<6> StaffUnavailabilityMarkedForDeletion;
  std::int32_t StaffUnavailabilityNationComp;
  std::int32_t StaffUnavailabilityClubComp;
  std::int32_t StaffUnavailabilityNumberOfGames;
};

struct qor_staff_long_term_career {
  qor_staff_long_term_career();

  std::int32_t StaffLongTermCareerID;
  std::int32_t StaffLongTermCareerStaff;
  std::int32_t StaffLongTermCareerType;
  fixed_text<51> StaffLongTermCareerNation;
  std::int32_t StaffLongTermCareerDivision;
  std::int32_t StaffLongTermCareerClub;
  std::int32_t StaffLongTermCareerJob;
  std::int16_t StaffLongTermCareerJobIndex;
  std::int32_t StaffLongTermCareerContinent;
  fixed_text<26> DateUpdated;
  fixed_text<101> Researcher;
  fixed_text<6> StaffLongTermCareerMarkedForDeletion;
  std::int32_t StaffLongTermCareerScope;
};
