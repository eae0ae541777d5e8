#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <utility>
#include <vector>

#include "item_kind.h"
#include "record_store.h"

// Compile-time map from an item kind to its record type and its two store vectors, so code that
// treats every kind alike is written once and instantiated per kind.
template <item_kind Kind>
struct item_vectors;

#define ITEM_VECTORS(kind, type)                                                                 \
  template <>                                                                                    \
  struct item_vectors<item_kind::kind> {                                                         \
    using record = type;                                                                         \
    static record_vector<type>& current(record_store& s) { return s.staff_##kind##_list; }       \
    static record_vector<type>& original(record_store& s) { return s.staff_##kind##_orig_list; } \
  };

ITEM_VECTORS(favourite_staff, qor_staff_favourite_disliked_staff)
ITEM_VECTORS(disliked_staff, qor_staff_favourite_disliked_staff)
ITEM_VECTORS(favourite_club, qor_staff_favourite_disliked_club)
ITEM_VECTORS(disliked_club, qor_staff_favourite_disliked_club)
ITEM_VECTORS(history, qor_staff_history)
ITEM_VECTORS(language, qor_staff_language)
ITEM_VECTORS(ppm, qor_staff_ppm)
ITEM_VECTORS(non_player_history, qor_staff_non_player_history)
ITEM_VECTORS(injury, qor_staff_injury)
ITEM_VECTORS(job, qor_staff_job)
ITEM_VECTORS(contract_clauses, qor_staff_contract_clauses)
ITEM_VECTORS(achievements, qor_staff_achievements)
ITEM_VECTORS(npt, qor_staff_npt)
ITEM_VECTORS(days_at_club_nation, qor_staff_days_at_club_nation)
ITEM_VECTORS(retirement, qor_staff_retirement)
ITEM_VECTORS(unavailability, qor_staff_unavailability)
ITEM_VECTORS(long_term_career, qor_staff_long_term_career)

#undef ITEM_VECTORS

// Calls f(kind_constant, current_vector, original_vector) for each kind in file order, where
// kind_constant is a std::integral_constant<item_kind, ...>.
template <class Store, class F>
void for_each_item_kind(Store& records, F&& f) {
  auto& store = const_cast<record_store&>(static_cast<const record_store&>(records));
  [&]<std::size_t... I>(std::index_sequence<I...>) {
    (
        [&] {
          constexpr auto kind = static_cast<item_kind>(I);
          using vectors = item_vectors<kind>;
          if constexpr (std::is_const_v<Store>) {
            f(std::integral_constant<item_kind, kind>{}, std::as_const(vectors::current(store)),
              std::as_const(vectors::original(store)));
          } else {
            f(std::integral_constant<item_kind, kind>{}, vectors::current(store),
              vectors::original(store));
          }
        }(),
        ...);
  }
  (std::make_index_sequence<item_kind_count>{});
}

// The owner index of `items` when it is one of the current data set's item vectors; null for
// any other vector.
template <class Item>
owner_positions* store_owner_index(const record_vector<Item>& items) {
  record_store& records = store();
  owner_positions* found = nullptr;
  for_each_item_kind(records, [&](auto kind, const auto& current, const auto&) {
    if constexpr (std::is_same_v<std::remove_cvref_t<decltype(current)>, record_vector<Item>>) {
      if (&current == &items)
        found = &records.indexes.items[static_cast<std::size_t>(decltype(kind)::value)];
    }
  });
  return found;
}

// The items of `owner` in vector order: through the data set's index for its own vectors, by a
// walk through any other.
template <class Item>
std::vector<Item*> items_owned_by(const record_vector<Item>& items, std::int32_t owner) {
  std::vector<Item*> owned;
  if (owner_positions* index = store_owner_index(items)) {
    for (const std::uint32_t position : index->of(items, owner))
      owned.push_back(items[position].get());
    return owned;
  }
  for (const auto& item : items) {
    if (item && item_owner_id(*item) == owner)
      owned.push_back(item.get());
  }
  return owned;
}

// Tell the data set's index of an item appended to, or erased from, one of its vectors; other
// vectors have none.
template <class Item>
void note_item_appended(const record_vector<Item>& items) {
  if (owner_positions* index = store_owner_index(items))
    index->appended(items);
}
template <class Item>
void note_item_erased(const record_vector<Item>& items, std::uint32_t position,
                      std::int32_t owner) {
  if (owner_positions* index = store_owner_index(items))
    index->erased(items, position, owner);
}
