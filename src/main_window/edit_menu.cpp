#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>

#include "main_window/main_window.h"
#include "platform/owner_drawn_list_view.h"
#include "record_form/grid_text.h"

namespace {

// The kinds of control the Edit commands tell apart; an edit inside a combo or spin box is part
// of that control and counts as other.
enum class edit_target { plain_edit, masked_edit, list_box, string_grid, other };

edit_target target_of(QWidget* control) {
  if (auto* edit = qobject_cast<QLineEdit*>(control)) {
    QWidget* owner = edit->parentWidget();
    if (qobject_cast<QComboBox*>(owner) || qobject_cast<QAbstractSpinBox*>(owner))
      return edit_target::other;
    return edit->inputMask().isEmpty() ? edit_target::plain_edit : edit_target::masked_edit;
  }
  if (qobject_cast<QListWidget*>(control) || qobject_cast<owner_drawn_list_view*>(control))
    return edit_target::list_box;
  if (qobject_cast<QTableWidget*>(control))
    return edit_target::string_grid;
  return edit_target::other;
}

}  // namespace

void Tfrm_main::menu_cutClick() {
  QWidget* control = focusWidget();
  if (target_of(control) != edit_target::plain_edit)
    return;
  auto* edit = static_cast<QLineEdit*>(control);
  // A read-only field gives a copy and keeps its text.
  if (edit->isReadOnly())
    edit->copy();
  else
    edit->cut();
}

void Tfrm_main::menu_copyClick() {
  QWidget* control = focusWidget();
  switch (target_of(control)) {
    case edit_target::plain_edit:
      static_cast<QLineEdit*>(control)->copy();
      break;
    case edit_target::list_box:
      list_box_copy(static_cast<QAbstractItemView*>(control));
      break;
    case edit_target::string_grid:
      string_grid_copy(static_cast<QTableWidget*>(control));
      break;
    default:
      break;
  }
}

void Tfrm_main::menu_pasteClick() {
  QWidget* control = focusWidget();
  if (target_of(control) != edit_target::plain_edit)
    return;
  auto* edit = static_cast<QLineEdit*>(control);
  if (!edit->isReadOnly())
    edit->paste();
}

void Tfrm_main::menu_deleteClick() {
  if (!isActiveWindow())
    return;
  QWidget* control = focusWidget();
  const edit_target target = target_of(control);
  if (target != edit_target::plain_edit && target != edit_target::masked_edit)
    return;
  auto* edit = static_cast<QLineEdit*>(control);
  if (edit->isReadOnly())
    return;
  // Without a selection the character after the caret goes; a masked edit puts a blank in its
  // place, so its text keeps the mask's length. A selection in a masked edit is blanked out.
  edit->del();
}

void Tfrm_main::list_boxEnter() {
  for (QAction* action : {menu_cut, menu_copy, menu_paste, menu_delete})
    action->setEnabled(false);
}

void Tfrm_main::list_boxExit() {
  for (QAction* action : {menu_cut, menu_copy, menu_paste, menu_delete})
    action->setEnabled(true);
}
