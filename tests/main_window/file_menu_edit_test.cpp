#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>

#include "file_menu_test_support.h"
#include "platform/owner_drawn_list_view.h"
#include "record_form/editor_state.h"

namespace {

class edit_menu : public file_menu_test {
 protected:
  edit_menu() {
    open_through_menu(copy_to_folder(fixture_file("every_section.staff")));
    environment.dialogs.clear();
  }

  // Focuses the edit and puts the caret or a selection into it.
  QLineEdit* focus_edit(const char* name, const QString& text, int start, int length = 0) {
    QLineEdit* line = edit(name);
    line->setText(text);
    line->setFocus();
    if (length > 0)
      line->setSelection(start, length);
    else
      line->setCursorPosition(start);
    return line;
  }
};

TEST_F(edit_menu, delete_takes_the_character_after_the_caret_or_the_selection) {
  struct delete_case {
    const char* name;
    const char* field;
    int start;
    int length;
    const char* after;
  };
  const delete_case cases[] = {
      {"at the end of an edit", "staff_second_name", 4, 0, "Berg"},
      {"inside an edit", "staff_second_name", 1, 0, "Brg"},
      {"a selection in an edit", "staff_second_name", 1, 2, "Bg"},
      // A masked edit keeps its length: the character becomes a blank.
      {"inside a date", "staff_date_of_birth", 0, 0, " 9/11/1988"},
      {"a selection in a date", "staff_date_of_birth", 0, 2, "  /11/1988"},
  };
  for (const delete_case& c : cases) {
    SCOPED_TRACE(c.name);
    const QString before = c.field == std::string_view("staff_second_name") ? "Berg" : "09/11/1988";
    QLineEdit* line = focus_edit(c.field, before, c.start, c.length);
    window.menu_delete->trigger();
    EXPECT_EQ(line->displayText(), c.after);
  }
}

TEST_F(edit_menu, delete_leaves_a_read_only_edit_alone) {
  QLineEdit* id = focus_edit("staff_id", "30", 0);
  ASSERT_TRUE(id->isReadOnly());
  window.menu_delete->trigger();
  EXPECT_EQ(id->text(), "30");
}

TEST_F(edit_menu, cut_copy_and_paste_go_through_the_clipboard_in_plain_edits_only) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  focus_edit("staff_second_name", "Bergman", 4, 3);
  window.menu_copy->trigger();
  EXPECT_EQ(clipboard->text(), "man");

  QLineEdit* first = focus_edit("staff_first_name", "Anna", 4);
  window.menu_paste->trigger();
  EXPECT_EQ(first->text(), "Annaman");

  QLineEdit* second = focus_edit("staff_second_name", "Bergman", 0, 4);
  window.menu_cut->trigger();
  EXPECT_EQ(second->text(), "man");
  EXPECT_EQ(clipboard->text(), "Berg");

  // A masked edit takes no part in cut and paste.
  QLineEdit* date = focus_edit("staff_date_of_birth", "09/11/1988", 0, 2);
  clipboard->setText("12");
  window.menu_cut->trigger();
  window.menu_paste->trigger();
  EXPECT_EQ(date->text(), "09/11/1988");
  EXPECT_EQ(clipboard->text(), "12");
}

TEST_F(edit_menu, the_clipboard_items_are_off_while_the_staff_list_has_the_focus) {
  window.list_box->setFocus();
  for (QAction* action : {window.menu_cut, window.menu_copy, window.menu_paste, window.menu_delete})
    EXPECT_FALSE(action->isEnabled()) << action->objectName().toStdString();
  EXPECT_TRUE(window.menu_new->isEnabled());

  // Ctrl+C in the list copies nothing then.
  QGuiApplication::clipboard()->setText("before");
  window.menu_copy->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");

  edit("staff_first_name")->setFocus();
  for (QAction* action : {window.menu_cut, window.menu_copy, window.menu_paste, window.menu_delete})
    EXPECT_TRUE(action->isEnabled()) << action->objectName().toStdString();
}

TEST_F(edit_menu, nothing_in_the_edit_menu_acts_before_a_file_is_open) {
  Tfrm_main fresh;
  fresh.show();
  EXPECT_FALSE(fresh.menu_edit->menuAction()->isEnabled());
  for (QAction* action : fresh.menu_edit->actions()) {
    if (!action->isSeparator()) {
      EXPECT_FALSE(action->isEnabled()) << action->objectName().toStdString();
    }
  }
}

}  // namespace
