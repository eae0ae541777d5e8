#pragma once

#include "change_tracking/item_store.h"
#include "record_form/item_selection.h"

class form_controls;
struct qor_staff;

// Colours the field captions of the record pages against the originals: a caption whose field
// differs turns red (green for a quantity now higher) and takes the hand cursor; an equal one,
// or one with nothing to compare it with, is plain. Every call also empties the captions' tool
// tips, so hovering builds them again for what is now on screen.

// The staff record's captions and the bold captions of the item lists holding changed items.
// Either record may be null (a new record): everything plain. Always true.
bool highlight_staff_changes(form_controls& form, const qor_staff* current,
                             const qor_staff* original);

// One item kind's detail captions for an item and its original; either may be null (nothing
// selected, or an item made in the editor): every caption of the kind plain.
void highlight_item_labels(form_controls& form, item_kind kind, const void* current,
                           const void* original);

template <item_kind Kind>
bool highlight_staff_item(form_controls& form, const item_record<Kind>* current,
                          const item_record<Kind>* original) {
  highlight_item_labels(form, Kind, current, original);
  return true;
}

// The kind's captions for the item its panel now shows (selected_item<Kind>()). Whatever
// changes a kind's selection or its selected item (select, add, edit, delete) calls this after.
template <item_kind Kind>
void highlight_selected_item(form_controls& form) {
  const item_selection<Kind>& selection = selected_item<Kind>();
  highlight_item_labels(form, Kind, selection.current, selection.original);
}

// The same for a kind known only at run time.
void highlight_selected_item(item_kind kind, form_controls& form);
