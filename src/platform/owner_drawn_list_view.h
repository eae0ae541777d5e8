#pragma once

#include <QListView>
#include <QStringView>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QPainter;
class text_widths;
class list_entries_model;

// The entries of a whole fill of an owner_drawn_list_view: each a text and the object it stands
// for, every text in one buffer.
class list_entries {
 public:
  void reserve(std::size_t count, std::size_t characters);
  void add(QStringView text, const void* object);
  // The same for a text of Windows-1252 bytes, converted as it is stored.
  void add_win1252(std::string_view text, const void* object);
  std::size_t size() const { return entries_.size(); }

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
class owner_drawn_list_view : public QListView {
  Q_OBJECT
 public:
  using draw_handler =
      std::function<void(QPainter& painter, int index, const QRect& rect, bool selected)>;
  using measure_handler = std::function<int(int index)>;
  using width_handler = std::function<int(QStringView text)>;

  explicit owner_drawn_list_view(QWidget* parent = nullptr);
  ~owner_drawn_list_view() override;

  // Without a draw handler entries are drawn the ordinary way.
  void set_draw_handler(draw_handler handler) { draw_ = std::move(handler); }
  // Entries all of one height, which `height` gives for any entry. `width` gives the width the
  // drawing of an entry with the text takes, and the list scrolls sideways as far as the widest
  // entry. Each text is measured once: when it is added or rewritten, or at the next layout
  // after a fill.
  void set_measure_handler(measure_handler height, width_handler width);
  // The text's width in the list's font, cheap enough for every entry of a long list (see
  // text_widths.h).
  int text_width(QStringView text) const;
  // Runs when the user selects an entry by mouse or keyboard, also on the entry already
  // selected; never when the program sets item_index.
  void set_click_handler(std::function<void()> handler) { click_ = std::move(handler); }
  void set_double_click_handler(std::function<void()> handler) {
    double_click_ = std::move(handler);
  }
  // Runs before the list's own handling of the key. Delete and Insert reach it even where a menu
  // shortcut of the window would take them.
  void set_key_down_handler(std::function<void(int key)> handler) {
    key_down_ = std::move(handler);
  }

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

  const draw_handler& drawer() const { return draw_; }
  const measure_handler& measurer() const { return measure_; }
  // The width of the widest entry while a measure handler is set.
  int widest_entry_width() const;

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // Takes the text into the widest width, when the entries are measured; lays the list out
  // again when it grew.
  void widen_to(QStringView text);

  list_entries_model* model_;
  draw_handler draw_;
  measure_handler measure_;
  width_handler width_;
  // Negative until the entries are measured.
  mutable int widest_ = -1;
  mutable std::unique_ptr<text_widths> text_widths_;
  std::function<void()> click_;
  std::function<void()> double_click_;
  std::function<void(int)> key_down_;
  bool sorted_ = false;
};

// The object of the entry at `index`, as item_objects.h gives it for a QListWidget.
template <typename T>
T* entry_object(const owner_drawn_list_view* list, int index) {
  return static_cast<T*>(const_cast<void*>(list->entry_object_raw(index)));
}
