#pragma once

#include <QListWidget>

#include "platform/owner_drawn_list_handlers.h"

// A list box whose entries the program draws itself, each entry a text and the object it stands
// for (see item_objects.h). item_index() is -1 when nothing is selected.
class owner_drawn_list_box : public QListWidget, public owner_drawn_list_handlers {
  Q_OBJECT
 public:
  explicit owner_drawn_list_box(QWidget* parent = nullptr);
  ~owner_drawn_list_box() override;

  // Entries all of one height, which `height` gives for any entry; the list asks it once per
  // layout, not for each entry. `width` gives the width the drawing of an entry with the text
  // takes, and the list scrolls sideways as far as the widest entry. Each text is measured once:
  // when it is added or rewritten, or at the next layout after the list was filled from empty.
  void set_measure_handler(measure_handler height, width_handler width);

  int item_index() const;
  void set_item_index(int index);

  // Appends the entry; returns its index.
  int add_entry(const QString& text, const void* object);

  // The width of the widest entry while a measure handler is set.
  int widest_entry_width() const;

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  void rowsInserted(const QModelIndex& parent, int start, int end) override;
  void dataChanged(const QModelIndex& top_left, const QModelIndex& bottom_right,
                   const QList<int>& roles) override;

 private:
  // Takes the entries from `first` to `last` into the widest width; true when it grew.
  bool widen_to_entries(int first, int last) const;
};
