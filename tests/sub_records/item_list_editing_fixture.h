#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <algorithm>
#include <string>
#include <vector>

#include "change_tracking/item_matching.h"
#include "item_panel_fixture.h"
#include "platform/item_objects.h"
#include "platform/owner_drawn_list_box.h"
#include "platform/string_grid.h"
#include "sub_records/item_entry_colours.h"
#include "sub_records/item_list_edits.h"
#include "sub_records/item_list_kinds.h"
#include "sub_records/item_list_places.h"
#include "sub_records/item_list_selection.h"

// The form with the list selection and editing bound as the main window binds them, and the
// staff member shown as current_staff.
class item_list_editing : public item_panel_form {
 protected:
  item_list_editing() {
    install_item_list_selection(controls);
    install_item_list_editing(controls);
    install_item_entry_colours(controls);
    editor().current_staff = &staff;
  }

  template <class Widget = QWidget>
  Widget* named(const char* name) {
    auto* widget = qobject_cast<Widget*>(control(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }

  void press(const char* button) { named<QAbstractButton>(button)->click(); }

  QString caption(const char* label) { return named<QLabel>(label)->text(); }

  bool visible(const char* name) { return !control(name)->isHidden(); }

  // The items the kind's list shows (history: through its hidden list), in their order.
  template <item_kind Kind>
  std::vector<const void*> listed() {
    std::vector<const void*> items;
    const item_list_place& place = place_of(Kind);
    if (Kind == item_kind::history) {
      auto* lines = named<owner_drawn_list_box>(history_lines);
      for (int line = 0; line < lines->count(); ++line)
        items.push_back(entry_object_raw(lines, line));
    } else if (auto* grid = qobject_cast<string_grid*>(control(place.list))) {
      for (int row = 1; row < grid->row_count(); ++row) {
        if (const void* item = row_object_raw(grid, row))
          items.push_back(item);
      }
    } else {
      auto* list = named<owner_drawn_list_box>(place.list);
      for (int index = 0; index < list->count(); ++index)
        items.push_back(entry_object_raw(list, index));
    }
    return items;
  }

  // Every entry of the list points at an item the store holds.
  template <item_kind Kind>
  void expect_list_holds_only_stored_items() {
    for (const void* item : listed<Kind>()) {
      const auto& items = items_of<Kind>();
      EXPECT_TRUE(std::any_of(items.begin(), items.end(), [item](const auto& held) {
        return held.get() == item;
      })) << place_of(Kind).list;
    }
  }

  template <item_kind Kind>
  QString count_text(int selected, int count) {
    const std::string n = std::to_string(count);
    if (!item_list_kind<Kind>::grid)
      return QString::fromStdString(n + " items");
    return QString::fromStdString(std::to_string(selected) + " of " + n + " items");
  }

  template <item_kind Kind>
  std::string marked_text(const item_record<Kind>& item) {
    return std::string((item.*item_list_kind<Kind>::marked).view());
  }

  // An item made in the editor (no original), not marked for deletion.
  template <item_kind Kind>
  item_record<Kind>& add_new_item(std::int32_t id) {
    item_record<Kind>& item = add_item<Kind>(id, false);
    item.*item_list_kind<Kind>::marked = "False";
    return item;
  }

  // The list box index, or grid row, that shows the item; -1 when none does.
  template <item_kind Kind>
  int entry_of(const void* item) {
    const std::vector<const void*> items = listed<Kind>();
    const auto found = std::find(items.begin(), items.end(), item);
    if (found == items.end())
      return -1;
    const int index = static_cast<int>(found - items.begin());
    return item_list_kind<Kind>::grid ? index + 1 : index;
  }

  // The user clicks a list box entry or a grid row.
  void click_entry(item_kind kind, int entry) {
    QWidget* list = control(place_of(kind).list);
    focus_on(list);
    click_list_entry(list, entry);
  }

  // Draws an entry (grid: every cell of a row) with the kind's draw handler, as painting the
  // list does, onto a magenta image; `text` replaces the entry's own text when given, and is
  // drawn without smoothing so that its pixels are the pen's colour.
  QImage draw_entry(item_kind kind, int entry, bool selected, const QString& text = {}) {
    QImage image(200, 40, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    QFont font = painter.font();
    font.setStyleStrategy(QFont::NoAntialias);
    font.setPixelSize(20);
    painter.setFont(font);
    const QRect rect(0, 0, 200, 40);
    QWidget* list = control(place_of(kind).list);
    if (auto* grid = qobject_cast<string_grid*>(list)) {
      for (int col = 0; col < grid->col_count(); ++col) {
        if (!text.isEmpty())
          grid->set_cell(col, entry, text);
        grid->cell_drawer()(painter, col, entry, rect, selected);
      }
    } else {
      auto* box = static_cast<owner_drawn_list_box*>(list);
      if (!text.isEmpty())
        box->item(entry)->setText(text);
      box->drawer()(painter, entry, rect, selected);
    }
    return image;
  }

  // Draws every entry or row the kind's list shows; each drawing reads its entry's item.
  void draw_every_entry(item_kind kind) {
    QWidget* list = control(place_of(kind).list);
    const auto* grid = qobject_cast<string_grid*>(list);
    const int first = grid != nullptr ? 1 : 0;
    const int end =
        grid != nullptr ? grid->row_count() : static_cast<owner_drawn_list_box*>(list)->count();
    for (int entry = first; entry < end; ++entry) {
      draw_entry(kind, entry, false);
      draw_entry(kind, entry, true);
    }
    list->grab();
  }
};

// The number of pixels of that colour.
inline int pixels_of(const QImage& image, const QColor& colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x)
      count += image.pixelColor(x, y) == colour ? 1 : 0;
  }
  return count;
}

// The seventeen kinds, in item_kind order, for tables over every kind.
inline const std::vector<item_kind> all_item_kinds = [] {
  std::vector<item_kind> kinds;
  for (std::size_t kind = 0; kind < item_kind_count; ++kind)
    kinds.push_back(static_cast<item_kind>(kind));
  return kinds;
}();
