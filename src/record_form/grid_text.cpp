#include "record_form/grid_text.h"

#include <QListWidget>
#include <QTableWidget>

#include "platform/system_services.h"

namespace {

const QString line_end = QStringLiteral("\r\n");

bool needs_quotes(const QString& cell) {
  for (const QChar c : cell) {
    if (c.unicode() <= u' ' || c == u',' || c == u'"')
      return true;
  }
  return false;
}

QString quoted(const QString& cell) {
  QString result = cell;
  result.replace(QStringLiteral("\""), QStringLiteral("\"\""));
  return u'"' + result + u'"';
}

QStringList row_cells(const QTableWidget* grid, int row) {
  QStringList cells;
  for (int column = 0; column < grid->columnCount(); ++column) {
    const QTableWidgetItem* item = grid->item(row, column);
    cells << (item != nullptr ? item->text() : QString());
  }
  return cells;
}

}  // namespace

bool delete_string_grid_row(QTableWidget* grid, int row) {
  const int row_count = grid->rowCount();
  if (row < 0 || row >= row_count)
    return false;
  // Removing the row moves the rows below up with their texts and objects.
  grid->removeRow(row);
  if (row_count < 3)
    grid->insertRow(grid->rowCount());
  return true;
}

void clear_string_grid(QTableWidget* grid) {
  for (int row = 1; row < grid->rowCount(); ++row) {
    for (int column = 0; column < grid->columnCount(); ++column) {
      delete grid->takeItem(row, column);
    }
  }
  grid->setRowCount(2);
}

QString comma_text(const QStringList& cells) {
  if (cells.size() == 1 && cells.front().isEmpty())
    return QStringLiteral("\"\"");
  QStringList parts;
  parts.reserve(cells.size());
  for (const QString& cell : cells)
    parts << (needs_quotes(cell) ? quoted(cell) : cell);
  return parts.join(u',');
}

QString list_box_copy_text(const QAbstractItemView* list) {
  const QAbstractItemModel* entries = list->model();
  QString text;
  for (int i = 0; i < entries->rowCount(); ++i)
    text += entries->index(i, 0).data().toString() + line_end;
  return text;
}

QString string_grid_copy_text(const QTableWidget* grid) {
  QString text;
  for (int row = 0; row < grid->rowCount(); ++row)
    text += comma_text(row_cells(grid, row)) + line_end;
  return text;
}

void list_box_copy(const QAbstractItemView* list) {
  if (list == nullptr || list->model()->rowCount() == 0)
    return;
  set_clipboard_text(list_box_copy_text(list));
}

void string_grid_copy(const QTableWidget* grid) {
  if (grid == nullptr || grid->rowCount() < 1)
    return;
  set_clipboard_text(string_grid_copy_text(grid));
}
