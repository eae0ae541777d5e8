#pragma once

#include <cstdint>
#include <cstring>

// Every record type begins with its 32-bit id; every item type holds its owner's staff id right
// after it.

template <class Record>
std::int32_t record_id(const Record& record) {
  std::int32_t id;
  static_assert(sizeof(Record) >= sizeof id);
  std::memcpy(&id, &record, sizeof id);
  return id;
}

template <class Item>
std::int32_t item_owner_id(const Item& item) {
  std::int32_t owner;
  static_assert(sizeof(Item) >= 2 * sizeof owner);
  std::memcpy(&owner, reinterpret_cast<const char*>(&item) + sizeof owner, sizeof owner);
  return owner;
}
