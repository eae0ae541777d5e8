#include <QAbstractButton>
#include <QComboBox>

#include "display_staff_fixture.h"
#include "record_form/binding_support.h"
#include "record_form/form_text.h"
#include "record_form/staff_commit.h"
#include "sub_records/display_staff.h"

namespace {

// Every control bound to a staff field shows a value (the fixture gives each field one that is
// neither empty nor "not set"), and none shows a stand-in for a value it could not show.
TEST_F(display_staff_form, every_bound_control_shows_its_field) {
  const qor_staff staff = fixture_staff();
  ASSERT_TRUE(display_staff(&staff, controls));
  for (const page_spec& spec : record_page_specs()) {
    for (const control_spec& row : spec.controls) {
      if (!row.binding.field.belongs_to<qor_staff>())
        continue;
      QWidget* widget = controls.find(row.name);
      ASSERT_NE(widget, nullptr) << row.name;
      EXPECT_FALSE(shows_unshown_value(widget)) << row.name;
      if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        EXPECT_FALSE(edit->text().isEmpty()) << row.name;
      } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        EXPECT_GT(combo->currentIndex(), 0) << row.name;
      } else if (auto* box = qobject_cast<QAbstractButton*>(widget)) {
        EXPECT_TRUE(box->isChecked()) << row.name;
      }
    }
  }
  EXPECT_EQ(text_of("staff_id"), "4711");
  EXPECT_EQ(text_of("staff_first_name"), "Text");
  EXPECT_EQ(text_of("staff_date_of_birth"), "05/03/2001");
  EXPECT_EQ(text_of("staff_club_estimated_wage"), "1,500");
  EXPECT_EQ(text_of("staff_pl_current_ability2"), text_of("staff_pl_current_ability"));
  EXPECT_FALSE(control<QLabel>("staff_skin_tone_display")->isHidden());
  EXPECT_TRUE(dialogs.shown().empty()) << dialogs.last().text.toStdString();
}

TEST_F(display_staff_form, showing_then_committing_changes_nothing_and_leaves_the_flags_clear) {
  for (qor_staff staff : {fixture_staff(), qor_staff{}}) {
    const qor_staff before = staff;
    ASSERT_TRUE(display_staff(&staff, controls));
    EXPECT_FALSE(editor().filling_controls);
    EXPECT_TRUE(apply_staff(&staff, controls));
    EXPECT_EQ(std::memcmp(&staff, &before, sizeof staff), 0);
    EXPECT_FALSE(editor().data_modified);
  }
}

// A record shown after another shows its own flags, so a commit cannot carry the other
// record's ticks into it.
TEST_F(display_staff_form, a_record_shown_after_another_keeps_its_own_flags) {
  qor_staff first = fixture_staff();
  qor_staff second = fixture_staff();
  second.StaffUnder23Manager = "False";
  second.StaffFemale = "";
  const qor_staff before = second;
  display_staff(&first, controls);
  display_staff(&second, controls);
  apply_staff(&second, controls);
  EXPECT_EQ(std::memcmp(&second, &before, sizeof second), 0);
}

// Codes without an entry, a date that is no date and an unknown classification are shown as
// well as they can be and never written back by the next commit.
TEST_F(display_staff_form, unknown_codes_and_dates_are_tolerated_and_not_written_back) {
  qor_staff staff = fixture_staff();
  staff.StaffJobForClub = 999;
  staff.StaffClubContracted = 777;
  staff.StaffNation = "Atlantis";
  staff.StaffClassification = 42;
  staff.StaffContractType = 99;
  staff.StaffDateOfBirth = "31/31/2001";
  const qor_staff before = staff;
  ASSERT_TRUE(display_staff(&staff, controls));
  EXPECT_EQ(control<QComboBox>("staff_club_job_for")->currentIndex(), 0);
  EXPECT_EQ(control<QComboBox>("staff_club_contracted")->currentIndex(), 0);
  EXPECT_TRUE(text_of("staff_date_of_birth").remove('/').trimmed().isEmpty());
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_TRUE(dialogs.last().text.endsWith("staff_date_of_birth"));
  EXPECT_FALSE(editor().filling_controls);
  apply_staff(&staff, controls);
  EXPECT_EQ(std::memcmp(&staff, &before, sizeof staff), 0);
  EXPECT_FALSE(editor().data_modified);
}

TEST_F(display_staff_form, a_null_record_changes_nothing) {
  control<QLineEdit>("staff_first_name")->setText("kept");
  EXPECT_FALSE(display_staff(nullptr, controls));
  EXPECT_EQ(text_of("staff_first_name"), "kept");
  EXPECT_FALSE(editor().filling_controls);
}

TEST_F(display_staff_form, name_line_shows_the_common_name_or_second_and_first_name) {
  qor_staff staff;
  staff.StaffSecondName = "Brook";
  staff.StaffFirstName = "Alan";
  display_staff(&staff, controls);
  EXPECT_EQ(caption_of("staff_id_label"), ":ID - Brook, Alan");
  staff.StaffCommonName = "Alby";
  display_staff(&staff, controls);
  EXPECT_EQ(caption_of("staff_id_label"), ":ID - Alby");
}

TEST_F(display_staff_form, weekly_wages_show_per_month_and_year) {
  qor_staff staff;
  staff.StaffEstimatedWage = 520;
  staff.StaffEstimatedWageText = "520";
  staff.StaffFutureTransferEstimatedWage = 520;
  staff.StaffFutureTransferEstimatedWageText = "520";
  display_staff(&staff, controls);
  EXPECT_EQ(text_of("staff_club_estimated_wage_month"), "2,261");
  EXPECT_EQ(text_of("staff_club_estimated_wage_year"), "27,132");
  EXPECT_EQ(text_of("staff_future_transfer_estimated_wage_month"), "2,080");
  EXPECT_EQ(text_of("staff_future_transfer_estimated_wage_year"), "24,960");

  staff.StaffEstimatedWageText = "";
  staff.StaffFutureTransferEstimatedWageText = "";
  display_staff(&staff, controls);
  for (const char* name : {"staff_club_estimated_wage_month", "staff_club_estimated_wage_year",
                           "staff_future_transfer_estimated_wage_month",
                           "staff_future_transfer_estimated_wage_year"}) {
    EXPECT_EQ(text_of(name), "") << name;
  }
}

TEST_F(display_staff_form, computed_values_follow_the_record) {
  qor_staff staff;
  staff.StaffContractExpiresClub = "3/7/2027";  // two years after the test clock's today
  staff.StaffPlayerLeftFoot = 20;
  staff.StaffPlayerRightFoot = 5;
  display_staff(&staff, controls);
  EXPECT_EQ(text_of("staff_years_left_contract"), "2");
  EXPECT_TRUE(control<QLabel>("staff_skin_tone_display")->isHidden());
  EXPECT_EQ(caption_of("staff_pl_preferred_feet_label"),
            QString::fromStdString(preferred_foot_text(20, 5)));
}

TEST_F(display_staff_form, contract_buttons_follow_club_nation_and_classification) {
  struct contract_case {
    int club;
    const char* nation;
    int classification;
    bool club_checked;
    bool nation_checked;
    bool nation_enabled;
  };
  const contract_case cases[] = {
      {5, "", 2, true, false, false},
      {0, "England", 1, false, true, true},
      {0, "", 2, false, false, false},
      {5, "England", 3, true, true, true},
      // A nation contract stays ticked, but closed, for a player.
      {0, "England", 2, false, true, false},
      {0, "", 0, false, false, false},
  };
  auto* club = control<QAbstractButton>("radiobutton_staff_club_contract");
  auto* nation = control<QAbstractButton>("radiobutton_staff_nation_contract");
  for (const contract_case& c : cases) {
    club->setChecked(true);
    nation->setChecked(true);
    qor_staff staff;
    staff.StaffClubContracted = c.club;
    staff.StaffNationContracted = c.nation;
    staff.StaffClassification = static_cast<std::int8_t>(c.classification);
    display_staff(&staff, controls);
    const std::string label =
        std::to_string(c.club) + "/" + c.nation + "/" + std::to_string(c.classification);
    EXPECT_EQ(club->isChecked(), c.club_checked) << label;
    EXPECT_EQ(nation->isChecked(), c.nation_checked) << label;
    EXPECT_EQ(nation->isEnabled(), c.nation_enabled) << label;
  }
}

TEST_F(display_staff_form, pages_follow_the_classification) {
  struct page_case {
    int classification;
    const char* caretaker;
    // coach, positions, player, preferred actions, history, non-player history, tendencies
    bool shown[7];
  };
  const char* pages[] = {"tabsheet_staff_np1",          "tabsheet_staff_pl1",
                         "tabsheet_staff_pl2",          "tabsheet_staff_pl_ppms",
                         "tabsheet_staff_pl_histories", "tabsheet_staff_np_histories",
                         "tabsheet_staff_npt"};
  const page_case cases[] = {
      {1, "", {true, false, false, false, true, true, true}},
      {2, "", {false, true, true, true, true, false, false}},
      {3, "", {true, true, true, true, true, true, true}},
      {0, "", {false, false, false, true, true, false, false}},
      {42, "", {false, false, false, true, true, false, false}},
      {0, "true", {true, true, true, true, true, true, true}},
      {2, "TRUE", {true, true, true, true, true, true, true}},
      {1, "True", {true, false, false, false, true, true, true}},
  };
  for (const page_case& c : cases) {
    qor_staff staff;
    staff.StaffClassification = static_cast<std::int8_t>(c.classification);
    staff.StaffCaretakerManager = c.caretaker;
    display_staff(&staff, controls);
    for (int i = 0; i < 7; ++i) {
      EXPECT_EQ(page_visible(pages[i]), c.shown[i])
          << pages[i] << " for " << c.classification << " " << c.caretaker;
    }
    EXPECT_TRUE(page_visible("tabsheet_staff_details"));
  }
}

// A page the record does not have is left for the first page before it goes; a page it has
// stays active.
TEST_F(display_staff_form, the_active_page_is_always_one_the_record_has) {
  struct active_case {
    const char* active;
    int classification;
    const char* expected;
  };
  const active_case cases[] = {
      {"tabsheet_staff_pl2", 1, "tabsheet_staff_details"},
      {"tabsheet_staff_pl1", 0, "tabsheet_staff_details"},
      {"tabsheet_staff_np1", 2, "tabsheet_staff_details"},
      {"tabsheet_staff_npt", 2, "tabsheet_staff_details"},
      {"tabsheet_staff_pl_ppms", 1, "tabsheet_staff_details"},
      {"tabsheet_staff_pl2", 2, "tabsheet_staff_pl2"},
      {"tabsheet_staff_np1", 1, "tabsheet_staff_np1"},
      {"tabsheet_staff_pl1", 3, "tabsheet_staff_pl1"},
      {"TabSheet3", 1, "TabSheet3"},
  };
  for (const active_case& c : cases) {
    qor_staff all_pages;
    all_pages.StaffClassification = 3;
    display_staff(&all_pages, controls);
    make_active(c.active);
    ASSERT_EQ(active_page(), c.active);
    qor_staff staff;
    staff.StaffClassification = static_cast<std::int8_t>(c.classification);
    display_staff(&staff, controls);
    EXPECT_EQ(active_page(), c.expected) << c.active << " for " << c.classification;
  }
}

}  // namespace
