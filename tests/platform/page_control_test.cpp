#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>
#include <QWheelEvent>
#include <functional>
#include <string>

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

// A click on a disabled tab changes nothing and asks nothing, and leaves no allowance behind for
// a later change to the same page.
TEST_F(page_control_fixture, a_click_on_a_disabled_tab_leaves_no_allowance_behind) {
  pages.setTabEnabled(2, false);
  click_tab(2);
  EXPECT_EQ(pages.active_page_index(), 0);
  EXPECT_EQ(asked, 0);

  pages.setTabEnabled(2, true);
  filling_controls = true;
  pages.tabBar()->setCurrentIndex(2);  // as an accessibility action does
  EXPECT_EQ(pages.active_page_index(), 0);
  EXPECT_EQ(changed, 0);
}

// Every way the user has to change the page from the tab bar, none of which may show a hidden or
// disabled page: the inner page controls of the record pages share them.
struct tab_bar_route {
  const char* name;
  std::function<void(QTabBar*)> use;
};

void turn_wheel(QTabBar* bar, int notches) {
  const QPointF at = bar->tabRect(bar->currentIndex()).center();
  QWheelEvent turn(at, bar->mapToGlobal(at), QPoint(),
                   QPoint(0, notches * QWheelEvent::DefaultDeltasPerStep), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(bar, &turn);
}

const tab_bar_route tab_bar_routes[] = {
    {"Right", [](QTabBar* bar) { QTest::keyClick(bar, Qt::Key_Right); }},
    {"Shift+Right", [](QTabBar* bar) { QTest::keyClick(bar, Qt::Key_Right, Qt::ShiftModifier); }},
    {"Ctrl+Right", [](QTabBar* bar) { QTest::keyClick(bar, Qt::Key_Right, Qt::ControlModifier); }},
    {"Alt+Right", [](QTabBar* bar) { QTest::keyClick(bar, Qt::Key_Right, Qt::AltModifier); }},
    {"Ctrl+Alt+Tab",
     [](QTabBar* bar) {
       QTest::keyClick(bar, Qt::Key_Tab, Qt::ControlModifier | Qt::AltModifier);
     }},
    {"wheel down", [](QTabBar* bar) { turn_wheel(bar, -1); }},
    {"the tab bar's own change", [](QTabBar* bar) { bar->setCurrentIndex(1); }},
};

TEST_F(page_control_fixture, no_route_shows_a_hidden_or_disabled_page) {
  for (const bool hidden : {true, false}) {
    for (const tab_bar_route& route : tab_bar_routes) {
      SCOPED_TRACE(std::string(route.name) + (hidden ? ", hidden" : ", disabled"));
      pages.setTabVisible(1, !hidden);
      pages.setTabEnabled(1, hidden);
      pages.set_active_page_index(0);
      pages.tabBar()->setFocus();
      route.use(pages.tabBar());
      EXPECT_NE(pages.active_page_index(), 1);
      pages.setTabVisible(1, true);
      pages.setTabEnabled(1, true);
    }
  }
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
