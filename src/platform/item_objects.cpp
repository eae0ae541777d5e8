#include "platform/item_objects.h"

namespace item_objects_detail {

QVariant to_variant(const void* object) {
  return QVariant::fromValue(reinterpret_cast<quintptr>(object));
}

void* from_variant(const QVariant& value) {
  return reinterpret_cast<void*>(value.value<quintptr>());
}

}  // namespace item_objects_detail

using item_objects_detail::from_variant;
using item_objects_detail::object_role;
using item_objects_detail::to_variant;

int add_list_entry(QListWidget* list, const QString& text, const void* object) {
  auto* item = new QListWidgetItem(text);
  item->setData(object_role, to_variant(object));
  list->addItem(item);
  return list->row(item);
}

void set_entry_object(QListWidget* list, int index, const void* object) {
  if (QListWidgetItem* item = list->item(index))
    item->setData(object_role, to_variant(object));
}

void* entry_object_raw(const QListWidget* list, int index) {
  const QListWidgetItem* item = list->item(index);
  return item ? from_variant(item->data(object_role)) : nullptr;
}

int add_combo_item(QComboBox* combo, const QString& text, const void* object) {
  combo->addItem(text, to_variant(object));
  return combo->count() - 1;
}

void* combo_object_raw(const QComboBox* combo, int index) {
  if (index < 0 || index >= combo->count())
    return nullptr;
  return from_variant(combo->itemData(index));
}

void set_row_object(QTableWidget* grid, int row, const void* object) {
  if (row < 0 || row >= grid->rowCount() || grid->columnCount() < 1)
    return;
  QTableWidgetItem* cell = grid->item(row, 0);
  if (!cell) {
    cell = new QTableWidgetItem;
    grid->setItem(row, 0, cell);
  }
  cell->setData(object_role, to_variant(object));
}

void* row_object_raw(const QTableWidget* grid, int row) {
  const QTableWidgetItem* cell = grid->item(row, 0);
  return cell ? from_variant(cell->data(object_role)) : nullptr;
}
