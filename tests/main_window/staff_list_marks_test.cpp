#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "main_window/main_window.h"
#include "main_window/staff_list_marks.h"
#include "platform/owner_drawn_list_view.h"
#include "platform/qt_system_locale.h"
#include "platform/win1252.h"
#include "records/record_store.h"
#include "staff_list_test_records.h"
#include "window_test_support.h"

namespace {

class staff_list_marks : public testing::Test {
 protected:
  staff_list_marks() { set_up_home_club_file(); }

  window_test_environment environment;
};

// The entry text, colours and marker of a record in every state the list tells apart.
TEST_F(staff_list_marks, entry_text_colour_and_marker_of_each_record_state) {
  struct row {
    const char* state;
    std::function<void(qor_staff&)> change;
    bool is_new;
    const char* entry_text;
    tcolor normal;
    tcolor selected;
    const char* marker;
    bool underlined;
  };
  const row rows[] = {
      {"unchanged", [](qor_staff&) {}, false, "Smith, John", clWindowText, clWindow, "", false},
      {"changed", [](qor_staff& s) { s.StaffFirstName = "Johnny"; }, false, "Smith, Johnny",
       clMaroon, clRed, "", false},
      {"new", [](qor_staff&) {}, true, "Smith, John", clGreen, clLime, "", false},
      {"new, marked for deletion", [](qor_staff& s) { s.StaffMarkedForDeletion = "True"; }, true,
       "Smith, John", clOlive, clYellow, " [mfd]", true},
      {"changed, marked for deletion", [](qor_staff& s) { s.StaffMarkedForDeletion = "TRUE"; },
       false, "Smith, John", clOlive, clYellow, " [mfd]", true},
      {"changed, not for extraction", [](qor_staff& s) { s.StaffNotForExtraction = "true"; }, false,
       "Smith, John", clOlive, clYellow, " [nfe]", true},
      {"changed, no longer contracted", [](qor_staff& s) { s.StaffClubContracted = 0; }, false,
       "Smith, John", clOlive, clYellow, "", false},
      {"changed, common name with an accent", [](qor_staff& s) { s.StaffCommonName = "Z\xE9lio"; },
       false, "Zelio", clMaroon, clRed, "", false},
      {"contract ended yesterday", [](qor_staff& s) { s.StaffContractExpiresClub = "16/05/2013"; },
       false, "Smith, John", clBlue, clNavy, "", false},
      {"changed, contract ends tomorrow",
       [](qor_staff& s) { s.StaffContractExpiresClub = "18/05/2013"; }, false, "Smith, John",
       clMaroon, clRed, "", false},
  };
  for (const row& r : rows) {
    SCOPED_TRACE(r.state);
    store().staff_list.clear();
    store().staff_orig_list.clear();
    qor_staff& staff = add_test_staff(1, "Smith", "John", r.is_new);
    r.change(staff);
    owner_drawn_list_view list;
    const int index = add_staff_to_list(&list, &staff);
    EXPECT_EQ(to_win1252(list.entry_text(index)), r.entry_text);
    EXPECT_EQ(staff_entry_look_of(staff, false).color, r.normal);
    EXPECT_EQ(staff_entry_look_of(staff, true).color, r.selected);
    EXPECT_EQ(staff_entry_look_of(staff, false).marker.suffix, r.marker);
    EXPECT_EQ(staff_entry_look_of(staff, false).marker.underlined, r.underlined);
  }
}

TEST_F(staff_list_marks, loan_and_club_markers) {
  struct row {
    std::int32_t contracted;
    std::int32_t on_loan_to;
    const char* marker;
    bool underlined;
  };
  const row rows[] = {
      {home_club_id, 0, "", false},
      {home_club_id, loan_club_id, " (L)->", true},
      {away_club_id, home_club_id, " (L)<-", true},
      {away_club_id, loan_club_id, " (L)", true},
      {0, loan_club_id, " (L)", false},
      {away_club_id, 0, "", true},
      {0, 0, "", false},
  };
  for (const row& r : rows) {
    qor_staff staff{};
    staff.StaffClubContracted = r.contracted;
    staff.StaffClubOnLoanTo = r.on_loan_to;
    const staff_entry_marker marker = staff_entry_marker_of(staff, home_club_id);
    EXPECT_EQ(marker.suffix, r.marker) << r.contracted << " on loan to " << r.on_loan_to;
    EXPECT_EQ(marker.underlined, r.underlined) << r.contracted << " on loan to " << r.on_loan_to;
  }
}

// A damaged file may hold any classification and any text in the end date; only a real date
// that has come counts.
TEST_F(staff_list_marks, end_date_passes_only_for_a_real_date_that_has_come) {
  struct row {
    std::int8_t classification;
    const char* end_date;
    bool passed;
  };
  const row rows[] = {
      {1, "16/05/2013", true},  {2, "16/05/2013", true},   {3, "01/01/1990", true},
      {2, "17/05/2013", true},  {2, "18/05/2013", false},  {2, "", false},
      {2, "31/02/2013", false}, {2, "garbage", false},     {2, "16/05", false},
      {2, "2013-05-16", false}, {2, "16.05.2013", true},   {0, "16/05/2013", false},
      {4, "16/05/2013", false}, {-1, "16/05/2013", false}, {127, "", false},
      {2, "99/99/9999", false}, {2, "00/00/0000", false},  {2, "  /  /    ", false},
  };
  const date_time now{2013, 5, 17, 9, 30, 15};
  for (const row& r : rows) {
    qor_staff staff{};
    staff.StaffClassification = r.classification;
    staff.StaffContractExpiresClub = r.end_date;
    EXPECT_EQ(staff_end_date_passed(&staff, "dd_mm_yyyy", now), r.passed)
        << int{r.classification} << " '" << r.end_date << "'";
  }
  EXPECT_FALSE(staff_end_date_passed(nullptr, "dd_mm_yyyy", now));
  // At the very midnight that starts the end day the date has not yet passed.
  qor_staff staff{};
  staff.StaffClassification = 1;
  staff.StaffContractExpiresClub = "17/05/2013";
  EXPECT_FALSE(staff_end_date_passed(&staff, "dd_mm_yyyy", date_time{2013, 5, 17, 0, 0, 0}));
  EXPECT_TRUE(staff_end_date_passed(&staff, "dd_mm_yyyy", date_time{2013, 5, 17, 0, 0, 1}));
  // Under another date order the same text is another day.
  staff.StaffContractExpiresClub = "05/16/2013";
  EXPECT_TRUE(staff_end_date_passed(&staff, "mm_dd_yyyy", now));
  EXPECT_FALSE(staff_end_date_passed(&staff, "dd_mm_yyyy", now));
}

}  // namespace
