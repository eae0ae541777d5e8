#include <functional>

#include "change_tracking/change_predicates.h"
#include "store_fixture.h"

namespace {

TEST_F(ChangeTracking, NewItemIsChangedEvenWhenEmpty) {
  qor_staff* staff = add_staff(7);
  qor_staff_ppm empty;
  empty.StaffPPMID = 50001;
  empty.StaffPPMStaff = 7;
  qor_staff_ppm* item = add(store().staff_ppm_list, store().staff_ppm_orig_list, empty, false);
  EXPECT_TRUE(ppm_item_changed(item));
  EXPECT_TRUE(staff_ppm_changed(staff));
  EXPECT_TRUE(staff_changed(staff));
  EXPECT_TRUE(ppm_item_changed(nullptr));
}

TEST_F(ChangeTracking, HistoryComparesNumbersBesideTextsByValue) {
  qor_staff_history* item = add_history(30, 7);
  EXPECT_FALSE(history_item_changed(item));
  item->StaffHistoryAppsText = "08";
  EXPECT_FALSE(history_item_changed(item));
  item->StaffHistoryApps = 9;
  EXPECT_TRUE(history_item_changed(item));
}

struct history_edit {
  const char* what;
  std::function<void(qor_staff_history&)> edit;
  bool changed;
};

TEST_F(ChangeTracking, HistoryFieldsThatCountAndThatDoNot) {
  const history_edit edits[] = {
      {"transfer fee currency", [](auto& h) { h.StaffHistoryTransferFeeCurrency = 2; }, true},
      {"loan fee", [](auto& h) { h.StaffHistoryLoanFee = 1000; }, true},
      {"on loan flag", [](auto& h) { h.StaffHistoryOnLoan = "True"; }, true},
      {"date joined", [](auto& h) { h.StaffHistoryDateJoined = "01/07/2001"; }, true},
      {"draft type", [](auto& h) { h.StaffHistoryDraftType = 1; }, true},
      {"currency list position", [](auto& h) { h.StaffHistoryTransferFeeCurrencyIndex = 4; },
       false},
      {"update stamp", [](auto& h) { h.DateUpdated = "01/02/2001 10:00:00"; }, false},
      {"researcher", [](auto& h) { h.Researcher = "Someone"; }, false},
      {"deletion flag in other case", [](auto& h) { h.StaffHistoryMarkedForDeletion = "false"; },
       false},
  };
  for (const auto& e : edits) {
    delete_all_records(store());
    qor_staff_history* item = add_history(30, 7);
    e.edit(*item);
    EXPECT_EQ(history_item_changed(item), e.changed) << e.what;
  }
}

TEST_F(ChangeTracking, LongTermCareerJobAndScopeCount) {
  qor_staff_long_term_career plan;
  plan.StaffLongTermCareerID = 60;
  plan.StaffLongTermCareerStaff = 7;
  for (auto edit : {+[](qor_staff_long_term_career& p) { p.StaffLongTermCareerJob = 3; },
                    +[](qor_staff_long_term_career& p) { p.StaffLongTermCareerScope = 1; }}) {
    delete_all_records(store());
    auto* item =
        add(store().staff_long_term_career_list, store().staff_long_term_career_orig_list, plan);
    item->StaffLongTermCareerJobIndex = 2;  // a drop-down position alone counts for nothing
    EXPECT_FALSE(long_term_career_item_changed(item));
    edit(*item);
    EXPECT_TRUE(long_term_career_item_changed(item));
  }
}

TEST_F(ChangeTracking, LanguageNameIsComparedCaseSensitively) {
  qor_staff_language spoken;
  spoken.StaffLanguagesID = 70;
  spoken.StaffLanguagesLanguage = "English";
  auto* item = add(store().staff_language_list, store().staff_language_orig_list, spoken);
  item->StaffLanguagesLanguage = "english";
  EXPECT_TRUE(language_item_changed(item));
}

TEST_F(ChangeTracking, OnlyFavouriteKindsCompareTheReason) {
  qor_staff_favourite_disliked_club club;
  club.StaffFavouriteClubsID = 80;
  club.StaffFavouriteClubsStaff = 7;
  auto* favourite =
      add(store().staff_favourite_club_list, store().staff_favourite_club_orig_list, club);
  auto* disliked =
      add(store().staff_disliked_club_list, store().staff_disliked_club_orig_list, club);
  favourite->StaffFavouriteClubsReason = 2;
  disliked->StaffFavouriteClubsReason = 2;
  EXPECT_TRUE(favourite_club_item_changed(favourite));
  EXPECT_FALSE(disliked_club_item_changed(disliked));
  disliked->StaffFavouriteClubsRating = 5;
  EXPECT_TRUE(disliked_club_item_changed(disliked));
}

}  // namespace
