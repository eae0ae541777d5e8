#pragma once

#include <QListWidget>
#include <functional>

class QPainter;

// A list box whose entries the program draws itself, each entry a text and the object it stands
// for (see item_objects.h). item_index() is -1 when nothing is selected.
class owner_drawn_list_box : public QListWidget {
  Q_OBJECT
 public:
  using draw_handler =
      std::function<void(QPainter& painter, int index, const QRect& rect, bool selected)>;
  using measure_handler = std::function<int(int index)>;

  explicit owner_drawn_list_box(QWidget* parent = nullptr);

  // Without a draw handler entries are drawn the ordinary way.
  void set_draw_handler(draw_handler handler) { draw_ = std::move(handler); }
  void set_measure_handler(measure_handler handler) { measure_ = std::move(handler); }
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

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void sort_entries();

  draw_handler draw_;
  measure_handler measure_;
  std::function<void()> click_;
  std::function<void()> double_click_;
  std::function<void(int)> key_down_;
  bool sorted_ = false;
};
