#include <gtest/gtest.h>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QStringListModel>

#include "platform/combo_helpers.h"
#include "platform/control_colors.h"
#include "platform/control_tag.h"
#include "platform/item_objects.h"

namespace {

struct record {
  int id;
};

TEST(control_tag, is_zero_until_set_and_keeps_negative_values) {
  QLabel label;
  EXPECT_EQ(control_tag(&label), 0);
  set_control_tag(&label, -99);
  EXPECT_EQ(control_tag(&label), -99);
  set_control_tag(&label, -10);
  EXPECT_EQ(control_tag(&label), -10);
}

// A control made where a destroyed one lived starts with none of the old one's values.
TEST(control_tag, a_control_in_a_destroyed_controls_place_starts_unset) {
  alignas(QLabel) unsigned char place[sizeof(QLabel)];
  auto* first = new (place) QLabel;
  set_control_tag(first, 12);
  set_font_color(first, clRed);
  set_control_cursor(first, crHandPoint);
  first->~QLabel();
  auto* second = new (place) QLabel;
  EXPECT_EQ(control_tag(second), 0);
  EXPECT_EQ(font_color(second), clWindowText);
  EXPECT_EQ(control_cursor(second), crDefault);
  second->~QLabel();
}

TEST(item_objects, list_entries_combo_items_and_grid_rows_carry_their_objects) {
  record first{1}, second{2};
  QListWidget list;
  EXPECT_EQ(add_list_entry(&list, "first", &first), 0);
  EXPECT_EQ(add_list_entry(&list, "second", &second), 1);
  EXPECT_EQ(entry_object<record>(&list, 1), &second);
  set_entry_object(&list, 1, &first);
  EXPECT_EQ(entry_object<record>(&list, 1), &first);
  EXPECT_EQ(entry_object<record>(&list, 2), nullptr);
  EXPECT_EQ(entry_object<record>(&list, -1), nullptr);

  QComboBox combo;
  combo.addItem("plain");
  add_combo_item(&combo, "carried", &second);
  EXPECT_EQ(combo_object<record>(&combo, 0), nullptr);
  EXPECT_EQ(combo_object<record>(&combo, 1), &second);
  EXPECT_EQ(combo_object<record>(&combo, 5), nullptr);

  QTableWidget grid(3, 2);
  set_row_object(&grid, 2, &first);  // creates the missing cell (0, 2)
  EXPECT_EQ(row_object<record>(&grid, 2), &first);
  EXPECT_EQ(row_object<record>(&grid, 1), nullptr);
  EXPECT_EQ(row_object<record>(&grid, 9), nullptr);
  EXPECT_EQ(grid.item(2, 0)->text(), QString());
}

struct bgr_case {
  tcolor color;
  QColor expected;
};

class color_from_bgr_values : public testing::TestWithParam<bgr_case> {};

// The low byte is red, the third byte blue.
TEST_P(color_from_bgr_values, reads_the_bytes_as_blue_green_red) {
  EXPECT_EQ(color_from_bgr(GetParam().color), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    colors, color_from_bgr_values,
    testing::Values(bgr_case{clRed, QColor(255, 0, 0)}, bgr_case{clGreen, QColor(0, 128, 0)},
                    bgr_case{clNavy, QColor(0, 0, 128)}, bgr_case{clMaroon, QColor(128, 0, 0)},
                    bgr_case{clYellow, QColor(255, 255, 0)}, bgr_case{clBlue, QColor(0, 0, 255)},
                    bgr_case{0xF0CAA6, QColor(0xA6, 0xCA, 0xF0)},
                    bgr_case{clMoneyGreen, QColor(0xC0, 0xDC, 0xC0)}));

TEST(color_from_bgr, system_colours_come_from_the_application_palette) {
  const QPalette palette = QApplication::palette();
  EXPECT_EQ(color_from_bgr(clWindowText), palette.color(QPalette::WindowText));
  EXPECT_EQ(color_from_bgr(clWindow), palette.color(QPalette::Base));
  EXPECT_EQ(color_from_bgr(clHighlight), palette.color(QPalette::Highlight));
  EXPECT_EQ(color_from_bgr(clBtnFace), palette.color(QPalette::Button));
}

TEST(font_color, is_asked_back_exactly_and_shown_through_the_palette) {
  QWidget parent;
  auto* label = new QLabel("Pace", &parent);
  const QColor plain = label->palette().color(QPalette::WindowText);
  EXPECT_EQ(font_color(label), clWindowText);

  set_font_color(label, clRed);
  EXPECT_EQ(font_color(label), clRed);
  EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));

  set_font_color(label, clGreen);
  EXPECT_EQ(font_color(label), clGreen);
  EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 128, 0));

  set_font_color(label, clWindowText);
  EXPECT_EQ(font_color(label), clWindowText);
  EXPECT_EQ(label->palette().color(QPalette::WindowText), plain);
}

TEST(font_color, leaves_a_background_colour_alone) {
  QLabel label;
  QPalette palette = label.palette();
  palette.setColor(QPalette::Window, color_from_bgr(clMoneyGreen));
  label.setPalette(palette);
  set_font_color(&label, clRed);
  set_font_color(&label, clWindowText);
  EXPECT_EQ(label.palette().color(QPalette::Window), color_from_bgr(clMoneyGreen));
}

TEST(control_cursor, switches_between_hand_point_and_default) {
  QWidget parent;
  auto* label = new QLabel("Pace", &parent);
  EXPECT_EQ(control_cursor(label), crDefault);
  set_control_cursor(label, crHandPoint);
  EXPECT_EQ(control_cursor(label), crHandPoint);
  EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
  set_control_cursor(label, crDefault);
  EXPECT_EQ(control_cursor(label), crDefault);
  EXPECT_EQ(label->cursor().shape(), Qt::ArrowCursor);
}

TEST(screen_cursor, hour_glass_while_busy_and_nothing_left_afterwards) {
  set_screen_cursor(crHourGlass);
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  set_screen_cursor(crHourGlass);  // twice busy still needs one reset only
  set_screen_cursor(crDefault);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(combo_helpers, dropped_width_sets_the_least_width_of_the_list) {
  QComboBox combo;
  combo.addItems({"Stockholm", "Sankt Petersburg"});
  set_dropped_width(&combo, 640);
  EXPECT_EQ(dropped_width(&combo), 640);
  EXPECT_GE(combo.view()->minimumWidth(), 640);
}

TEST(combo_helpers, light_size_policy_does_not_measure_the_items) {
  QComboBox combo;
  use_light_size_policy(&combo, 12);
  EXPECT_EQ(combo.sizeAdjustPolicy(), QComboBox::AdjustToMinimumContentsLengthWithIcon);
  EXPECT_EQ(combo.minimumContentsLength(), 12);
}

TEST(combo_helpers, combos_sharing_a_model_keep_their_own_selection) {
  QObject owner;
  QStringListModel* model = make_shared_list_model({"Not set; 0", "Spain; 5", "Sweden; 7"}, &owner);
  QComboBox first, second;
  share_list_model(&first, model);
  share_list_model(&second, model);
  first.setCurrentIndex(1);
  second.setCurrentIndex(2);
  EXPECT_EQ(first.currentText(), "Spain; 5");
  EXPECT_EQ(second.currentText(), "Sweden; 7");

  model->setStringList({"Not set; 0", "Spain; 5", "Sweden; 7", "Togo; 9"});
  EXPECT_EQ(first.count(), 4);
  EXPECT_EQ(second.count(), 4);
}

TEST(combo_helpers, a_shared_model_outlives_a_combo_that_used_it) {
  QObject owner;
  QStringListModel* model = make_shared_list_model({"a", "b"}, &owner);
  {
    QComboBox short_lived;
    share_list_model(&short_lived, model);
  }
  QComboBox later;
  share_list_model(&later, model);
  EXPECT_EQ(later.count(), 2);
}

}  // namespace
