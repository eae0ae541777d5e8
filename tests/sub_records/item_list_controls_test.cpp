// The item lists' copy buttons, the grids' double click, Enter key and pointer.
#include <QApplication>
#include <QTest>
#include <string>

#include "item_list_editing_fixture.h"
#include "item_panel_views.h"
#include "platform/system_services.h"

namespace {

using enum item_kind;

class item_list_controls : public item_list_editing {
 protected:
  // Two items of every kind, so that every list has entries and every grid rows.
  void give_every_kind_two_items() {
    for (item_kind kind : all_item_kinds) {
      item_panel_views::visit_kind(kind, [&](auto shown_kind) {
        constexpr item_kind Kind = decltype(shown_kind)::value;
        add_item<Kind>(1);
        add_new_item<Kind>(2);
      });
    }
  }

  // The cell's position in the grid's viewport, scrolled into view.
  static QPoint cell_point(string_grid* grid, int col, int row) {
    const QModelIndex cell = grid->model()->index(row, col);
    grid->scrollTo(cell);
    return grid->visualRect(cell).center();
  }
};

// Each "Copy Table" button puts its list's entries, or the history grid's rows with its header,
// on the clipboard, one line each; an empty list leaves the clipboard as it was.
TEST_F(item_list_controls, copy_buttons_put_their_list_on_the_clipboard) {
  show_items();
  set_clipboard_text("before");
  press("copy_staff_languages_btn");
  EXPECT_EQ(clipboard_text(), "before");

  give_every_kind_two_items();
  show_items();
  int buttons = 0;
  for (const item_list_place& place : item_list_places()) {
    if (place.copy_button == nullptr)
      continue;
    ++buttons;
    QString expected;
    if (auto* grid = qobject_cast<string_grid*>(control(place.list))) {
      expected =
          "Year,Order,Club,Loan,Apps,Goals,\"Date Joined\",\"Date Departed\",Fee,Currency,Youth,"
          "\"Loan Fee\",Currency,P/Exch.,DAs.,ISs.,\"Draft Type\"\r\n";
      for (int row = 1; row < grid->row_count(); ++row) {
        EXPECT_FALSE(grid->cell(0, row).isEmpty());
        expected += grid->cell(0, row);
        for (int col = 1; col < grid->col_count(); ++col) {
          const QString cell = grid->cell(col, row);
          const bool quoted = std::any_of(cell.begin(), cell.end(), [](QChar c) {
            return c.unicode() <= u' ' || c == u',' || c == u'"';
          });
          expected += ',' + (quoted ? '"' + cell + '"' : cell);
        }
        expected += "\r\n";
      }
    } else {
      auto* list = named<owner_drawn_list_box>(place.list);
      ASSERT_EQ(list->count(), 2) << place.list;
      for (int index = 0; index < list->count(); ++index)
        expected += list->item(index)->text() + "\r\n";
    }
    press(place.copy_button);
    EXPECT_EQ(clipboard_text(), expected) << place.copy_button;
  }
  EXPECT_EQ(buttons, 8);
}

// A double click on a grid cell, or Enter, focuses the detail control that edits its column;
// columns without one, disabled controls and the grids without a table do nothing.
TEST_F(item_list_controls, a_double_click_or_enter_focuses_the_column_control) {
  give_every_kind_two_items();
  show_items();
  // The focus moves between the grids and many panel controls: their exit checks, which would
  // hold the focus on a value they refuse, stand aside as while a panel is filled.
  editor().filling_controls = true;
  for (const item_list_place& place : item_list_places()) {
    auto* grid = qobject_cast<string_grid*>(control(place.list));
    if (grid == nullptr)
      continue;
    for (int col = 0; col < grid->col_count(); ++col) {
      SCOPED_TRACE(::testing::Message() << place.list << " column " << col);
      QWidget* column_control = static_cast<std::size_t>(col) < place.column_controls.size()
                                    ? control(place.column_controls[static_cast<std::size_t>(col)])
                                    : nullptr;
      QWidget* expected =
          column_control != nullptr && column_control->isEnabled() ? column_control : grid;

      focus_on(grid);
      const QPoint cell = cell_point(grid, col, 1);
      QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);
      QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell);
      EXPECT_EQ(QApplication::focusWidget(), expected);

      focus_on(grid);
      grid->set_row(1);
      grid->set_col(col);
      QTest::keyClick(grid, Qt::Key_Return);
      EXPECT_EQ(QApplication::focusWidget(), expected);
    }
  }
  editor().filling_controls = false;
  EXPECT_TRUE(place_of(achievements).column_controls.empty());
  EXPECT_TRUE(place_of(long_term_career).column_controls.empty());
}

// Over a grid's item rows the pointer is the pointing hand; over its header the arrow.
TEST_F(item_list_controls, the_pointer_is_a_hand_over_grid_rows) {
  give_every_kind_two_items();
  show_items();
  for (const item_list_place& place : item_list_places()) {
    auto* grid = qobject_cast<string_grid*>(control(place.list));
    if (grid == nullptr)
      continue;
    focus_on(grid);
    QTest::mouseMove(grid->viewport(), cell_point(grid, 0, 1));
    EXPECT_EQ(grid->viewport()->cursor().shape(), Qt::PointingHandCursor) << place.list;
    QTest::mouseMove(grid->viewport(), cell_point(grid, 0, 0));
    EXPECT_EQ(grid->viewport()->cursor().shape(), Qt::ArrowCursor) << place.list;
  }
}

}  // namespace
