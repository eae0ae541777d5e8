#pragma once

#include "records/item_kind.h"

class form_controls;

// Choosing another entry of an item list box, or another row of an item grid, by mouse or keys
// makes its item the kind's selection (current_<kind>, original_<kind>, current_<kind>_index)
// and shows it in the kind's detail panel; the Del button is offered only for an item made in
// the editor, and a grid's count label reads "row of rows items". The history grid selects
// through its hidden list `staff_history`, whose line r - 1 holds the item of row r.
//
// Nothing happens while filling_controls is set, for an entry without an item, or for the item
// already selected. The favourite and disliked staff lists first commit the panel into the item
// being left, unless its rating or staff id fails its check; the other panels' own handlers have
// already copied every edit into the item being left.
void install_item_list_selection(form_controls& form);

// False when the favourite or disliked staff panel holds a rating or staff id its check refuses,
// so that neither choosing another entry nor Add commits it; true for every other kind.
bool staff_panel_passes_checks(item_kind kind, form_controls& form);
