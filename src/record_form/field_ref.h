#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

// A record field named by a member pointer, reduced to plain data so that page tables can be
// constexpr arrays: which record type owns it, how to find it in a record, and its value type.

enum class value_type : std::uint8_t {
  none,
  int8,
  uint8,
  int16,
  uint16,
  int32,
  uint32,
  int64,
  float32,
  float64,
  text,  // NUL-terminated char array (char[N] or fixed_text<N>) of `capacity` bytes
};

// One distinct address per record type; a field_ref remembers whose field it is by it.
template <class Record>
inline constexpr char record_type_tag = 0;

struct field_ref {
  const void* owner = nullptr;              // &record_type_tag<Record>
  void* (*locate)(void* record) = nullptr;  // address of the value (first char of a text)
  value_type type = value_type::none;
  std::uint16_t capacity = 0;  // texts: bytes including the NUL; numbers: sizeof

  constexpr bool bound() const { return locate != nullptr; }

  template <class Record>
  constexpr bool belongs_to() const {
    return owner == &record_type_tag<Record>;
  }
  template <class Record>
  void* address(Record& record) const {
    return locate(static_cast<void*>(&record));
  }
  template <class Record>
  const void* address(const Record& record) const {
    return locate(const_cast<void*>(static_cast<const void*>(&record)));
  }

  friend constexpr bool operator==(const field_ref& a, const field_ref& b) {
    return a.owner == b.owner && a.locate == b.locate;
  }
};

namespace field_ref_detail {

template <class T>
struct member_traits;
template <class C, class T>
struct member_traits<T C::*> {
  using record = C;
  using value = T;
};

template <class T>
concept fixed_text_like = requires(T t) {
  T::capacity;
  t.data[0];
};

template <class T>
constexpr value_type value_type_of() {
  if constexpr (std::is_array_v<T> || fixed_text_like<T>) {
    return value_type::text;
  } else if constexpr (std::is_same_v<T, float>) {
    return value_type::float32;
  } else if constexpr (std::is_same_v<T, double>) {
    return value_type::float64;
  } else if constexpr (std::is_integral_v<T> && sizeof(T) == 1) {
    // Plain char is used as a small signed number by the records.
    return std::is_unsigned_v<T> ? value_type::uint8 : value_type::int8;
  } else if constexpr (std::is_integral_v<T> && sizeof(T) == 2) {
    return std::is_unsigned_v<T> ? value_type::uint16 : value_type::int16;
  } else if constexpr (std::is_integral_v<T> && sizeof(T) == 4) {
    return std::is_unsigned_v<T> ? value_type::uint32 : value_type::int32;
  } else if constexpr (std::is_integral_v<T> && sizeof(T) == 8) {
    return value_type::int64;
  } else {
    static_assert(sizeof(T) == 0, "a record field must be a number or a text");
  }
}

template <class T>
constexpr std::uint16_t capacity_of() {
  if constexpr (std::is_array_v<T>) {
    return static_cast<std::uint16_t>(std::extent_v<T>);
  } else if constexpr (fixed_text_like<T>) {
    return static_cast<std::uint16_t>(T::capacity);
  } else {
    return static_cast<std::uint16_t>(sizeof(T));
  }
}

template <auto Member>
void* locate_member(void* record) {
  using traits = member_traits<decltype(Member)>;
  auto& value = static_cast<typename traits::record*>(record)->*Member;
  using T = typename traits::value;
  if constexpr (std::is_array_v<T>) {
    return static_cast<void*>(&value[0]);
  } else if constexpr (fixed_text_like<T>) {
    return static_cast<void*>(&value.data[0]);
  } else {
    return static_cast<void*>(&value);
  }
}

}  // namespace field_ref_detail

// field<&qor_staff::StaffFirstName>(); field<nullptr>() names no field.
template <auto Member>
constexpr field_ref field() {
  if constexpr (std::is_same_v<decltype(Member), std::nullptr_t>) {
    return {};
  } else {
    using traits = field_ref_detail::member_traits<decltype(Member)>;
    using T = typename traits::value;
    return {&record_type_tag<typename traits::record>, &field_ref_detail::locate_member<Member>,
            field_ref_detail::value_type_of<T>(), field_ref_detail::capacity_of<T>()};
  }
}
