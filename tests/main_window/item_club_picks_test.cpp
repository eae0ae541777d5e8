#include "main_window/item_club_picks.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <filesystem>
#include <fstream>
#include <string_view>

#include "../sub_records/item_panel_fixture.h"
#include "main_window/find_club_buttons.h"
#include "main_window/find_club_name_form.h"
#include "records/program_paths.h"
#include "window_test_support.h"

namespace {

namespace fs = std::filesystem;

// The club picker of the item panels, with a club list whose one club is "Beta" (id 2), as
// the panels' club lists also hold it.
class item_club_picks : public item_panel_form {
 protected:
  item_club_picks() : saved_folder_(program_folder()) {
    fs::create_directories(folder_.path() / "data");
    std::ofstream(folder_.path() / "data" / "club_list.txt", std::ios::binary)
        << "Beta;1;2;3;4;2\r\n";
    set_program_folder(folder_.path());
    picker_ = std::make_unique<Tfrm_find_club_name>();
    frm_find_club_name = picker_.get();
  }
  ~item_club_picks() override {
    frm_find_club_name = nullptr;
    set_program_folder(saved_folder_);
  }

  // Clicks the find button beside the combo; the user picks the one club listed.
  void pick_club_for(std::string_view combo) {
    for (const find_club_button& button : find_club_buttons()) {
      if (combo != button.club_combo)
        continue;
      dialogs.queue_form_script([](QDialog& form) {
        auto& picker = static_cast<Tfrm_find_club_name&>(form);
        picker.club_name_list_box->setCurrentRow(0);
        picker.ok_btn->click();
      });
      find_club_btnClick(controls, button, follow_ups);
      return;
    }
    ADD_FAILURE() << "no find button for " << combo;
  }

  club_pick_follow_ups follow_ups = item_club_pick_follow_ups(controls);

 private:
  temporary_folder folder_;
  fs::path saved_folder_;
  std::unique_ptr<Tfrm_find_club_name> picker_;
};

// A club picked for a clause, a favourite or disliked club, a season or a non-player post
// reaches the item at once; all but the favourite and disliked clubs, whose club stamps nothing,
// are stamped. The post's nation choice then closes.
TEST_F(item_club_picks, a_picked_club_reaches_the_item_at_once) {
  auto& clause = add_item<item_kind::contract_clauses>(1);
  clause.StaffContractClausesClub = 1;
  auto& favourite = add_item<item_kind::favourite_club>(2);
  favourite.StaffFavouriteClubsClub = 1;
  auto& disliked = add_item<item_kind::disliked_club>(3);
  disliked.StaffFavouriteClubsClub = 1;
  auto& season = add_item<item_kind::history>(4);
  season.StaffHistoryClub = 1;
  auto& post = add_item<item_kind::non_player_history>(5);
  post.StaffNonPlayerHistoryClubContracted = 0;
  post.StaffNonPlayerHistoryNationContracted = "";
  show_items();

  for (const char* combo :
       {"staff_contract_clauses_club", "staff_favourite_club_club", "staff_disliked_club_club",
        "staff_history_club", "staff_non_player_history_club"}) {
    pick_club_for(combo);
  }
  EXPECT_EQ(clause.StaffContractClausesClub, 2);
  EXPECT_EQ(favourite.StaffFavouriteClubsClub, 2);
  EXPECT_EQ(disliked.StaffFavouriteClubsClub, 2);
  EXPECT_EQ(season.StaffHistoryClub, 2);
  EXPECT_EQ(post.StaffNonPlayerHistoryClubContracted, 2);
  for (const auto* updated : {&clause.DateUpdated, &season.DateUpdated, &post.DateUpdated})
    EXPECT_EQ(*updated, stamp);
  EXPECT_EQ(favourite.DateUpdated, "01/01/2020 10:00:00");
  EXPECT_EQ(disliked.DateUpdated, "01/01/2020 10:00:00");
  EXPECT_FALSE(combo("staff_non_player_history_nation")->isEnabled());
  EXPECT_TRUE(dialogs.all_as_scripted());
}

// The Find buttons of an achievement, days at a club and a long-term aim store the picked club
// at once too, and the aim's place rule follows: with a club, only the club choice stays open.
TEST_F(item_club_picks, achievements_days_and_career_aims_store_a_picked_club_at_once) {
  auto& achievement = add_item<item_kind::achievements>(1);
  achievement.StaffAchievementsClub = 1;
  auto& days = add_item<item_kind::days_at_club_nation>(2);
  days.StaffDaysAtClubNationClub = 1;
  auto& aim = add_item<item_kind::long_term_career>(3);
  aim.StaffLongTermCareerContinent = 0;
  aim.StaffLongTermCareerNation = "";
  aim.StaffLongTermCareerDivision = 0;
  aim.StaffLongTermCareerClub = 0;
  show_items();

  for (const char* combo : {"staff_achievements_club", "staff_days_at_club_nation_club",
                            "staff_long_term_career_club"}) {
    pick_club_for(combo);
  }
  EXPECT_EQ(achievement.StaffAchievementsClub, 2);
  EXPECT_EQ(days.StaffDaysAtClubNationClub, 2);
  EXPECT_EQ(aim.StaffLongTermCareerClub, 2);
  for (const auto* updated : {&achievement.DateUpdated, &days.DateUpdated, &aim.DateUpdated})
    EXPECT_EQ(*updated, stamp);
  EXPECT_FALSE(combo("staff_long_term_career_continent")->isEnabled());
  EXPECT_FALSE(combo("staff_long_term_career_scope")->isEnabled());
  EXPECT_TRUE(combo("staff_long_term_career_club")->isEnabled());
  EXPECT_TRUE(dialogs.all_as_scripted());
}

}  // namespace
