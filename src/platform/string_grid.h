#pragma once

#include <QTableWidget>
#include <functional>

#include "platform/choice_handlers.h"

class QPainter;

// A grid of text cells addressed (column, row) as the original string grid was: row 0 is the
// fixed header row, shown and copied like the others but not selectable; data rows start at 1.
// Each row can carry the object it stands for (set_row_object in item_objects.h). Cells are not
// edited in place.
class string_grid : public QTableWidget, public choice_handlers {
  Q_OBJECT
 public:
  using draw_cell_handler =
      std::function<void(QPainter& painter, int col, int row, const QRect& rect, bool selected)>;

  explicit string_grid(QWidget* parent = nullptr);

  // RowCount and ColCount; never below 1.
  int row_count() const { return rowCount(); }
  void set_row_count(int rows);
  int col_count() const { return columnCount(); }
  void set_col_count(int cols);

  // The empty text outside the grid or for a cell never written.
  QString cell(int col, int row) const;
  void set_cell(int col, int row, const QString& text);

  // The selected row and column (Row, Col); setting them selects the cell.
  int row() const { return currentRow(); }
  void set_row(int row);
  int col() const { return currentColumn(); }
  void set_col(int col);

  // Data rows are drawn by the handler when there is one; the header row keeps its own look.
  void set_draw_cell_handler(draw_cell_handler handler) { draw_cell_ = std::move(handler); }
  // Runs as the pointer moves over the grid, with the cell under it (-1 where there is none).
  void set_mouse_move_handler(std::function<void(int col, int row)> handler);

  const draw_cell_handler& cell_drawer() const { return draw_cell_; }

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

 private:
  void style_header_row();
  bool has_fixed_row() const { return rowCount() > 1; }

  draw_cell_handler draw_cell_;
  std::function<void(int, int)> mouse_move_;
};
