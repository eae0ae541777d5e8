#pragma once

#include <QListView>
#include <QStringView>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/owner_drawn_list_handlers.h"

class list_entries_model;

// The entries of a whole fill of an owner_drawn_list_view: each a text and the object it stands
// for, every text in one buffer.
class list_entries {
 public:
  void reserve(std::size_t count, std::size_t characters);
  void add(QStringView text, const void* object);
  // The same for a text of Windows-1252 bytes, converted as it is stored.
  void add_win1252(std::string_view text, const void* object);

 private:
  friend class list_entries_model;

  struct entry {
    const void* object;
    std::uint32_t text_begin;
    std::uint32_t text_size;
  };

  std::u16string characters_;
  std::vector<entry> entries_;
};

// A list box of the owner_drawn_list_box kind for lists of tens of thousands of entries: its
// rows are a model over one vector of entries, so a fill hands every text and object over at
// once, without a widget item or a QVariant for each, and only the rows on screen are ever
// drawn. An entry's text stays as it was given until it is rewritten, whatever becomes of its
// object. item_index() is -1 when nothing is selected.
class owner_drawn_list_view : public QListView, public owner_drawn_list_handlers {
  Q_OBJECT
 public:
  explicit owner_drawn_list_view(QWidget* parent = nullptr);
  ~owner_drawn_list_view() override;

  // Entries all of one height, which `height` gives for any entry. `width` gives the width the
  // drawing of an entry with the text takes, and the list scrolls sideways as far as the widest
  // entry. Each text is measured once: when it is added or rewritten, or at the next layout
  // after a fill.
  void set_measure_handler(measure_handler height, width_handler width);

  int count() const;
  int item_index() const;
  void set_item_index(int index);

  // Every entry goes; then those handed in come, in their order, in one change of the model.
  void clear();
  void set_entries(list_entries entries);
  QString entry_text(int index) const;
  // Rewrites the text of the entry at `index`; nothing for an index outside the list.
  void set_entry_text(int index, const QString& text);
  // Null for an index outside the list or an entry without an object.
  const void* entry_object_raw(int index) const;

  // While sorted, entries are kept in the order of their texts, ignoring letter case; turning it
  // on sorts what is there.
  bool sorted() const { return sorted_; }
  void set_sorted(bool sorted);
  // Appends the entry, or inserts it in text order while sorted; returns its index.
  int add_entry(const QString& text, const void* object);

  // The width of the widest entry while a measure handler is set.
  int widest_entry_width() const;

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // Takes the text into the widest width while the entries are measured; lays the list out
  // again when it grew.
  void widen_to_entry(QStringView text);

  list_entries_model* model_;
  bool sorted_ = false;
};

// The object of the entry at `index`, as item_objects.h gives it for a QListWidget.
template <typename T>
T* entry_object(const owner_drawn_list_view* list, int index) {
  return static_cast<T*>(const_cast<void*>(list->entry_object_raw(index)));
}
