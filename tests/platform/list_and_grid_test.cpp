#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>
#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "platform/item_objects.h"
#include "platform/owner_drawn_list_box.h"
#include "platform/string_grid.h"

namespace {

struct listed_thing {
  int id;
};

std::vector<QString> texts_of(const QListWidget& list) {
  std::vector<QString> texts;
  for (int i = 0; i < list.count(); ++i)
    texts.push_back(list.item(i)->text());
  return texts;
}

TEST(owner_drawn_list_box, sorting_ignores_case_and_entries_keep_their_objects) {
  listed_thing smith{1}, adams{2}, brown{3}, baker{4};
  owner_drawn_list_box list;
  list.add_entry("smith", &smith);
  list.add_entry("Adams", &adams);
  list.add_entry("brown", &brown);
  EXPECT_EQ(texts_of(list), (std::vector<QString>{"smith", "Adams", "brown"}));

  list.set_sorted(true);
  EXPECT_EQ(texts_of(list), (std::vector<QString>{"Adams", "brown", "smith"}));
  EXPECT_EQ(entry_object<listed_thing>(&list, 0), &adams);
  EXPECT_EQ(entry_object<listed_thing>(&list, 2), &smith);

  // While sorted, a new entry goes to its place and its index comes back.
  EXPECT_EQ(list.add_entry("Baker", &baker), 1);
  EXPECT_EQ(entry_object<listed_thing>(&list, 1), &baker);

  list.set_sorted(false);
  EXPECT_EQ(list.add_entry("Aaron", nullptr), 4);
}

TEST(owner_drawn_list_box, item_index_is_minus_one_without_a_selection) {
  owner_drawn_list_box list;
  EXPECT_EQ(list.item_index(), -1);
  list.add_entry("a", nullptr);
  list.add_entry("b", nullptr);
  list.set_item_index(1);
  EXPECT_EQ(list.item_index(), 1);
  list.set_item_index(-1);
  EXPECT_EQ(list.item_index(), -1);
  list.set_item_index(7);
  EXPECT_EQ(list.item_index(), -1);
}

class shown_list : public testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"Andersson", "Berg", "Carlsson"})
      list.add_entry(name, nullptr);
    list.set_click_handler(
        [this] { events.push_back("click " + std::to_string(list.item_index())); });
    list.set_key_down_handler(
        [this](int key) { events.push_back(key == Qt::Key_Insert ? "insert" : "key"); });
    list.set_double_click_handler([this] { events.push_back("double"); });
    list.resize(200, 200);
    list.show();
    QApplication::setActiveWindow(&list);
    list.setFocus();
    QApplication::processEvents();
  }

  void click_entry(int index) {
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualRect(list.model()->index(index, 0)).center());
  }

  owner_drawn_list_box list;
  std::vector<std::string> events;
};

TEST_F(shown_list, the_user_selecting_by_mouse_or_keys_is_a_click_even_on_the_same_entry) {
  click_entry(1);
  click_entry(1);
  QTest::keyClick(&list, Qt::Key_Down);
  QTest::keyClick(&list, Qt::Key_Down);  // already on the last entry: no move, no click
  EXPECT_EQ(events, (std::vector<std::string>{"click 1", "click 1", "key", "click 2", "key"}));
}

TEST_F(shown_list, key_down_runs_before_the_list_handles_the_key) {
  list.set_item_index(0);
  QTest::keyClick(&list, Qt::Key_Insert);
  EXPECT_EQ(events, (std::vector<std::string>{"insert"}));
}

TEST_F(shown_list, double_click_runs_its_handler) {
  const QPoint entry = list.visualRect(list.model()->index(0, 0)).center();
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, entry);
  QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, entry);
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.back(), "double");
}

TEST_F(shown_list, the_program_draws_every_entry_at_the_height_it_measures) {
  std::set<int> drawn;
  std::set<int> drawn_selected;
  list.set_measure_handler([](int) { return 17; }, [](const QString&) { return 40; });
  list.set_draw_handler([&](QPainter& painter, int index, const QRect& rect, bool selected) {
    drawn.insert(index);
    if (selected)
      drawn_selected.insert(index);
    painter.drawText(rect.left() + 2, rect.top() + 12, "x");
  });
  list.set_item_index(2);
  list.doItemsLayout();
  list.grab();
  EXPECT_EQ(drawn, (std::set<int>{0, 1, 2}));
  EXPECT_EQ(drawn_selected, (std::set<int>{2}));
  EXPECT_EQ(list.visualRect(list.model()->index(1, 0)).height(), 17);
}

// Ten pixels a character, counted, so that a test sees which texts the list measured.
class measured_list : public shown_list {
 protected:
  void SetUp() override {
    shown_list::SetUp();
    list.set_measure_handler([](int) { return 17; },
                             [this](const QString& text) {
                               measured.push_back(text.toStdString());
                               return 10 * static_cast<int>(text.size());
                             });
    settle();
    measured.clear();
  }
  void settle() {
    QApplication::processEvents();
    list.doItemsLayout();
  }
  // How far right the list reaches when scrolled all the way.
  int reach() const { return list.horizontalScrollBar()->maximum() + list.viewport()->width(); }

  std::vector<std::string> measured;
};

TEST_F(measured_list, scrolls_sideways_as_far_as_the_widest_entry_measuring_each_text_once) {
  const QString wide(31, QLatin1Char('W'));  // 310 pixels, the viewport is narrower
  ASSERT_LT(list.viewport()->width(), 310);
  list.add_entry(wide, nullptr);
  settle();
  // Only the new entry was measured, and the list reaches its end.
  EXPECT_EQ(measured, (std::vector<std::string>{wide.toStdString()}));
  EXPECT_GE(reach(), 310);
  for (int index = 0; index < list.count(); ++index)
    EXPECT_EQ(list.visualRect(list.model()->index(index, 0)).height(), 17) << index;

  // A rewritten text wider still widens the reach at once; only it is measured.
  measured.clear();
  const QString wider(40, QLatin1Char('W'));
  list.item(1)->setText(wider);
  settle();
  EXPECT_EQ(measured, (std::vector<std::string>{wider.toStdString()}));
  EXPECT_GE(reach(), 400);
}

TEST_F(measured_list, a_list_filled_again_is_measured_once_when_laid_out) {
  list.clear();
  for (const char* name : {"Dahl", "Ek", "Falk"})
    list.add_entry(name, nullptr);
  list.set_sorted(true);  // takes every entry out and puts it back
  EXPECT_TRUE(measured.empty());
  settle();
  std::sort(measured.begin(), measured.end());
  EXPECT_EQ(measured, (std::vector<std::string>{"Dahl", "Ek", "Falk"}));
  EXPECT_EQ(list.horizontalScrollBar()->maximum(), 0);  // 40 pixels fit
}

TEST(owner_drawn_list_box, text_width_follows_the_font_a_character_at_a_time) {
  owner_drawn_list_box list;
  QFont font = list.font();
  font.setPixelSize(11);
  list.setFont(font);
  const int small = list.text_width("Zetterstr\u00f6m");
  EXPECT_NEAR(small, QFontMetrics(font).horizontalAdvance("Zetterstr\u00f6m"), 2);
  font.setPixelSize(22);
  list.setFont(font);
  EXPECT_GT(list.text_width("Zetterstr\u00f6m"), small * 3 / 2);
  EXPECT_EQ(list.text_width(QString()), 0);
}

TEST(string_grid, cells_are_addressed_column_then_row_and_outside_reads_empty) {
  string_grid grid;
  grid.set_col_count(3);
  grid.set_row_count(4);
  grid.set_cell(0, 0, "Year");
  grid.set_cell(2, 3, "Spain");
  grid.set_cell(3, 3, "outside");  // ignored
  EXPECT_EQ(grid.cell(0, 0), "Year");
  EXPECT_EQ(grid.cell(2, 3), "Spain");
  EXPECT_EQ(grid.cell(1, 1), QString());
  EXPECT_EQ(grid.cell(3, 3), QString());
  EXPECT_EQ(grid.cell(0, 9), QString());
  EXPECT_EQ(grid.row_count(), 4);
  EXPECT_EQ(grid.col_count(), 3);
}

TEST(string_grid, counts_never_drop_below_one) {
  string_grid grid;
  grid.set_row_count(0);
  grid.set_col_count(-3);
  EXPECT_EQ(grid.row_count(), 1);
  EXPECT_EQ(grid.col_count(), 1);
}

TEST(string_grid, a_row_object_survives_writing_the_rows_text) {
  listed_thing item{7};
  string_grid grid;
  grid.set_col_count(2);
  grid.set_row_count(2);
  set_row_object(&grid, 1, &item);
  grid.set_cell(0, 1, "2001");
  EXPECT_EQ(row_object<listed_thing>(&grid, 1), &item);
  EXPECT_EQ(grid.cell(0, 1), "2001");
}

class shown_grid : public testing::Test {
 protected:
  void SetUp() override {
    grid.set_col_count(2);
    grid.set_row_count(4);
    grid.set_cell(0, 0, "Year");
    grid.set_click_handler([this] { clicks.push_back(grid.row()); });
    grid.resize(300, 200);
    grid.show();
    QApplication::setActiveWindow(&grid);
    grid.setFocus();
    QApplication::processEvents();
  }

  QPoint centre_of(int col, int row) {
    return grid.visualRect(grid.model()->index(row, col)).center();
  }

  string_grid grid;
  std::vector<int> clicks;
};

TEST_F(shown_grid, the_header_row_can_be_neither_clicked_nor_reached_by_keys) {
  grid.set_row(1);
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, centre_of(1, 0));
  EXPECT_EQ(grid.row(), 1);
  QTest::keyClick(&grid, Qt::Key_Up);
  EXPECT_EQ(grid.row(), 1);
  EXPECT_TRUE(clicks.empty());

  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, centre_of(1, 3));
  QTest::keyClick(&grid, Qt::Key_Up);
  EXPECT_EQ(clicks, (std::vector<int>{3, 2}));
  EXPECT_EQ(grid.col(), 1);
}

TEST_F(shown_grid, the_program_draws_data_rows_and_leaves_the_header_alone) {
  std::set<int> rows_drawn;
  grid.set_draw_cell_handler(
      [&](QPainter&, int, int row, const QRect&, bool) { rows_drawn.insert(row); });
  grid.grab();
  EXPECT_EQ(rows_drawn, (std::set<int>{1, 2, 3}));
}

TEST(string_grid, tab_goes_on_to_the_next_control_and_arrows_still_move_inside) {
  QWidget form;
  auto* grid = new string_grid(&form);
  auto* next = new QLineEdit(&form);
  auto* layout = new QVBoxLayout(&form);
  layout->addWidget(grid);
  layout->addWidget(next);
  grid->set_col_count(2);
  grid->set_row_count(4);
  form.show();
  QApplication::setActiveWindow(&form);
  grid->setFocus();
  grid->set_row(1);
  QTest::keyClick(grid, Qt::Key_Down);
  EXPECT_EQ(grid->row(), 2);
  QTest::keyClick(grid, Qt::Key_Right);
  EXPECT_EQ(grid->col(), 1);

  QTest::keyClick(grid, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), next);
  EXPECT_EQ(grid->row(), 2);
  QTest::keyClick(next, Qt::Key_Backtab);
  EXPECT_EQ(QApplication::focusWidget(), grid);
}

}  // namespace
