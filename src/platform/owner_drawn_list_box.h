#pragma once

#include <QListWidget>
#include <functional>
#include <memory>

class QPainter;
class text_widths;

// A list box whose entries the program draws itself, each entry a text and the object it stands
// for (see item_objects.h). item_index() is -1 when nothing is selected.
class owner_drawn_list_box : public QListWidget {
  Q_OBJECT
 public:
  using draw_handler =
      std::function<void(QPainter& painter, int index, const QRect& rect, bool selected)>;
  using measure_handler = std::function<int(int index)>;
  using width_handler = std::function<int(const QString& text)>;

  explicit owner_drawn_list_box(QWidget* parent = nullptr);
  ~owner_drawn_list_box() override;

  // Without a draw handler entries are drawn the ordinary way.
  void set_draw_handler(draw_handler handler) { draw_ = std::move(handler); }
  // Entries all of one height, which `height` gives for any entry; the list asks it once per
  // layout, not for each entry. `width` gives the width the drawing of an entry with the text
  // takes, and the list scrolls sideways as far as the widest entry. Each text is measured once:
  // when it is added or rewritten, or at the next layout after the list was filled from empty.
  void set_measure_handler(measure_handler height, width_handler width);
  // The text's width in the list's font, cheap enough for every entry of a long list (see
  // text_widths.h).
  int text_width(const QString& text) const;
  // Runs when the user selects an entry by mouse or keyboard, also on the entry already
  // selected; never when the program sets item_index.
  void set_click_handler(std::function<void()> handler) { click_ = std::move(handler); }
  void set_double_click_handler(std::function<void()> handler) {
    double_click_ = std::move(handler);
  }
  // Runs before the list's own handling of the key. Delete and Insert reach it even where a menu
  // shortcut of the window (Edit > Delete is Del) would take them.
  void set_key_down_handler(std::function<void(int key)> handler) {
    key_down_ = std::move(handler);
  }

  int item_index() const;
  void set_item_index(int index);

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
  void rowsInserted(const QModelIndex& parent, int start, int end) override;
  void dataChanged(const QModelIndex& top_left, const QModelIndex& bottom_right,
                   const QList<int>& roles) override;

 private:
  void sort_entries();
  // Takes the entries from `first` to `last` into the widest width; true when it grew.
  bool widen_to_entries(int first, int last) const;

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
