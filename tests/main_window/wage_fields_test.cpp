#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

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

// The six wage edits, each with its triplet.
struct wage_edit_case {
  const char* name;
  const wage_triplet_case* triplet;
};

void PrintTo(const wage_edit_case& wage_edit, std::ostream* out) {
  *out << wage_edit.name;
}

std::vector<wage_edit_case> every_wage_edit() {
  std::vector<wage_edit_case> edits;
  for (const wage_triplet_case& triplet : triplets) {
    for (const char* name : {triplet.weekly, triplet.monthly, triplet.yearly})
      edits.push_back({name, &triplet});
  }
  return edits;
}

// The program refills the wage edit the user is in: what it writes there is no typing.
class wage_refills : public file_menu_test, public testing::WithParamInterface<wage_edit_case> {
 protected:
  // Each record with its own weekly wages, amounts whose month and year do not convert back to
  // them exactly.
  fs::path write_distinct_wages() {
    data_set data;
    EXPECT_TRUE(reload_file(fixture_file("every_section.staff"), data));
    long long weekly = 1001;
    for (auto& staff : data.records.staff_list) {
      staff->StaffEstimatedWageText = std::to_string(weekly);
      staff->StaffEstimatedWage = static_cast<std::int32_t>(weekly);
      staff->StaffFutureTransferEstimatedWageText = std::to_string(weekly);
      staff->StaffFutureTransferEstimatedWage = static_cast<std::int32_t>(weekly);
      weekly += 1000;
    }
    return write_as_saved(data, "Wages.staff");
  }

  QLineEdit* focused_edit() { return edit(GetParam().name); }

  // The other two edits of the triplet.
  std::vector<const char*> others() const {
    const wage_triplet_case& triplet = *GetParam().triplet;
    std::vector<const char*> names;
    for (const char* name : {triplet.weekly, triplet.monthly, triplet.yearly}) {
      if (std::string_view(name) != GetParam().name)
        names.push_back(name);
    }
    return names;
  }
};

// Left untyped after the record switched under it, the edit drives nothing: a derived amount of
// the record now shown would drive a weekly amount off by one.
TEST_P(wage_refills, a_record_shown_under_the_focus_is_no_typing) {
  open_through_menu(write_distinct_wages());
  const qor_staff* first = editor().current_staff;
  const qor_staff* second = store().staff_list.front().get() != first
                                ? store().staff_list.front().get()
                                : store().staff_list.back().get();
  focus_on(GetParam().name);
  select_staff(second->StaffID);
  ASSERT_EQ(editor().current_staff, second);
  ASSERT_EQ(QApplication::focusWidget(), focused_edit());
  const qor_staff as_shown = *second;
  environment.dialogs.clear();

  QTest::keyClick(focused_edit(), Qt::Key_Tab);
  select_staff(first->StaffID);

  EXPECT_TRUE(same_record(*second, as_shown));
  EXPECT_FALSE(editor().data_modified);
  EXPECT_TRUE(environment.dialogs.shown().empty());
}

// Typing after Edit > Add staff drives the other two, also an amount the edit showed when the
// user entered it for the record before. Add staff takes the focus to the first name, so the
// user comes back to the edit.
TEST_P(wage_refills, typing_after_add_staff_drives_the_other_two) {
  open_through_menu(write_distinct_wages());
  focus_on(GetParam().name);
  const QString entered = focused_edit()->text();
  ASSERT_FALSE(entered.isEmpty());
  window.menu_new->trigger();
  focus_on(GetParam().name);
  ASSERT_EQ(QApplication::focusWidget(), focused_edit());
  ASSERT_EQ(focused_edit()->text(), "");

  QTest::keyClicks(focused_edit(), entered);
  QTest::keyClick(focused_edit(), Qt::Key_Tab);

  for (const char* other : others())
    EXPECT_NE(edit(other)->text(), "") << other;
}

INSTANTIATE_TEST_SUITE_P(every_wage_edit, wage_refills, testing::ValuesIn(every_wage_edit()),
                         [](const testing::TestParamInfo<wage_edit_case>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
