#pragma once

#include <string>

#include "change_highlight/label_highlighting.h"
#include "change_tracking/item_matching.h"
#include "record_form/dependent_controls.h"
#include "record_form/form_controls.h"
#include "record_form/item_details.h"
#include "record_form/item_selection.h"
#include "sub_records/item_list_places.h"

class QWidget;

// The steps that make an item the one its kind's detail panel shows, shared by showing a staff
// member and by choosing another entry of a list.

// Does nothing for a missing control.
void set_control_visible(QWidget* control, bool visible);

// The count label under a grid: "2 of 5 items".
void set_count_caption(form_controls& form, const std::string& name, int row, int rows);

// Makes `item` the kind's selection (current, original, index) and shows it in the panel. A
// clause's panel also opens the controls its type uses.
template <item_kind Kind>
void select_item(item_record<Kind>* item, int index, form_controls& form) {
  item_selection<Kind>& selection = selected_item<Kind>();
  selection.current = item;
  selection.original = find_original_item<Kind>(item);
  selection.index = index;
  fill_item_details<Kind>(item, form);
  if constexpr (Kind == item_kind::contract_clauses)
    enable_contract_clause_controls(item, form);
  set_control_visible(form.find(item_panel_name(Kind)), true);
  highlight_selected_item<Kind>(form);
}

// A delete button is offered only for an item made in the editor.
template <item_kind Kind>
void offer_delete(form_controls& form) {
  set_control_visible(form.find(place_of(Kind).delete_button),
                      selected_item<Kind>().original == nullptr);
}

// The one way a kind's selection is dropped, whenever the items it may point to go or the staff
// member has none left: nothing selected, the panel and the Del button hidden, a grid disabled
// and counting "0 of 0 items"; a list box's label counts its entries.
void forget_item_selection(item_kind kind, form_controls& form);
