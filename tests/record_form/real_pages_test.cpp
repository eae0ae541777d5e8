#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QStringListModel>
#include <QTabBar>
#include <QTabWidget>
#include <cstring>
#include <set>
#include <string>
#include <utility>

#include "form_test_support.h"
#include "platform/string_grid.h"
#include "real_pages_fixture.h"
#include "record_form/editor_state.h"
#include "record_form/record_pages.h"
#include "record_form/skin_tone_picture.h"
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
  // Layouts settle level by level, one round of posted events each.
  static void settle_layouts() {
    for (int round = 0; round < 10; ++round)
      QApplication::processEvents();
  }

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

// The controls of a page scroll within it when they need more room than it has; they never
// need more width than the record area has.
TEST_F(real_pages_form, every_page_fits_the_record_area_in_width) {
  ASSERT_EQ(pc_staff.count(), 15);
  for (int i = 0; i < pc_staff.count(); ++i) {
    const QScrollArea* scroll = pc_staff.widget(i)->findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr) << pc_staff.tabText(i).toStdString();
    EXPECT_LE(scroll->widget()->minimumSizeHint().width(), page_width)
        << pc_staff.tabText(i).toStdString();
  }
}

// With the detail panel of every item list showing, "3. Config" needs more height than the
// record area has: the page scrolls, and its grids keep six rows in view rather than squeeze.
TEST_F(real_pages_form, a_page_taller_than_the_record_area_scrolls_and_keeps_its_grid_rows) {
  QWidget* config = controls.find("tabsheet_staff_config");
  ASSERT_NE(config, nullptr);
  pc_staff.resize(page_width, page_height + pc_staff.tabBar()->sizeHint().height());
  pc_staff.show();
  settle_layouts();
  // The panels show while another page is in front, as when a record is shown.
  for (QWidget* child : config->findChildren<QWidget*>(QRegularExpression("^edit_staff_.*_panel$")))
    child->show();
  settle_layouts();
  pc_staff.setCurrentWidget(config);
  settle_layouts();

  const QScrollArea* scroll = config->findChild<QScrollArea*>();
  ASSERT_NE(scroll, nullptr);
  EXPECT_GE(scroll->widget()->height(), scroll->widget()->minimumSizeHint().height());
  EXPECT_GT(scroll->verticalScrollBar()->maximum(), 0);
  const QList<string_grid*> grids = config->findChildren<string_grid*>();
  ASSERT_GE(grids.size(), 3);
  for (const string_grid* grid : grids) {
    const int row_height = grid->verticalHeader()->defaultSectionSize();
    EXPECT_GE(grid->height(), 6 * row_height) << grid->objectName().toStdString();
  }
}

// The contract boxes clear on their own, so they are check boxes.
TEST_F(real_pages_form, the_contract_boxes_are_check_boxes) {
  const std::pair<const char*, const char*> boxes[] = {
      {"radiobutton_staff_club_contract", "&Club contract"},
      {"radiobutton_staff_nation_contract", "&Nation contract"},
      {"radiobutton_staff_club_contract_mls_specific", "&MLS Specific"},
  };
  for (const auto& [name, caption] : boxes) {
    const auto* box = controls.get<QCheckBox>(name);
    ASSERT_NE(box, nullptr) << name;
    EXPECT_EQ(box->text(), caption);
  }
}

// The head's frame keeps its size and place whether or not a skin tone is chosen, and so does
// the player picture beside it.
TEST_F(real_pages_form, the_skin_tone_frame_keeps_its_place_with_or_without_a_head) {
  controls.choice_model("skin_colour_list")->setStringList({"255;255;255;0", "200;150;100;1"});
  auto* skin_tone = controls.get<QComboBox>("staff_skin_tone");
  QWidget* frame = controls.find("Shape61");
  QWidget* head = controls.find("staff_skin_tone_display");
  QWidget* picture = controls.find("Image4");
  ASSERT_NE(skin_tone, nullptr);
  ASSERT_NE(frame, nullptr);
  ASSERT_NE(head, nullptr);
  ASSERT_NE(picture, nullptr);
  QWidget* page = controls.find("tabsheet_staff_details");
  pc_staff.setCurrentWidget(page);
  controls.get<QTabWidget>("personal_pc")->setCurrentWidget(controls.find("TabSheet6"));
  pc_staff.resize(page_width, page_height);
  pc_staff.show();

  const auto place_of = [&](const QWidget* widget) {
    QApplication::processEvents();
    return QRect(widget->mapTo(page, QPoint(0, 0)), widget->size());
  };
  skin_tone->setCurrentIndex(0);
  show_staff_skin_tone_display(controls);
  ASSERT_FALSE(head->isVisible());
  const QRect frame_without_head = place_of(frame);
  const QRect picture_without_head = place_of(picture);

  skin_tone->setCurrentIndex(1);
  show_staff_skin_tone_display(controls);
  ASSERT_TRUE(head->isVisible());
  EXPECT_EQ(frame_without_head.size(), QSize(182, 182));
  EXPECT_EQ(place_of(frame), frame_without_head);
  EXPECT_EQ(place_of(picture), picture_without_head);
  EXPECT_EQ(head->geometry(), QRect(1, 1, 180, 180));
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
