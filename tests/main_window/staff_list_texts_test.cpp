#include <gtest/gtest.h>

#include <string>

#include "main_window/staff_list_texts.h"
#include "records/staff_record.h"
#include "staff_list_test_records.h"
#include "window_test_support.h"

namespace {

class staff_list_texts : public testing::Test {
 protected:
  staff_list_texts() { set_up_home_club_file(); }

  window_test_environment environment;
};

qor_staff named(const char* second, const char* first, const char* common = "") {
  qor_staff staff{};
  staff.StaffSecondName = second;
  staff.StaffFirstName = first;
  staff.StaffCommonName = common;
  return staff;
}

TEST_F(staff_list_texts, name_text_and_relabel_text_of_every_name_combination) {
  struct row {
    const char* second;
    const char* first;
    const char* common;
    const char* listed;
    const char* relabelled;
  };
  const row rows[] = {
      {"Smith", "John", "", "Smith, John", "Smith, John"},
      {"Smith", "", "", "Smith", "Smith, "},
      {"", "John", "", "John", ", John"},
      {"", "", "", "", ", "},
      {"Silva", "Jose", "Zizi", "Zizi", "Zizi"},
  };
  staff_entry_texts names_only(false, 0);
  for (const row& r : rows) {
    const qor_staff staff = named(r.second, r.first, r.common);
    EXPECT_EQ(names_only(staff), r.listed) << r.second << "|" << r.first;
    EXPECT_EQ(staff_relabel_text(staff), r.relabelled) << r.second << "|" << r.first;
  }
}

TEST_F(staff_list_texts, entries_fold_accents_and_stop_at_one_hundred_characters) {
  staff_entry_texts names_only(false, 0);
  staff_entry_texts with_first_name(true, 0);
  EXPECT_EQ(names_only(named("Z\xE9lio", "")), "Zelio");
  EXPECT_EQ(with_first_name(named("Z\xE9lio", "J\xF6rg")), "Zelio, Jorg (Jorg)");
  EXPECT_EQ(cut_entry_text("Z\xE9lio"), "Z\xE9lio");

  const std::string second(50, 'S');
  const std::string first(50, 'F');
  const qor_staff staff = named(second.c_str(), first.c_str());
  const std::string_view listed = names_only(staff);
  EXPECT_EQ(listed.size(), 100u);
  EXPECT_EQ(listed, second + ", " + std::string(48, 'F'));
  // The suffix is cut with the name, not kept whole.
  EXPECT_EQ(with_first_name(staff), listed);
  EXPECT_EQ(cut_entry_text(staff_relabel_text(staff)).size(), 100u);
}

TEST_F(staff_list_texts, attribute_suffix_shows_the_value_or_empty) {
  qor_staff staff = named("Smith", "John");
  staff.StaffClubContracted = away_club_id;
  EXPECT_EQ(staff_attribute_suffix(staff, 0), " (John)");
  EXPECT_EQ(staff_attribute_suffix(staff, 2), " (empty)");
  EXPECT_EQ(staff_attribute_suffix(staff, 11), " (200)");
  // The staff id has no value text of its own.
  EXPECT_EQ(staff_attribute_suffix(staff, -1), " (empty)");
}

TEST_F(staff_list_texts, heading_tells_club_loan_and_new_records) {
  struct row {
    bool has_original;
    std::int32_t contracted;
    std::int32_t on_loan_to;
    const char* heading;
  };
  const row rows[] = {
      {false, home_club_id, 0, "Home FC Staff [New]"},
      {false, away_club_id, 0, "Away United Staff [New]"},
      {false, 0, 0, "Non Contracted Staff [New]"},
      {true, home_club_id, 0, "Home FC Staff"},
      {true, home_club_id, loan_club_id, "Home FC Staff (On Loan To Loan Town)"},
      {true, away_club_id, home_club_id, "Away United Staff (On Loan To Home FC)"},
      {true, away_club_id, loan_club_id, "Away United Staff (On Loan To Loan Town)"},
      {true, away_club_id, 0, "Away United Staff"},
      {true, -1, loan_club_id, "Non Contracted Staff"},
  };
  for (const row& r : rows) {
    qor_staff staff{};
    staff.StaffClubContracted = r.contracted;
    staff.StaffClubOnLoanTo = r.on_loan_to;
    EXPECT_EQ(staff_heading_text(staff, r.has_original, home_club_id, "Home FC"), r.heading)
        << r.contracted << " on loan to " << r.on_loan_to;
  }
}

TEST_F(staff_list_texts, state_message_of_a_double_click) {
  struct row {
    bool changed;
    bool has_original;
    std::int32_t contracted;
    std::int32_t on_loan_to;
    const char* message;
  };
  const row rows[] = {
      {false, true, home_club_id, 0, ""},
      {false, true, away_club_id, 0, "This staff member is current contracted to another club."},
      {false, true, away_club_id, home_club_id,
       "This staff member is current on loan to this club."},
      {true, false, home_club_id, 0, "This staff member is new."},
      {true, true, home_club_id, 0, "This staff member's details have been changed."},
      {true, true, 0, 0, "This staff member is not contracted to a club."},
      {true, false, away_club_id, 0,
       "This staff member is new. Staff is current contracted to another club."},
      {true, true, away_club_id, home_club_id,
       "This staff member's details have been changed. Staff is current on loan to this club."},
      {false, true, 0, 0, ""},
  };
  for (const row& r : rows) {
    qor_staff staff{};
    staff.StaffClubContracted = r.contracted;
    staff.StaffClubOnLoanTo = r.on_loan_to;
    EXPECT_EQ(staff_state_message(staff, r.changed, r.has_original, home_club_id), r.message)
        << r.changed << r.has_original << " " << r.contracted << " " << r.on_loan_to;
  }
}

}  // namespace
