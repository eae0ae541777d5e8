#include "sub_records/item_entry_colours.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <array>
#include <string_view>
#include <utility>

#include "change_tracking/item_matching.h"
#include "platform/item_objects.h"
#include "platform/owner_drawn_list_box.h"
#include "platform/string_grid.h"
#include "record_form/form_controls.h"
#include "records/text_compare.h"
#include "sub_records/item_list_kinds.h"
#include "sub_records/item_list_places.h"

namespace {

const QColor silver(0xC0, 0xC0, 0xC0);
const QColor grey(0x80, 0x80, 0x80);
const QColor green(0x00, 0x80, 0x00);
const QColor lime(0x00, 0xFF, 0x00);
const QColor maroon(0x80, 0x00, 0x00);
const QColor red(0xFF, 0x00, 0x00);
const QColor sky_blue(0xA6, 0xCA, 0xF0);

QColor system_colour(QPalette::ColorRole role) {
  return QApplication::palette().color(role);
}

template <item_kind Kind>
item_entry_state state_of(const item_record<Kind>& item) {
  std::string_view marked = (item.*item_list_kind<Kind>::marked).view();
  if (equals_ignoring_case(marked, "true"))
    return item_entry_state::marked;
  const item_record<Kind>* original = find_original_item<Kind>(&item);
  if (original == nullptr)
    return item_entry_state::added;
  return item_differs<Kind>(item, *original) ? item_entry_state::changed
                                             : item_entry_state::unchanged;
}

void draw_entry_text(QPainter& painter, const QRect& rect, int top, const QString& text,
                     const item_entry_colours& colours) {
  const QPoint at = rect.topLeft() + QPoint(2, top);
  if (colours.background) {
    const QRect box = painter.fontMetrics().boundingRect(text);
    painter.fillRect(QRect(at, QSize(box.width(), painter.fontMetrics().height())),
                     *colours.background);
  }
  painter.setPen(colours.text);
  painter.drawText(QRect(at, rect.bottomRight()), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                   text);
}

template <item_kind Kind>
void bind_list_box(const item_list_place& place, form_controls& form) {
  auto* list = form.get<owner_drawn_list_box>(place.list);
  if (list == nullptr)
    return;
  list->set_draw_handler([list](QPainter& painter, int index, const QRect& rect, bool selected) {
    const auto* item = entry_object<item_record<Kind>>(list, index);
    const item_entry_state state =
        item != nullptr ? state_of<Kind>(*item) : item_entry_state::unchanged;
    draw_entry_text(painter, rect, 0, list->item(index)->text(),
                    entry_colours_of(state, selected, false));
  });
}

template <item_kind Kind>
void bind_grid(const item_list_place& place, form_controls& form) {
  auto* grid = form.get<string_grid>(place.list);
  if (grid == nullptr)
    return;
  // History rows hold no items: line r - 1 of the hidden list holds the item of row r.
  auto* lines =
      Kind == item_kind::history ? form.get<owner_drawn_list_box>(history_lines) : nullptr;
  const int top = place.text_top;
  grid->set_draw_cell_handler(
      [grid, lines, top](QPainter& painter, int col, int row, const QRect& rect, bool selected) {
        const auto* item = lines != nullptr ? entry_object<item_record<Kind>>(lines, row - 1)
                                            : row_object<item_record<Kind>>(grid, row);
        const item_entry_state state =
            item != nullptr ? state_of<Kind>(*item) : item_entry_state::unchanged;
        draw_entry_text(painter, rect, top, grid->cell(col, row),
                        entry_colours_of(state, selected, true));
      });
}

template <item_kind Kind>
void bind_kind(form_controls& form) {
  if constexpr (item_list_kind<Kind>::grid)
    bind_grid<Kind>(place_of(Kind), form);
  else
    bind_list_box<Kind>(place_of(Kind), form);
}

template <std::size_t... Kinds>
void bind_all(form_controls& form, std::index_sequence<Kinds...>) {
  (bind_kind<static_cast<item_kind>(Kinds)>(form), ...);
}

}  // namespace

item_entry_colours entry_colours_of(item_entry_state state, bool selected, bool grid) {
  const QColor window = system_colour(QPalette::Base);
  const QColor background = selected ? system_colour(QPalette::Highlight) : window;
  switch (state) {
    case item_entry_state::marked:
      return {silver, grey};
    case item_entry_state::added:
      return {selected ? lime : green, background};
    case item_entry_state::changed:
      if (grid)
        return {selected ? red : maroon, background};
      return {maroon, selected ? sky_blue : background};
    case item_entry_state::unchanged:
      break;
  }
  return {selected ? window : system_colour(QPalette::Text), background};
}

void install_item_entry_colours(form_controls& form) {
  bind_all(form, std::make_index_sequence<item_kind_count>());
}
