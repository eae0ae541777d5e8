#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QStringListModel>
#include <QTabWidget>
#include <cstring>

#include "form_test_support.h"
#include "platform/control_tag.h"
#include "platform/win1252.h"
#include "record_form/control_binding.h"
#include "record_form/form_controls.h"
#include "record_form/record_pages.h"
#include "record_form/staff_commit.h"
#include "records/lookup_lists.h"
#include "test_pages.h"

namespace {

void fill_model(form_controls& controls, const char* name, const std::vector<std::string>& items) {
  QStringList list;
  for (const std::string& item : items)
    list << from_win1252(item);
  controls.choice_model(name)->setStringList(list);
}

// A record as the reader leaves it, with values the controls show in another form: a nation in
// other letter case, an unpadded date, a club missing from the list, a flag in lower case and a
// height that shows rounded.
qor_staff fixture_record() {
  qor_staff staff;
  staff.StaffID = 4711;
  staff.StaffFirstName = "Alan";
  staff.StaffInternationalAppsText = "12";
  staff.StaffInternationalApps = 12;
  staff.StaffDateOfBirth = "5/3/2001";
  staff.StaffYearOfBirth = 2001;
  staff.StaffPlayerPace = 14;
  staff.StaffPlayerHeightAmount = 1.855f;
  staff.StaffFemale = "true";
  staff.StaffNation = "england";
  staff.StaffCityOfBirth = 9;
  staff.StaffClassification = 2;
  staff.StaffClubContracted = 999;
  staff.StaffJobForClub = 5;
  staff.StaffNonPlayerCoachingStyle = 2;
  staff.StaffMediaJob = 1;
  staff.StaffEstimatedWageText = "1500";
  staff.StaffEstimatedWage = 1500;
  staff.DateUpdated = "01/01/2020 10:00:00";
  return staff;
}

class staff_commit : public ::testing::Test {
 protected:
  staff_commit() : locale_(english_locale(), test_clock()) {
    saved_lookups_ = lookups();
    lookups().club_list = {"Not set; 0; 0; 0; 0; 0", "Alder Town; 10; 20; 30; 40; 7"};
    lookups().city_list = {"Not set; 0", "Ashby; 4", "Corby; 9"};
    editor().data_modified = false;
    build_record_pages(&tabs, controls, test_pages);
    fill_model(controls, "nation_list", {"Not set", "England", "Wales"});
    fill_model(controls, "city_list", lookups().city_list);
    fill_model(controls, "club_list", lookups().club_list);
    fill_model(controls, "classification", {"Not set", "Non-player", "Player", "Both"});
    fill_model(controls, "jobs_list", {"Not set; 0", "Manager; 3", "Coach; 5"});
    fill_model(controls, "coaching_style", {"Not set; 0", "General; 1", "Goalkeeping; 2"});
    fill_model(controls, "media_job", {"Not set", "Media pundit", "Journalist"});
  }
  ~staff_commit() override {
    lookups() = saved_lookups_;
    editor().data_modified = false;
  }

  QLineEdit* edit(const char* name) { return controls.get<QLineEdit>(name); }
  QComboBox* combo(const char* name) { return controls.get<QComboBox>(name); }

  scoped_app_locale locale_;
  scoped_scripted_dialogs dialogs;
  QTabWidget tabs;
  form_controls controls;

 private:
  lookup_lists saved_lookups_;
};

TEST_F(staff_commit, the_builder_registers_every_control_label_and_container_by_name) {
  for (const control_spec& row : test_controls) {
    QWidget* control = controls.find(row.name);
    ASSERT_NE(control, nullptr) << row.name;
    EXPECT_EQ(control->objectName(), row.name);
    if (row.label_name != nullptr) {
      EXPECT_NE(controls.find(row.label_name), nullptr);
    }
  }
  for (const container_spec& container : test_containers) {
    EXPECT_NE(controls.find(container.name), nullptr) << container.name;
  }
  EXPECT_NE(controls.find("tabsheet_test"), nullptr);
  EXPECT_EQ(tabs.tabText(0), "&1. Test");
  EXPECT_EQ(combo("staff_classification")->model(), combo("staff_classification2")->model());
  EXPECT_EQ(edit("staff_first_name")->maxLength(), 50);
}

TEST_F(staff_commit, showing_then_committing_a_record_changes_no_field) {
  qor_staff staff = fixture_record();
  const qor_staff before = staff;
  fill_staff_fields(staff, controls, test_pages);
  EXPECT_TRUE(apply_staff(&staff, controls, test_pages));
  EXPECT_EQ(std::memcmp(&staff, &before, sizeof staff), 0);
  EXPECT_FALSE(editor().data_modified);
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(staff_commit, filling_tags_every_bound_control_and_shows_the_values) {
  qor_staff staff = fixture_record();
  fill_staff_fields(staff, controls, test_pages);
  EXPECT_EQ(edit("staff_first_name")->text(), "Alan");
  EXPECT_EQ(edit("staff_date_of_birth")->text(), "05/03/2001");
  EXPECT_EQ(edit("staff_pl_height_amount")->text(), "1.86");
  EXPECT_EQ(edit("staff_club_estimated_wage")->text(), "1,500");
  EXPECT_EQ(edit("staff_id")->text(), "4711");
  EXPECT_EQ(combo("staff_nation")->currentIndex(), 1);
  EXPECT_EQ(combo("staff_city_of_birth")->currentIndex(), 2);
  EXPECT_EQ(combo("staff_classification2")->currentIndex(), 2);
  EXPECT_EQ(control_tag(edit("staff_pl_pace")), text_value_tag);
  EXPECT_EQ(control_tag(combo("staff_club_job_for")), text_value_tag);
  EXPECT_FALSE(editor().filling_controls);
}

TEST_F(staff_commit, a_real_change_stamps_the_record_and_marks_the_data_modified) {
  qor_staff staff = fixture_record();
  fill_staff_fields(staff, controls, test_pages);
  edit("staff_first_name")->setText("alan");  // a case-only correction is a change
  EXPECT_TRUE(apply_staff(&staff, controls, test_pages));
  EXPECT_EQ(staff.StaffFirstName.view(), "alan");
  EXPECT_EQ(staff.DateUpdated.view(), "03/07/2025 14:05:09");
  EXPECT_TRUE(editor().data_modified);
}

TEST_F(staff_commit, the_stamp_follows_the_locale_order_and_separator) {
  scoped_app_locale us(us_locale(), test_clock());
  qor_staff staff = fixture_record();
  fill_staff_fields(staff, controls, test_pages);
  combo("staff_media_job")->setCurrentIndex(2);
  EXPECT_TRUE(apply_staff(&staff, controls, test_pages));
  EXPECT_EQ(staff.StaffMediaJob, 2);
  EXPECT_EQ(staff.DateUpdated.view(), "07-03-2025 14:05:09");
}

TEST_F(staff_commit, companions_follow_their_values) {
  qor_staff staff = fixture_record();
  fill_staff_fields(staff, controls, test_pages);
  edit("staff_int_apps")->setText("40");
  edit("staff_club_estimated_wage")->setText("2,750");
  combo("staff_nation")->setCurrentIndex(2);
  combo("staff_city_of_birth")->setCurrentIndex(1);
  combo("staff_club_contracted")->setCurrentIndex(1);
  EXPECT_TRUE(apply_staff(&staff, controls, test_pages));
  EXPECT_EQ(staff.StaffInternationalAppsText.view(), "40");
  EXPECT_EQ(staff.StaffInternationalApps, 40);
  EXPECT_EQ(staff.StaffEstimatedWageText.view(), "2750");
  EXPECT_EQ(staff.StaffEstimatedWage, 2750);
  EXPECT_EQ(staff.StaffNation.view(), "Wales");
  EXPECT_EQ(staff.StaffNationIndex, 2);
  EXPECT_EQ(staff.StaffCityOfBirth, 4);
  EXPECT_EQ(staff.StaffCityOfBirthIndex, 1);
  EXPECT_EQ(staff.StaffClubContracted, 7);
  EXPECT_EQ(staff.StaffClubContractedIndex, 1);
}

TEST_F(staff_commit, fill_only_and_read_only_views_are_never_committed) {
  qor_staff staff = fixture_record();
  fill_staff_fields(staff, controls, test_pages);
  combo("staff_classification2")->setCurrentIndex(1);
  edit("staff_id")->setText("1");
  EXPECT_TRUE(apply_staff(&staff, controls, test_pages));
  EXPECT_EQ(staff.StaffClassification, 2);
  EXPECT_EQ(staff.StaffID, 4711);
  EXPECT_FALSE(editor().data_modified);
}

TEST_F(staff_commit, a_bad_value_is_reported_and_the_rest_still_committed_and_stamped) {
  qor_staff staff = fixture_record();
  fill_staff_fields(staff, controls, test_pages);
  edit("staff_pl_pace")->setText("12a");
  edit("staff_year_of_birth")->setText("1999");
  EXPECT_TRUE(apply_staff(&staff, controls, test_pages));
  EXPECT_EQ(staff.StaffPlayerPace, 14);
  EXPECT_EQ(staff.StaffYearOfBirth, 1999);
  EXPECT_EQ(staff.DateUpdated.view(), "03/07/2025 14:05:09");
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.last().text,
            "apply_from_control(..): Error casting from AnsiString in edit: staff_pl_pace");
}

TEST_F(staff_commit, a_null_record_is_not_committed) {
  editor().data_modified = false;
  EXPECT_FALSE(apply_staff(nullptr, controls, test_pages));
  EXPECT_FALSE(editor().data_modified);
}

TEST_F(staff_commit, a_commit_without_change_keeps_the_modified_flag_it_found) {
  qor_staff staff = fixture_record();
  fill_staff_fields(staff, controls, test_pages);
  editor().data_modified = true;
  EXPECT_TRUE(apply_staff(&staff, controls, test_pages));
  EXPECT_TRUE(editor().data_modified);
  EXPECT_EQ(staff.DateUpdated.view(), "01/01/2020 10:00:00");
}

}  // namespace
