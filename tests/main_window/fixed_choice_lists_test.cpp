#include "main_window/fixed_choice_lists.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QWidget>

#include "record_form/form_controls.h"
#include "window_test_support.h"

namespace {

class fixed_choice_filling : public testing::Test {
 protected:
  QComboBox* add_combo(const char* name) {
    auto* combo = new QComboBox(&form);
    combo->setObjectName(name);
    controls.add(combo);
    return combo;
  }

  void fill() {
    fill_fixed_choice_lists([this](std::string_view name) { return controls.get<QComboBox>(name); },
                            controls);
  }

  window_test_environment environment;
  QWidget form;
  form_controls controls;
};

TEST_F(fixed_choice_filling, lists_of_one_table_share_its_items_by_position) {
  QComboBox* classification = add_combo("staff_classification");
  QComboBox* classification2 = add_combo("staff_classification2");
  QComboBox* ethnicity = add_combo("staff_ethnicity");
  QComboBox* second_name_ethnicity = add_combo("staff_second_name_ethnicity");
  fill();

  EXPECT_EQ(classification->count(), 4);
  EXPECT_EQ(classification->itemText(2), "Player");
  EXPECT_EQ(classification2->model(), classification->model());
  EXPECT_EQ(ethnicity->count(), 12);
  EXPECT_EQ(ethnicity->itemText(11), "East Asian");
  EXPECT_EQ(second_name_ethnicity->model(), ethnicity->model());
}

TEST_F(fixed_choice_filling, sort_and_average_choices_hold_their_whole_tables) {
  QComboBox* sort_by = add_combo("sort_by_attribute");
  QComboBox* average = add_combo("avg_attribute_var");
  QComboBox* scope = add_combo("staff_long_term_career_scope");
  fill();

  ASSERT_EQ(sort_by->count(), 139);
  EXPECT_EQ(sort_by->itemText(0), "FirstName; 0");
  ASSERT_EQ(average->count(), 60);
  EXPECT_EQ(average->itemText(8), "Sportsmanship");
  EXPECT_EQ(average->itemText(42), "Right_Foot");
  EXPECT_EQ(average->itemText(58), "Sportsmanship");
  EXPECT_EQ(scope->itemText(2), "Nation; 2");
}

TEST_F(fixed_choice_filling, filling_again_replaces_the_items) {
  QComboBox* hair = add_combo("staff_hair_colour");
  fill();
  fill();
  EXPECT_EQ(hair->count(), 8);
  fill_items_from_array(hair, {});
  EXPECT_EQ(hair->count(), 0);
}

}  // namespace
