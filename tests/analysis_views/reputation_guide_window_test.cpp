#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <string>

#include "analysis/reputation_guide.h"
#include "analysis_views/reputation_guide_view.h"
#include "main_window/main_window.h"
#include "platform/item_objects.h"
#include "platform/owner_drawn_list_view.h"
#include "record_form/dependent_controls.h"
#include "record_form/editor_state.h"
#include "records/lookup_lists.h"
#include "records/record_store.h"
#include "staff_list_test_records.h"
#include "window_test_support.h"

namespace {

class reputation_guide_window : public testing::Test {
 protected:
  reputation_guide_window() {
    window.show();
    QApplication::processEvents();
    set_up_home_club_file();
    // An invented division list: the home club's band value is (190 + 3 * 150) / 4 = 160, the
    // away club's (80 + 3 * 60) / 4 = 65; the loan club has no line.
    lookups().club_div_rep_q = {
        "",
        "0",
        "100;Home FC;150;1;Top League;2;Nowhere;190",
        "100;Home FC;20;1;Top League;2;Nowhere;20",
        "200;Away United;60;4;Lower League;5;Nowhere;80",
        "300;Loan Town;bad;4;Lower League;5;Nowhere;80",
    };
    load_club_bands();
  }
  ~reputation_guide_window() override { set_club_bands({}); }

  // Thirty home players, "P00" the best by current reputation, each next one lower.
  static void add_ranked_players() {
    for (int rank = 0; rank < 30; ++rank) {
      const std::string name = (rank < 10 ? "P0" : "P") + std::to_string(rank);
      qor_staff& player = add_test_staff(rank + 1, name, "Ann");
      player.StaffPlayerCurrentReputation = static_cast<std::int16_t>(190 - rank);
      *store().staff_orig_list.back() = player;
    }
  }

  void show(const qor_staff& record) {
    for (int index = 0; index < window.list_box->count(); ++index) {
      if (entry_object<qor_staff>(window.list_box, index) == &record)
        click_entry(window, index);
    }
    ASSERT_EQ(editor().current_staff, &record);
  }

  QString guide() { return window.controls().get<QLabel>("wr_range_label")->text(); }

  window_test_environment environment;
  Tfrm_main window;
};

TEST_F(reputation_guide_window, the_shipped_division_list_is_read_at_start_up) {
  Tfrm_main started;
  set_club_bands({});
  started.show();
  QApplication::processEvents();
  // "1001;Sporting Ladremville;119;200;...;118": (118 + 3 * 119) / 4.
  EXPECT_EQ(club_band_value(club_bands(), 1001), 118);
  EXPECT_EQ(started.controls().get<QLabel>("wr_range_label")->text(), "___");
}

TEST_F(reputation_guide_window, each_rank_window_shows_its_row) {
  add_ranked_players();
  list_by_name_and_select_first(window);
  const std::pair<int, const char*> rows[] = {
      {0, "130 - 165"}, {5, "130 - 165"}, {6, "90 - 129"}, {17, "90 - 129"},
      {18, "30 - 89"},  {27, "30 - 89"},  {28, "1 - 29"},  {29, "1 - 29"},
  };
  for (const auto& [rank, text] : rows) {
    show(*store().staff_list[static_cast<std::size_t>(rank)]);
    EXPECT_EQ(guide(), text) << rank;
  }
}

TEST_F(reputation_guide_window, a_club_without_a_line_shows_no_range_rather_than_the_last_one) {
  qor_staff& home = add_test_staff(1, "Home", "Ann");
  qor_staff& loaned = add_test_staff(2, "Loaned", "Bo");
  loaned.StaffClubContracted = loan_club_id;
  qor_staff& away = add_test_staff(3, "Away", "Cy");
  away.StaffClubContracted = away_club_id;
  list_by_name_and_select_first(window);

  show(home);
  EXPECT_EQ(guide(), "130 - 165");
  show(loaned);
  EXPECT_EQ(guide(), "N/A");
  show(away);
  EXPECT_EQ(guide(), "30 - 50");

  // Add staff shows the new home player's range at once.
  show(loaned);
  window.menu_newClick();
  EXPECT_EQ(guide(), "130 - 165");
}

TEST_F(reputation_guide_window, the_current_reputation_exit_moves_the_player_between_rows) {
  add_ranked_players();
  list_by_name_and_select_first(window);
  qor_staff& last = *store().staff_list.back();
  show(last);
  EXPECT_EQ(guide(), "1 - 29");

  auto* reputation = window.controls().get<QLineEdit>("staff_pl_current_reputation");
  reputation->setText("200");
  ASSERT_TRUE(staff_pl_current_reputationExit(reputation, window.controls()));
  EXPECT_EQ(last.StaffPlayerCurrentReputation, 200);
  EXPECT_EQ(guide(), "130 - 165");
}

}  // namespace
