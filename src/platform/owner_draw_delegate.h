#pragma once

#include <QStyledItemDelegate>

#include "platform/owner_draw.h"

// Paints and sizes the entries of an owner-drawn list through the list's own handlers, or the
// ordinary way while it has none. `List` gives drawer(), measurer() and widest_entry_width().
template <class List>
class owner_draw_delegate : public QStyledItemDelegate {
 public:
  explicit owner_draw_delegate(List* list) : QStyledItemDelegate(list), list_(list) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    if (!list_->drawer()) {
      QStyledItemDelegate::paint(painter, option, index);
      return;
    }
    paint_owner_drawn_entry(*painter, option, [&](QPainter& entry_painter, bool selected) {
      list_->drawer()(entry_painter, index.row(), option.rect, selected);
    });
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    if (!list_->measurer())
      return QStyledItemDelegate::sizeHint(option, index);
    return {list_->widest_entry_width(), list_->measurer()(index.row())};
  }

 private:
  List* list_;
};
