#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <filesystem>
#include <ostream>
#include <string>

#include "file_menu_test_support.h"
#include "record_form/editor_state.h"

namespace fs = std::filesystem;

namespace {

// A wage triplet of the pages and the amount field its weekly edit is saved into.
struct wage_triplet_case {
  const char* weekly;
  const char* monthly;
  const char* yearly;
  fixed_text<20> qor_staff::*saved;
  const char* month_of_5000;  // what the month shows once 5,000 a week is typed
  const char* week_of_1000;   // what the week shows once 1,000 a month is typed
};

const wage_triplet_case triplets[] = {
    {"staff_club_estimated_wage", "staff_club_estimated_wage_month",
     "staff_club_estimated_wage_year", &qor_staff::StaffEstimatedWageText, "21,740", "229"},
    {"staff_future_transfer_estimated_wage", "staff_future_transfer_estimated_wage_month",
     "staff_future_transfer_estimated_wage_year", &qor_staff::StaffFutureTransferEstimatedWageText,
     "21,666", "230"},
};

void PrintTo(const wage_triplet_case& triplet, std::ostream* out) {
  *out << triplet.weekly;
}

class wage_fields : public file_menu_test, public testing::WithParamInterface<wage_triplet_case> {
 protected:
  // The user selects the edit's text with the mouse, types over it and presses Tab.
  void type_and_tab(const char* name, const char* typed) {
    focus_on(name);
    QLineEdit* typed_into = edit(name);
    typed_into->selectAll();
    QTest::keyClicks(typed_into, typed);
    QTest::keyClick(typed_into, Qt::Key_Tab);
  }

  std::string shown(const char* name) { return edit(name)->text().toStdString(); }
};

// The edit the user leaves drives the other two only when the user typed in it: passing through
// the month that a typed week has just set leaves the week as typed, and that is saved.
TEST_P(wage_fields, passing_through_a_derived_amount_changes_nothing) {
  const wage_triplet_case& triplet = GetParam();
  const fs::path path = copy_to_folder(fixture_file("every_section.staff"));
  open_through_menu(path);
  const std::int32_t shown_id = editor().current_staff->StaffID;

  type_and_tab(triplet.weekly, "5000");
  ASSERT_EQ(QApplication::focusWidget(), edit(triplet.monthly));
  EXPECT_EQ(shown(triplet.weekly), "5,000");
  // Tab onwards from the month, untouched.
  QTest::keyClick(edit(triplet.monthly), Qt::Key_Tab);
  EXPECT_NE(QApplication::focusWidget(), edit(triplet.monthly));
  EXPECT_EQ(shown(triplet.weekly), "5,000");
  EXPECT_EQ(shown(triplet.monthly), triplet.month_of_5000);

  environment.dialogs.clear();
  window.menu_save->trigger();
  EXPECT_EQ(editor().current_staff->*triplet.saved, "5000");
  data_set saved;
  ASSERT_TRUE(reload_file(path, saved));
  EXPECT_EQ(find_staff(saved.records.staff_list, shown_id)->*triplet.saved, "5000");

  // A month the user types still drives the week and the year; the year is passed through.
  type_and_tab(triplet.monthly, "1000");
  QTest::keyClick(edit(triplet.yearly), Qt::Key_Tab);
  EXPECT_EQ(shown(triplet.weekly), triplet.week_of_1000);
  EXPECT_EQ(shown(triplet.yearly), "12,000");
}

INSTANTIATE_TEST_SUITE_P(both_triplets, wage_fields, testing::ValuesIn(triplets),
                         [](const testing::TestParamInfo<wage_triplet_case>& info) {
                           return std::string(info.param.weekly);
                         });

}  // namespace
