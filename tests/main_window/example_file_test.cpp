#include <QApplication>
#include <QListWidget>
#include <QString>
#include <QStringList>
#include <vector>

#include "file_menu_test_support.h"
#include "platform/owner_drawn_list_box.h"
#include "platform/string_grid.h"
#include "record_form/editor_state.h"
#include "record_form/field_help.h"
#include "record_form/field_validation.h"
#include "record_form/item_details.h"
#include "record_form/record_pages.h"
#include "sub_records/item_list_places.h"
#include "sub_records/item_panel_handlers.h"

namespace {

// The example club file is the first thing a new user opens: every value of it must pass the
// checks the pages run when a field is left, or the first Tab through a record is stopped by a
// message. The window tests' clock stands in May 2013, when the example was exported; the
// checks' latest dates move on with the clock and their earliest stay, so what passes then
// passes in any later year.
class example_file : public file_menu_test {
 protected:
  // Enters the control as the user would (a money edit then shows bare digits), runs its check
  // and notes what the check refused.
  template <class Check>
  void note_refusal(QWidget* control, Check check) {
    const QString what = control->objectName();
    if (const control_spec* row = find_control_spec(what.toStdString()))
      enter_field(control, *row, [](const QString&) {});
    const std::size_t shown = environment.dialogs.shown().size();
    const bool accepted = check();
    if (!accepted || environment.dialogs.shown().size() != shown) {
      refusals << QString("staff %1, %2: %3")
                      .arg(editor().current_staff->StaffID)
                      .arg(what, environment.dialogs.shown().size() != shown
                                     ? environment.dialogs.last().text
                                     : QString("refused"));
    }
  }

  bool in_an_item_panel(const QWidget* control) {
    for (const item_list_place& place : item_list_places()) {
      const QWidget* panel = window.controls().find(item_panel_name(place.kind));
      if (panel != nullptr && panel->isAncestorOf(control))
        return true;
    }
    return false;
  }

  void check_staff_fields() {
    for (const page_spec& page : record_page_specs()) {
      for (const control_spec& row : page.controls) {
        QWidget* control = window.controls().find(row.name);
        if (row.check == check_kind::none || control == nullptr || in_an_item_panel(control))
          continue;
        note_refusal(control, [&] { return validate_field(control, row); });
      }
    }
  }

  // Leaves every control of the kind's panel that checks its value, as the user's Tab would;
  // nothing while the panel shows no item.
  void check_panel(item_kind kind) {
    const QWidget* panel = window.controls().find(item_panel_name(kind));
    if (panel->isHidden())
      return;
    ++items_checked;
    for (const panel_handler& handler : item_panel_handlers()) {
      QWidget* control = window.controls().find(handler.control);
      if (handler.event != panel_event::exit || control == nullptr ||
          !panel->isAncestorOf(control)) {
        continue;
      }
      note_refusal(control, [&] { return handler.action(control, window.controls()); });
    }
  }

  // Chooses every entry of the kind's list in turn, as a click would, and checks the panel.
  void check_items(const item_list_place& place) {
    QWidget* list = window.controls().find(place.list);
    if (auto* grid = qobject_cast<string_grid*>(list)) {
      for (int row = 1; row < grid->row_count(); ++row) {
        grid->set_row(row);
        emit grid->cellClicked(row, 0);
        check_panel(place.kind);
      }
    } else if (auto* box = qobject_cast<owner_drawn_list_box*>(list)) {
      for (int entry = 0; entry < box->count(); ++entry) {
        box->set_item_index(entry);
        emit box->itemClicked(box->item(entry));
        check_panel(place.kind);
      }
    }
  }

  QStringList refusals;
  int items_checked = 0;
};

TEST_F(example_file, every_record_and_item_passes_the_checks_of_the_pages) {
  open_through_menu(copy_to_folder(example_club_file()));
  ASSERT_EQ(environment.dialogs.shown().size(), 1u);  // the file dialog alone
  // Each check is run by itself: with the focus moving between controls, a refused value would
  // be refused again on every later move.
  QApplication::setActiveWindow(nullptr);
  std::vector<std::int32_t> ids;
  for (const auto& staff : store().staff_list)
    ids.push_back(staff->StaffID);
  ASSERT_GT(ids.size(), 10u);

  for (const std::int32_t id : ids) {
    select_staff(id);
    ASSERT_EQ(editor().current_staff->StaffID, id);
    check_staff_fields();
    for (const item_list_place& place : item_list_places())
      check_items(place);
  }
  EXPECT_GT(items_checked, 100);  // the walk reached the items, not only the records
  EXPECT_TRUE(refusals.isEmpty()) << refusals.join('\n').toStdString();
}

}  // namespace
