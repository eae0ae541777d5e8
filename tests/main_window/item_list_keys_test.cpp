// The Delete and Insert keys of the item lists and grids in the window, where Edit > Delete has
// Del as its shortcut: the keys reach the list with the focus, and the shortcut keeps working in
// the edits.
#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QTest>
#include <set>

#include "../sub_records/item_panel_views.h"
#include "change_tracking/item_matching.h"
#include "file_menu_test_support.h"
#include "record_form/item_selection.h"
#include "sub_records/item_list_kinds.h"
#include "sub_records/item_list_places.h"

namespace {

class item_list_keys : public file_menu_test {
 protected:
  item_list_keys() {
    open_through_menu(copy_to_folder(example_club_file()));
    window.activateWindow();
    environment.dialogs.clear();
  }

  // Pressed as a user presses it: on the control with the focus, menu shortcuts taking part.
  static void press(Qt::Key key) {
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    QTest::keyClick(focused, key);
  }
};

// In every list and grid, on a staff member whose item shown is exported: Delete leaves it
// (and asks nothing); Insert adds a new item; Delete then removes it, the grids after their
// question, and a grid's Cancel keeps it.
TEST_F(item_list_keys, delete_deletes_a_new_item_and_leaves_an_exported_one_in_every_list) {
  for (const item_list_place& place : item_list_places()) {
    item_panel_views::visit_kind(place.kind, [&](auto shown_kind) {
      constexpr item_kind Kind = decltype(shown_kind)::value;
      constexpr bool grid = item_list_kind<Kind>::grid;
      SCOPED_TRACE(place.list);
      std::set<std::int32_t> owners;
      for (const auto& item : items_of<Kind>()) {
        if (find_original_item<Kind>(item.get()) != nullptr)
          owners.insert(item_owner_id(*item));
      }
      for (std::int32_t owner : owners) {
        select_staff(owner);
        if (selected_item<Kind>().original != nullptr)
          break;
      }
      ASSERT_NE(selected_item<Kind>().original, nullptr) << "the example shows no exported item";
      focus_on(place.list);
      ASSERT_EQ(QApplication::focusWidget(), window.controls().find(place.list));
      const std::size_t exported_count = items_of<Kind>().size();
      environment.dialogs.clear();

      press(Qt::Key_Delete);
      EXPECT_EQ(items_of<Kind>().size(), exported_count);
      EXPECT_TRUE(environment.dialogs.shown().empty());

      press(Qt::Key_Insert);
      ASSERT_EQ(items_of<Kind>().size(), exported_count + 1);
      ASSERT_EQ(selected_item<Kind>().original, nullptr);
      if (grid) {
        environment.dialogs.queue_answer(dialog_answer::cancel);
        press(Qt::Key_Delete);
        EXPECT_EQ(items_of<Kind>().size(), exported_count + 1);
        ASSERT_EQ(environment.dialogs.shown().size(), 1u);
        EXPECT_TRUE(environment.dialogs.last().text.startsWith(place.delete_question))
            << environment.dialogs.last().text.toStdString();
        EXPECT_TRUE(environment.dialogs.last().text.endsWith("? "));
        environment.dialogs.queue_answer(dialog_answer::ok);
      }
      press(Qt::Key_Delete);
      EXPECT_EQ(items_of<Kind>().size(), exported_count);
      EXPECT_TRUE(environment.dialogs.all_as_scripted());
    });
  }
}

// Outside the lists Del is still Edit > Delete's: it takes the character after the caret, and a
// date keeps its length.
TEST_F(item_list_keys, delete_still_deletes_in_the_edits) {
  EXPECT_EQ(window.menu_delete->shortcut(), QKeySequence(Qt::Key_Delete));
  struct delete_case {
    const char* field;
    const char* before;
    const char* after;
  };
  const delete_case cases[] = {
      {"staff_second_name", "Berg", "Brg"},
      {"staff_date_of_birth", "09/11/1988", "0 /11/1988"},
  };
  for (const delete_case& c : cases) {
    SCOPED_TRACE(c.field);
    focus_on(c.field);
    QLineEdit* line = edit(c.field);
    line->setText(c.before);
    line->setCursorPosition(1);
    press(Qt::Key_Delete);
    EXPECT_EQ(line->displayText(), c.after);
  }
}

}  // namespace
