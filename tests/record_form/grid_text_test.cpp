#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QListWidget>

#include "platform/item_objects.h"
#include "platform/owner_drawn_list_view.h"
#include "platform/string_grid.h"
#include "record_form/grid_text.h"

namespace {

TEST(comma_text, quotes_cells_with_blanks_commas_quotes_or_control_characters) {
  struct comma_case {
    QStringList cells;
    const char* line;
  };
  const comma_case cases[] = {
      {{"2001", "Alder Town", "12"}, "2001,\"Alder Town\",12"},
      {{"a", "", "b"}, "a,,b"},
      {{"1,500"}, "\"1,500\""},
      {{"say \"hi\""}, "\"say \"\"hi\"\"\""},
      {{"tab\there"}, "\"tab\there\""},
      {{""}, "\"\""},
      {{"", ""}, ","},
      {{}, ""},
  };
  for (const comma_case& c : cases) {
    EXPECT_EQ(comma_text(c.cells), QString::fromLatin1(c.line)) << c.line;
  }
}

TEST(string_grid_copy, copies_every_row_with_the_header_as_comma_text) {
  string_grid grid;
  grid.set_col_count(3);
  grid.set_row_count(3);
  const char* cells[3][3] = {
      {"Year", "Club", "Apps"}, {"2001", "Alder Town", "12"}, {"2002", "", "7"}};
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 3; ++col)
      grid.set_cell(col, row, cells[row][col]);
  }
  EXPECT_EQ(string_grid_copy_text(&grid),
            "Year,Club,Apps\r\n2001,\"Alder Town\",12\r\n2002,,7\r\n");
  string_grid_copy(&grid);
  EXPECT_EQ(QApplication::clipboard()->text(), string_grid_copy_text(&grid));

  string_grid header_only;
  header_only.set_col_count(2);
  header_only.set_row_count(1);
  header_only.set_cell(0, 0, "Year");
  header_only.set_cell(1, 0, "Club");
  EXPECT_EQ(string_grid_copy_text(&header_only), "Year,Club\r\n");
}

TEST(list_box_copy, copies_the_entries_and_leaves_the_clipboard_alone_when_empty) {
  QApplication::clipboard()->setText("before");
  QListWidget empty;
  list_box_copy(&empty);
  EXPECT_EQ(QApplication::clipboard()->text(), "before");

  QListWidget list;
  list.addItems({"Alder Town", "Birch Rovers"});
  list_box_copy(&list);
  EXPECT_EQ(QApplication::clipboard()->text(), "Alder Town\r\nBirch Rovers\r\n");
  QListWidget second;
  second.addItems({"Corby"});
  list_box_copy(&second);  // the second copy replaces the first
  EXPECT_EQ(QApplication::clipboard()->text(), "Corby\r\n");

  // A list over a model of its own copies the same way.
  owner_drawn_list_view view;
  view.add_entry("Dunmore", nullptr);
  view.add_entry("Eastfield", nullptr);
  list_box_copy(&view);
  EXPECT_EQ(QApplication::clipboard()->text(), "Dunmore\r\nEastfield\r\n");
}

TEST(delete_string_grid_row, moves_later_rows_up_and_keeps_two_rows_at_least) {
  string_grid grid;
  grid.set_col_count(1);
  grid.set_row_count(4);
  int objects[4] = {0, 1, 2, 3};
  for (int row = 0; row < 4; ++row) {
    grid.set_cell(0, row, QString::number(row));
    set_row_object(&grid, row, &objects[row]);
  }
  EXPECT_FALSE(delete_string_grid_row(&grid, 4));
  EXPECT_FALSE(delete_string_grid_row(&grid, -1));
  EXPECT_TRUE(delete_string_grid_row(&grid, 1));
  EXPECT_EQ(grid.row_count(), 3);
  EXPECT_EQ(grid.cell(0, 1), "2");
  EXPECT_EQ(grid.cell(0, 2), "3");
  EXPECT_EQ(row_object<int>(&grid, 1), &objects[2]);

  string_grid small;
  small.set_col_count(1);
  small.set_row_count(2);
  small.set_cell(0, 1, "only");
  set_row_object(&small, 1, &objects[1]);
  EXPECT_TRUE(delete_string_grid_row(&small, 1));
  EXPECT_EQ(small.row_count(), 2);
  EXPECT_EQ(small.cell(0, 1), "");
  EXPECT_EQ(row_object<int>(&small, 1), nullptr);
}

TEST(clear_string_grid, blanks_the_data_rows_and_keeps_the_header) {
  string_grid grid;
  grid.set_col_count(2);
  grid.set_row_count(4);
  int object = 0;
  grid.set_cell(0, 0, "Year");
  grid.set_cell(1, 2, "x");
  set_row_object(&grid, 2, &object);
  clear_string_grid(&grid);
  EXPECT_EQ(grid.row_count(), 2);
  EXPECT_EQ(grid.cell(0, 0), "Year");
  EXPECT_EQ(grid.cell(1, 1), "");
  EXPECT_EQ(row_object<int>(&grid, 1), nullptr);
}

}  // namespace
