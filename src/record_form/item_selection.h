#pragma once

#include "change_tracking/item_store.h"

// The item each kind's detail panel shows: the program's current_<kind>, original_<kind> and
// current_<kind>_index. Showing a staff record selects the first item of every kind; the list
// handlers move the selection afterwards. Neither pointer owns: the record store does.
template <item_kind Kind>
struct item_selection {
  item_record<Kind>* current = nullptr;
  const item_record<Kind>* original = nullptr;  // null for an item made in the editor
  int index = -1;                               // list entry or grid row of `current`
};

template <item_kind Kind>
item_selection<Kind>& selected_item() {
  static item_selection<Kind> selection;
  return selection;
}

// Forgets the selection of every kind, for when the items it points to go away.
void clear_item_selections();
