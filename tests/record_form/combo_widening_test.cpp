#include "record_form/combo_widening.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>

#include "platform/combo_helpers.h"
#include "record_form/form_controls.h"

namespace {

// An 800-pixel window holding a panel at x 100 that holds two combos at x 50.
class combo_widening : public testing::Test {
 protected:
  combo_widening() {
    window.resize(800, 600);
    panel = new QWidget(&window);
    panel->setGeometry(100, 20, 600, 400);
    widened = add_combo("staff_history_club");
    other = add_combo("staff_nation");
    bind_combo_widening(controls);
  }

  QComboBox* add_combo(const char* name) {
    auto* combo = new QComboBox(panel);
    combo->setObjectName(name);
    combo->setGeometry(50, 10, 120, 22);
    controls.add(combo);
    return combo;
  }

  static void press_a_key(QComboBox* combo) {
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QApplication::sendEvent(combo, &key);
  }

  QWidget window;
  QWidget* panel = nullptr;
  form_controls controls;
  QComboBox* widened = nullptr;
  QComboBox* other = nullptr;
};

TEST_F(combo_widening, the_list_reaches_the_windows_right_edge) {
  increase_combo_width(widened);
  EXPECT_EQ(dropped_width(widened), 800 - 100 - 50);
  // The width follows the window at each drop-down.
  window.resize(1000, 600);
  press_a_key(widened);
  EXPECT_EQ(dropped_width(widened), 1000 - 100 - 50);
}

TEST_F(combo_widening, only_the_long_list_combos_are_widened) {
  const int before = dropped_width(other);
  press_a_key(other);
  EXPECT_EQ(dropped_width(other), before);
}

}  // namespace
