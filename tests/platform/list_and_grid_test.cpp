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
#include <utility>
#include <vector>

#include "platform/item_objects.h"
#include "platform/owner_drawn_list_box.h"
#include "platform/owner_drawn_list_view.h"
#include "platform/string_grid.h"

namespace {

struct listed_thing {
  int id;
};

// The two owner-drawn lists, a widget-item one and a model one, behave alike.
void rewrite(owner_drawn_list_box& list, int index, const QString& text) {
  list.item(index)->setText(text);
}
void rewrite(owner_drawn_list_view& list, int index, const QString& text) {
  list.set_entry_text(index, text);
}

std::vector<QString> texts_of(const owner_drawn_list_view& list) {
  std::vector<QString> texts;
  for (int i = 0; i < list.count(); ++i)
    texts.push_back(list.entry_text(i));
  return texts;
}

template <class List>
class owner_drawn_list : public testing::Test {};
using owner_drawn_lists = testing::Types<owner_drawn_list_box, owner_drawn_list_view>;
TYPED_TEST_SUITE(owner_drawn_list, owner_drawn_lists);

TEST(owner_drawn_list_view, sorting_ignores_case_and_entries_keep_their_objects) {
  listed_thing smith{1}, adams{2}, brown{3}, baker{4};
  owner_drawn_list_view list;
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

TYPED_TEST(owner_drawn_list, item_index_is_minus_one_without_a_selection) {
  TypeParam list;
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

TEST(owner_drawn_list_view, a_fill_replaces_every_entry_with_the_texts_and_objects_handed_in) {
  listed_thing zelio{1}, brown{2}, adams{3};
  owner_drawn_list_view list;
  list.add_entry("old", nullptr);
  list.set_item_index(0);
  list_entries entries;
  entries.add_win1252("Z\xE9lio", &zelio);
  entries.add(u"brown", &brown);
  entries.add_win1252("Adams", &adams);
  list.set_entries(std::move(entries));
  EXPECT_EQ(texts_of(list), (std::vector<QString>{"Z\u00e9lio", "brown", "Adams"}));
  EXPECT_EQ(entry_object<listed_thing>(&list, 0), &zelio);
  EXPECT_EQ(entry_object<listed_thing>(&list, 2), &adams);
  EXPECT_EQ(list.item_index(), -1);

  // Outside the list there is nothing to read or rewrite.
  list.set_entry_text(3, "past the end");
  EXPECT_EQ(list.entry_text(3), QString());
  EXPECT_EQ(entry_object<listed_thing>(&list, -1), nullptr);

  // A fill of a sorted list comes in text order, and a rewritten entry keeps its object.
  list.set_sorted(true);
  list_entries again;
  again.add(u"smith", &zelio);
  again.add(u"Baker", &brown);
  list.set_entries(std::move(again));
  EXPECT_EQ(texts_of(list), (std::vector<QString>{"Baker", "smith"}));
  list.set_entry_text(0, "Brown");
  EXPECT_EQ(texts_of(list), (std::vector<QString>{"Brown", "smith"}));
  EXPECT_EQ(entry_object<listed_thing>(&list, 0), &brown);
}

template <class List>
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

  List list;
  std::vector<std::string> events;
};
TYPED_TEST_SUITE(shown_list, owner_drawn_lists);

TYPED_TEST(shown_list, the_user_selecting_by_mouse_or_keys_is_a_click_even_on_the_same_entry) {
  this->click_entry(1);
  this->click_entry(1);
  QTest::keyClick(&this->list, Qt::Key_Down);
  QTest::keyClick(&this->list, Qt::Key_Down);  // already on the last entry: no move, no click
  EXPECT_EQ(this->events,
            (std::vector<std::string>{"click 1", "click 1", "key", "click 2", "key"}));
}

TYPED_TEST(shown_list, key_down_runs_before_the_list_handles_the_key) {
  this->list.set_item_index(0);
  QTest::keyClick(&this->list, Qt::Key_Insert);
  EXPECT_EQ(this->events, (std::vector<std::string>{"insert"}));
}

TYPED_TEST(shown_list, double_click_runs_its_handler) {
  const QPoint entry = this->list.visualRect(this->list.model()->index(0, 0)).center();
  QTest::mouseClick(this->list.viewport(), Qt::LeftButton, {}, entry);
  QTest::mouseDClick(this->list.viewport(), Qt::LeftButton, {}, entry);
  ASSERT_FALSE(this->events.empty());
  EXPECT_EQ(this->events.back(), "double");
}

TYPED_TEST(shown_list, the_program_draws_every_entry_at_the_height_it_measures) {
  std::set<int> drawn;
  std::set<int> drawn_selected;
  this->list.set_measure_handler([](int) { return 17; }, [](QStringView) { return 40; });
  this->list.set_draw_handler([&](QPainter& painter, int index, const QRect& rect, bool selected) {
    drawn.insert(index);
    if (selected)
      drawn_selected.insert(index);
    painter.drawText(rect.left() + 2, rect.top() + 12, "x");
  });
  this->list.set_item_index(2);
  this->list.doItemsLayout();
  this->list.grab();
  EXPECT_EQ(drawn, (std::set<int>{0, 1, 2}));
  EXPECT_EQ(drawn_selected, (std::set<int>{2}));
  EXPECT_EQ(this->list.visualRect(this->list.model()->index(1, 0)).height(), 17);
}

// Ten pixels a character, counted, so that a test sees which texts the list measured.
template <class List>
class measured_list : public shown_list<List> {
 protected:
  void SetUp() override {
    shown_list<List>::SetUp();
    this->list.set_measure_handler([](int) { return 17; },
                                   [this](QStringView text) {
                                     measured.push_back(text.toString().toStdString());
                                     return 10 * static_cast<int>(text.size());
                                   });
    settle();
    measured.clear();
  }
  void settle() {
    QApplication::processEvents();
    this->list.doItemsLayout();
  }
  // How far right the list reaches when scrolled all the way.
  int reach() const {
    return this->list.horizontalScrollBar()->maximum() + this->list.viewport()->width();
  }

  std::vector<std::string> measured;
};
TYPED_TEST_SUITE(measured_list, owner_drawn_lists);

TYPED_TEST(measured_list, scrolls_sideways_as_far_as_the_widest_entry_measuring_each_text_once) {
  const QString wide(31, QLatin1Char('W'));  // 310 pixels, the viewport is narrower
  ASSERT_LT(this->list.viewport()->width(), 310);
  this->list.add_entry(wide, nullptr);
  this->settle();
  // Only the new entry was measured, and the list reaches its end.
  EXPECT_EQ(this->measured, (std::vector<std::string>{wide.toStdString()}));
  EXPECT_GE(this->reach(), 310);
  for (int index = 0; index < this->list.count(); ++index)
    EXPECT_EQ(this->list.visualRect(this->list.model()->index(index, 0)).height(), 17) << index;

  // A rewritten text wider still widens the reach at once; only it is measured.
  this->measured.clear();
  const QString wider(40, QLatin1Char('W'));
  rewrite(this->list, 1, wider);
  this->settle();
  EXPECT_EQ(this->measured, (std::vector<std::string>{wider.toStdString()}));
  EXPECT_GE(this->reach(), 400);
}

TYPED_TEST(measured_list, a_list_filled_again_is_measured_once_when_laid_out) {
  this->list.clear();
  for (const char* name : {"Dahl", "Ek", "Falk"})
    this->list.add_entry(name, nullptr);
  EXPECT_TRUE(this->measured.empty());
  this->settle();
  std::sort(this->measured.begin(), this->measured.end());
  EXPECT_EQ(this->measured, (std::vector<std::string>{"Dahl", "Ek", "Falk"}));
  EXPECT_EQ(this->list.horizontalScrollBar()->maximum(), 0);  // 40 pixels fit
}

TEST(owner_drawn_list_box, text_width_follows_the_font_a_character_at_a_time) {
  owner_drawn_list_box list;
  QFont font = list.font();
  font.setPixelSize(11);
  list.setFont(font);
  const QString name = "Zetterstr\u00f6m";
  const int small = list.text_width(name);
  EXPECT_NEAR(small, QFontMetrics(font).horizontalAdvance(name), 2);
  font.setPixelSize(22);
  list.setFont(font);
  EXPECT_GT(list.text_width(name), small * 3 / 2);
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
