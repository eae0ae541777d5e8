// The record pages a staff member does not have (a player's coach page, a non-player's player
// pages) stay out of sight whatever the user does on the tab bar: any key with any modifiers, the
// mouse wheel, an accessibility action.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>
#include <string>
#include <vector>

#include "platform/focus_tracker.h"
#include "platform/page_control.h"
#include "record_form/editor_state.h"
#include "three_kinds_file_test.h"

namespace {

class hidden_pages : public three_kinds_file_test {
 protected:
  // The pages of the record on screen that the user can see.
  std::vector<int> pages_shown() const {
    std::vector<int> shown;
    for (int index = 0; index < pages->count(); ++index) {
      if (pages->isTabVisible(index) && pages->isTabEnabled(index))
        shown.push_back(index);
    }
    return shown;
  }

  std::string page_caption() const { return pages->tabText(pages->currentIndex()).toStdString(); }

  void expect_a_page_shown(const std::vector<int>& shown) {
    EXPECT_TRUE(std::ranges::find(shown, pages->currentIndex()) != shown.end())
        << "a page the record does not have: " << page_caption();
  }

  void expect_no_message() {
    for (const auto& shown : environment.dialogs.shown())
      ADD_FAILURE() << "a message on the way: " << shown.text.toStdString();
  }

  page_control* pages = window.pc_staff;
  const std::int32_t kinds[3] = {player_id, non_player_id, both_id};
};

// Every combination of the four modifiers, none included.
std::vector<Qt::KeyboardModifiers> every_modifier_combination() {
  constexpr Qt::KeyboardModifier modifiers[] = {Qt::ShiftModifier, Qt::ControlModifier,
                                                Qt::AltModifier, Qt::MetaModifier};
  std::vector<Qt::KeyboardModifiers> combinations;
  for (unsigned bits = 0; bits < 1u << std::size(modifiers); ++bits) {
    Qt::KeyboardModifiers combination;
    for (std::size_t at = 0; at < std::size(modifiers); ++at) {
      if ((bits & (1u << at)) != 0)
        combination |= modifiers[at];
    }
    combinations.push_back(combination);
  }
  return combinations;
}

std::string name_of(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  return QKeySequence(QKeyCombination(modifiers, key)).toString().toStdString();
}

// From the tab bar, as after a click on a tab, the arrows walk the record's pages with any
// modifiers and stop at the ends, and the page keys never show another page: the tab bar and
// the tab widget themselves take the arrows and Ctrl+Tab with other modifiers too, and would walk
// into the hidden pages.
TEST_F(hidden_pages, no_key_on_the_tab_bar_shows_a_page_the_record_does_not_have) {
  environment.dialogs.clear();
  for (const std::int32_t id : kinds) {
    select_staff(id);
    const std::vector<int> shown = pages_shown();
    for (const Qt::KeyboardModifiers modifiers : every_modifier_combination()) {
      for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_Tab, Qt::Key_Backtab}) {
        SCOPED_TRACE("staff " + std::to_string(id) + ", " + name_of(key, modifiers));
        const bool backwards = key == Qt::Key_Left || key == Qt::Key_Backtab;
        const int start = backwards ? shown.back() : shown.front();
        pages->set_active_page_index(start);
        std::vector<int> seen;
        for (std::size_t press = 0; press < shown.size(); ++press) {
          pages->tabBar()->setFocus(Qt::MouseFocusReason);
          QTest::keyClick(pages->tabBar(), key, modifiers);
          expect_a_page_shown(shown);
          seen.push_back(pages->currentIndex());
        }
        if (key == Qt::Key_Right || key == Qt::Key_Left) {
          std::vector<int> walk(shown.begin() + 1, shown.end());
          if (backwards)
            walk.assign(shown.rbegin() + 1, shown.rend());
          walk.push_back(walk.back());  // the last press finds the end
          EXPECT_EQ(seen, walk);
        }
      }
    }
  }
  expect_no_message();
}

// From a field on the page before a hidden one, Tab and Ctrl+Tab with any modifiers show no page
// the record does not have, and none passes a field that refuses its value: the tab widget took
// Ctrl+Alt+Tab itself, without the field's check.
TEST_F(hidden_pages, no_tab_key_from_a_field_skips_its_check_or_shows_a_page_the_record_lacks) {
  struct field_before_hidden_page {
    std::int32_t id;
    const char* field;
  };
  const field_before_hidden_page fields[] = {
      {player_id, "staff_ambition"},                // "5. Traits", before "6. Coach"
      {non_player_id, "staff_np_current_ability"},  // "6. Coach", before "7. Pos"
  };
  for (const field_before_hidden_page& at : fields) {
    select_staff(at.id);
    const std::vector<int> shown = pages_shown();
    QLineEdit* field = edit(at.field);
    const QString value = field->text();
    for (const Qt::KeyboardModifiers modifiers : every_modifier_combination()) {
      for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
        SCOPED_TRACE(std::string(at.field) + ", " + name_of(key, modifiers));
        focus_on(at.field);
        QTest::keyClick(field, key, modifiers);
        expect_a_page_shown(shown);

        focus_on(at.field);
        const int page = pages->currentIndex();
        field->setText("999");
        QTest::keyClick(field, key, modifiers);
        EXPECT_EQ(pages->currentIndex(), page);
        EXPECT_EQ(QApplication::focusWidget(), field);
        field->setText(value);
      }
    }
  }
  EXPECT_FALSE(editor().data_modified);
}

// The wheel turned over the tabs, either way, leaves the page as it is.
TEST_F(hidden_pages, the_wheel_over_the_tab_bar_changes_no_page) {
  for (const std::int32_t id : kinds) {
    select_staff(id);
    const std::vector<int> shown = pages_shown();
    for (const int start : {shown.front(), shown[shown.size() / 2], shown.back()}) {
      for (const int notches : {-1, 1}) {
        SCOPED_TRACE("staff " + std::to_string(id) + ", page " + std::to_string(start) +
                     ", notches " + std::to_string(notches));
        pages->set_active_page_index(start);
        QTabBar* bar = pages->tabBar();
        const QPointF at = bar->tabRect(start).center();
        QWheelEvent turn(at, bar->mapToGlobal(at), QPoint(),
                         QPoint(0, notches * QWheelEvent::DefaultDeltasPerStep), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar, &turn);
        EXPECT_EQ(pages->currentIndex(), start);
      }
    }
  }
}

// A screen reader's press on a hidden tab is refused by the page control itself; a press on a
// shown tab changes the page as a click would.
TEST_F(hidden_pages, an_accessibility_press_shows_no_page_the_record_does_not_have) {
  environment.dialogs.clear();
  for (const std::int32_t id : kinds) {
    select_staff(id);
    const std::vector<int> shown = pages_shown();
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(pages->tabBar());
    ASSERT_NE(bar, nullptr);
    for (int index = 0; index < pages->count(); ++index) {
      SCOPED_TRACE("staff " + std::to_string(id) + ", " + pages->tabText(index).toStdString());
      pages->set_active_page_index(shown.front());
      QAccessibleInterface* tab = bar->child(index);
      ASSERT_NE(tab, nullptr);
      ASSERT_NE(tab->actionInterface(), nullptr);
      tab->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
      const bool has_page = std::ranges::find(shown, index) != shown.end();
      EXPECT_EQ(pages->currentIndex(), has_page ? index : shown.front());
    }
  }
  expect_no_message();
}

// Ctrl+Tab takes the page after the one on screen as the field left sees it once its exit
// handler has run: here the handler makes the non-player and player a non-player, as a change
// of classification does, so the player pages after the coach page go.
TEST_F(hidden_pages, ctrl_tab_skips_the_pages_the_fields_exit_handler_hides) {
  environment.dialogs.clear();
  select_staff(both_id);
  focus_on("staff_np_current_ability");
  ASSERT_EQ(pages->currentWidget()->objectName(), "tabsheet_staff_np1");
  auto* classification = window.controls().get<QComboBox>("staff_classification");
  ASSERT_NE(classification, nullptr);
  window.focus().set_exit_handler(window.controls().find("staff_np_current_ability"), [&] {
    classification->setCurrentIndex(1);
    emit classification->activated(1);  // as the user's choice does
    return true;
  });
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(pages->currentWidget()->objectName().toStdString(), "tabsheet_staff_pl_histories");
  EXPECT_FALSE(pages->isTabVisible(pages->indexOf(window.controls().find("tabsheet_staff_pl1"))));
  expect_no_message();
}

}  // namespace
