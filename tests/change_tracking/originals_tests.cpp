#include "change_tracking/originals.h"
#include "store_fixture.h"

namespace {

TEST_F(ChangeTracking, StaffOriginalIsFoundByIdOnly) {
  qor_staff* staff = add_staff(7);
  staff->StaffFirstName = "Changed";
  const qor_staff* original = find_original_staff(staff);
  ASSERT_NE(original, nullptr);
  EXPECT_EQ(original, store().staff_orig_list[0].get());
  EXPECT_EQ(original->StaffFirstName, "Ann");

  EXPECT_EQ(find_original_staff(add_staff(8, false)), nullptr);
  EXPECT_EQ(find_original_staff(nullptr), nullptr);
}

TEST_F(ChangeTracking, FindersSkipNullSlotsAndTakeTheFirstMatch) {
  store().staff_orig_list.push_back(nullptr);
  qor_staff* staff = add_staff(7);
  auto duplicate = std::make_unique<qor_staff>(make_staff(7));
  const qor_staff* first = store().staff_orig_list[1].get();
  store().staff_orig_list.push_back(std::move(duplicate));
  EXPECT_EQ(find_original_staff(staff), first);

  store().staff_history_orig_list.push_back(nullptr);
  qor_staff_history* item = add_history(30, 7);
  EXPECT_EQ(find_original_history(item), store().staff_history_orig_list[1].get());
}

TEST_F(ChangeTracking, ItemOriginalIgnoresTheOwner) {
  qor_staff_history* item = add_history(30, 7);
  store().staff_history_orig_list[0]->StaffHistoryStaff = 99;
  EXPECT_EQ(find_original_history(item), store().staff_history_orig_list[0].get());
  EXPECT_EQ(find_original_history(nullptr), nullptr);
}

TEST_F(ChangeTracking, KindsSharingATypeSearchTheirOwnOriginals) {
  qor_staff_favourite_disliked_staff liked;
  liked.StaffFavouriteStaffID = 40;
  qor_staff_favourite_disliked_staff* favourite =
      add(store().staff_favourite_staff_list, store().staff_favourite_staff_orig_list, liked);
  qor_staff_favourite_disliked_staff* disliked =
      add(store().staff_disliked_staff_list, store().staff_disliked_staff_orig_list, liked, false);

  EXPECT_EQ(find_original_favourite_staff(favourite),
            store().staff_favourite_staff_orig_list[0].get());
  EXPECT_EQ(find_original_disliked_staff(disliked), nullptr);
  EXPECT_EQ(find_original_disliked_staff(favourite), nullptr);
}

}  // namespace
