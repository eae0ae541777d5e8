#pragma once

#include <cstdint>
#include <string_view>

#include "record_form/field_ref.h"

// One field of one record, typed at run time: what the value-binding functions read and write.
struct field_slot {
  void* address = nullptr;
  value_type type = value_type::none;
  std::uint16_t capacity = 0;

  bool is_integer() const;
  bool is_decimal() const { return type == value_type::float32 || type == value_type::float64; }
  bool is_text() const { return type == value_type::text; }
};

template <class Record>
field_slot slot_of(const field_ref& ref, Record& record) {
  if (!ref.bound())
    return {};
  return {ref.address(record), ref.type, ref.capacity};
}

// A slot straight from a member, for callers outside the page tables: slot(item.StaffHistoryYear).
template <class T>
field_slot slot(T& member) {
  using namespace field_ref_detail;
  if constexpr (std::is_array_v<T>) {
    return {&member[0], value_type::text, capacity_of<T>()};
  } else if constexpr (fixed_text_like<T>) {
    return {&member.data[0], value_type::text, capacity_of<T>()};
  } else {
    return {&member, value_type_of<T>(), capacity_of<T>()};
  }
}

// Integers: the value at the field's width; storing keeps the low-order bits, as the record's
// own numbers do (70000 into 16 bits reads back as 4464).
long long read_integer(const field_slot& slot);
void write_integer(const field_slot& slot, long long value);
// The value as the field's width holds it, without storing it.
long long cut_to_width(const field_slot& slot, long long value);
// Stores the value unless the field holds it already at its width; true when the field changed.
bool store_integer(const field_slot& slot, long long value);

double read_decimal(const field_slot& slot);
void write_decimal(const field_slot& slot, double value);
// The value as the field's type holds it (a float field rounds to float).
double cut_to_precision(const field_slot& slot, double value);

std::string_view read_text(const field_slot& slot);
// Cuts to capacity - 1 characters and zero-fills the rest.
void write_text(const field_slot& slot, std::string_view text);
