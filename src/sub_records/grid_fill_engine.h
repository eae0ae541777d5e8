#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/dialog_service.h"
#include "platform/item_objects.h"
#include "platform/string_grid.h"
#include "platform/win1252.h"
#include "record_form/editor_state.h"
#include "record_form/grid_text.h"
#include "records/item_vectors.h"
#include "records/record_store.h"
#include "sub_records/item_grids.h"

// One grid kind: the texts of its columns and its order. Every grid fill is this engine run
// with one kind's definition.

template <class Item>
struct grid_column {
  const char* header;
  std::string (*cell)(const Item& item, const form_formats& formats);
};

template <class Item>
struct grid_kind {
  const char* fill_name;  // names the fill in its message for a missing grid
  std::span<const grid_column<Item>> columns;
  bool (*sort)(record_vector<Item>& items, std::optional<std::int32_t> shown_owner);
  // The history grid's rows carry no item: its hidden list box holds them in the same order.
  bool rows_carry_items = true;
};

// Sorts the vector when `sort_flag` is 1, writes the header row and one row per item of
// `staff_id` in vector order, rows past them removed. False, the grid left cleared, when the
// staff member has no such item; false with a plain message when there is no grid. The cells
// already there are rewritten rather than made anew: a cell whose text stays costs nearly
// nothing, so filling again after one item was added or edited is cheap.
template <class Item>
bool fill_item_grid(string_grid* grid, std::int32_t staff_id, record_vector<Item>& items,
                    std::uint8_t sort_flag, const grid_kind<Item>& kind) {
  if (grid == nullptr) {
    show_message(std::string(kind.fill_name) + ": null string grid");
    return false;
  }
  if (sort_flag == grid_sorted)
    kind.sort(items, staff_id);

  grid->set_col_count(static_cast<int>(kind.columns.size()));
  for (std::size_t col = 0; col < kind.columns.size(); ++col)
    grid->set_cell(static_cast<int>(col), 0, from_win1252(kind.columns[col].header));

  const std::vector<Item*> owned = items_owned_by(items, staff_id);
  if (owned.empty()) {
    clear_string_grid(grid);
    return false;
  }

  const form_formats formats = current_formats();
  grid->set_row_count(static_cast<int>(owned.size()) + 1);
  for (std::size_t i = 0; i < owned.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    for (std::size_t col = 0; col < kind.columns.size(); ++col) {
      grid->set_cell(static_cast<int>(col), row,
                     from_win1252(kind.columns[col].cell(*owned[i], formats)));
    }
    if (kind.rows_carry_items)
      set_row_object(grid, row, owned[i]);
  }
  return true;
}
