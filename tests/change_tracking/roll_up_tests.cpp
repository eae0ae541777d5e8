#include "change_tracking/change_predicates.h"
#include "change_tracking/item_store.h"
#include "records/field_descriptor.h"
#include "store_fixture.h"

namespace {

TEST_F(ChangeTracking, MarkingForDeletionChangesTheItemAndItsStaffUntilUnmarked) {
  qor_staff* staff = add_staff(7);
  qor_staff_history* item = add_history(30, 7);
  item->StaffHistoryMarkedForDeletion = "True";
  EXPECT_TRUE(history_item_changed(item));
  EXPECT_TRUE(staff_history_changed(staff));
  EXPECT_TRUE(staff_changed(staff));
  item->StaffHistoryMarkedForDeletion = "False";
  EXPECT_FALSE(staff_changed(staff));
}

TEST_F(ChangeTracking, ItemsOfAnotherOwnerDoNotCount) {
  qor_staff* staff = add_staff(7);
  add_staff(8);
  add_history(30, 7);
  add_history(31, 8)->StaffHistoryClub = 99;
  add_history(32, 8, false);
  EXPECT_FALSE(staff_history_changed(staff));
  EXPECT_FALSE(staff_changed(staff));
  EXPECT_TRUE(staff_changed(store().staff_list[1].get()));
}

TEST_F(ChangeTracking, DeletingANewItemLeavesTheStaffUnchanged) {
  qor_staff* staff = add_staff(7);
  add_history(30, 7);
  add_history(50001, 7, false);
  EXPECT_TRUE(staff_changed(staff));
  delete_record_by_id(store().staff_history_list, 50001);
  EXPECT_FALSE(staff_changed(staff));
}

TEST_F(ChangeTracking, DaysAtClubOrNationColourOnlyTheirOwnGrid) {
  qor_staff* staff = add_staff(7);
  qor_staff_days_at_club_nation days;
  days.StaffDaysAtClubNationID = 90;
  days.StaffDaysAtClubNationStaff = 7;
  auto* item = add(store().staff_days_at_club_nation_list,
                   store().staff_days_at_club_nation_orig_list, days);
  item->StaffDaysAtClubNationDays = 400;
  EXPECT_TRUE(days_at_club_nation_item_changed(item));
  EXPECT_FALSE(staff_changed(staff));
}

TEST_F(ChangeTracking, NullSlotsAreSkipped) {
  store().staff_list.push_back(nullptr);
  store().staff_orig_list.push_back(nullptr);
  store().staff_history_list.push_back(nullptr);
  store().staff_history_orig_list.push_back(nullptr);
  qor_staff* staff = add_staff(7);
  add_history(30, 7);
  store().staff_history_list.push_back(nullptr);
  EXPECT_FALSE(staff_changed(staff));
}

TEST_F(ChangeTracking, RollUpMatchesEachItemWithTheFirstOriginalOfItsId) {
  qor_staff* staff = add_staff(7);
  qor_staff_history* first = add_history(30, 7);
  qor_staff_history* second = add_history(31, 7);
  // A later original with the same id as `first` but other contents must not be used.
  auto stray = std::make_unique<qor_staff_history>(*store().staff_history_orig_list[0]);
  stray->StaffHistoryClub = 5;
  store().staff_history_orig_list.push_back(std::move(stray));
  EXPECT_FALSE(history_item_changed(first));
  EXPECT_FALSE(staff_history_changed(staff));

  // Put it first: now both the item and the roll-up see the difference.
  std::swap(store().staff_history_orig_list.front(), store().staff_history_orig_list.back());
  EXPECT_TRUE(history_item_changed(first));
  EXPECT_TRUE(staff_history_changed(staff));
  EXPECT_FALSE(history_item_changed(second));
}

// A new item of the kind owned by staff 7.
template <item_kind Kind>
void add_new_item() {
  auto item = std::make_unique<item_record<Kind>>();
  write_integer(record_bytes(*item), 0, 4, 50001);  // its own id, then its owner's
  write_integer(record_bytes(*item), 4, 4, 7);
  (store().*item_store<Kind>::current).push_back(std::move(item));
}

struct roll_up_case {
  const char* kind;
  void (*add)();
  bool (*roll_up)(const qor_staff*);
};

TEST_F(ChangeTracking, EveryRolledUpKindMakesTheStaffChanged) {
  using k = item_kind;
  const roll_up_case cases[] = {
      {"favourite_staff", add_new_item<k::favourite_staff>, staff_favourite_staff_changed},
      {"disliked_staff", add_new_item<k::disliked_staff>, staff_disliked_staff_changed},
      {"favourite_club", add_new_item<k::favourite_club>, staff_favourite_club_changed},
      {"disliked_club", add_new_item<k::disliked_club>, staff_disliked_club_changed},
      {"history", add_new_item<k::history>, staff_history_changed},
      {"language", add_new_item<k::language>, staff_language_changed},
      {"ppm", add_new_item<k::ppm>, staff_ppm_changed},
      {"npt", add_new_item<k::npt>, staff_npt_changed},
      {"non_player_history", add_new_item<k::non_player_history>, staff_non_player_history_changed},
      {"injury", add_new_item<k::injury>, staff_injury_changed},
      {"contract_clauses", add_new_item<k::contract_clauses>, staff_contract_clauses_changed},
      {"job", add_new_item<k::job>, staff_job_changed},
      {"achievements", add_new_item<k::achievements>, staff_achievements_changed},
      {"retirement", add_new_item<k::retirement>, staff_retirement_changed},
      {"unavailability", add_new_item<k::unavailability>, staff_unavailability_changed},
      {"long_term_career", add_new_item<k::long_term_career>, staff_long_term_career_changed},
  };
  for (const auto& c : cases) {
    delete_all_records(store());
    qor_staff* staff = add_staff(7);
    EXPECT_FALSE(c.roll_up(staff)) << c.kind;
    c.add();
    EXPECT_TRUE(c.roll_up(staff)) << c.kind;
    EXPECT_TRUE(staff_changed(staff)) << c.kind;
  }
}

}  // namespace
