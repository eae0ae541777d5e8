// The column of every field, checked against a table written out from the file format's column
// lists rather than taken from the engine's column tables, which the reader, the writer and the
// random file generator all share: a field read from or written to the wrong column would pass
// every round trip through those. Each line gets a distinct value in every column; the reader
// must put each into the field of the column's name, and the writer must give the line back.

#include <gtest/gtest.h>

#include <concepts>
#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "records/field_descriptor.h"
#include "records/item_records.h"
#include "records/program_paths.h"
#include "records/staff_reader.h"
#include "records/staff_record.h"
#include "records/staff_writer.h"
#include "records_test_support.h"

namespace {

// Column by column, the value each line holds. Integers differ from column to column within
// their width; texts name their column; the boolean texts, which read only "true" or "false" in
// any case, take a different mix of capitals each.
class column_values {
 public:
  template <std::integral Integer>
  static Integer integer(int column) {
    if constexpr (sizeof(Integer) == 1) {
      return static_cast<Integer>(column < 128 ? column : column - 256);
    } else {
      return static_cast<Integer>(sizeof(Integer) == 2 ? 1000 + column : 100000 + column);
    }
  }

  template <std::size_t N>
  std::string text(int column) {
    if constexpr (N == boolean_text_capacity) {
      const int mix = booleans_++;
      std::string word = mix < 16 ? "true" : "false";
      for (std::size_t i = 0; i < word.size(); ++i) {
        if (((mix < 16 ? mix : mix - 16) >> i) & 1) {
          word[i] = static_cast<char>(word[i] - 'a' + 'A');
        }
      }
      return word;
    } else {
      return "c" + std::to_string(column);
    }
  }

  // Count pairs: a small number, which every pair's text has room for.
  static std::string count(int column) { return std::to_string(integer<std::int8_t>(column)); }
  static std::string amount(int column) { return std::to_string(column) + ".25"; }

 private:
  int booleans_ = 0;
};

// Builds the line from the values.
class line_builder {
 public:
  template <std::integral Integer>
  void operator()(int column, Integer&, const char*) {
    texts_[column] = std::to_string(column_values::integer<Integer>(column));
  }
  template <std::size_t N>
  void operator()(int column, fixed_text<N>&, const char*) {
    texts_[column] = values_.text<N>(column);
  }
  template <std::integral Integer, std::size_t N>
  void operator()(int column, Integer&, fixed_text<N>&, const char*) {
    texts_[column] = column_values::count(column);
  }
  template <std::size_t N>
  void operator()(int column, float&, fixed_text<N>&, const char*) {
    texts_[column] = column_values::amount(column);
  }

  std::string line() const {
    std::string line;
    int expected = 1;
    for (const auto& [column, text] : texts_) {
      EXPECT_EQ(column, expected++) << "the table skips a column";
      line += (line.empty() ? "\"" : ";\"") + text + "\"";
    }
    return line;
  }

 private:
  column_values values_;
  std::map<int, std::string> texts_;
};

// Checks that each named field holds its column's value.
class field_checker {
 public:
  template <std::integral Integer>
  void operator()(int column, Integer& field, const char* name) {
    EXPECT_EQ(field, column_values::integer<Integer>(column)) << name;
  }
  template <std::size_t N>
  void operator()(int column, fixed_text<N>& field, const char* name) {
    EXPECT_EQ(field.view(), values_.text<N>(column)) << name;
  }
  template <std::integral Integer, std::size_t N>
  void operator()(int column, Integer& number, fixed_text<N>& text, const char* name) {
    EXPECT_EQ(text.view(), column_values::count(column)) << name;
    EXPECT_EQ(number, column_values::integer<std::int8_t>(column)) << name;
  }
  template <std::size_t N>
  void operator()(int column, float& number, fixed_text<N>& text, const char* name) {
    EXPECT_EQ(text.view(), column_values::amount(column)) << name;
    EXPECT_EQ(number, static_cast<float>(column) + 0.25f) << name;
  }

 private:
  column_values values_;
};

#define COLUMN(column, member) visit(column, record.member, #member)
#define PAIR(column, member) visit(column, record.member, record.member##Text, #member)

// Staff lines, 249 columns.
template <class Visitor>
void staff_columns(Visitor& visit, qor_staff& record) {
  COLUMN(1, StaffID);
  COLUMN(2, DateUpdated);
  COLUMN(3, Researcher);
  COLUMN(4, StaffFirstName);
  COLUMN(5, StaffSecondName);
  COLUMN(6, StaffCommonName);
  COLUMN(7, StaffDateOfBirth);
  COLUMN(8, StaffYearOfBirth);
  COLUMN(9, StaffNation);
  COLUMN(10, StaffNationDeclared);
  COLUMN(11, StaffSecondNation);
  COLUMN(12, StaffSecondNationDeclared);
  PAIR(13, StaffInternationalApps);
  PAIR(14, StaffInternationalGoals);
  PAIR(15, StaffU21Apps);
  PAIR(16, StaffU21Goals);
  COLUMN(17, StaffNationContracted);
  COLUMN(18, StaffJobForNation);
  COLUMN(19, StaffDateJoinedNation);
  COLUMN(20, StaffContractExpiresNation);
  COLUMN(21, StaffClubContracted);
  COLUMN(22, StaffJobForClub);
  COLUMN(23, StaffDateJoinedClub);
  COLUMN(24, StaffDateSignedLastContract);
  COLUMN(25, StaffContractExpiresClub);
  COLUMN(26, StaffContractExtensionOption);
  COLUMN(27, StaffContractType);
  COLUMN(28, StaffContractLength);
  PAIR(29, StaffEstimatedWage);
  COLUMN(30, StaffClubCoOwnedBy);
  COLUMN(31, StaffClubCoOwnedByPercentage);
  COLUMN(32, StaffAdaptability);
  COLUMN(33, StaffAmbition);
  COLUMN(34, StaffControversy);
  COLUMN(35, StaffDetermination);
  COLUMN(36, StaffLoyalty);
  COLUMN(37, StaffPressure);
  COLUMN(38, StaffProfessionalism);
  COLUMN(39, StaffSportsmanship);
  COLUMN(40, StaffTemperament);
  COLUMN(41, StaffClassification);
  COLUMN(42, StaffClubOnLoanTo);
  COLUMN(43, StaffDateOnLoanToFrom);
  COLUMN(44, StaffDateOnLoanToUntil);
  COLUMN(45, StaffPlayerLoanSquadNumber);
  COLUMN(46, StaffCanBeRecalled);
  COLUMN(47, StaffClubFutureTransfer);
  COLUMN(48, StaffDateFutureTransfer);
  COLUMN(49, StaffDateFutureTransferContractEnd);
  PAIR(50, StaffFutureTransferFee);
  PAIR(51, StaffFutureTransferEstimatedWage);
  COLUMN(52, StaffNonPlayerCurrentAbility);
  COLUMN(53, StaffNonPlayerPotentialAbility);
  COLUMN(54, StaffNonPlayerHomeReputation);
  COLUMN(55, StaffNonPlayerCurrentReputation);
  COLUMN(56, StaffNonPlayerWorldReputation);
  COLUMN(57, StaffNonPlayerBoardConfidence);
  COLUMN(58, StaffNonPlayerFansConfidence);
  COLUMN(59, StaffNonPlayerAttacking);
  COLUMN(60, StaffNonPlayerBusiness);
  COLUMN(61, StaffNonPlayerBuyingPlayers);
  COLUMN(62, StaffNonPlayerCoaching);
  COLUMN(63, StaffNonPlayerCoachingGks);
  COLUMN(64, StaffNonPlayerDepth);
  COLUMN(65, StaffNonPlayerDirectness);
  COLUMN(66, StaffNonPlayerDiscipline);
  COLUMN(67, StaffNonPlayerFlamboyancy);
  COLUMN(68, StaffNonPlayerFlexibility);
  COLUMN(69, StaffNonPlayerFreeRoles);
  COLUMN(70, StaffNonPlayerHardnessOfTraining);
  COLUMN(71, StaffNonPlayerInterference);
  COLUMN(72, StaffNonPlayerJudgement);
  COLUMN(73, StaffNonPlayerJudgingPotential);
  COLUMN(74, StaffNonPlayerManHandling);
  COLUMN(75, StaffNonPlayerMarking);
  COLUMN(76, StaffNonPlayerMindGames);
  COLUMN(77, StaffNonPlayerMotivating);
  COLUMN(78, StaffNonPlayerOffside);
  COLUMN(79, StaffNonPlayerPatience);
  COLUMN(80, StaffNonPlayerPhysiotherapy);
  COLUMN(81, StaffNonPlayerPressing);
  COLUMN(82, StaffNonPlayerResources);
  COLUMN(83, StaffNonPlayerSittingBack);
  COLUMN(84, StaffNonPlayerSquadRotation);
  COLUMN(85, StaffNonPlayerTactics);
  COLUMN(86, StaffNonPlayerTempo);
  COLUMN(87, StaffNonPlayerUseOfPlaymaker);
  COLUMN(88, StaffNonPlayerUseOfSubs);
  COLUMN(89, StaffNonPlayerWidth);
  COLUMN(90, StaffNonPlayerYoungsters);
  COLUMN(91, StaffNonPlayerFormationPreferred);
  COLUMN(92, StaffNonPlayerFormationSecondPreferred);
  COLUMN(93, StaffNonPlayerFormationDefensive);
  COLUMN(94, StaffNonPlayerFormationAttacking);
  COLUMN(95, StaffPlayerSquadNumber);
  COLUMN(96, StaffPlayerCurrentAbility);
  COLUMN(97, StaffPlayerPotentialAbility);
  COLUMN(98, StaffPlayerHomeReputation);
  COLUMN(99, StaffPlayerCurrentReputation);
  COLUMN(100, StaffPlayerWorldReputation);
  COLUMN(101, StaffPlayerGoalkeeper);
  COLUMN(102, StaffPlayerSweeper);
  COLUMN(103, StaffPlayerDefenderLeftSide);
  COLUMN(104, StaffPlayerDefenderCentral);
  COLUMN(105, StaffPlayerDefenderRightSide);
  COLUMN(106, StaffPlayerDefensiveMidfielderCentral);
  COLUMN(107, StaffPlayerMidfielderLeftSide);
  COLUMN(108, StaffPlayerMidfielderCentral);
  COLUMN(109, StaffPlayerMidfielderRightSide);
  COLUMN(110, StaffPlayerAttackingMidfielderLeftSide);
  COLUMN(111, StaffPlayerAttackingMidfielderCentral);
  COLUMN(112, StaffPlayerAttackingMidfielderRightSide);
  COLUMN(113, StaffPlayerAttackerCentral);
  COLUMN(114, StaffPlayerWingBackLeftSide);
  COLUMN(115, StaffPlayerWingBackRightSide);
  COLUMN(116, StaffPlayerAcceleration);
  COLUMN(117, StaffPlayerAggression);
  COLUMN(118, StaffPlayerAgility);
  COLUMN(119, StaffPlayerAnticipation);
  COLUMN(120, StaffPlayerBalance);
  COLUMN(121, StaffPlayerBravery);
  COLUMN(122, StaffPlayerComposure);
  COLUMN(123, StaffPlayerConcentration);
  COLUMN(124, StaffPlayerConsistency);
  COLUMN(125, StaffPlayerCorners);
  COLUMN(126, StaffPlayerCrossing);
  COLUMN(127, StaffPlayerDecisions);
  COLUMN(128, StaffPlayerDirtiness);
  COLUMN(129, StaffPlayerDribbling);
  COLUMN(130, StaffPlayerFinishing);
  COLUMN(131, StaffPlayerFirstTouch);
  COLUMN(132, StaffPlayerFlair);
  COLUMN(133, StaffPlayerFreeKicks);
  COLUMN(134, StaffPlayerHeading);
  COLUMN(135, StaffPlayerImportantMatches);
  COLUMN(136, StaffPlayerInjuryProneness);
  COLUMN(137, StaffPlayerJumping);
  COLUMN(138, StaffPlayerLeadership);
  COLUMN(139, StaffPlayerLeftFoot);
  COLUMN(140, StaffPlayerLongShots);
  COLUMN(141, StaffPlayerLongThrows);
  COLUMN(142, StaffPlayerMarking);
  COLUMN(143, StaffPlayerMovement);
  COLUMN(144, StaffPlayerNaturalFitness);
  COLUMN(145, StaffPlayerPace);
  COLUMN(146, StaffPlayerPassing);
  COLUMN(147, StaffPlayerPenalties);
  COLUMN(148, StaffPlayerPositioning);
  COLUMN(149, StaffPlayerRightFoot);
  COLUMN(150, StaffPlayerStamina);
  COLUMN(151, StaffPlayerStrength);
  COLUMN(152, StaffPlayerTackling);
  COLUMN(153, StaffPlayerTeamwork);
  COLUMN(154, StaffPlayerTechnique);
  COLUMN(155, StaffPlayerVersatility);
  COLUMN(156, StaffPlayerVision);
  COLUMN(157, StaffPlayerWorkRate);
  COLUMN(158, StaffPlayerGKAerialAbility);
  COLUMN(159, StaffPlayerGKCommandOfArea);
  COLUMN(160, StaffPlayerGKCommunication);
  COLUMN(161, StaffPlayerGKEccentricity);
  COLUMN(162, StaffPlayerHandling);
  COLUMN(163, StaffPlayerGKKicking);
  COLUMN(164, StaffPlayerOneOnOnes);
  COLUMN(165, StaffPlayerReflexes);
  COLUMN(166, StaffPlayerGKRushingOut);
  COLUMN(167, StaffPlayerGKTendencyToPunchBall);
  COLUMN(168, StaffPlayerGKThrowing);
  PAIR(169, StaffPlayerHeightAmount);
  COLUMN(170, StaffPlayerHeightUnit);
  COLUMN(171, StaffPlayerHeightDescription);
  PAIR(172, StaffPlayerWeightAmount);
  COLUMN(173, StaffPlayerWeightUnit);
  COLUMN(174, StaffPlayerWeightDescription);
  COLUMN(175, StaffNickName);
  COLUMN(176, StaffCityOfBirth);
  COLUMN(177, StaffNotForExtraction);
  COLUMN(178, StaffMediaJob);
  COLUMN(179, StaffFemale);
  COLUMN(180, StaffFullName);
  COLUMN(181, StaffPreferredCentralPosition);
  COLUMN(182, StaffLoanClubBuyOption);
  PAIR(183, StaffLoanClubBuyAmount);
  COLUMN(184, StaffNonPlayerCoachingFitness);
  COLUMN(185, StaffNonPlayerCoachingTechnical);
  COLUMN(186, StaffNonPlayerCoachingAttacking);
  COLUMN(187, StaffNonPlayerCoachingDefending);
  COLUMN(188, StaffNonPlayerCoachingMental);
  COLUMN(189, StaffNonPlayerCoachingTactical);
  COLUMN(190, StaffNonPlayerTeamTacticalFocus);
  COLUMN(191, StaffEstimatedWageCurrency);
  COLUMN(192, StaffFutureTransferFeeCurrency);
  COLUMN(193, StaffFutureTransferEstimatedWageCurrency);
  COLUMN(194, StaffLoanClubBuyAmountCurrency);
  COLUMN(195, StaffFutureTransferJob);
  COLUMN(196, StaffDeceasedDate);
  COLUMN(197, StaffLoaningClubWagesPercentage);
  COLUMN(198, StaffMLSRightsClub);
  COLUMN(199, StaffMLSRightsExpirationDate);
  COLUMN(200, StaffDraftType);
  COLUMN(201, StaffDraftClub);
  COLUMN(202, StaffDraftYear);
  PAIR(203, StaffDraftRound);
  PAIR(204, StaffDraftPick);
  COLUMN(205, StaffThirdNation);
  COLUMN(206, StaffThirdNationDeclared);
  COLUMN(207, StaffMarkedForDeletion);
  COLUMN(208, StaffSlowRetirement);
  COLUMN(209, StaffPlayerGKPenaltySaving);
  COLUMN(210, StaffInternationalFullDebutDate);
  COLUMN(211, StaffInternationalFullDebutYear);
  COLUMN(212, StaffInternationalFullDebutAgainstNation);
  COLUMN(213, StaffEthnicity);
  COLUMN(214, StaffHairColour);
  COLUMN(215, StaffLocalRegionOfBirth);
  COLUMN(216, StaffPlayerFavouriteSquadNumber);
  COLUMN(217, StaffNonPlayerDirtinessAllowance);
  COLUMN(218, StaffCaretakerManager);
  COLUMN(219, StaffSkinTone);
  COLUMN(220, StaffFARegistrationIDNumber);
  PAIR(221, StaffLoanPlayerWages);
  COLUMN(222, StaffLoanPlayerWagesCurrency);
  COLUMN(223, StaffContractExtensionEndDate);
  COLUMN(224, StaffMLSGuaranteedDeal);
  COLUMN(225, StaffMLSTeamOption);
  COLUMN(226, StaffMLSPlayerOption);
  COLUMN(227, StaffMLSDiscoveryPlayer);
  COLUMN(228, StaffNotUpdated);
  COLUMN(229, StaffResidentNation);
  COLUMN(230, StaffFirstNameNation);
  COLUMN(231, StaffSecondNameNation);
  COLUMN(232, StaffNoWorkPermit);
  COLUMN(233, StaffFirstNameNewgenUseDenied);
  COLUMN(234, StaffSecondNameNewgenUseDenied);
  COLUMN(235, StaffCommonNameNewgenUseDenied);
  COLUMN(236, StaffNationalServiceStatus);
  COLUMN(237, StaffNonPlayerHandlesMedia);
  COLUMN(238, StaffHasOnlyPlayedFriendlies);
  COLUMN(239, StaffCoachingQualification);
  COLUMN(240, StaffFirstNameEthnicity);
  COLUMN(241, StaffSecondNameEthnicity);
  COLUMN(242, StaffFirstNameLocalRegion);
  COLUMN(243, StaffSecondNameLocalRegion);
  COLUMN(244, StaffInternationalFirstGoalDate);
  COLUMN(245, StaffInternationalFirstGoalYear);
  COLUMN(246, StaffInternationalFirstGoalAgainstNation);
  COLUMN(247, StaffKitName);
  COLUMN(248, StaffNonPlayerCoachingStyle);
  COLUMN(249, StaffMLSDiscoveryPlayerAtCurrentClub);
}

// "STAFF_FAVOURITE_STAFF"
template <class Visitor>
void favourite_staff_columns(Visitor& visit, qor_staff_favourite_disliked_staff& record) {
  COLUMN(1, StaffFavouriteStaffID);
  COLUMN(2, StaffFavouriteStaffStaff);
  COLUMN(3, StaffFavouriteStaffLikedStaff);
  COLUMN(4, StaffFavouriteStaffRating);
  COLUMN(5, StaffFavouriteStaffStaffID);
  COLUMN(6, DateUpdated);
  COLUMN(7, Researcher);
  COLUMN(8, StaffFavouriteStaffPermanent);
  COLUMN(9, StaffFavouriteStaffMarkedForDeletion);
  COLUMN(10, StaffFavouriteStaffReason);
}

// "STAFF_DISLIKED_STAFF"
template <class Visitor>
void disliked_staff_columns(Visitor& visit, qor_staff_favourite_disliked_staff& record) {
  COLUMN(1, StaffFavouriteStaffID);
  COLUMN(2, StaffFavouriteStaffStaff);
  COLUMN(3, StaffFavouriteStaffStaffID);
  COLUMN(4, StaffFavouriteStaffLikedStaff);
  COLUMN(5, StaffFavouriteStaffRating);
  COLUMN(6, DateUpdated);
  COLUMN(7, Researcher);
  COLUMN(8, StaffFavouriteStaffPermanent);
  COLUMN(9, StaffFavouriteStaffMarkedForDeletion);
}

// "STAFF_FAVOURITE_CLUBS"
template <class Visitor>
void favourite_clubs_columns(Visitor& visit, qor_staff_favourite_disliked_club& record) {
  COLUMN(1, StaffFavouriteClubsID);
  COLUMN(2, StaffFavouriteClubsStaff);
  COLUMN(3, StaffFavouriteClubsClub);
  COLUMN(4, StaffFavouriteClubsRating);
  COLUMN(5, DateUpdated);
  COLUMN(6, Researcher);
  COLUMN(7, StaffFavouriteClubsPermanent);
  COLUMN(8, StaffFavouriteClubsMarkedForDeletion);
  COLUMN(9, StaffFavouriteClubsReason);
}

// "STAFF_DISLIKED_CLUBS"
template <class Visitor>
void disliked_clubs_columns(Visitor& visit, qor_staff_favourite_disliked_club& record) {
  COLUMN(1, StaffFavouriteClubsID);
  COLUMN(2, StaffFavouriteClubsStaff);
  COLUMN(3, StaffFavouriteClubsClub);
  COLUMN(4, StaffFavouriteClubsRating);
  COLUMN(5, DateUpdated);
  COLUMN(6, Researcher);
  COLUMN(7, StaffFavouriteClubsPermanent);
  COLUMN(8, StaffFavouriteClubsMarkedForDeletion);
}

// "STAFF_HISTORIES"
template <class Visitor>
void histories_columns(Visitor& visit, qor_staff_history& record) {
  COLUMN(1, StaffHistoryID);
  COLUMN(2, DateUpdated);
  COLUMN(3, Researcher);
  COLUMN(4, StaffHistoryStaff);
  COLUMN(5, StaffHistoryYear);
  COLUMN(6, StaffHistoryYearOrder);
  COLUMN(7, StaffHistoryClub);
  COLUMN(8, StaffHistoryOnLoan);
  PAIR(9, StaffHistoryApps);
  PAIR(10, StaffHistoryGoals);
  COLUMN(11, StaffHistoryDateJoined);
  COLUMN(12, StaffHistoryDateDeparted);
  PAIR(13, StaffHistoryTransferFee);
  COLUMN(14, StaffHistoryTransferFeeCurrency);
  COLUMN(15, StaffHistoryYouthPlayer);
  PAIR(16, StaffHistoryLoanFee);
  COLUMN(17, StaffHistoryLoanFeeCurrency);
  COLUMN(18, StaffHistoryMarkedForDeletion);
  COLUMN(19, StaffHistoryPlayerExchangeInvolved);
  COLUMN(20, StaffHistoryDraftAllocationsInvolved);
  COLUMN(21, StaffHistoryInternationalSlotsInvolved);
  COLUMN(22, StaffHistoryDraftType);
}

// "STAFF_LANGUAGES"
template <class Visitor>
void languages_columns(Visitor& visit, qor_staff_language& record) {
  COLUMN(1, StaffLanguagesID);
  COLUMN(2, StaffLanguagesStaff);
  COLUMN(3, StaffLanguagesLanguage);
  COLUMN(4, StaffLanguagesType);
  COLUMN(5, DateUpdated);
  COLUMN(6, Researcher);
  COLUMN(7, StaffLanguagesMarkedForDeletion);
}

// "STAFF_PPM"
template <class Visitor>
void ppm_columns(Visitor& visit, qor_staff_ppm& record) {
  COLUMN(1, StaffPPMID);
  COLUMN(2, StaffPPMStaff);
  COLUMN(3, StaffPPMPrefferedMove);
  COLUMN(4, DateUpdated);
  COLUMN(5, Researcher);
  COLUMN(6, StaffPPMMarkedForDeletion);
}

// "STAFF_NON_PLAYER_HISTORY"
template <class Visitor>
void non_player_history_columns(Visitor& visit, qor_staff_non_player_history& record) {
  COLUMN(1, StaffNonPlayerHistoryID);
  COLUMN(2, DateUpdated);
  COLUMN(3, Researcher);
  COLUMN(4, StaffNonPlayerHistoryStaff);
  COLUMN(5, StaffNonPlayerHistoryClubContracted);
  COLUMN(6, StaffNonPlayerHistoryNationContracted);
  COLUMN(7, StaffNonPlayerHistoryJobForClub);
  COLUMN(8, StaffNonPlayerHistoryDateJoined);
  COLUMN(9, StaffNonPlayerHistoryDateDeparted);
  COLUMN(10, StaffNonPlayerHistoryMarkedForDeletion);
}

// "STAFF_INJURIES"
template <class Visitor>
void injuries_columns(Visitor& visit, qor_staff_injury& record) {
  COLUMN(1, StaffInjuriesID);
  COLUMN(2, StaffInjuriesStaff);
  COLUMN(3, StaffInjuriesInjury);
  COLUMN(4, StaffInjuriesInjuredFrom);
  COLUMN(5, StaffInjuriesInjuredTo);
  COLUMN(6, StaffInjuriesPermanentInjury);
  COLUMN(7, StaffInjuriesFuturePermanentInjury);
  COLUMN(8, StaffInjuriesSeverityPermanentInjury);
  COLUMN(9, DateUpdated);
  COLUMN(10, Researcher);
  COLUMN(11, StaffInjuriesRightOrLeft);
  COLUMN(12, StaffInjuriesMarkedForDeletion);
  COLUMN(13, StaffInjuriesDoesNotTrain);
}

// "STAFF_JOB"
template <class Visitor>
void job_columns(Visitor& visit, qor_staff_job& record) {
  COLUMN(1, StaffJobID);
  COLUMN(2, StaffJobStaff);
  COLUMN(3, StaffJobJob);
  COLUMN(4, StaffJobRating);
  COLUMN(5, DateUpdated);
  COLUMN(6, Researcher);
  COLUMN(7, StaffJobMarkedForDeletion);
}

// "STAFF_CONTRACT_CLAUSES"
template <class Visitor>
void contract_clauses_columns(Visitor& visit, qor_staff_contract_clauses& record) {
  COLUMN(1, StaffContractClausesID);
  COLUMN(2, StaffContractClausesStaff);
  COLUMN(3, StaffContractClausesType);
  COLUMN(4, StaffContractClausesCash);
  COLUMN(5, StaffContractClausesCashCurrency);
  COLUMN(6, StaffContractClausesPercentage);
  COLUMN(7, StaffContractClausesClub);
  COLUMN(8, StaffContractClausesNumber);
  COLUMN(9, DateUpdated);
  COLUMN(10, Researcher);
  COLUMN(11, StaffContractClausesMarkedForDeletion);
  COLUMN(12, StaffContractClausesLoanOrFuture);
  COLUMN(13, StaffContractClausesWinOrQualify);
  COLUMN(14, StaffContractClausesCompetition);
  COLUMN(15, StaffContractClausesStage);
  COLUMN(16, StaffContractClauseOrder);
}

// "STAFF_ACHIEVEMENTS"
template <class Visitor>
void achievements_columns(Visitor& visit, qor_staff_achievements& record) {
  COLUMN(1, StaffAchievementsID);
  COLUMN(2, StaffAchievementsStaff);
  COLUMN(3, StaffAchievementsYear);
  COLUMN(4, StaffAchievementsClub);
  COLUMN(5, StaffAchievementsNation);
  COLUMN(6, StaffAchievementsClubComp);
  COLUMN(7, StaffAchievementsNationComp);
  COLUMN(8, StaffAchievementsDate);
  COLUMN(9, StaffAchievementsJob);
  COLUMN(10, StaffAchievementsPlacing);
  COLUMN(11, DateUpdated);
  COLUMN(12, Researcher);
  COLUMN(13, StaffAchievementsMarkedForDeletion);
  COLUMN(14, StaffAchievementsPromotionOrRelegation);
}

// "STAFF_NPT"
template <class Visitor>
void npt_columns(Visitor& visit, qor_staff_npt& record) {
  COLUMN(1, StaffNPTID);
  COLUMN(2, StaffNPTStaff);
  COLUMN(3, StaffNPTTendency);
  COLUMN(4, StaffNPTRating);
  COLUMN(5, DateUpdated);
  COLUMN(6, Researcher);
  COLUMN(7, StaffNPTMarkedForDeletion);
}

// "STAFF_DAYS_AT_CLUB_NATION"
template <class Visitor>
void days_at_club_nation_columns(Visitor& visit, qor_staff_days_at_club_nation& record) {
  COLUMN(1, StaffDaysAtClubNationID);
  COLUMN(2, StaffDaysAtClubNationStaff);
  COLUMN(3, StaffDaysAtClubNationType);
  COLUMN(4, StaffDaysAtClubNationDays);
  COLUMN(5, StaffDaysAtClubNation15_21Only);
  COLUMN(6, StaffDaysAtClubNationMarkedForDeletion);
  COLUMN(7, DateUpdated);
  COLUMN(8, Researcher);
  COLUMN(9, StaffDaysAtClubNationClub);
  COLUMN(10, StaffDaysAtClubNationNation);
  COLUMN(11, StaffDaysAtClubNationStint);
}

// "STAFF_RETIREMENT"
template <class Visitor>
void retirement_columns(Visitor& visit, qor_staff_retirement& record) {
  COLUMN(1, StaffRetirementID);
  COLUMN(2, DateUpdated);
  COLUMN(3, Researcher);
  COLUMN(4, StaffRetirementStaff);
  COLUMN(5, StaffRetirementType);
  COLUMN(6, StaffRetirementDate);
  COLUMN(7, StaffRetirementMarkedForDeletion);
}

// "STAFF_UNAVAILABILITY"
template <class Visitor>
void unavailability_columns(Visitor& visit, qor_staff_unavailability& record) {
  COLUMN(1, StaffUnavailabilityID);
  COLUMN(2, DateUpdated);
  COLUMN(3, Researcher);
  COLUMN(4, StaffUnavailabilityStaff);
  COLUMN(5, StaffUnavailabilityType);
  COLUMN(6, StaffUnavailabilityDateFrom);
  COLUMN(7, StaffUnavailabilityDateTo);
  COLUMN(8, StaffUnavailabilityMarkedForDeletion);
  COLUMN(9, StaffUnavailabilityNationComp);
  COLUMN(10, StaffUnavailabilityClubComp);
  COLUMN(11, StaffUnavailabilityNumberOfGames);
}

// "STAFF_LONG_TERM_CAREER"
template <class Visitor>
void long_term_career_columns(Visitor& visit, qor_staff_long_term_career& record) {
  COLUMN(1, StaffLongTermCareerID);
  COLUMN(2, DateUpdated);
  COLUMN(3, Researcher);
  COLUMN(4, StaffLongTermCareerStaff);
  COLUMN(5, StaffLongTermCareerType);
  COLUMN(6, StaffLongTermCareerContinent);
  COLUMN(7, StaffLongTermCareerNation);
  COLUMN(8, StaffLongTermCareerDivision);
  COLUMN(9, StaffLongTermCareerClub);
  COLUMN(10, StaffLongTermCareerJob);
  COLUMN(11, StaffLongTermCareerMarkedForDeletion);
  COLUMN(12, StaffLongTermCareerScope);
}

#undef COLUMN
#undef PAIR

// One item section: its keyword, its kind, its line and the check of its first current item.
struct section_case {
  std::string keyword;
  int kind_index;
  std::function<std::string()> line;
  std::function<void(record_store&)> check;
};

template <class Record, class Columns>
section_case section(std::string keyword, int kind_index, Columns columns,
                     record_vector<Record> record_store::*items) {
  return {std::move(keyword), kind_index,
          [columns] {
            line_builder builder;
            Record record;
            columns(builder, record);
            return builder.line();
          },
          [columns, items](record_store& records) {
            ASSERT_EQ((records.*items).size(), 1u);
            field_checker checker;
            columns(checker, *(records.*items)[0]);
          }};
}

std::vector<section_case> sections() {
  return {
      section(
          "STAFF_FAVOURITE_STAFF", 0,
          [](auto& visit, auto& record) { favourite_staff_columns(visit, record); },
          &record_store::staff_favourite_staff_list),
      section(
          "STAFF_DISLIKED_STAFF", 1,
          [](auto& visit, auto& record) { disliked_staff_columns(visit, record); },
          &record_store::staff_disliked_staff_list),
      section(
          "STAFF_FAVOURITE_CLUBS", 2,
          [](auto& visit, auto& record) { favourite_clubs_columns(visit, record); },
          &record_store::staff_favourite_club_list),
      section(
          "STAFF_DISLIKED_CLUBS", 3,
          [](auto& visit, auto& record) { disliked_clubs_columns(visit, record); },
          &record_store::staff_disliked_club_list),
      section(
          "STAFF_HISTORIES", 4, [](auto& visit, auto& record) { histories_columns(visit, record); },
          &record_store::staff_history_list),
      section(
          "STAFF_LANGUAGES", 5, [](auto& visit, auto& record) { languages_columns(visit, record); },
          &record_store::staff_language_list),
      section(
          "STAFF_PPM", 6, [](auto& visit, auto& record) { ppm_columns(visit, record); },
          &record_store::staff_ppm_list),
      section(
          "STAFF_NON_PLAYER_HISTORY", 7,
          [](auto& visit, auto& record) { non_player_history_columns(visit, record); },
          &record_store::staff_non_player_history_list),
      section(
          "STAFF_INJURIES", 8, [](auto& visit, auto& record) { injuries_columns(visit, record); },
          &record_store::staff_injury_list),
      section(
          "STAFF_JOB", 9, [](auto& visit, auto& record) { job_columns(visit, record); },
          &record_store::staff_job_list),
      section(
          "STAFF_CONTRACT_CLAUSES", 10,
          [](auto& visit, auto& record) { contract_clauses_columns(visit, record); },
          &record_store::staff_contract_clauses_list),
      section(
          "STAFF_ACHIEVEMENTS", 11,
          [](auto& visit, auto& record) { achievements_columns(visit, record); },
          &record_store::staff_achievements_list),
      section(
          "STAFF_NPT", 12, [](auto& visit, auto& record) { npt_columns(visit, record); },
          &record_store::staff_npt_list),
      section(
          "STAFF_DAYS_AT_CLUB_NATION", 13,
          [](auto& visit, auto& record) { days_at_club_nation_columns(visit, record); },
          &record_store::staff_days_at_club_nation_list),
      section(
          "STAFF_RETIREMENT", 14,
          [](auto& visit, auto& record) { retirement_columns(visit, record); },
          &record_store::staff_retirement_list),
      section(
          "STAFF_UNAVAILABILITY", 15,
          [](auto& visit, auto& record) { unavailability_columns(visit, record); },
          &record_store::staff_unavailability_list),
      section(
          "STAFF_LONG_TERM_CAREER", 16,
          [](auto& visit, auto& record) { long_term_career_columns(visit, record); },
          &record_store::staff_long_term_career_list),
  };
}

// The line that follows `before` in the text; empty when there is none.
std::string line_after(const std::string& text, const std::string& before) {
  const std::size_t at = text.find(before + "\n");
  if (at == std::string::npos) {
    return {};
  }
  const std::size_t start = at + before.size() + 1;
  return text.substr(start, text.find('\n', start) - start);
}

class ColumnPositions : public testing::Test {
 protected:
  void SetUp() override {
    saved_program_folder = program_folder();
    set_program_folder(folder / "program");
  }
  void TearDown() override { set_program_folder(saved_program_folder); }

  // Loads the file, then saves it; the saved text goes to `saved`.
  void load_and_save(const std::string& text) {
    write_text_file(folder / "in.staff", text);
    ASSERT_TRUE(load_file(folder / "in.staff", data, locale));
    std::string warning;
    ASSERT_TRUE(save_data((folder / "out.staff").string(), data, {locale, clock}, warning));
    saved = read_text_file(folder / "out.staff");
  }

  scratch_folder folder;
  std::filesystem::path saved_program_folder;
  fake_locale locale{"dd_mm_yyyy", '/'};
  fixed_clock clock{{2012, 12, 31, 14, 5, 9}};
  data_set data;
  std::string saved;
};

TEST_F(ColumnPositions, EveryStaffColumnFillsTheFieldOfItsName) {
  line_builder builder;
  qor_staff blank;
  staff_columns(builder, blank);
  const std::string line = builder.line();
  load_and_save(staff_file(line + "\n"));
  ASSERT_EQ(data.records.staff_list.size(), 1u);
  field_checker checker;
  staff_columns(checker, *data.records.staff_list[0]);
  EXPECT_EQ(line_after(saved, staff_header()), line);
}

TEST_F(ColumnPositions, EveryItemColumnFillsTheFieldOfItsName) {
  for (const section_case& kind : sections()) {
    SCOPED_TRACE(kind.keyword);
    const std::string line = kind.line();
    load_and_save(
        staff_file(kind.keyword + "\n" + item_header(kind.kind_index) + "\n" + line + "\n"));
    kind.check(data.records);
    EXPECT_EQ(line_after(saved, item_header(kind.kind_index)), line);
  }
}

}  // namespace
