#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "analysis/rca_list.h"
#include "file_menu_test_support.h"
#include "platform/item_objects.h"
#include "record_form/editor_state.h"
#include "records/record_store.h"

namespace {

class rca_list_window : public file_menu_test {
 protected:
  // The line of the record in the list the "Recommended/Current Ability Diff" button shows.
  QString rca_line_of(const qor_staff* staff) {
    window.findChild<QPushButton*>("BitBtn1")->click();
    auto* list = window.findChild<QListWidget*>("analysis_list_box");
    for (int index = 0; index < list->count(); ++index) {
      if (entry_object<const qor_staff>(list, index) == staff)
        return list->item(index)->text();
    }
    return {};
  }

  static QString expected_line(const qor_staff& staff) {
    const int recommended = recommended_current_ability_of(staff);
    return QStringLiteral("%1, %2, %3, %4")
        .arg(QString::fromLatin1(staff.StaffSecondName.view()))
        .arg(staff.StaffPlayerCurrentAbility)
        .arg(recommended)
        .arg(recommended - staff.StaffPlayerCurrentAbility);
  }
};

// The list keeps each player's value from one showing to the next; an attribute edited on the
// record pages in between must show in the next list with the value worked out afresh.
TEST_F(rca_list_window, an_edited_attribute_shows_in_the_next_list) {
  open_through_menu(copy_to_folder(example_club_file()));
  // A player whose value his finishing moves.
  qor_staff* player = nullptr;
  for (const auto& staff : store().staff_list) {
    qor_staff changed = *staff;
    changed.StaffPlayerFinishing = staff->StaffPlayerFinishing > 10 ? 1 : 20;
    if (is_player(*staff) &&
        recommended_current_ability_of(changed) != recommended_current_ability_of(*staff)) {
      player = staff.get();
      break;
    }
  }
  ASSERT_NE(player, nullptr);
  const QString before = rca_line_of(player);
  EXPECT_EQ(before, expected_line(*player));

  select_staff(player->StaffID);
  const int finishing = player->StaffPlayerFinishing > 10 ? 1 : 20;
  edit("staff_pl_finishing")->setText(QString::number(finishing));
  bool allowed = false;
  window.main_page_controlChanging(allowed);  // leaving the "Staff" page commits the record
  ASSERT_TRUE(allowed);
  ASSERT_EQ(player->StaffPlayerFinishing, finishing);

  const QString after = rca_line_of(player);
  EXPECT_EQ(after, expected_line(*player));
  EXPECT_NE(after, before);
}

}  // namespace
