#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstring>
#include <filesystem>
#include <memory>

#include "analysis_views/check_list_page.h"
#include "analysis_views/marker_icons.h"
#include "main_window/main_window.h"
#include "platform/owner_drawn_list_box.h"
#include "platform/page_control.h"
#include "record_form/editor_state.h"
#include "records/program_paths.h"
#include "records/record_store.h"
#include "staff_list_test_records.h"
#include "window_test_support.h"

namespace {

// "Today" in the test environment is 17 May 2013, dates read day first.
constexpr const char* today_text = "17/05/2013";

void add_history(std::int32_t owner, std::initializer_list<int> years) {
  for (const int year : years) {
    auto season = std::make_unique<qor_staff_history>();
    season->StaffHistoryID = owner * 100 + year % 100;
    season->StaffHistoryStaff = owner;
    season->StaffHistoryYear = year;
    store().staff_history_list.push_back(std::move(season));
  }
}

void add_ppms(std::int32_t owner, int count) {
  for (int index = 0; index < count; ++index) {
    auto ppm = std::make_unique<qor_staff_ppm>();
    ppm->StaffPPMID = owner * 100 + index;
    ppm->StaffPPMStaff = owner;
    ppm->StaffPPMMarkedForDeletion = "False";
    store().staff_ppm_list.push_back(std::move(ppm));
  }
}

void add_injury(std::int32_t owner) {
  auto injury = std::make_unique<qor_staff_injury>();
  injury->StaffInjuriesID = owner * 100;
  injury->StaffInjuriesStaff = owner;
  store().staff_injury_list.push_back(std::move(injury));
}

void add_marked_clause(std::int32_t owner) {
  auto clause = std::make_unique<qor_staff_contract_clauses>();
  clause->StaffContractClausesID = owner * 100;
  clause->StaffContractClausesStaff = owner;
  clause->StaffContractClausesMarkedForDeletion = "True";
  store().staff_contract_clauses_list.push_back(std::move(clause));
}

// A player the check list finds nothing missing in.
qor_staff& add_complete_player(std::int32_t id, std::string_view second_name) {
  qor_staff& staff = add_test_staff(id, second_name, "Ann");
  staff.StaffYearOfBirth = 1990;
  staff.StaffPlayerHeightAmount = 180.0F;
  staff.StaffPlayerWeightAmount = 75.0F;
  staff.StaffHairColour = 2;
  staff.StaffSkinTone = 3;
  staff.StaffEthnicity = 1;
  staff.StaffDateJoinedClub = "01/07/2010";
  staff.StaffContractExpiresClub = "30/06/2015";
  staff.StaffEstimatedWage = 1500;
  staff.StaffEstimatedWageText = "1500";
  staff.StaffPlayerRightFoot = 20;
  staff.StaffPlayerAttackerCentral = 20;
  staff.StaffPlayerGoalkeeper = 3;
  staff.StaffPlayerCorners = 12;
  staff.StaffAmbition = 15;
  add_history(id, {2011, 2012, 2013});
  add_ppms(id, 5);
  add_injury(id);
  add_marked_clause(id);
  *store().staff_orig_list.back() = staff;
  return staff;
}

// A player on loan whose every marker shows the cross; his history lacks two seasons (an
// empty history grid could not take the focus).
qor_staff& add_sparse_player(std::int32_t id, std::string_view second_name) {
  qor_staff& staff = add_test_staff(id, second_name, "Bo");
  add_history(id, {2010, 2013});
  staff.StaffClubOnLoanTo = loan_club_id;
  staff.StaffDateOnLoanToUntil = today_text;
  staff.StaffDateFutureTransfer = "01/02/2013";
  add_ppms(id, 6);
  *store().staff_orig_list.back() = staff;
  return staff;
}

// Each marker, the page its cross leads to and the field that gets the focus.
struct marker_target {
  const char* marker;
  const char* page;
  const char* field;
};

constexpr marker_target marker_targets[] = {
    {"hist_missing", "tabsheet_staff_pl_histories", "staff_history_string_grid"},
    {"dob_missing", "tabsheet_staff_details", "staff_date_of_birth"},
    {"height_weight_missing", "tabsheet_staff_details", "staff_pl_height_amount"},
    {"visual_app_missing", "tabsheet_staff_details", "staff_ethnicity"},
    {"date_joined_missing", "TabSheet3", "staff_club_date_joined"},
    {"date_expires_missing", "TabSheet3", "staff_club_contract_expires"},
    {"estimated_wage_missing", "TabSheet3", "staff_club_estimated_wage"},
    {"footedness_missing", "tabsheet_staff_pl2", "staff_pl_left_foot"},
    {"no_loan_sqaud_no", "tabsheet_staff_config", "staff_pl_loan_squad_number"},
    {"loan_end_date_in_past", "tabsheet_staff_config", "staff_club_loan_until"},
    {"future_transfer_start_date_in_past", "tabsheet_staff_config",
     "staff_club_date_of_future_transfer"},
    {"no_of_ppms", "tabsheet_staff_pl_ppms", "staff_ppm"},
};

class check_list_window : public testing::Test {
 protected:
  check_list_window() {
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    QApplication::processEvents();
    set_up_home_club_file();
  }

  // Lists the records by name, shows the first and makes the pages usable, as opening does.
  void list_and_show() {
    list_by_name_and_select_first(window);
    show_pages_as_after_opening(window);
  }

  // Turns to a record page as the user does (the check list refreshes when it is its page).
  void turn_to(const char* name) { window.pc_staff->setCurrentWidget(find(name)); }
  void open_check_list() { turn_to("TabSheet1"); }

  QWidget* find(const char* name) { return window.controls().find(name); }
  QLineEdit* edit(const char* name) { return window.controls().get<QLineEdit>(name); }
  QLabel* marker(const char* name) { return window.controls().get<QLabel>(name); }
  bool shows_cross(const char* name) {
    return marker(name)->cursor().shape() == Qt::PointingHandCursor;
  }
  owner_drawn_list_box* list(const char* name) {
    return window.controls().get<owner_drawn_list_box>(name);
  }
  QStringList lines(const char* name) {
    QStringList all;
    for (int row = 0; row < list(name)->count(); ++row)
      all << list(name)->item(row)->text();
    return all;
  }
  QString page_on_screen() { return window.pc_staff->currentWidget()->objectName(); }
  void press(const char* button) { window.controls().get<QPushButton>(button)->click(); }
  static void click(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
  }
  void double_click_line(const char* box, int row) {
    owner_drawn_list_box* lines_box = list(box);
    const QPoint line = lines_box->visualRect(lines_box->model()->index(row, 0)).center();
    QTest::mouseClick(lines_box->viewport(), Qt::LeftButton, {}, line);
    QTest::mouseDClick(lines_box->viewport(), Qt::LeftButton, {}, line);
  }

  window_test_environment environment;
  Tfrm_main window;
};

TEST_F(check_list_window, a_complete_player_gets_every_tick_and_its_counts) {
  const qor_staff& record = add_complete_player(1, "Able");
  list_and_show();
  open_check_list();
  EXPECT_FALSE(editor().data_modified) << "the refresh's commit finds nothing new";
  EXPECT_EQ(std::memcmp(&record, store().staff_orig_list.back().get(), sizeof record), 0);

  for (const marker_target& target : marker_targets)
    EXPECT_FALSE(shows_cross(target.marker)) << target.marker;
  EXPECT_TRUE(lines("missing_history_entries_lb").isEmpty());
  const std::pair<const char*, const char*> counts[] = {
      {"checklist_no_of_ppms", "5"},
      {"checklist_no_of_injuries", "1"},
      {"checklist_no_of_contract_clauses", "1"},  // marked for deletion, still counted
      {"checklist_no_of_fav_staff", "0"},
      {"checklist_no_of_achievements", "0"},
      {"checklist_filled_in_pos", "2/15"},
      {"checklist_no_of_mssing_technical", "14/15"},
      {"checklist_no_of_mssing_mental_atrib", "16/16"},
      {"checklist_no_of_mssing_physical", "9/9"},
      {"checklist_no_of_mssing_gk", "12/12"},
      {"checklist_no_of_mssing_mental", "8/9"},
  };
  for (const auto& [name, value] : counts)
    EXPECT_EQ(edit(name)->text(), value) << name;
  QWidget* sheet = find("TabSheet1");
  EXPECT_TRUE(find("check_list_player_stats_group")->isVisibleTo(sheet));
  EXPECT_TRUE(find("check_list_ppm_group")->isVisibleTo(sheet));
  EXPECT_FALSE(find("check_list_non_player_stats_group")->isVisibleTo(sheet));
  EXPECT_FALSE(find("check_list_npt_group")->isVisibleTo(sheet));
}

TEST_F(check_list_window, a_sparse_player_gets_every_cross_and_his_missing_years) {
  add_sparse_player(1, "Able");
  list_and_show();
  open_check_list();

  for (const marker_target& target : marker_targets)
    EXPECT_TRUE(shows_cross(target.marker)) << target.marker;
  // 2012 lies in the gap and is listed once.
  EXPECT_EQ(lines("missing_history_entries_lb"), (QStringList{"2011", "2012"}));
  EXPECT_EQ(edit("checklist_no_of_ppms")->text(), "6");
  EXPECT_EQ(edit("checklist_filled_in_pos")->text(), "0/15");
  EXPECT_EQ(edit("checklist_no_of_mssing_technical")->text(), "15/15");
  // The two markers nothing sets stay empty.
  EXPECT_TRUE(marker("pl_retirement_in_past")->pixmap().isNull());
}

// A season of a year far beyond the others (the reader takes any 32-bit year) once made the
// page list every year between them, until memory ran out.
TEST_F(check_list_window, a_record_with_a_season_far_ahead_lists_its_gap_in_one_line) {
  add_complete_player(1, "Able");
  qor_staff& far = add_complete_player(2, "Baker");
  add_history(far.StaffID, {2000000000});
  list_and_show();
  open_check_list();
  ASSERT_TRUE(lines("missing_history_entries_lb").isEmpty());

  click_entry(window, 1);
  ASSERT_EQ(editor().current_staff, &far);
  EXPECT_EQ(lines("missing_history_entries_lb"), QStringList{"2014 to 1999999999"});
  EXPECT_TRUE(shows_cross("hist_missing"));
  EXPECT_TRUE(environment.dialogs.shown().empty());
}

TEST_F(check_list_window, a_non_player_sees_the_coach_groups_and_ticks_for_his_looks) {
  qor_staff& coach = add_test_staff(1, "Able", "Cy");
  coach.StaffClassification = 1;
  *store().staff_orig_list.back() = coach;
  list_and_show();
  open_check_list();

  QWidget* sheet = find("TabSheet1");
  EXPECT_FALSE(find("check_list_player_stats_group")->isVisibleTo(sheet));
  EXPECT_FALSE(find("check_list_player_positions_group")->isVisibleTo(sheet));
  EXPECT_TRUE(find("check_list_non_player_stats_group")->isVisibleTo(sheet));
  EXPECT_TRUE(find("check_list_npt_group")->isVisibleTo(sheet));
  EXPECT_FALSE(shows_cross("height_weight_missing"));
  EXPECT_FALSE(shows_cross("visual_app_missing"));
}

TEST_F(check_list_window, a_history_without_seasons_lacks_2012_and_the_store_keeps_its_order) {
  add_test_staff(1, "Able", "Ann");
  add_history(2, {2010, 2013});
  list_and_show();
  // Showing a record sorts the history; the check list must not sort it again.
  std::swap(store().staff_history_list[0], store().staff_history_list[1]);
  open_check_list();
  EXPECT_EQ(lines("missing_history_entries_lb"), QStringList{"2012"});
  EXPECT_TRUE(shows_cross("hist_missing"));
  EXPECT_EQ(store().staff_history_list[0]->StaffHistoryYear, 2013);
  EXPECT_EQ(store().staff_history_list[1]->StaffHistoryYear, 2010);
}

TEST_F(check_list_window, loan_end_dates_of_today_and_before_are_past_and_no_date_is_not) {
  qor_staff& record = add_complete_player(1, "Able");
  list_and_show();
  const std::pair<const char*, bool> dates[] = {
      {today_text, true}, {"16/05/2013", true}, {"18/05/2013", false}, {"01/06/2013", false}};
  for (const auto& [date, past] : dates) {
    edit("staff_club_loan_until")->setText(date);
    open_check_list();
    EXPECT_EQ(shows_cross("loan_end_date_in_past"), past) << date;
    turn_to("tabsheet_staff_details");
  }
  edit("staff_club_loan_until")->setText(QString::fromStdString(current_formats().no_date_text));
  open_check_list();
  EXPECT_FALSE(shows_cross("loan_end_date_in_past"));
  EXPECT_EQ(record.StaffDateOnLoanToUntil.view(), "") << "the refresh commits the pages";
}

TEST_F(check_list_window, each_cross_goes_to_its_own_page_and_field) {
  add_sparse_player(1, "Able");
  list_and_show();
  for (const marker_target& target : marker_targets) {
    SCOPED_TRACE(target.marker);
    open_check_list();
    click(marker(target.marker));
    EXPECT_EQ(page_on_screen(), target.page);
    EXPECT_EQ(QApplication::focusWidget(), find(target.field));
  }
}

TEST_F(check_list_window, a_tick_goes_nowhere) {
  add_complete_player(1, "Able");
  list_and_show();
  open_check_list();
  for (const marker_target& target : marker_targets) {
    click(marker(target.marker));
    EXPECT_EQ(page_on_screen(), "TabSheet1") << target.marker;
  }
}

TEST_F(check_list_window, listed_fields_lead_to_their_page_and_field) {
  add_complete_player(1, "Able");
  list_and_show();
  open_check_list();

  struct listing {
    const char* button;
    const char* first_line;
    const char* page;
    const char* field;
  };
  const listing listings[] = {
      {"chklist_tech_btn", "crossing", "tabsheet_staff_pl2", "staff_pl_crossing"},
      {"chklist_mental_btn", "adaptability", "tabsheet_staff_stats", "staff_adaptability"},
      {"chklist_np_tact_btn", "attacking", "tabsheet_staff_np1", "staff_np_attacking"},
      {"chklist_pl_pos_btn", "attacker_central: (Natural)", "tabsheet_staff_pl1",
       "staff_pl_attacker_central"},
  };
  for (const listing& test : listings) {
    SCOPED_TRACE(test.button);
    open_check_list();
    press(test.button);
    ASSERT_FALSE(lines("check_list_lb").isEmpty());
    EXPECT_EQ(lines("check_list_lb").first(), test.first_line);
    double_click_line("check_list_lb", 0);
    EXPECT_EQ(page_on_screen(), test.page);
    EXPECT_EQ(QApplication::focusWidget(), find(test.field));
  }
  open_check_list();
  press("chklist_pl_pos_btn");
  EXPECT_EQ(lines("check_list_lb"),
            (QStringList{"attacker_central: (Natural)", "goalkeeper: (Ineffectual)"}));
  EXPECT_FALSE(lines("check_list_lb").contains("corners"));
}

TEST_F(check_list_window, another_page_only_empties_the_list_and_turning_to_it_refreshes) {
  add_complete_player(1, "Able");
  add_sparse_player(2, "Baker");
  list_and_show();
  open_check_list();
  press("chklist_tech_btn");
  turn_to("tabsheet_staff_details");
  EXPECT_TRUE(lines("check_list_lb").isEmpty());

  click_entry(window, 1);
  EXPECT_EQ(edit("checklist_no_of_ppms")->text(), "5") << "the page is not on screen";
  environment.dialogs.queue_answer(dialog_answer::no);  // the leave check of six PPMs
  EXPECT_FALSE(shows_cross("no_of_ppms"));
  open_check_list();
  EXPECT_EQ(edit("checklist_no_of_ppms")->text(), "6");
  EXPECT_TRUE(shows_cross("no_of_ppms"));

  // Switching records while the page is on screen refreshes it at once.
  click_entry(window, 0);
  EXPECT_EQ(edit("checklist_no_of_ppms")->text(), "5");
}

TEST_F(check_list_window, without_a_record_refresh_and_go_to_do_nothing) {
  add_sparse_player(1, "Able");
  list_and_show();
  open_check_list();
  press("chklist_tech_btn");
  const QStringList listed = lines("check_list_lb");
  editor().current_staff = nullptr;

  update_checklist(window.controls());
  EXPECT_EQ(lines("check_list_lb"), listed);
  click(marker("dob_missing"));
  double_click_line("check_list_lb", 0);
  press("chklist_phys_btn");
  EXPECT_EQ(page_on_screen(), "TabSheet1");
  EXPECT_EQ(lines("check_list_lb"), listed);
}

TEST_F(check_list_window, markers_show_the_shipped_pictures_or_drawn_ones_when_missing) {
  add_sparse_player(1, "Able");
  add_complete_player(2, "Baker");
  list_and_show();
  {
    // The pictures are read at the first refresh and kept.
    copied_program_folder folder;
    std::filesystem::remove_all(folder.path() / "img" / "icons");
    open_check_list();
    EXPECT_EQ(marker("dob_missing")->pixmap().toImage(), draw_cross_icon().toImage());
  }
  environment.dialogs.queue_answer(dialog_answer::no);  // the leave check of six PPMs
  click_entry(window, 1);
  EXPECT_EQ(marker("dob_missing")->pixmap().toImage(), draw_tick_icon().toImage());

  Tfrm_main second;
  second.show();
  QApplication::processEvents();
  list_by_name_and_select_first(second);
  second.pc_staff->setCurrentWidget(second.controls().find("TabSheet1"));
  const QImage shipped(QString::fromStdString(
      (program_folder() / "img" / "icons" / "cross_small_24bit.bmp").string()));
  ASSERT_FALSE(shipped.isNull());
  EXPECT_EQ(second.controls()
                .get<QLabel>("dob_missing")
                ->pixmap()
                .toImage()
                .convertToFormat(shipped.format()),
            shipped);
}

}  // namespace
