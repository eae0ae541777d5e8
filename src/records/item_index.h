#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "fetch_ahead.h"
#include "fixed_text.h"
#include "held_ids.h"
#include "item_kind.h"
#include "record_ids.h"

// Look-ups that cost what one record holds rather than what the file holds: a staff member's
// items by owner, an original by id. Each index is read from its vector on first use and again
// whenever the vector changed in a way the index was not told of: another size or storage, or a
// position that no longer holds what the index says (the looked-up entries and three samples
// are checked). The editor tells the owner index of each item it appends or erases; a store
// emptied by delete_all_records starts its indexes afresh.

// The key and position of each record of the vector that is not null, in vector order.
template <class Vector, class KeyOf>
void gather_entries(const Vector& records, KeyOf key_of, std::vector<std::int32_t>& keys,
                    std::vector<std::uint32_t>& positions) {
  keys.clear();
  positions.clear();
  keys.reserve(records.size());
  positions.reserve(records.size());
  for (std::size_t i = 0; i < records.size(); ++i) {
    fetch_ahead(records, i);
    if (records[i]) {
      keys.push_back(key_of(*records[i]));
      positions.push_back(static_cast<std::uint32_t>(i));
    }
  }
}

// Puts entries gathered in vector order (positions rising) in order of key, then position.
void order_entries(std::vector<std::int32_t>& keys, std::vector<std::uint32_t>& positions);

// Whether the first, middle and last entries of an index (keys and positions, parallel) still
// name what the vector holds there: a vector emptied and filled again in the same storage to
// the same size is caught here.
template <class Vector, class KeyOf>
bool samples_hold(const Vector& records, const std::vector<std::int32_t>& keys,
                  const std::vector<std::uint32_t>& positions, KeyOf key_of) {
  if (keys.empty())
    return true;
  for (const std::size_t entry : {std::size_t{0}, keys.size() / 2, keys.size() - 1}) {
    const std::uint32_t position = positions[entry];
    if (position >= records.size() || !records[position] ||
        key_of(*records[position]) != keys[entry])
      return false;
  }
  return true;
}

// What keep_in_order knows of an item vector's order, kept by its owner index.
struct kept_order_state {
  bool sorted = false;
  // An order name of dates.h, or empty; a fixed text, since a std::string member here made
  // GCC 12 fail on assignments of a whole record store.
  fixed_text<16> date_order;
  std::vector<std::int32_t> watched;
};

// Where each owner's items stand in one item vector; an owner's positions rise, so they list
// its items in vector order.

class owner_positions {
 public:
  template <class Vector>
  std::span<const std::uint32_t> of(const Vector& items, std::int32_t owner) {
    check(items);
    std::span<const std::uint32_t> found = positions_of(owner);
    for (const std::uint32_t position : found) {
      if (position >= items.size() || !items[position] ||
          item_owner_id(*items[position]) != owner) {
        read(items);
        return positions_of(owner);
      }
    }
    return found;
  }

  // Whether the index still describes the vector, as far as its storage, size and samples tell.
  template <class Vector>
  bool holds(const Vector& items) const {
    return describes(items.data(), items.size()) &&
           samples_hold(items, owners_, positions_,
                        [](const auto& item) { return item_owner_id(item); });
  }

  // Reads the vector again unless the index still describes it.
  template <class Vector>
  void check(const Vector& items) {
    if (!holds(items))
      read(items);
  }

  // After the vector's last item was appended, which may have moved its storage.
  template <class Vector>
  void appended(const Vector& items) {
    if (!read_ || size_ + 1 != items.size() || !items.back()) {
      forget();
      return;
    }
    add_last(item_owner_id(*items.back()), items.data(), items.size());
  }

  // After the item of `owner` at `position` was erased.
  template <class Vector>
  void erased(const Vector& items, std::uint32_t position, std::int32_t owner) {
    if (!describes(items.data(), items.size() + 1)) {
      forget();
      return;
    }
    remove(position, owner, items.data(), items.size());
  }

  // After the vector was reordered in place: the item that stood at position p now stands at
  // `new_positions[p]`.
  void reordered(std::span<const std::uint32_t> new_positions);

  // Reads every owner's positions from the vector.
  template <class Vector>
  void read(const Vector& items) {
    std::vector<std::int32_t> owners;
    std::vector<std::uint32_t> positions;
    gather_entries(
        items, [](const auto& item) { return item_owner_id(item); }, owners, positions);
    read(std::move(owners), std::move(positions), items.data(), items.size());
  }

  // Reads every owner's positions from what a walk through the vector that had other work to do
  // gathered: the owner and position of each item that is not null, positions rising.
  void read(std::vector<std::int32_t> owners, std::vector<std::uint32_t> positions,
            const void* data, std::size_t size);

  // For a kind whose list sorts (item_order.h). Whether the whole vector stands in its order
  // under the date order named, apart from the items of the watched owners: true from the moment
  // it was put in that order until the vector is read again.
  bool kept_in_order(std::string_view date_order) const {
    return order_.sorted && order_.date_order == date_order;
  }
  // The whole vector was put in its order under the date order named (empty for an order of no
  // dates); no owner is watched.
  void put_in_order(std::string_view date_order) {
    order_.sorted = true;
    order_.date_order = date_order;
    order_.watched.clear();
  }
  // The owners whose items may have left their place since: edited or appended.
  const std::vector<std::int32_t>& watched_owners() const { return order_.watched; }
  // Only a vector kept in order watches, so a kind that never sorts gathers no owners.
  void watch(std::int32_t owner) {
    if (order_.sorted && std::ranges::find(order_.watched, owner) == order_.watched.end())
      order_.watched.push_back(owner);
  }

 private:
  bool describes(const void* data, std::size_t size) const {
    return read_ && data_ == data && size_ == size;
  }
  std::span<const std::uint32_t> positions_of(std::int32_t owner) const;
  void add_last(std::int32_t owner, const void* data, std::size_t size);
  void remove(std::uint32_t position, std::int32_t owner, const void* data, std::size_t size);
  void forget();

  // Parallel, ordered by owner and then position.
  std::vector<std::int32_t> owners_;
  std::vector<std::uint32_t> positions_;
  bool read_ = false;
  const void* data_ = nullptr;
  std::size_t size_ = 0;

  // Reading the vector clears it.
  kept_order_state order_;
};

// Where the first record of each id stands in a vector of records, for vectors the editor does
// not add to: the originals.
class id_positions {
 public:
  // The first record with the id; null when none has it.
  template <class Vector>
  auto* first_with(const Vector& records, std::int32_t id) {
    using record_pointer = decltype(records.front().get());
    if (!describes(records.data(), records.size()) ||
        !samples_hold(records, ids_, positions_,
                      [](const auto& record) { return record_id(record); }))
      read(records);
    std::uint32_t position = 0;
    if (!find(id, position))
      return record_pointer{nullptr};
    if (position >= records.size() || !records[position] || record_id(*records[position]) != id) {
      read(records);
      if (!find(id, position))
        return record_pointer{nullptr};
    }
    return records[position].get();
  }

 private:
  template <class Vector>
  void read(const Vector& records) {
    gather_entries(
        records, [](const auto& record) { return record_id(record); }, ids_, positions_);
    order_entries(ids_, positions_);
    read_ = true;
    data_ = records.data();
    size_ = records.size();
  }
  bool describes(const void* data, std::size_t size) const {
    return read_ && data_ == data && size_ == size;
  }
  bool find(std::int32_t id, std::uint32_t& position) const;

  // Parallel, ordered by id and then position.
  std::vector<std::int32_t> ids_;
  std::vector<std::uint32_t> positions_;
  bool read_ = false;
  const void* data_ = nullptr;
  std::size_t size_ = 0;
};

// The indexes of one record store. They change no record, so a store read as const may still
// fill them.
struct store_indexes {
  std::array<owner_positions, item_kind_count> items;
  std::array<id_positions, item_kind_count> item_originals;
  id_positions staff_originals;
  // The ids each kind holds, from which new ones are handed out.
  std::array<held_ids, item_kind_count> item_ids;
  held_ids staff_ids;
};
