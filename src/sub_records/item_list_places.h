#pragma once

#include <array>
#include <span>

#include "records/item_kind.h"

// Where each item kind is edited on the form: one row per kind, in item_kind order, read by
// showing, selecting, adding, deleting, marking, the keys, the double click and the copy
// buttons alike.
struct item_list_place {
  item_kind kind;
  const char* list;  // the list box or grid the user sees
  const char* add_button;
  const char* delete_button;
  const char* mark_box;     // the panel's "Marked For Deletion" box
  const char* copy_button;  // null: the list is copied through the Edit menu only
  const char* count_label;
  // Grids ask before a delete: this, the row's first cell and "? ". List boxes ask nothing.
  const char* delete_question;
  // The detail control a double click (or Enter) on each grid column focuses; null or past the
  // end: nothing. A disabled control cannot take the focus, so its column does nothing.
  std::span<const char* const> column_controls;
  int text_top;  // pixels between a cell's top and its text
};

const item_list_place& place_of(item_kind kind);
std::span<const item_list_place> item_list_places();

// The hidden list of the history grid's items.
inline constexpr const char* history_lines = "staff_history";
