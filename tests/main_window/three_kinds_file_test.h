#pragma once

#include <QApplication>
#include <cstdint>
#include <memory>
#include <string>

#include "file_menu_test_support.h"
#include "platform/app_locale.h"
#include "records/staff_writer.h"

// The main window with a file of three staff, one of each kind the record pages tell apart (a
// player, a non-player and a non-player and player), whose values pass every check on leaving a
// field, written and opened the way a user opens one.
class three_kinds_file_test : public file_menu_test {
 protected:
  static constexpr std::int32_t player_id = 1;
  static constexpr std::int32_t non_player_id = 2;
  static constexpr std::int32_t both_id = 3;     // a non-player and player
  static constexpr std::int32_t club_id = 1001;  // the first club of the shipped club list

  three_kinds_file_test() {
    set_up_file();
    open_through_menu(folder.path() / "Keys.staff");
    window.activateWindow();
    QApplication::processEvents();
  }

  void set_up_file() {
    file_data().file_club_id = club_id;
    file_data().file_title = "Keys FC";
    add_staff(player_id, "Pat", "Player", 2);
    add_staff(non_player_id, "Nina", "Coach", 1);
    add_staff(both_id, "Bo", "Both", 3);
    // An item in a grid enables the grid and the item's panel, which Tab then walks as well.
    add_item(store().staff_history_list, store().staff_history_orig_list, [](auto& history) {
      history.StaffHistoryID = 1;
      history.StaffHistoryStaff = player_id;
      history.StaffHistoryYear = 2010;
      history.StaffHistoryClub = club_id;
    });
    add_item(store().staff_job_list, store().staff_job_orig_list, [](auto& job) {
      job.StaffJobID = 1;
      job.StaffJobStaff = player_id;
      job.StaffJobJob = 1;
      job.StaffJobRating = 10;
    });
    add_item(store().staff_non_player_history_list, store().staff_non_player_history_orig_list,
             [](auto& history) {
               history.StaffNonPlayerHistoryID = 1;
               history.StaffNonPlayerHistoryStaff = non_player_id;
               history.StaffNonPlayerHistoryClubContracted = club_id;
             });
    std::string warning;
    ASSERT_TRUE(save_data((folder.path() / "Keys.staff").string(),
                          {.locale = app_locale(), .clock = app_clock()}, warning));
  }

  static void add_staff(std::int32_t id, const char* first, const char* second,
                        std::int8_t classification) {
    auto staff = std::make_unique<qor_staff>();
    staff->StaffID = id;
    staff->StaffFirstName = first;
    staff->StaffSecondName = second;
    staff->StaffClassification = classification;
    staff->StaffPlayerPace = 12;
    // A rated player: his page shows the figures worked out from his attributes.
    staff->StaffPlayerCurrentAbility = 100;
    staff->StaffPlayerPotentialAbility = 120;
    staff->StaffPlayerDefender = 20;
    staff->StaffPlayerDefenderCentral = 20;
    staff->StaffClubContracted = club_id;  // leaving the club box without a club asks questions
    store().staff_orig_list.push_back(std::make_unique<qor_staff>(*staff));
    store().staff_list.push_back(std::move(staff));
  }

  template <typename Record, typename Fill>
  static void add_item(record_vector<Record>& items, record_vector<Record>& originals, Fill fill) {
    auto item = std::make_unique<Record>();
    fill(*item);
    originals.push_back(std::make_unique<Record>(*item));
    items.push_back(std::move(item));
  }
};
