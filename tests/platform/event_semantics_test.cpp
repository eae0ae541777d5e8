#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <functional>
#include <memory>

#include "platform/event_bindings.h"
#include "platform/item_objects.h"
#include "platform/owner_drawn_list_box.h"
#include "platform/page_control.h"
#include "platform/string_grid.h"

namespace {

// One control kind: how to build it with a counting handler, how the program changes its value
// and how the user does; and whether the handler runs for each.
struct event_case {
  const char* kind;
  std::function<QWidget*(QWidget* parent, int& runs)> build;
  std::function<void(QWidget*)> program_change;
  std::function<void(QWidget*)> user_change;
  bool runs_on_program_change;
  bool runs_on_user_change;
};

QPoint centre_of_row(QAbstractItemView* view, const QModelIndex& index) {
  return view->visualRect(index).center();
}

const event_case event_cases[] = {
    {"check_box",
     [](QWidget* parent, int& runs) {
       auto* box = new QCheckBox("Permanent", parent);
       on_check_click(box, [&runs] { ++runs; });
       return box;
     },
     [](QWidget* w) { static_cast<QCheckBox*>(w)->setChecked(true); },
     [](QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, w->height() / 2)); }, true,
     true},
    {"combo_box",
     [](QWidget* parent, int& runs) {
       auto* combo = new QComboBox(parent);
       combo->addItems({"Not set; 0", "Spain; 5", "Sweden; 7"});
       on_combo_change(combo, [&runs] { ++runs; });
       return combo;
     },
     [](QWidget* w) { static_cast<QComboBox*>(w)->setCurrentIndex(2); },
     [](QWidget* w) { QTest::keyClick(w, Qt::Key_Down); }, false, true},
    {"push_button",
     [](QWidget* parent, int& runs) {
       auto* button = new QPushButton("Add", parent);
       on_button_click(button, [&runs] { ++runs; });
       return button;
     },
     [](QWidget* w) { static_cast<QPushButton*>(w)->setText("Add"); },
     [](QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }, false, true},
    {"list_box",
     [](QWidget* parent, int& runs) {
       auto* list = new owner_drawn_list_box(parent);
       list->add_entry("Andersson", nullptr);
       list->add_entry("Berg", nullptr);
       list->set_click_handler([&runs] { ++runs; });
       return list;
     },
     [](QWidget* w) { static_cast<owner_drawn_list_box*>(w)->set_item_index(1); },
     [](QWidget* w) {
       auto* list = static_cast<owner_drawn_list_box*>(w);
       QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                         centre_of_row(list, list->model()->index(1, 0)));
     },
     false, true},
    {"string_grid",
     [](QWidget* parent, int& runs) {
       auto* grid = new string_grid(parent);
       grid->set_col_count(2);
       grid->set_row_count(3);
       grid->set_click_handler([&runs] { ++runs; });
       return grid;
     },
     [](QWidget* w) { static_cast<string_grid*>(w)->set_row(2); },
     [](QWidget* w) {
       auto* grid = static_cast<string_grid*>(w);
       QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                         centre_of_row(grid, grid->model()->index(2, 1)));
     },
     false, true},
    {"page_control",
     [](QWidget* parent, int& runs) {
       auto* pages = new page_control(parent);
       pages->addTab(new QWidget, "1. Pers");
       pages->addTab(new QWidget, "2. Ctr");
       pages->set_change_handler([&runs] { ++runs; });
       return pages;
     },
     [](QWidget* w) { static_cast<page_control*>(w)->set_active_page_index(1); },
     [](QWidget* w) {
       QTabBar* bar = static_cast<page_control*>(w)->tabBar();
       QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
     },
     false, true},
};

class event_semantics : public testing::TestWithParam<event_case> {
 protected:
  void SetUp() override {
    window.resize(400, 300);
    window.show();
    QApplication::setActiveWindow(&window);
    QApplication::processEvents();
  }
  QWidget window;
};

TEST_P(event_semantics, handler_runs_on_program_and_user_changes_as_the_form_expects) {
  const event_case& c = GetParam();
  int runs = 0;
  QWidget* control = c.build(&window, runs);
  control->resize(300, 200);
  control->show();
  control->setFocus();
  QApplication::processEvents();
  ASSERT_EQ(runs, 0) << "building must not run the handler";

  c.program_change(control);
  EXPECT_EQ(runs, c.runs_on_program_change ? 1 : 0) << "program change";
  // Undo the program's change so the user's change is a real one.
  delete control;
  runs = 0;
  control = c.build(&window, runs);
  control->resize(300, 200);
  control->show();
  control->setFocus();
  QApplication::processEvents();

  c.user_change(control);
  EXPECT_EQ(runs, c.runs_on_user_change ? 1 : 0) << "user change";
}

INSTANTIATE_TEST_SUITE_P(controls, event_semantics, testing::ValuesIn(event_cases),
                         [](const testing::TestParamInfo<event_case>& info) {
                           return std::string(info.param.kind);
                         });

TEST(is_user_change, needs_the_active_window_and_the_focus) {
  QWidget window;
  auto* box = new QCheckBox(&window);
  auto* other = new QCheckBox(&window);
  window.show();
  QApplication::setActiveWindow(&window);
  box->setFocus();
  QApplication::processEvents();
  EXPECT_TRUE(is_user_change(box));
  EXPECT_FALSE(is_user_change(other));
}

}  // namespace
