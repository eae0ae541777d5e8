#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <memory>
#include <vector>

#include "ability/position_weightings.h"
#include "ability/staff_attributes.h"
#include "file_menu_test_support.h"
#include "platform/item_objects.h"
#include "platform/page_control.h"
#include "record_form/editor_state.h"
#include "records/lookup_lists.h"
#include "records/record_store.h"

namespace {

class analysis_lists_window : public file_menu_test {
 protected:
  QListWidget* list() { return window.findChild<QListWidget*>("analysis_list_box"); }

  // Leaving the "Staff" page counts the records as they are now.
  void count_again() {
    window.main_page_control->setCurrentWidget(window.staff_tab);
    bool allowed = false;
    window.main_page_controlChanging(allowed);
    ASSERT_TRUE(allowed);
  }

  // Records other than the one on screen, which leaving the "Staff" page writes over.
  std::vector<qor_staff*> records_off_screen() {
    std::vector<qor_staff*> records;
    for (const auto& staff : store().staff_list) {
      if (staff.get() != editor().current_staff)
        records.push_back(staff.get());
    }
    return records;
  }

  // The line of the record in the list the button shows.
  QString line_of(const char* button, const qor_staff* staff) {
    window.findChild<QPushButton*>(button)->click();
    for (int index = 0; index < list()->count(); ++index) {
      if (entry_object<const qor_staff>(list(), index) == staff)
        return list()->item(index)->text();
    }
    return {};
  }
};

// Every entry is one line high and measured by the cheap width measure: the list still scrolls
// sideways as far as its widest entry, wherever that entry stands.
TEST_F(analysis_lists_window, the_list_scrolls_to_its_widest_entry) {
  open_through_menu(copy_to_folder(example_club_file()));
  qor_staff& wide = *records_off_screen().back();
  wide.StaffCommonName = std::string(200, 'W');  // as much as the field holds
  count_again();
  const QString widest = line_of("view_staff_bt", &wide);
  ASSERT_TRUE(widest.contains(QString(20, 'W')));
  QListWidget* shown = list();
  ASSERT_GE(shown->count(), 2);
  QApplication::processEvents();
  const int needed = QFontMetrics(shown->font()).horizontalAdvance(widest);
  EXPECT_GE(shown->horizontalScrollBar()->maximum() + shown->viewport()->width(), needed);
  const QRect first = shown->visualItemRect(shown->item(0));
  const QRect second = shown->visualItemRect(shown->item(1));
  EXPECT_EQ(first.height(), QFontMetrics(shown->font()).height());
  EXPECT_EQ(second.top(), first.bottom() + 1);
}

// The club form names the record's club from the club list: the first entry of its code, and
// nothing between the brackets for a code the list does not hold.
TEST_F(analysis_lists_window, the_club_form_names_the_first_entry_of_the_club) {
  open_through_menu(copy_to_folder(example_club_file()));
  const std::vector<qor_staff*> records = records_off_screen();
  ASSERT_GE(records.size(), 2U);
  lookups().club_list.insert(lookups().club_list.begin(),
                             {"Ferktura Rovers;0;0;0;0;987654", "Ferktura Again;0;0;0;0;987654"});
  qor_staff& known = *records[0];
  qor_staff& unknown = *records[1];
  known.StaffClubContracted = 987654;
  unknown.StaffClubContracted = 987655;
  count_again();
  EXPECT_TRUE(line_of("view_non_contracted_staff_bt", &known).contains("(Ferktura Rovers), "));
  EXPECT_TRUE(line_of("view_non_contracted_staff_bt", &unknown).contains("(), "));
}

// The "Recommended/Current Ability Diff" line of a player as worked out afresh.
QString expected_rca_line(const qor_staff& staff) {
  const int recommended = recommended_current_ability_of(staff, weightings());
  return QStringLiteral("%1, %2, %3, %4")
      .arg(QString::fromLatin1(staff.StaffSecondName.view()))
      .arg(staff.StaffPlayerCurrentAbility)
      .arg(recommended)
      .arg(recommended - staff.StaffPlayerCurrentAbility);
}

// The list keeps each player's value from one showing to the next; an attribute edited on the
// record pages in between must show in the next list with the value worked out afresh.
TEST_F(analysis_lists_window, an_edited_attribute_shows_in_the_next_rca_list) {
  open_through_menu(copy_to_folder(example_club_file()));
  // A player whose value his finishing moves.
  qor_staff* player = nullptr;
  for (const auto& staff : store().staff_list) {
    qor_staff changed = *staff;
    changed.StaffPlayerFinishing = staff->StaffPlayerFinishing > 10 ? 1 : 20;
    if (is_player(*staff) && recommended_current_ability_of(changed, weightings()) !=
                                 recommended_current_ability_of(*staff, weightings())) {
      player = staff.get();
      break;
    }
  }
  ASSERT_NE(player, nullptr);
  const QString before = line_of("BitBtn1", player);
  EXPECT_EQ(before, expected_rca_line(*player));

  select_staff(player->StaffID);
  const int finishing = player->StaffPlayerFinishing > 10 ? 1 : 20;
  edit("staff_pl_finishing")->setText(QString::number(finishing));
  bool allowed = false;
  window.main_page_controlChanging(allowed);  // leaving the "Staff" page commits the record
  ASSERT_TRUE(allowed);
  ASSERT_EQ(player->StaffPlayerFinishing, finishing);

  const QString after = line_of("BitBtn1", player);
  EXPECT_EQ(after, expected_rca_line(*player));
  EXPECT_NE(after, before);
}

}  // namespace
