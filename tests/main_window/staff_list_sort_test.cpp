#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <string>
#include <vector>

#include "main_window/main_window.h"
#include "platform/owner_drawn_list_view.h"
#include "platform/win1252.h"
#include "record_form/editor_state.h"
#include "records/record_store.h"
#include "records/staff_sort.h"
#include "staff_list_test_records.h"
#include "window_test_support.h"

namespace {

class staff_list_sort : public testing::Test {
 protected:
  staff_list_sort() {
    window.show();
    set_up_home_club_file();
  }

  std::vector<std::string> entry_texts() {
    std::vector<std::string> texts;
    for (int index = 0; index < window.list_box->count(); ++index)
      texts.push_back(to_win1252(window.list_box->entry_text(index)));
    return texts;
  }
  std::string sorted_by() { return to_win1252(window.currently_sorted_by_label->text()); }

  window_test_environment environment;
  Tfrm_main window;
};

TEST_F(staff_list_sort, the_sort_panel_starts_with_every_attribute_and_no_label_text) {
  ASSERT_NE(window.sort_by_attribute, nullptr);
  EXPECT_EQ(window.sort_by_attribute->count(), 139);
  EXPECT_EQ(window.sort_by_attribute->itemText(128), "ClubCaptain; 129");
  EXPECT_EQ(window.currently_sorted_by_label->text(), "\"\"");
  EXPECT_EQ(window.sort_asc_btn->text(), "Ascending");
  EXPECT_EQ(window.sort_desc_btn->text(), "Descending");
}

TEST_F(staff_list_sort, a_sort_button_commits_sorts_and_shows_the_first_record) {
  qor_staff& adams = add_test_staff(1, "Adams", "Amy");
  adams.StaffDateOfBirth = "01/01/1990";
  qor_staff& brown = add_test_staff(2, "Brown", "Bob");
  brown.StaffDateOfBirth = "05/05/1985";
  qor_staff& clark = add_test_staff(3, "Clark", "Cy");
  list_by_name_and_select_first(window);
  window.controls().get<QLineEdit>("staff_first_name")->setText("Amelia");

  window.sort_by_attribute->setCurrentIndex(3);  // "DateOfBirth; 3"
  window.sort_asc_btnClick();
  EXPECT_EQ(adams.StaffFirstName.view(), "Amelia");
  EXPECT_EQ(entry_texts(), (std::vector<std::string>{"Clark, Cy (empty)", "Brown, Bob (05/05/1985)",
                                                     "Adams, Amelia (01/01/1990)"}));
  EXPECT_EQ(store().staff_list.front().get(), &clark);
  EXPECT_EQ(editor().current_staff, &clark);
  EXPECT_EQ(editor().current_staff_index, 0);
  EXPECT_EQ(window.list_box->item_index(), 0);
  EXPECT_EQ(window.label_staff->text(), "Home FC Staff");
  EXPECT_EQ(sorted_by(), "DateOfBirth (ascending)");
  EXPECT_TRUE(window.list_sorted);
  EXPECT_EQ(window.sort_attribute, 3);

  window.sort_desc_btnClick();
  EXPECT_EQ(entry_record(window, 0), &adams);
  EXPECT_EQ(entry_record(window, 2), &clark);
  EXPECT_EQ(editor().current_staff, &adams);
  EXPECT_EQ(sorted_by(), "DateOfBirth (descending)");
}

TEST_F(staff_list_sort, a_row_carries_its_own_attribute_number) {
  add_test_staff(1, "Adams", "Amy");
  list_by_name_and_select_first(window);

  window.sort_by_attribute->setCurrentIndex(128);
  window.sort_asc_btnClick();
  EXPECT_EQ(window.sort_attribute, 129);
  EXPECT_EQ(sorted_by(), "ClubCaptain (ascending)");

  window.sort_by_attribute->setCurrentIndex(129);
  window.sort_desc_btnClick();
  EXPECT_EQ(window.sort_attribute, 128);
  EXPECT_EQ(sorted_by(), "MediaJob (descending)");
}

TEST_F(staff_list_sort, with_no_row_chosen_the_buttons_sort_by_staff_id) {
  add_test_staff(3, "Adams", "Amy");
  add_test_staff(1, "Clark", "Cy");
  add_test_staff(2, "Brown", "Bob");
  list_by_name_and_select_first(window);

  window.sort_by_attribute->setCurrentIndex(-1);
  window.sort_asc_btnClick();
  EXPECT_EQ(entry_texts(), (std::vector<std::string>{"Clark, Cy (empty)", "Brown, Bob (empty)",
                                                     "Adams, Amy (empty)"}));
  EXPECT_EQ(window.sort_attribute, -1);
  EXPECT_EQ(sorted_by(), " (ascending)");
}

// Saving puts the staff vector in id order; a later change of attribute lists that order and
// must keep the record on screen selected, wherever its entry now is.
TEST_F(staff_list_sort, attribute_change_after_a_reorder_reselects_the_current_record) {
  add_test_staff(1, "Zeller", "Zoe");
  add_test_staff(2, "Adams", "Amy");
  qor_staff& moore = add_test_staff(3, "Moore", "Max");
  list_by_name_and_select_first(window);  // Adams, Moore, Zeller
  click_entry(window, 1);
  ASSERT_EQ(editor().current_staff, &moore);

  sort_staff(store().staff_list, -1, false);  // as the writer leaves it
  window.sort_by_attribute->setCurrentIndex(0);
  window.sort_by_attributeChange();

  EXPECT_EQ(entry_texts(), (std::vector<std::string>{"Zeller, Zoe (Zoe)", "Adams, Amy (Amy)",
                                                     "Moore, Max (Max)"}));
  EXPECT_EQ(editor().current_staff, &moore);
  EXPECT_EQ(editor().current_staff_index, 2);
  EXPECT_EQ(window.list_box->item_index(), 2);
  EXPECT_EQ(entry_record(window, window.list_box->item_index()), &moore);
  EXPECT_TRUE(window.list_shows_attribute);
  EXPECT_EQ(window.currently_sorted_by_label->text(), "\"\"");
}

TEST_F(staff_list_sort, attribute_change_after_a_sort_keeps_the_order_and_commits) {
  qor_staff& adams = add_test_staff(1, "Adams", "Amy");
  add_test_staff(2, "Brown", "Bob");
  add_test_staff(3, "Clark", "Cy");
  list_by_name_and_select_first(window);
  window.sort_by_attribute->setCurrentIndex(1);  // "SecondName; 1"
  window.sort_desc_btnClick();                   // Clark, Brown, Adams
  click_entry(window, 2);
  window.controls().get<QLineEdit>("staff_first_name")->setText("Amelia");

  window.sort_by_attribute->setCurrentIndex(0);  // "FirstName; 0"
  window.sort_by_attributeChange();
  EXPECT_EQ(adams.StaffFirstName.view(), "Amelia");
  EXPECT_EQ(entry_texts(), (std::vector<std::string>{"Clark, Cy (Cy)", "Brown, Bob (Bob)",
                                                     "Adams, Amelia (Amelia)"}));
  EXPECT_EQ(editor().current_staff, &adams);
  EXPECT_EQ(window.list_box->item_index(), 2);
  EXPECT_EQ(sorted_by(), "SecondName (descending)");
}

}  // namespace
