#pragma once

#include <cstddef>
#include <cstdint>

#include "compared_fields.h"
#include "item_store.h"
#include "records/item_vectors.h"

// The one implementation behind the per-kind finders and predicates. All of them read the
// current data set and change nothing.

template <item_kind Kind>
const item_record<Kind>* find_original_item(const item_record<Kind>* item) {
  if (item == nullptr) {
    return nullptr;
  }
  const record_store& records = store();
  return records.indexes.item_originals[static_cast<std::size_t>(Kind)].first_with(
      records.*item_store<Kind>::originals, record_id(*item));
}

template <item_kind Kind>
bool item_differs(const item_record<Kind>& item, const item_record<Kind>& original) {
  return any_compared_field_differs(record_bytes(item), record_bytes(original),
                                    compared_item_fields(Kind));
}

// An item without an original was made in the editor and counts as changed.
template <item_kind Kind>
bool item_changed(const item_record<Kind>* item) {
  const item_record<Kind>* original = find_original_item<Kind>(item);
  return original == nullptr || item_differs<Kind>(*item, *original);
}

// True when any item of the kind that the staff member owns is new or differs from its original.
template <item_kind Kind>
bool staff_items_changed(const qor_staff* staff) {
  if (staff == nullptr) {
    return false;
  }
  for (const item_record<Kind>* item :
       items_owned_by(store().*item_store<Kind>::current, staff->StaffID)) {
    if (item_changed<Kind>(item)) {
      return true;
    }
  }
  return false;
}
