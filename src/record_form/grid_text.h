#pragma once

#include <QString>
#include <QStringList>

class QAbstractItemView;
class QTableWidget;

// String grids keep their header as row 0 of the table; data rows start at 1 and the row count
// includes the header.

// Removes `row` by moving every row below it up and blanking the last one; the grid shrinks by
// one row only while it keeps at least two. False, changing nothing, for a row outside it.
bool delete_string_grid_row(QTableWidget* grid, int row);

// Blanks every data row (texts and objects) and leaves one blank data row under the header.
void clear_string_grid(QTableWidget* grid);

// The cells as one comma-separated line: a cell holding a blank, a control character, a comma
// or a double quote is quoted with its quotes doubled; a single empty cell gives "".
QString comma_text(const QStringList& cells);

// Puts the entries of the list (their stored texts), one per line, on the clipboard; an empty
// list leaves the clipboard as it was.
void list_box_copy(const QAbstractItemView* list);

// Puts the grid's rows, the header row included, on the clipboard as comma-text lines.
void string_grid_copy(const QTableWidget* grid);

// The texts the two copies put on the clipboard: lines ended by CR LF.
QString list_box_copy_text(const QAbstractItemView* list);
QString string_grid_copy_text(const QTableWidget* grid);
