#include "record_form/field_slot.h"

#include <algorithm>
#include <cstring>

bool field_slot::is_integer() const {
  switch (type) {
    case value_type::int8:
    case value_type::uint8:
    case value_type::int16:
    case value_type::uint16:
    case value_type::int32:
    case value_type::uint32:
    case value_type::int64:
      return true;
    default:
      return false;
  }
}

long long read_integer(const field_slot& slot) {
  switch (slot.type) {
    case value_type::int8:
      return *static_cast<const std::int8_t*>(slot.address);
    case value_type::uint8:
      return *static_cast<const std::uint8_t*>(slot.address);
    case value_type::int16:
      return *static_cast<const std::int16_t*>(slot.address);
    case value_type::uint16:
      return *static_cast<const std::uint16_t*>(slot.address);
    case value_type::int32:
      return *static_cast<const std::int32_t*>(slot.address);
    case value_type::uint32:
      return *static_cast<const std::uint32_t*>(slot.address);
    case value_type::int64:
      return *static_cast<const std::int64_t*>(slot.address);
    default:
      return 0;
  }
}

long long cut_to_width(const field_slot& slot, long long value) {
  const auto bits = static_cast<unsigned long long>(value);
  switch (slot.type) {
    case value_type::int8:
      return static_cast<std::int8_t>(bits);
    case value_type::uint8:
      return static_cast<std::uint8_t>(bits);
    case value_type::int16:
      return static_cast<std::int16_t>(bits);
    case value_type::uint16:
      return static_cast<std::uint16_t>(bits);
    case value_type::int32:
      return static_cast<std::int32_t>(bits);
    case value_type::uint32:
      return static_cast<std::uint32_t>(bits);
    default:
      return value;
  }
}

void write_integer(const field_slot& slot, long long value) {
  const long long cut = cut_to_width(slot, value);
  switch (slot.type) {
    case value_type::int8:
      *static_cast<std::int8_t*>(slot.address) = static_cast<std::int8_t>(cut);
      break;
    case value_type::uint8:
      *static_cast<std::uint8_t*>(slot.address) = static_cast<std::uint8_t>(cut);
      break;
    case value_type::int16:
      *static_cast<std::int16_t*>(slot.address) = static_cast<std::int16_t>(cut);
      break;
    case value_type::uint16:
      *static_cast<std::uint16_t*>(slot.address) = static_cast<std::uint16_t>(cut);
      break;
    case value_type::int32:
      *static_cast<std::int32_t*>(slot.address) = static_cast<std::int32_t>(cut);
      break;
    case value_type::uint32:
      *static_cast<std::uint32_t*>(slot.address) = static_cast<std::uint32_t>(cut);
      break;
    case value_type::int64:
      *static_cast<std::int64_t*>(slot.address) = cut;
      break;
    default:
      break;
  }
}

bool store_integer(const field_slot& slot, long long value) {
  if (cut_to_width(slot, value) == read_integer(slot))
    return false;
  write_integer(slot, value);
  return true;
}

double read_decimal(const field_slot& slot) {
  if (slot.type == value_type::float32)
    return *static_cast<const float*>(slot.address);
  if (slot.type == value_type::float64)
    return *static_cast<const double*>(slot.address);
  return 0.0;
}

double cut_to_precision(const field_slot& slot, double value) {
  return slot.type == value_type::float32 ? static_cast<double>(static_cast<float>(value)) : value;
}

void write_decimal(const field_slot& slot, double value) {
  if (slot.type == value_type::float32)
    *static_cast<float*>(slot.address) = static_cast<float>(value);
  if (slot.type == value_type::float64)
    *static_cast<double*>(slot.address) = value;
}

std::string_view read_text(const field_slot& slot) {
  if (!slot.is_text() || slot.capacity == 0)
    return {};
  const auto* text = static_cast<const char*>(slot.address);
  return {text, ::strnlen(text, slot.capacity)};
}

void write_text(const field_slot& slot, std::string_view text) {
  if (!slot.is_text() || slot.capacity == 0)
    return;
  auto* target = static_cast<char*>(slot.address);
  const std::size_t length = std::min<std::size_t>(text.size(), slot.capacity - 1u);
  std::memmove(target, text.data(), length);
  std::memset(target + length, 0, slot.capacity - length);
}
