#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTest>
#include <algorithm>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "../support/click_focus.h"
#include "platform/page_control.h"
#include "platform/scripted_dialog_service.h"
#include "record_form/editor_state.h"
#include "three_kinds_file_test.h"

namespace {

// A read-only edit shows a figure worked out from others: copied, never typed into.
bool read_only_edit(const QWidget* widget) {
  const auto* edit = qobject_cast<const QLineEdit*>(widget);
  return edit != nullptr && edit->isReadOnly();
}

// A control Tab is to stop at: shown, enabled, taking the focus itself and open to typing or
// choosing.
bool tab_stop(const QWidget* widget) {
  return widget->isVisible() && widget->isEnabled() && widget->focusPolicy() != Qt::NoFocus &&
         widget->focusProxy() == nullptr && !read_only_edit(widget);
}

QString name_of(const QWidget* widget) {
  return widget->objectName().isEmpty() ? QString(widget->metaObject()->className())
                                        : widget->objectName();
}

std::string names_of(const std::vector<QWidget*>& widgets) {
  QStringList names;
  for (const QWidget* widget : widgets)
    names << name_of(widget);
  return names.join(' ').toStdString();
}

QRect rect_on(const QWidget* widget, const QWidget* page) {
  return {widget->mapTo(page, QPoint(0, 0)), widget->size()};
}

// The ancestor of `widget` (or the widget itself) whose parent is `ancestor`.
const QWidget* child_towards(const QWidget* widget, const QWidget* ancestor) {
  while (widget->parentWidget() != ancestor)
    widget = widget->parentWidget();
  return widget;
}

const QWidget* common_ancestor(const QWidget* a, const QWidget* b) {
  std::set<const QWidget*> above_a;
  for (const QWidget* widget = a->parentWidget(); widget != nullptr;
       widget = widget->parentWidget())
    above_a.insert(widget);
  const QWidget* widget = b->parentWidget();
  while (!above_a.contains(widget))
    widget = widget->parentWidget();
  return widget;
}

// Why going from `a` to `b` is out of reading order (empty when it is not): groups are read
// group by group, a column from top to bottom before the column to its right, a group's own
// controls before the groups inside it, and a group's controls line by line, a column before
// the column to its right.
std::string reading_order_fault(const QWidget* a, const QWidget* b, const QWidget* page) {
  const QWidget* shared = common_ancestor(a, b);
  const QWidget* from = child_towards(a, shared);
  const QWidget* to = child_towards(b, shared);
  const QRect before = rect_on(from, page);
  const QRect after = rect_on(to, page);
  if (to == b && from != a)
    return "a group's own control after one of its inner groups";
  if (from == a && to == b) {  // two controls of one group
    const bool lower_line = after.center().y() > before.bottom();
    return lower_line || after.left() > before.right()
               ? ""
               : "a control above or left of the one before";
  }
  if (from == a)  // the group's own controls come before its inner groups
    return after.top() > before.bottom() ? "" : "an inner group not below its group's own controls";
  const bool next_column = after.left() > before.right();
  const bool below_in_column = after.top() > before.bottom() && after.left() < before.right() &&
                               before.left() < after.right();
  return next_column || below_in_column ? "" : "a group not below or right of the one before";
}

class keyboard_navigation : public three_kinds_file_test {
 protected:
  // Tab pressed from the page's tab until the focus leaves the page, at most `limit` times; the
  // controls of the page it stopped at.
  std::vector<QWidget*> tab_walk(QWidget* page, std::size_t limit) {
    window.pc_staff->tabBar()->setFocus(Qt::TabFocusReason);
    std::vector<QWidget*> walk;
    for (std::size_t press = 0; press < limit; ++press) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QWidget* now = QApplication::focusWidget();
      if (now == nullptr || !page->isAncestorOf(now))
        break;
      walk.push_back(now);
    }
    return walk;
  }

  // Walks the page shown with Tab and checks that every editable control is reached once, in
  // reading order, before the focus leaves the page, and no read-only figure on the way.
  void check_tab_walk(const std::string& where) {
    SCOPED_TRACE(where);
    QWidget* page = window.pc_staff->currentWidget();
    std::vector<QWidget*> stops;
    for (QWidget* child : page->findChildren<QWidget*>()) {
      if (tab_stop(child))
        stops.push_back(child);
    }
    const std::vector<QWidget*> walk = tab_walk(page, stops.size() + 3);
    SCOPED_TRACE("walk: " + names_of(walk));
    std::vector<QWidget*> missed;
    std::ranges::copy_if(stops, std::back_inserter(missed), [&](QWidget* stop) {
      return std::ranges::find(walk, stop) == walk.end();
    });
    EXPECT_EQ(names_of(missed), "") << "not reached before the focus left the page";
    EXPECT_EQ(walk.size(), stops.size() - missed.size()) << "a control reached more than once";
    std::vector<QWidget*> read_only;
    std::ranges::copy_if(walk, std::back_inserter(read_only), read_only_edit);
    EXPECT_EQ(names_of(read_only), "") << "read-only figures on the way";
    std::set<const QWidget*> groups_left;
    for (std::size_t step = 1; step < walk.size(); ++step) {
      const QWidget* a = walk[step - 1];
      const QWidget* b = walk[step];
      EXPECT_EQ(reading_order_fault(a, b, page), "")
          << name_of(a).toStdString() << " -> " << name_of(b).toStdString();
      if (a->parentWidget() != b->parentWidget()) {
        groups_left.insert(a->parentWidget());
        EXPECT_FALSE(groups_left.contains(b->parentWidget()))
            << name_of(b).toStdString() << ": its group was left before";
      }
    }
  }

  // Shows every visible record page of the record, and every inner page of each, and checks
  // each as it is shown.
  void for_every_page(std::int32_t id, const std::function<void(const std::string&)>& check) {
    select_staff(id);
    page_control* pages = window.pc_staff;
    for (int index = 0; index < pages->count(); ++index) {
      if (!pages->isTabVisible(index))
        continue;
      pages->set_active_page_index(index);
      QApplication::processEvents();
      const std::string page_name = pages->widget(index)->objectName().toStdString();
      const auto inner = pages->widget(index)->findChildren<page_control*>();
      if (inner.empty())
        check(page_name);
      for (page_control* inner_pages : inner) {
        for (int sub = 0; sub < inner_pages->count(); ++sub) {
          inner_pages->set_active_page_index(sub);
          QApplication::processEvents();
          check(page_name + " / " + inner_pages->tabText(sub).toStdString());
        }
        inner_pages->set_active_page_index(0);
      }
    }
  }

  void check_every_page(std::int32_t id) {
    for_every_page(id, [this](const std::string& where) { check_tab_walk(where); });
  }
};

TEST_F(keyboard_navigation, tab_reaches_every_control_of_a_page_once_in_reading_order) {
  const std::size_t dialogs_before = environment.dialogs.shown().size();
  check_every_page(player_id);
  check_every_page(non_player_id);
  for (std::size_t shown = dialogs_before; shown < environment.dialogs.shown().size(); ++shown)
    ADD_FAILURE() << "a message on the way: "
                  << environment.dialogs.shown()[shown].text.toStdString();
}

// The page keys, as a user presses them on the control with the focus.
struct page_key {
  const char* name;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
};
constexpr page_key page_keys[] = {
    {"Ctrl+Tab", Qt::Key_Tab, Qt::ControlModifier},
    {"Ctrl+Shift+Tab", Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier},
    {"Alt+1", Qt::Key_1, Qt::AltModifier},
    {"Alt+7", Qt::Key_7, Qt::AltModifier},
};

void press(const page_key& key) {
  QTest::keyClick(QApplication::focusWidget(), key.key, key.modifiers);
}

// A field that refuses its value keeps its page and the focus against every page key, press
// after press, and nothing of the refused text reaches the record.
TEST_F(keyboard_navigation, a_page_key_stays_on_the_page_of_a_field_that_refuses_to_be_left) {
  select_staff(player_id);
  const qor_staff& player = *find_staff(store().staff_list, player_id);
  for (const char* refused : {"25", ""}) {
    for (const page_key& key : page_keys) {
      SCOPED_TRACE(std::string(key.name) + " with pace \"" + refused + '"');
      focus_on("staff_pl_pace");
      QLineEdit* pace = edit("staff_pl_pace");
      pace->setText(refused);
      environment.dialogs.clear();
      // As many presses as there are pages: without the check they would pass every page.
      const int presses = window.pc_staff->count();
      for (int time = 0; time < presses; ++time) {
        press(key);
        EXPECT_EQ(window.pc_staff->currentWidget()->objectName().toStdString(),
                  "tabsheet_staff_pl2");
        EXPECT_EQ(QApplication::focusWidget(), pace);
      }
      const std::vector<QString> shown = environment.dialogs.shown_texts();
      EXPECT_EQ(QStringList(shown.begin(), shown.end()).join(" | ").toStdString(),
                QStringList(presses, "Valid value range is 0 - 20").join(" | ").toStdString());
      EXPECT_EQ(pace->text().toStdString(), refused);
      EXPECT_EQ(player.StaffPlayerPace, 12);
      EXPECT_FALSE(editor().data_modified);
    }
  }
  edit("staff_pl_pace")->setText("12");
}

// A message box as a real one is: while it is up it takes the activation from the main window,
// and the window manager hands the activation back only after the code that asked goes on.
class activating_dialogs : public scripted_dialog_service {
 public:
  using dialog_service::message;
  dialog_answer message(message_type type, const QString& text, message_buttons buttons,
                        dialog_answer default_button) override {
    QWidget box;
    box.show();
    box.activateWindow();
    QApplication::processEvents();
    const dialog_answer answer =
        scripted_dialog_service::message(type, text, buttons, default_button);
    box.hide();
    QApplication::processEvents();
    return answer;
  }
};

// The same with the range message taking the window's activation: the page stays, press after
// press, and the field keeps the focus once the window is active again.
TEST_F(keyboard_navigation, a_page_key_stays_while_the_refusals_message_has_the_activation) {
  select_staff(player_id);
  activating_dialogs boxes;
  set_dialogs(&boxes);
  focus_on("staff_pl_pace");
  QLineEdit* pace = edit("staff_pl_pace");
  pace->setText("25");
  for (const page_key& key : page_keys) {
    SCOPED_TRACE(key.name);
    press(key);
    window.activateWindow();
    QApplication::processEvents();
    EXPECT_EQ(window.pc_staff->currentWidget()->objectName().toStdString(), "tabsheet_staff_pl2");
    EXPECT_EQ(QApplication::focusWidget(), pace);
  }
  set_dialogs(&environment.dialogs);
  const std::vector<QString> shown = boxes.shown_texts();
  EXPECT_EQ(
      QStringList(shown.begin(), shown.end()).join(" | ").toStdString(),
      QStringList(std::size(page_keys), "Valid value range is 0 - 20").join(" | ").toStdString());
  EXPECT_EQ(find_staff(store().staff_list, player_id)->StaffPlayerPace, 12);
  EXPECT_FALSE(editor().data_modified);
  pace->setText("12");
}

// Ctrl+Tab walks the pages the record on screen has, every one once and round to the first, and
// Ctrl+Shift+Tab walks them back; the tab bar's own Right and Left walk them to the end and stop
// there. Pages hidden for the record's classification are never shown.
TEST_F(keyboard_navigation, the_page_keys_walk_the_pages_the_record_has) {
  environment.dialogs.clear();
  page_control* pages = window.pc_staff;
  for (const std::int32_t id : {player_id, non_player_id, both_id}) {
    SCOPED_TRACE("staff " + std::to_string(id));
    select_staff(id);
    std::vector<int> shown;
    for (int index = 0; index < pages->count(); ++index) {
      if (pages->isTabVisible(index))
        shown.push_back(index);
    }
    const std::vector<int> after_first(shown.begin() + 1, shown.end());
    const std::vector<int> before_last(shown.rbegin() + 1, shown.rend());
    struct page_walk {
      page_key key;
      int start;
      std::vector<int> pages;  // shown press by press
    };
    const page_walk walks[] = {
        {page_keys[0], 0, after_first},
        {page_keys[1], 0, std::vector<int>(after_first.rbegin(), after_first.rend())},
        {{"Right", Qt::Key_Right, Qt::NoModifier}, 0, after_first},
        {{"Left", Qt::Key_Left, Qt::NoModifier}, shown.back(), before_last},
    };
    for (const page_walk& walk : walks) {
      SCOPED_TRACE(walk.key.name);
      pages->set_active_page_index(walk.start);
      pages->tabBar()->setFocus(Qt::TabFocusReason);
      std::vector<int> expected = walk.pages;
      // Ctrl+Tab and Ctrl+Shift+Tab go round to the first page, the arrows stay at the end.
      expected.push_back(walk.key.modifiers != Qt::NoModifier ? walk.start : walk.pages.back());
      std::vector<int> seen;
      for (std::size_t press_count = 0; press_count < expected.size(); ++press_count) {
        press(walk.key);
        seen.push_back(pages->currentIndex());
        EXPECT_TRUE(QApplication::focusWidget()->isVisible());
      }
      EXPECT_EQ(seen, expected);
    }
  }
  for (const auto& shown : environment.dialogs.shown())
    ADD_FAILURE() << "a message on the way: " << shown.text.toStdString();
}

// The page control a control lies on: the nearest round it.
page_control* page_control_of(QWidget* control) {
  QWidget* widget = control->parentWidget();
  while (qobject_cast<page_control*>(widget) == nullptr)
    widget = widget->parentWidget();
  return static_cast<page_control*>(widget);
}

// Ctrl+Tab and Ctrl+Shift+Tab change the page of the page control round the focused control,
// whatever the control: combo boxes take the key for their type-ahead search when they see it
// first.
TEST_F(keyboard_navigation, the_page_keys_change_the_page_from_every_control) {
  environment.dialogs.clear();
  for (const std::int32_t id : {player_id, non_player_id}) {
    for_every_page(id, [&](const std::string& where) {
      page_control* record_pages = window.pc_staff;
      const int record_page = record_pages->currentIndex();
      for (QWidget* control : record_pages->currentWidget()->findChildren<QWidget*>()) {
        if (!tab_stop(control))
          continue;
        for (const page_key& key : {page_keys[0], page_keys[1]}) {
          SCOPED_TRACE(where + ": " + key.name + " on " + name_of(control).toStdString());
          page_control* pages = page_control_of(control);
          const int before = pages->currentIndex();
          focus_as_by_click(control);
          press(key);
          EXPECT_NE(pages->currentIndex(), before);
          pages->set_active_page_index(before);
          record_pages->set_active_page_index(record_page);
          QApplication::processEvents();
        }
      }
    });
  }
  for (const auto& shown : environment.dialogs.shown())
    ADD_FAILURE() << "a message on the way: " << shown.text.toStdString();
}

// The read-only figures stay out of the Tab walk but take the focus when clicked, to be copied.
TEST_F(keyboard_navigation, a_read_only_figure_takes_the_focus_by_click) {
  select_staff(player_id);
  std::vector<QWidget*> figures;
  for (QWidget* widget : window.pc_staff->findChildren<QWidget*>()) {
    if (read_only_edit(widget))
      figures.push_back(widget);
  }
  ASSERT_FALSE(figures.empty());
  for (QWidget* figure : figures)
    EXPECT_EQ(figure->focusPolicy(), Qt::ClickFocus) << name_of(figure).toStdString();

  window.pc_staff->setCurrentWidget(window.controls().find("tabsheet_staff_pl2"));
  QApplication::processEvents();
  QLineEdit* recommended = edit("staff_pl_recommended_current_ability_b");
  ASSERT_TRUE(recommended->isVisible());
  QTest::mouseClick(recommended, Qt::LeftButton);
  EXPECT_EQ(QApplication::focusWidget(), recommended);
}

TEST_F(keyboard_navigation, alt_and_a_digit_without_a_page_to_show_types_nothing) {
  select_staff(player_id);
  QLineEdit* name = edit("staff_first_name");
  name->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(name, Qt::Key_6, Qt::AltModifier);  // the coach page is a non-player's
  EXPECT_EQ(name->text(), "Pat");
  EXPECT_EQ(window.pc_staff->active_page_index(), 0);

  QTest::keyClick(name, Qt::Key_8, Qt::AltModifier);
  EXPECT_EQ(window.pc_staff->currentWidget()->objectName(), "tabsheet_staff_pl2");
}

TEST_F(keyboard_navigation, the_notes_memo_passes_tab_on_and_keeps_its_arrow_keys) {
  select_staff(player_id);
  auto* notes = window.controls().get<QPlainTextEdit>("staff_notes");
  ASSERT_NE(notes, nullptr);
  notes->setFocus(Qt::OtherFocusReason);
  notes->setPlainText("ab");
  notes->moveCursor(QTextCursor::Start);
  QTest::keyClick(notes, Qt::Key_Right);
  EXPECT_EQ(notes->textCursor().position(), 1);
  QTest::keyClick(notes, Qt::Key_Tab);
  EXPECT_EQ(notes->toPlainText(), "ab");
  EXPECT_NE(QApplication::focusWidget(), notes);
}

}  // namespace
