#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>

#include "ability/position_weightings.h"
#include "main_window/main_window.h"
#include "main_window/staff_list_marks.h"
#include "platform/owner_drawn_list_view.h"
#include "platform/page_control.h"
#include "platform/win1252.h"
#include "record_form/editor_state.h"
#include "records/record_store.h"
#include "records/staff_sort.h"
#include "staff_list_test_records.h"
#include "window_test_support.h"

namespace {

class staff_list_selection : public testing::Test {
 protected:
  staff_list_selection() {
    window.show();
    set_up_home_club_file();
  }

  QLineEdit* first_name_edit() { return window.controls().get<QLineEdit>("staff_first_name"); }
  std::string entry_text(int index) { return to_win1252(window.list_box->entry_text(index)); }

  window_test_environment environment;
  Tfrm_main window;
};

TEST_F(staff_list_selection, choosing_an_entry_commits_the_record_left_and_shows_the_chosen) {
  qor_staff& adams = add_test_staff(1, "Adams", "Amy");
  qor_staff& brown = add_test_staff(2, "Brown", "Bob");
  add_test_staff(3, "Clark", "Cy", true);
  list_by_name_and_select_first(window);

  EXPECT_EQ(editor().current_staff, &adams);
  EXPECT_EQ(editor().current_staff_index, 0);
  EXPECT_NE(editor().original_staff, nullptr);
  EXPECT_EQ(window.label_staff->text(), "Home FC Staff");
  ASSERT_NE(first_name_edit(), nullptr);
  EXPECT_EQ(first_name_edit()->text(), "Amy");
  EXPECT_EQ(window.status_panel(0), "3 items");

  first_name_edit()->setText("Amelia");
  click_entry(window, 1);
  EXPECT_EQ(adams.StaffFirstName.view(), "Amelia");
  EXPECT_TRUE(editor().data_modified);
  EXPECT_EQ(entry_text(0), "Adams, Amelia");
  EXPECT_EQ(editor().current_staff, &brown);
  EXPECT_EQ(editor().current_staff_index, 1);
  EXPECT_EQ(first_name_edit()->text(), "Bob");
  EXPECT_EQ(window.status_panel(2), "");

  click_entry(window, 2);
  EXPECT_EQ(editor().original_staff, nullptr);
  EXPECT_EQ(window.label_staff->text(), "Home FC Staff [New]");
}

TEST_F(staff_list_selection, choosing_the_current_entry_again_changes_nothing) {
  qor_staff& adams = add_test_staff(1, "Adams", "Amy");
  add_test_staff(2, "Brown", "Bob");
  list_by_name_and_select_first(window);
  window.label_staff->setText("unchanged heading");
  first_name_edit()->setText("Amelia");

  click_entry(window, 0);
  EXPECT_EQ(window.label_staff->text(), "unchanged heading");
  EXPECT_EQ(adams.StaffFirstName.view(), "Amy");
  EXPECT_FALSE(editor().data_modified);
}

TEST_F(staff_list_selection, nothing_is_committed_or_relabelled_while_the_form_is_filled) {
  qor_staff& adams = add_test_staff(1, "Adams", "Amy");
  add_test_staff(2, "Brown", "Bob");
  list_by_name_and_select_first(window);
  first_name_edit()->setText("Amelia");
  window.list_box->set_entry_text(0, "kept");

  editor().filling_controls = true;
  click_entry(window, 1);
  EXPECT_EQ(adams.StaffFirstName.view(), "Amy");
  EXPECT_EQ(entry_text(0), "kept");
}

TEST_F(staff_list_selection, the_entry_left_is_relabelled_unfolded_with_its_attribute) {
  qor_staff& zelio = add_test_staff(1, "Santos", "Jose");
  zelio.StaffCommonName = "Z\xE9lio";
  store().staff_orig_list.front()->StaffCommonName = "Z\xE9lio";
  add_test_staff(2, "Smith", "");
  add_test_staff(3, "Adams", "Amy");
  list_by_name_and_select_first(window);  // Adams, Smith, Zelio
  ASSERT_EQ(entry_text(2), "Zelio");

  click_entry(window, 2);
  click_entry(window, 1);
  EXPECT_EQ(entry_text(2), "Z\xE9lio");
  window.list_shows_attribute = true;
  window.sort_attribute = 2;
  click_entry(window, 0);
  EXPECT_EQ(entry_text(1), "Smith,  (empty)");
}

TEST_F(staff_list_selection, choosing_from_the_analysis_page_goes_back_to_the_staff_page) {
  add_test_staff(1, "Adams", "Amy");
  list_by_name_and_select_first(window);
  window.pc_staff->set_active_page_index(3);
  window.main_page_control->set_active_page_index(1);

  click_entry(window, 0);
  EXPECT_EQ(window.main_page_control->currentWidget(), window.staff_tab);
  EXPECT_EQ(window.pc_staff->active_page_index(), 0);
}

TEST_F(staff_list_selection, double_click_explains_the_state_of_the_current_record) {
  qor_staff& adams = add_test_staff(1, "Adams", "Amy");
  list_by_name_and_select_first(window);

  window.list_boxDblClick();
  EXPECT_TRUE(environment.dialogs.shown().empty());

  adams.StaffClubContracted = away_club_id;
  window.list_boxDblClick();
  ASSERT_EQ(environment.dialogs.shown().size(), 1u);
  EXPECT_EQ(environment.dialogs.last().type, message_type::information);
  EXPECT_EQ(environment.dialogs.last().text,
            "This staff member's details have been changed. Staff is current contracted to "
            "another club.");
}

TEST_F(staff_list_selection, record_pages_cannot_change_while_the_form_is_filled) {
  add_test_staff(1, "Adams", "Amy");
  list_by_name_and_select_first(window);
  window.pc_staff->set_active_page_index(0);

  bool allow = true;
  editor().filling_controls = true;
  window.pc_staffChanging(allow);
  EXPECT_FALSE(allow);
  window.pc_staff->setCurrentIndex(2);
  EXPECT_EQ(window.pc_staff->active_page_index(), 0);

  editor().filling_controls = false;
  window.pc_staffChanging(allow);
  EXPECT_TRUE(allow);
  window.pc_staff->setCurrentIndex(2);
  EXPECT_EQ(window.pc_staff->active_page_index(), 2);
}

// Draws every entry and returns what the drawing left in the painter: its pen and underline.
struct drawn_entry {
  tcolor pen;
  bool underlined;
};
drawn_entry draw_entry(Tfrm_main& window, int index, bool selected) {
  QImage image(200, 20, QImage::Format_RGB32);
  QPainter painter(&image);
  window.list_boxDrawItem(painter, index, QRect(0, 0, 200, 20), selected);
  const QColor pen = painter.pen().color();
  return {static_cast<tcolor>(pen.red() | pen.green() << 8 | pen.blue() << 16),
          painter.font().underline()};
}

TEST_F(staff_list_selection, entries_are_drawn_from_their_own_records_whatever_they_hold) {
  // Classifications and end dates a damaged file may hold.
  const struct {
    std::int8_t classification;
    const char* end_date;
  } odd[] = {{0, "01/01/2000"}, {-1, "garbage"},   {9, ""},
             {1, "31/02/2013"}, {2, "99/99/9999"}, {3, "\xE9\xE9/\xFF/2013"}};
  std::int32_t id = 1;
  for (const auto& record : odd) {
    qor_staff& staff = add_test_staff(id, "Odd", std::to_string(id).c_str());
    staff.StaffClassification = record.classification;
    staff.StaffContractExpiresClub = record.end_date;
    ++id;
  }
  qor_staff& ended = add_test_staff(id, "Ended", "Ed");
  ended.StaffClassification = 1;
  ended.StaffContractExpiresClub = "01/05/2013";
  list_by_name_and_select_first(window);

  for (int index = 0; index < window.list_box->count(); ++index) {
    const qor_staff& staff = *entry_record(window, index);
    const drawn_entry drawn = draw_entry(window, index, false);
    EXPECT_EQ(drawn.pen, staff_entry_look_of(staff, false).color) << index;
    EXPECT_EQ(drawn.pen, &staff == &ended ? clBlue : clMaroon) << index;
  }

  // After a sort has moved the entries, each is still drawn from its own record.
  sort_staff(store().staff_list, 1, true);
  window.fill_sorted_staff_list(window.list_box, store().staff_list, 1, staff_list_unsorted, false);
  for (int index = 0; index < window.list_box->count(); ++index) {
    const bool is_ended = entry_record(window, index) == &ended;
    EXPECT_EQ(draw_entry(window, index, true).pen, is_ended ? clNavy : clRed) << index;
  }
}

TEST_F(staff_list_selection, markers_underline_the_drawn_entry) {
  qor_staff& loaned_out = add_test_staff(1, "Adams", "Amy");
  loaned_out.StaffClubOnLoanTo = loan_club_id;
  add_test_staff(2, "Brown", "Bob");
  list_by_name_and_select_first(window);

  EXPECT_TRUE(draw_entry(window, 0, false).underlined);
  EXPECT_FALSE(draw_entry(window, 1, false).underlined);
}

TEST_F(staff_list_selection, entry_height_follows_the_list_font) {
  QFont font = window.list_box->font();
  font.setPixelSize(13);
  window.list_box->setFont(font);
  int height = 0;
  window.list_boxMeasureItem(0, height);
  EXPECT_EQ(height, 16);
}

TEST_F(staff_list_selection, the_longest_entry_with_its_marker_scrolls_fully_into_view) {
  add_test_staff(1, "Adams", "Amy");
  // As long as an entry text gets, and marked for deletion: the widest drawing there is.
  qor_staff& longest = add_test_staff(2, std::string(50, 'W'), std::string(50, 'M'));
  longest.StaffMarkedForDeletion = "True";
  add_test_staff(3, "Brown", "Bob");
  list_by_name_and_select_first(window);
  owner_drawn_list_view& list = *window.list_box;
  QApplication::processEvents();
  list.doItemsLayout();

  int index = 0;
  while (index < list.count() && entry_record(window, index) != &longest)
    ++index;
  ASSERT_LT(index, list.count());
  const QString drawn = list.entry_text(index) + " [mfd]";
  const int drawn_right = 2 + QFontMetrics(list.font()).horizontalAdvance(drawn);
  ASSERT_GT(drawn_right, list.viewport()->width());
  EXPECT_GE(list.horizontalScrollBar()->maximum() + list.viewport()->width(), drawn_right);

  // Every entry keeps the measured height, the new one of Edit > Add staff too.
  window.set_edit_menu_enabled(true);
  window.menu_new->trigger();
  list.doItemsLayout();
  int height = 0;
  window.list_boxMeasureItem(0, height);
  for (int entry = 0; entry < list.count(); ++entry)
    EXPECT_EQ(list.visualRect(list.model()->index(entry, 0)).height(), height) << entry;
}

TEST_F(staff_list_selection, insert_in_the_list_adds_a_staff_record) {
  add_test_staff(1, "Adams", "Amy");
  list_by_name_and_select_first(window);
  window.set_edit_menu_enabled(true);

  QKeyEvent insert(QEvent::KeyPress, Qt::Key_Insert, Qt::NoModifier);
  QApplication::sendEvent(window.list_box, &insert);
  EXPECT_EQ(store().staff_list.size(), 2u);
  EXPECT_EQ(window.list_box->count(), 2);
  EXPECT_EQ(editor().current_staff, store().staff_list.back().get());
}

}  // namespace

namespace {

TEST(staff_list_selection_views, choosing_a_player_shows_his_weighted_attributes) {
  window_test_environment environment;
  Tfrm_main window;
  window.show();
  set_up_home_club_file();
  POSITION_WEIGHTINGS saved = weightings();
  weightings() = {};
  weightings().set_weighting(12, 27, 10);  // the striker's finishing
  add_test_staff(1, "Adams", "Amy");
  qor_staff& striker = add_test_staff(2, "Brown", "Bob");
  striker.StaffClassification = 2;
  striker.StaffPlayerAttackerCentral = 20;
  striker.StaffPlayerCurrentAbility = 120;
  striker.StaffPlayerFinishing = 15;
  list_by_name_and_select_first(window);
  click_entry(window, 1);
  const auto text = [&window](const char* name) {
    return window.controls().get<QLineEdit>(name)->text();
  };
  EXPECT_EQ(window.controls().get<QLabel>("staff_pl_finishing_weighting")->text(), "55.00");
  EXPECT_FALSE(text("staff_pl_finishing_w").isEmpty());
  EXPECT_FALSE(text("staff_pl_recommended_current_ability_b").isEmpty());
  weightings() = saved;
}

}  // namespace
