#include "platform/string_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include "platform/owner_draw.h"
#include "platform/run_guarded.h"

namespace {

class cell_draw_delegate : public QStyledItemDelegate {
 public:
  explicit cell_draw_delegate(string_grid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    if (!grid_->cell_drawer() || index.row() == 0) {
      QStyledItemDelegate::paint(painter, option, index);
      return;
    }
    paint_owner_drawn_entry(*painter, option, [&](QPainter& cell_painter, bool selected) {
      grid_->cell_drawer()(cell_painter, index.column(), index.row(), option.rect, selected);
    });
  }

 private:
  string_grid* grid_;
};

}  // namespace

string_grid::string_grid(QWidget* parent) : QTableWidget(1, 1, parent) {
  setItemDelegate(new cell_draw_delegate(this));
  horizontalHeader()->hide();
  verticalHeader()->hide();
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  // Tab leaves the grid for the next control, as in any form; the arrow keys move inside it.
  setTabKeyNavigation(false);
  style_header_row();
  connect(this, &QTableWidget::cellClicked, this, [this](int row, int) {
    if (row > 0)
      run_click();
  });
  connect(this, &QTableWidget::cellDoubleClicked, this, [this] { run_double_click(); });
}

void string_grid::set_row_count(int rows) {
  setRowCount(std::max(rows, 1));
  style_header_row();
}

void string_grid::set_col_count(int cols) {
  setColumnCount(std::max(cols, 1));
  style_header_row();
}

QString string_grid::cell(int col, int row) const {
  const QTableWidgetItem* found = item(row, col);
  return found ? found->text() : QString();
}

void string_grid::set_cell(int col, int row, const QString& text) {
  if (row < 0 || row >= rowCount() || col < 0 || col >= columnCount())
    return;
  if (QTableWidgetItem* found = item(row, col)) {
    found->setText(text);
    return;
  }
  setItem(row, col, new QTableWidgetItem(text));
  if (row == 0)
    style_header_row();
}

void string_grid::set_row(int row) {
  if (row < 0 || row >= rowCount())
    return;
  setCurrentCell(row, std::max(currentColumn(), 0));
}

void string_grid::set_col(int col) {
  if (col < 0 || col >= columnCount())
    return;
  setCurrentCell(std::max(currentRow(), 0), col);
}

// The header row looks like a header and cannot be selected.
void string_grid::style_header_row() {
  if (!has_fixed_row())
    return;
  const QColor face = palette().color(QPalette::Button);
  for (int col = 0; col < columnCount(); ++col) {
    QTableWidgetItem* header = item(0, col);
    if (!header) {
      header = new QTableWidgetItem;
      setItem(0, col, header);
    }
    header->setFlags(Qt::ItemIsEnabled);
    header->setBackground(face);
  }
}

bool string_grid::event(QEvent* event) {
  // The key-down handler's Delete and Insert come before the window's menu shortcuts.
  return take_key_override(event) || QTableWidget::event(event);
}

void string_grid::keyPressEvent(QKeyEvent* event) {
  run_key_down(event->key());
  const int before_row = currentRow();
  const int before_col = currentColumn();
  QTableWidget::keyPressEvent(event);
  const bool moved = currentRow() != before_row || currentColumn() != before_col;
  if (moved && currentRow() > 0)
    run_click();
}

// The fixed row is never current: clicks on it are ignored and the keys stop at row 1.
void string_grid::mousePressEvent(QMouseEvent* event) {
  if (has_fixed_row() && rowAt(event->position().toPoint().y()) == 0)
    return;
  QTableWidget::mousePressEvent(event);
}

void string_grid::set_mouse_move_handler(std::function<void(int col, int row)> handler) {
  mouse_move_ = std::move(handler);
  viewport()->setMouseTracking(static_cast<bool>(mouse_move_));
}

void string_grid::mouseMoveEvent(QMouseEvent* event) {
  if (mouse_move_) {
    const QPoint at = event->position().toPoint();
    run_guarded([&] { mouse_move_(columnAt(at.x()), rowAt(at.y())); });
  }
  QTableWidget::mouseMoveEvent(event);
}

QModelIndex string_grid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  const QModelIndex next = QTableWidget::moveCursor(action, modifiers);
  if (has_fixed_row() && next.isValid() && next.row() == 0)
    return model()->index(1, next.column());
  return next;
}
