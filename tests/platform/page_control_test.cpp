#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>

#include "platform/focus_tracker.h"
#include "platform/page_control.h"

namespace {

// Fifteen-page record control in miniature: three pages and a switch that refuses changes.
class page_control_fixture : public testing::Test {
 protected:
  void SetUp() override {
    for (const char* caption : {"1. Pers", "2. Ctr", "3. Config"}) {
      pages.addTab(new QWidget, caption);
    }
    pages.set_changing_handler([this] {
      ++asked;
      return !filling_controls;
    });
    pages.set_change_handler([this] { ++changed; });
    pages.resize(400, 300);
    pages.show();
    QApplication::setActiveWindow(&pages);
    QApplication::processEvents();
  }

  void click_tab(int index) {
    QTabBar* bar = pages.tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
  }

  page_control pages;
  bool filling_controls = false;
  int asked = 0;
  int changed = 0;
};

TEST_F(page_control_fixture, a_user_click_is_asked_first_and_reported_after) {
  click_tab(2);
  EXPECT_EQ(pages.active_page_index(), 2);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(changed, 1);
}

TEST_F(page_control_fixture, a_refused_click_keeps_the_page_and_reports_nothing) {
  filling_controls = true;
  click_tab(1);
  EXPECT_EQ(pages.active_page_index(), 0);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(changed, 0);
}

TEST_F(page_control_fixture, clicking_the_page_already_shown_asks_nothing) {
  click_tab(0);
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(changed, 0);
}

TEST_F(page_control_fixture, a_change_by_keyboard_is_refused_as_well) {
  pages.tabBar()->setFocus();
  filling_controls = true;
  QTest::keyClick(pages.tabBar(), Qt::Key_Right);
  EXPECT_EQ(pages.active_page_index(), 0);
  EXPECT_EQ(changed, 0);

  filling_controls = false;
  QTest::keyClick(pages.tabBar(), Qt::Key_Right);
  EXPECT_EQ(pages.active_page_index(), 1);
  EXPECT_EQ(changed, 1);
}

TEST_F(page_control_fixture, the_program_changes_pages_without_asking_or_reporting) {
  filling_controls = true;
  pages.set_active_page_index(2);
  EXPECT_EQ(pages.active_page_index(), 2);
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(changed, 0);

  // The user's next change starts from the page the program chose.
  filling_controls = false;
  click_tab(1);
  EXPECT_EQ(pages.active_page_index(), 1);
  EXPECT_EQ(changed, 1);
}

}  // namespace

namespace {

TEST(page_control_with_focus, a_control_that_refuses_to_be_left_keeps_its_page) {
  QWidget window;
  auto* pages = new page_control(&window);
  auto* page = new QWidget;
  auto* edit = new QLineEdit(page);
  pages->addTab(page, "1. Pers");
  pages->addTab(new QWidget, "2. Ctr");
  pages->resize(400, 300);
  focus_tracker tracker(&window);
  bool allow_exit = false;
  int exits = 0;
  tracker.set_exit_handler(edit, [&] {
    ++exits;
    return allow_exit;
  });
  window.show();
  QApplication::setActiveWindow(&window);
  edit->setFocus();
  QApplication::processEvents();
  ASSERT_EQ(QApplication::focusWidget(), edit);

  QTabBar* bar = pages->tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
  EXPECT_EQ(pages->active_page_index(), 0);
  EXPECT_EQ(QApplication::focusWidget(), edit);
  EXPECT_EQ(exits, 1);

  allow_exit = true;
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
  EXPECT_EQ(pages->active_page_index(), 1);
  EXPECT_EQ(exits, 2);
}

}  // namespace
