// Favourite and disliked staff and clubs, preferred moves and tendencies: their fields beside
// the flags are written into the item without stamping it; only a flag stamps.
#include <string_view>

#include "item_panel_fixture.h"

namespace {

using enum item_kind;

constexpr std::string_view unchanged_stamp = "01/01/2020 10:00:00";

// One field beside the flags, changed as the user changes it, and what the item then holds.
// The items start with the fixture's values: texts "Text", numbers 7, codes 2.
struct field_edit {
  const char* control;
  user_action action;
  const char* typed = nullptr;
  int chosen = 0;
  bool (*holds)() = nullptr;
};

const field_edit unstamped_edits[] = {
    {"staff_favourite_staff_staff", user_action::type, "Jones", 0,
     [] { return shown<favourite_staff>().StaffFavouriteStaffLikedStaff == "Jones"; }},
    {"staff_favourite_staff_rating", user_action::type, "15", 0,
     [] { return shown<favourite_staff>().StaffFavouriteStaffRating == 15; }},
    {"staff_favourite_staff_staff_id", user_action::type, "99", 0,
     [] { return shown<favourite_staff>().StaffFavouriteStaffStaffID == 99; }},
    {"staff_favourite_staff_reason", user_action::choose, nullptr, 1,
     [] { return shown<favourite_staff>().StaffFavouriteStaffReason == 1; }},
    {"staff_disliked_staff_staff", user_action::type, "Smith", 0,
     [] { return shown<disliked_staff>().StaffFavouriteStaffLikedStaff == "Smith"; }},
    {"staff_disliked_staff_rating", user_action::type, "9", 0,
     [] { return shown<disliked_staff>().StaffFavouriteStaffRating == 9; }},
    {"staff_disliked_staff_staff_id", user_action::type, "98", 0,
     [] { return shown<disliked_staff>().StaffFavouriteStaffStaffID == 98; }},
    {"staff_favourite_club_club", user_action::choose, nullptr, 1,
     [] { return shown<favourite_club>().StaffFavouriteClubsClub == 1; }},
    {"staff_favourite_club_rating", user_action::type, "12", 0,
     [] { return shown<favourite_club>().StaffFavouriteClubsRating == 12; }},
    {"staff_favourite_club_reason", user_action::choose, nullptr, 0,
     [] { return shown<favourite_club>().StaffFavouriteClubsReason == 0; }},
    {"staff_disliked_club_club", user_action::choose, nullptr, 0,
     [] { return shown<disliked_club>().StaffFavouriteClubsClub == 0; }},
    {"staff_disliked_club_rating", user_action::type, "3", 0,
     [] { return shown<disliked_club>().StaffFavouriteClubsRating == 3; }},
    {"staff_ppm_move", user_action::choose, nullptr, 1,
     [] { return shown<ppm>().StaffPPMPrefferedMove == 1; }},
    {"staff_npt_tendency", user_action::choose, nullptr, 1,
     [] { return shown<npt>().StaffNPTTendency == 1; }},
    {"staff_npt_rating", user_action::type, "11", 0,
     [] { return shown<npt>().StaffNPTRating == 11; }},
};

// The stamps of the shown items of the six kinds, in the order above.
std::vector<std::string_view> shown_stamps() {
  return {shown<favourite_staff>().DateUpdated.view(),
          shown<disliked_staff>().DateUpdated.view(),
          shown<favourite_club>().DateUpdated.view(),
          shown<disliked_club>().DateUpdated.view(),
          shown<ppm>().DateUpdated.view(),
          shown<npt>().DateUpdated.view()};
}

TEST_F(item_panel_form, fields_beside_the_flags_are_written_without_a_stamp_and_flags_stamp) {
  add_item<favourite_staff>(1);
  add_item<disliked_staff>(2);
  add_item<favourite_club>(3);
  add_item<disliked_club>(4);
  add_item<ppm>(5);
  add_item<npt>(6);
  show_items();
  const std::vector<std::string_view> unchanged(6, unchanged_stamp);

  for (const field_edit& edit : unstamped_edits) {
    act(edit.control, edit.action, edit.typed, edit.chosen);
    EXPECT_TRUE(edit.holds()) << edit.control;
    EXPECT_EQ(shown_stamps(), unchanged) << edit.control;
    EXPECT_FALSE(editor().data_modified) << edit.control;
  }

  for (const char* flag : {"staff_favourite_staff_permanent", "staff_disliked_staff_permanent",
                           "staff_favourite_club_permanent", "staff_disliked_club_permanent"}) {
    box(flag)->click();
  }
  EXPECT_EQ(shown<favourite_staff>().StaffFavouriteStaffPermanent, "False");
  EXPECT_EQ(shown<disliked_club>().StaffFavouriteClubsPermanent, "False");
  EXPECT_EQ(shown_stamps(), (std::vector<std::string_view>{stamp, stamp, stamp, stamp,
                                                           unchanged_stamp, unchanged_stamp}));
  EXPECT_TRUE(editor().data_modified);
  EXPECT_TRUE(dialogs.shown().empty()) << dialogs.last().text.toStdString();
}

}  // namespace
