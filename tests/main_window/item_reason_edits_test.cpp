// A favourite's reason changed with the keyboard, in the window, through to the saved file.
#include <QComboBox>
#include <QTest>
#include <filesystem>

#include "file_menu_test_support.h"
#include "record_form/editor_state.h"
#include "record_form/item_selection.h"

namespace fs = std::filesystem;

namespace {

using reason_edits = file_menu_test;

template <item_kind Kind>
const item_record<Kind>* find_item(const data_set& data, std::int32_t id) {
  for (const auto& item : data.records.*item_store<Kind>::current) {
    if (record_id(*item) == id)
      return item.get();
  }
  return nullptr;
}

// The reason of a favourite club changed with the arrow keys and changed back, and that of a
// favourite staff member changed, are written into the items, stamp neither and leave the file
// unmodified; the file saved holds the new reason under the old stamp.
TEST_F(reason_edits, a_reason_changed_with_the_arrow_keys_is_saved_without_a_stamp) {
  const fs::path path = copy_to_folder(fixture_file("every_section.staff"));
  open_through_menu(path);
  select_staff(5);
  const auto& club = *selected_item<item_kind::favourite_club>().current;
  const auto& liked = *selected_item<item_kind::favourite_staff>().current;
  ASSERT_EQ(record_id(club), 106);
  ASSERT_EQ(record_id(liked), 102);
  auto* club_reason = window.controls().get<QComboBox>("staff_favourite_club_reason");
  auto* staff_reason = window.controls().get<QComboBox>("staff_favourite_staff_reason");
  ASSERT_EQ(club_reason->currentIndex(), 7);
  ASSERT_EQ(staff_reason->currentIndex(), 3);

  focus_on("staff_favourite_club_reason");
  QTest::keyClick(club_reason, Qt::Key_Down);
  EXPECT_EQ(club.StaffFavouriteClubsReason, 8);
  QTest::keyClick(club_reason, Qt::Key_Up);
  EXPECT_EQ(club.StaffFavouriteClubsReason, 7);
  focus_on("staff_favourite_staff_reason");
  QTest::keyClick(staff_reason, Qt::Key_Down);
  EXPECT_EQ(liked.StaffFavouriteStaffReason, 4);
  EXPECT_EQ(club.DateUpdated, "07/05/2012 14:05:06");
  EXPECT_EQ(liked.DateUpdated, "11/11/2012 14:05:10");
  EXPECT_FALSE(editor().data_modified);

  environment.dialogs.clear();
  window.menu_save->trigger();
  EXPECT_EQ(environment.dialogs.shown_texts(), std::vector<QString>{"Data written to file."});
  data_set saved;
  ASSERT_TRUE(reload_file(path, saved));
  const auto* saved_club = find_item<item_kind::favourite_club>(saved, 106);
  const auto* saved_liked = find_item<item_kind::favourite_staff>(saved, 102);
  ASSERT_NE(saved_club, nullptr);
  ASSERT_NE(saved_liked, nullptr);
  EXPECT_EQ(saved_club->StaffFavouriteClubsReason, 7);
  EXPECT_EQ(saved_club->DateUpdated, "07/05/2012 14:05:06");
  EXPECT_EQ(saved_liked->StaffFavouriteStaffReason, 4);
  EXPECT_EQ(saved_liked->DateUpdated, "11/11/2012 14:05:10");
}

}  // namespace
