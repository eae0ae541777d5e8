#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "compared_fields.h"
#include "item_store.h"

// The one implementation behind the per-kind finders and predicates. All of them read the
// current data set and change nothing.

// The first non-null record of the vector with that id; null when none has it.
template <class Record>
const Record* find_first_by_id(const record_vector<Record>& records, std::int32_t id) {
  for (const auto& record : records) {
    if (record && record_id(*record) == id) {
      return record.get();
    }
  }
  return nullptr;
}

template <item_kind Kind>
const item_record<Kind>* find_original_item(const item_record<Kind>* item) {
  if (item == nullptr) {
    return nullptr;
  }
  return find_first_by_id(store().*item_store<Kind>::originals, record_id(*item));
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
// The staff list asks this for every entry it paints, so the originals are walked once for all
// of the member's items rather than once per item; each item still gets the first original
// with its id, as find_original_item would give it.
template <item_kind Kind>
bool staff_items_changed(const qor_staff* staff) {
  using Item = item_record<Kind>;
  if (staff == nullptr) {
    return false;
  }
  const record_store& records = store();
  std::vector<std::pair<std::int32_t, const Item*>> owned;
  for (const auto& item : records.*item_store<Kind>::current) {
    if (item && item_owner_id(*item) == staff->StaffID) {
      owned.emplace_back(record_id(*item), item.get());
    }
  }
  if (owned.empty()) {
    return false;
  }
  std::sort(owned.begin(), owned.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });

  std::vector<const Item*> originals(owned.size(), nullptr);
  std::size_t unmatched = owned.size();
  for (const auto& original : records.*item_store<Kind>::originals) {
    if (!original) {
      continue;
    }
    const auto [first, last] =
        std::equal_range(owned.begin(), owned.end(),
                         std::pair<std::int32_t, const Item*>(record_id(*original), nullptr),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto it = first; it != last; ++it) {
      const Item*& match = originals[static_cast<std::size_t>(it - owned.begin())];
      if (match == nullptr) {
        match = original.get();
        --unmatched;
      }
    }
    if (unmatched == 0) {
      break;
    }
  }

  for (std::size_t i = 0; i < owned.size(); ++i) {
    if (originals[i] == nullptr || item_differs<Kind>(*owned[i].second, *originals[i])) {
      return true;
    }
  }
  return false;
}
