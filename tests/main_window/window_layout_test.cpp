#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QToolButton>
#include <map>
#include <set>
#include <string>

#include "file_menu_test_support.h"
#include "platform/page_control.h"
#include "platform/string_grid.h"
#include "platform/system_services.h"
#include "platform/win1252.h"
#include "record_form/editor_state.h"
#include "record_form/item_selection.h"

namespace {

// The main window on a screen larger than it, where it opens at its designed size.
class window_layout : public file_menu_test {
 protected:
  void SetUp() override {
    ASSERT_GT(screen_size().height(), 1000) << "runs on the large offscreen screen only";
    open_through_menu(copy_to_folder(example_club_file()));
    window.main_page_control->setCurrentWidget(window.staff_tab);
    settle_layouts();
  }

  QWidget* control(const char* name) {
    QWidget* found = window.controls().find(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  // Layouts settle level by level, one round of posted events each.
  static void settle_layouts() {
    for (int round = 0; round < 10; ++round)
      QApplication::processEvents();
  }
  QScrollArea* form_scroll_area() { return window.findChild<QScrollArea*>("form_scroll_area"); }
  // Some of the control is on the screen.
  static bool in_view(const QWidget* widget) {
    return widget->isVisible() && !widget->visibleRegion().isEmpty();
  }
};

TEST_F(window_layout, the_name_line_shows_the_id_and_the_name_above_the_pages) {
  const qor_staff& shown = *editor().current_staff;
  auto* name = static_cast<QLabel*>(control("staff_id_label"));
  auto* id = static_cast<QLineEdit*>(control("staff_id"));
  const auto* line = window.findChild<QWidget*>("staff_id_line");
  ASSERT_NE(line, nullptr);
  EXPECT_TRUE(in_view(name));
  EXPECT_TRUE(in_view(id));
  EXPECT_EQ(id->text(), QString::number(shown.StaffID));
  const QString expected_name =
      !shown.StaffCommonName.empty()
          ? from_win1252(shown.StaffCommonName)
          : from_win1252(shown.StaffSecondName) + ", " + from_win1252(shown.StaffFirstName);
  EXPECT_EQ(name->text(), ":ID - " + expected_name);
  EXPECT_LE(line->mapTo(window.staff_tab, QPoint(0, line->height())).y(),
            window.pc_staff->mapTo(window.staff_tab, QPoint(0, 0)).y());
}

// At its designed size the window shows everything without scroll bars; made smaller, it
// scrolls, so the sort controls below the pages can still be reached.
TEST_F(window_layout, a_window_smaller_than_designed_scrolls_to_the_sort_controls) {
  QScrollArea* scroll = form_scroll_area();
  ASSERT_NE(scroll, nullptr);
  auto* ascending = static_cast<QPushButton*>(control("sort_asc_btn"));
  EXPECT_FALSE(window.isMaximized());
  EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());
  EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());
  EXPECT_TRUE(in_view(ascending));

  window.resize(900, 560);
  settle_layouts();
  EXPECT_TRUE(scroll->verticalScrollBar()->isVisible());
  EXPECT_TRUE(scroll->horizontalScrollBar()->isVisible());
  scroll->ensureWidgetVisible(ascending);
  settle_layouts();
  EXPECT_TRUE(in_view(ascending));
}

// A record with an injury shows its injury panel on "3. Config", which then needs more height
// than the page has: the page scrolls, and nothing on it is squeezed.
TEST_F(window_layout, a_page_that_needs_more_room_scrolls_instead_of_squeezing) {
  select_staff(28000100);
  ASSERT_NE(selected_item<item_kind::injury>().current, nullptr);
  QWidget* config = control("tabsheet_staff_config");
  window.pc_staff->setCurrentWidget(config);
  settle_layouts();

  const auto* scroll = config->findChild<QScrollArea*>();
  ASSERT_NE(scroll, nullptr);
  EXPECT_GE(scroll->widget()->height(), scroll->widget()->minimumSizeHint().height());
  EXPECT_TRUE(scroll->verticalScrollBar()->isVisible());
  const auto* grid = static_cast<string_grid*>(control("staff_injury_string_grid"));
  EXPECT_GE(grid->height(), 6 * grid->verticalHeader()->defaultSectionSize());
  // The count line stays below the grid.
  EXPECT_GE(control("staff_injury_count")->y(), grid->geometry().bottom());
}

// The reputation guide stands on the world reputation's line, just right of the field, with room
// for the widest range it writes.
TEST_F(window_layout, the_reputation_guide_stands_beside_the_world_reputation) {
  window.pc_staff->setCurrentWidget(control("tabsheet_staff_pl1"));
  settle_layouts();
  auto* guide = static_cast<QLabel*>(control("wr_range_label"));
  QWidget* field = control("staff_pl_world_reputation");
  ASSERT_TRUE(in_view(guide));
  ASSERT_TRUE(in_view(field));
  guide->setText("165 - 200");
  settle_layouts();
  const QRect at = guide->geometry();
  const QRect beside = QRect(field->mapTo(guide->parentWidget(), QPoint(0, 0)), field->size());
  EXPECT_GE(at.left(), beside.right());
  EXPECT_LE(at.left() - beside.right(), 24);
  EXPECT_NEAR(at.center().y(), beside.center().y(), 2);
  EXPECT_GE(at.width(), guide->sizeHint().width());
}

// Every classification shows its record tabs whole at the designed size: no tab is cut, and the
// tab bar needs no scroll arrows.
TEST_F(window_layout, every_record_tab_is_in_view_at_the_designed_size) {
  std::map<int, std::int32_t> staff_by_classification;
  for (const auto& staff : store().staff_list)
    staff_by_classification.try_emplace(staff->StaffClassification, staff->StaffID);
  for (const int classification : {1, 2, 3})
    EXPECT_TRUE(staff_by_classification.contains(classification)) << classification;
  QTabBar* bar = window.pc_staff->tabBar();
  for (const auto& [classification, id] : staff_by_classification) {
    SCOPED_TRACE("classification " + std::to_string(classification));
    select_staff(id);
    settle_layouts();
    for (const QToolButton* arrow : bar->findChildren<QToolButton*>())
      EXPECT_FALSE(arrow->isVisible()) << "scroll arrows on the tab bar";
    for (int index = 0; index < bar->count(); ++index) {
      if (!bar->isTabVisible(index))
        continue;
      const QRect tab = bar->tabRect(index);
      EXPECT_TRUE(bar->rect().contains(tab))
          << bar->tabText(index).toStdString() << " at " << tab.x() << ".." << tab.right()
          << " of a bar " << bar->width() << " wide";
      EXPECT_GE(tab.width(), bar->fontMetrics().horizontalAdvance(bar->tabText(index).remove('&')))
          << bar->tabText(index).toStdString();
    }
  }
}

// "6. Coach" keeps its columns where they are whatever the record on screen holds: its group
// means and their bars change with every coach, its edits keep their own widths, and no group
// widens or moves.
TEST_F(window_layout, the_coach_page_keeps_its_columns_from_coach_to_coach) {
  QWidget* page = control("tabsheet_staff_np1");
  const auto groups_in_place = [&] {
    std::map<std::string, QRect> places;
    for (const QGroupBox* group : page->findChildren<QGroupBox*>()) {
      if (group->isVisible())
        places[group->objectName().toStdString()] = {group->mapTo(page, QPoint()), group->size()};
    }
    return places;
  };
  std::map<std::string, QRect> first;
  std::set<QString> means_shown;
  for (const auto& staff : store().staff_list) {
    if (staff->StaffClassification != 1 && staff->StaffClassification != 3)
      continue;
    SCOPED_TRACE("staff " + std::to_string(staff->StaffID));
    select_staff(staff->StaffID);
    window.pc_staff->setCurrentWidget(page);
    settle_layouts();
    means_shown.insert(static_cast<QLabel*>(control("avg_np_coaching"))->text());
    for (const QLineEdit* edit : page->findChildren<QLineEdit*>()) {
      EXPECT_EQ(edit->minimumWidth(), edit->maximumWidth()) << edit->objectName().toStdString();
    }
    const std::map<std::string, QRect> places = groups_in_place();
    if (first.empty())
      first = places;
    for (const auto& [name, place] : places) {
      EXPECT_EQ(place, first[name])
          << name << " at " << place.x() << " is " << place.width() << " wide, was at "
          << first[name].x() << " and " << first[name].width() << " wide";
    }
  }
  EXPECT_GT(means_shown.size(), 1u) << "the example's coaches are to differ";
}

}  // namespace
