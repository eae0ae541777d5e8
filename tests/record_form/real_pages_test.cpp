#include <gtest/gtest.h>

#include <QTabWidget>
#include <cstring>
#include <set>
#include <string>

#include "form_test_support.h"
#include "real_pages_fixture.h"
#include "record_form/editor_state.h"
#include "record_form/record_pages.h"
#include "record_form/staff_commit.h"

namespace {

// The record pages share the 1320 x 840 client area with the staff list (172 pixels with its
// splitter), the menu, the status bar, two rows of tabs, the name line and the sort panel.
constexpr int page_width = 1140;
constexpr int page_height = 690;

TEST(real_pages, names_are_unique_and_every_row_finds_its_container) {
  std::set<std::string> names;
  for (const page_spec& page : record_page_specs()) {
    std::set<std::string> containers{page.name};
    for (const container_spec& container : page.containers) {
      EXPECT_TRUE(names.insert(container.name).second) << container.name;
      if (container.parent != nullptr) {
        EXPECT_TRUE(containers.count(container.parent)) << container.name;
      }
      containers.insert(container.name);
    }
    for (const control_spec& row : page.controls) {
      EXPECT_TRUE(names.insert(row.name).second) << row.name;
      if (row.label_name != nullptr) {
        EXPECT_TRUE(names.insert(row.label_name).second) << row.name;
      }
      if (row.container != nullptr) {
        EXPECT_TRUE(containers.count(row.container)) << row.name;
      }
    }
  }
}

class real_pages_form : public ::testing::Test {
 protected:
  real_pages_form() : locale_(english_locale(), test_clock()) {
    saved_lookups_ = lookups();
    editor().data_modified = false;
    build_record_pages(&pc_staff, controls);
    real_pages_fixture::fill_choice_lists(record_page_specs(), controls);
  }
  ~real_pages_form() override {
    lookups() = saved_lookups_;
    editor().data_modified = false;
  }

  scoped_app_locale locale_;
  scoped_scripted_dialogs dialogs;
  QTabWidget pc_staff;
  form_controls controls;

 private:
  lookup_lists saved_lookups_;
};

TEST_F(real_pages_form, every_page_fits_the_record_area) {
  ASSERT_EQ(pc_staff.count(), 15);
  for (int i = 0; i < pc_staff.count(); ++i) {
    const QSize size = pc_staff.widget(i)->minimumSizeHint();
    EXPECT_LE(size.width(), page_width) << pc_staff.tabText(i).toStdString();
    EXPECT_LE(size.height(), page_height) << pc_staff.tabText(i).toStdString();
  }
}

TEST_F(real_pages_form, every_bound_row_has_its_control) {
  for (const page_spec& page : record_page_specs()) {
    for (const control_spec& row : page.controls) {
      EXPECT_NE(controls.find(row.name), nullptr) << row.name;
      EXPECT_EQ(find_control_spec(row.name), &row);
    }
  }
}

TEST_F(real_pages_form, showing_then_committing_a_whole_record_changes_no_field) {
  qor_staff staff = real_pages_fixture::fixture_staff(record_page_specs());
  const qor_staff before = staff;
  fill_staff_fields(staff, controls);
  EXPECT_TRUE(apply_staff(&staff, controls));
  EXPECT_EQ(std::memcmp(&staff, &before, sizeof staff), 0);
  EXPECT_FALSE(editor().data_modified);
  EXPECT_TRUE(dialogs.shown().empty()) << dialogs.last().text.toStdString();
}

TEST_F(real_pages_form, showing_then_committing_an_empty_record_changes_no_field) {
  qor_staff staff;
  const qor_staff before = staff;
  fill_staff_fields(staff, controls);
  EXPECT_TRUE(apply_staff(&staff, controls));
  EXPECT_EQ(std::memcmp(&staff, &before, sizeof staff), 0);
  EXPECT_FALSE(editor().data_modified);
}

}  // namespace
