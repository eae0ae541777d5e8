#pragma once

#include <cstdint>

#include "record_form/contract_fields.h"
#include "records/item_kind.h"

class QWidget;
class form_controls;

// Adding, deleting and marking the items of the staff member on screen, the same way for every
// kind, driven by the kinds' places (item_list_places.h) and record types (item_list_kinds.h).
//
// Add makes a new item of the kind for current_staff: the next temporary id (none left: the
// store's message, nothing added), the owner, the kind's starting values, its marked-for-
// deletion flag "False" and, in grids, the update stamp; the item goes to the end of the kind's
// store vector and its list, and becomes the selection, shown in the panel, with Del offered.
//
// Delete frees the selected item only when it was made in the editor, re-checked as it goes: an
// item with an original is never freed, whatever the Del button shows. Grids ask first ("Delete
// entry " and the row's first cell, "Delete season " for the history), list boxes do not. The
// entry or row leaves its list and the selection before the item is freed; then the item in its
// place (or the one before, after the last) is selected, or the kind's selection is forgotten.
//
// Marking asks "Are you sure you want this item marked for deletion?" when its box is ticked
// (any answer but Yes unticks it again) and stores the box's state through the kind's edit step.
void add_list_item(item_kind kind, form_controls& form);
void delete_list_item(item_kind kind, form_controls& form);
void mark_list_item(item_kind kind, form_controls& form);

// The adders by the names the program's buttons use. The favourite and disliked adders tell
// the kind from the button ("add_favourite_staff", "add_disliked_staff", "add_favourite_club",
// "add_disliked_club"); any other sender adds nothing.
void add_favourite_disliked_staff(const QWidget* sender, form_controls& form);
void add_favourite_disliked_club(const QWidget* sender, form_controls& form);
void add_history(form_controls& form);
void add_non_player_history(form_controls& form);
void add_injury(form_controls& form);
void add_contract_clauses(form_controls& form);
void add_job(form_controls& form);
void add_days_at_club_nation(form_controls& form);
void add_retirement(form_controls& form);
void add_unavailability(form_controls& form);

// "Del All" of the contract clauses: when the grid shows a clause, asks "Would you like to delete
// contract clause/s?" and on Yes frees the clauses made in the editor and marks the exported
// ones for deletion; the grid is filled again, sorted, with its first clause selected.
void delete_contract_clauses(form_controls& form);
// The staff member's "next sale percentage" clauses (type 9), counted without reordering the
// store; and their removal as "Del All" removes clauses. Always true.
int count_next_sale_percentage_clauses(std::int32_t staff_id);
bool delete_next_sale_percentage_clauses(std::int32_t staff_id, form_controls& form);

// The clause commands the contract rules run when the contracted club changes.
contract_clause_actions item_list_clause_actions(form_controls& form);

// Every list emptied and every selection forgotten, for when the store's items go (a new file).
void forget_item_lists(form_controls& form);

// Binds the Add, Del, Del All and copy buttons, the marked-for-deletion boxes, the lists' keys,
// the grids' double clicks and pointer.
void install_item_list_editing(form_controls& form);
