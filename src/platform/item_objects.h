#pragma once

#include <QComboBox>
#include <QListWidget>
#include <QTableWidget>
#include <QVariant>

// List entries, combo items and grid rows can carry the object they stand for. The pointer is
// never owned: the record store owns every record.

namespace item_objects_detail {
inline constexpr int object_role = Qt::UserRole + 77;
QVariant to_variant(const void* object);
void* from_variant(const QVariant& value);
}  // namespace item_objects_detail

// Appends an entry showing `text` and carrying `object`; returns its index.
int add_list_entry(QListWidget* list, const QString& text, const void* object);
void set_entry_object(QListWidget* list, int index, const void* object);
// Null for an index outside the list or an entry without an object.
void* entry_object_raw(const QListWidget* list, int index);
template <typename T>
T* entry_object(const QListWidget* list, int index) {
  return static_cast<T*>(entry_object_raw(list, index));
}

int add_combo_item(QComboBox* combo, const QString& text, const void* object);
void* combo_object_raw(const QComboBox* combo, int index);
template <typename T>
T* combo_object(const QComboBox* combo, int index) {
  return static_cast<T*>(combo_object_raw(combo, index));
}

// A grid row's object is the object of its cell (0, row); the cell is created when missing.
void set_row_object(QTableWidget* grid, int row, const void* object);
void* row_object_raw(const QTableWidget* grid, int row);
template <typename T>
T* row_object(const QTableWidget* grid, int row) {
  return static_cast<T*>(row_object_raw(grid, row));
}
