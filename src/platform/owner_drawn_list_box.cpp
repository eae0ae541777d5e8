#include "platform/owner_drawn_list_box.h"

#include <QKeyEvent>
#include <utility>

#include "platform/item_objects.h"
#include "platform/owner_draw_delegate.h"

owner_drawn_list_box::owner_drawn_list_box(QWidget* parent)
    : QListWidget(parent), owner_drawn_list_handlers(static_cast<QWidget&>(*this)) {
  setItemDelegate(new owner_draw_delegate<owner_drawn_list_box>(this));
  setSelectionMode(QAbstractItemView::SingleSelection);
  connect(this, &QListWidget::itemClicked, this, [this] { run_click(); });
  connect(this, &QListWidget::itemDoubleClicked, this, [this] { run_double_click(); });
}

owner_drawn_list_box::~owner_drawn_list_box() = default;

void owner_drawn_list_box::set_measure_handler(measure_handler height, width_handler width) {
  take_measure_handlers(std::move(height), std::move(width));
  // One entry's size stands for every entry's, so a layout need not measure them all.
  setUniformItemSizes(measurer() != nullptr);
  scheduleDelayedItemsLayout();
}

int owner_drawn_list_box::widest_entry_width() const {
  if (widest_ < 0) {
    widest_ = 0;
    widen_to_entries(0, count() - 1);
  }
  return widest_;
}

bool owner_drawn_list_box::widen_to_entries(int first, int last) const {
  bool grew = false;
  for (int row = first; row <= last; ++row)
    grew = widen_to(item(row)->text()) || grew;
  return grew;
}

int owner_drawn_list_box::item_index() const {
  const QList<QListWidgetItem*> chosen = selectedItems();
  return chosen.isEmpty() ? -1 : row(chosen.front());
}

void owner_drawn_list_box::set_item_index(int index) {
  if (index < 0 || index >= count()) {
    clearSelection();
    setCurrentRow(-1);
    return;
  }
  setCurrentRow(index);
}

int owner_drawn_list_box::add_entry(const QString& text, const void* object) {
  return add_list_entry(this, text, object);
}

void owner_drawn_list_box::rowsInserted(const QModelIndex& parent, int start, int end) {
  QListWidget::rowsInserted(parent, start, end);
  // Filled from empty, as a fill does entry by entry: measured all at once when the list is next
  // laid out.
  if (end - start + 1 == count())
    widest_ = -1;
  else if (measured())
    widen_to_entries(start, end);
}

void owner_drawn_list_box::dataChanged(const QModelIndex& top_left, const QModelIndex& bottom_right,
                                       const QList<int>& roles) {
  QListWidget::dataChanged(top_left, bottom_right, roles);
  if (!measured() || !top_left.isValid() || (!roles.isEmpty() && !roles.contains(Qt::DisplayRole)))
    return;
  // A text rewritten wider widens the scroll range at once; one rewritten narrower leaves it as
  // it is until the list is filled again.
  if (widen_to_entries(top_left.row(), bottom_right.row()))
    scheduleDelayedItemsLayout();
}

void owner_drawn_list_box::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) {
    forget_widths();
    scheduleDelayedItemsLayout();
  }
  QListWidget::changeEvent(event);
}

bool owner_drawn_list_box::event(QEvent* event) {
  // The key-down handler's Delete and Insert come before the window's menu shortcuts.
  return take_key_override(event) || QListWidget::event(event);
}

void owner_drawn_list_box::keyPressEvent(QKeyEvent* event) {
  run_key_down(event->key());
  const int before = currentRow();
  QListWidget::keyPressEvent(event);
  // Moving the selection with the keys is a choice by the user, as a click is.
  if (currentRow() != before && currentRow() >= 0)
    run_click();
}
