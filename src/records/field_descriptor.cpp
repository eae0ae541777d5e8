#include "field_descriptor.h"

#include <algorithm>
#include <cstring>

std::int32_t read_integer(const std::byte* record, std::uint16_t offset, std::uint16_t size) {
  switch (size) {
    case 1: {
      std::int8_t value;
      std::memcpy(&value, record + offset, 1);
      return value;
    }
    case 2: {
      std::int16_t value;
      std::memcpy(&value, record + offset, 2);
      return value;
    }
    default: {
      std::int32_t value;
      std::memcpy(&value, record + offset, 4);
      return value;
    }
  }
}

void write_integer(std::byte* record, std::uint16_t offset, std::uint16_t size, long long value) {
  // Out-of-range values keep their low-order bits, as the file format demands (300 -> 44).
  switch (size) {
    case 1: {
      const auto narrow = static_cast<std::int8_t>(value);
      std::memcpy(record + offset, &narrow, 1);
      break;
    }
    case 2: {
      const auto narrow = static_cast<std::int16_t>(value);
      std::memcpy(record + offset, &narrow, 2);
      break;
    }
    default: {
      const auto narrow = static_cast<std::int32_t>(value);
      std::memcpy(record + offset, &narrow, 4);
      break;
    }
  }
}

std::string_view read_text(const std::byte* record, std::uint16_t offset, std::uint16_t capacity) {
  const char* text = reinterpret_cast<const char*>(record + offset);
  return {text, ::strnlen(text, capacity)};
}

void write_text(std::byte* record, std::uint16_t offset, std::uint16_t capacity,
                std::string_view text) {
  const std::size_t length = std::min<std::size_t>(text.size(), capacity - 1u);
  if (length > 0) {
    std::memmove(record + offset, text.data(), length);
  }
  std::memset(record + offset + length, 0, capacity - length);
}

float read_float(const std::byte* record, std::uint16_t offset) {
  float value;
  std::memcpy(&value, record + offset, sizeof value);
  return value;
}

void write_float(std::byte* record, std::uint16_t offset, float value) {
  std::memcpy(record + offset, &value, sizeof value);
}

bool same_field_value(const std::byte* a, const std::byte* b, const field_descriptor& field) {
  switch (field.type) {
    case field_type::integer:
    case field_type::list_index:
      return read_integer(a, field.offset, field.size) == read_integer(b, field.offset, field.size);
    case field_type::number_and_text:
      return read_integer(a, field.offset, field.size) ==
                 read_integer(b, field.offset, field.size) &&
             read_text(a, field.text_offset, field.text_size) ==
                 read_text(b, field.text_offset, field.text_size);
    case field_type::decimal_and_text:
      return read_float(a, field.offset) == read_float(b, field.offset) &&
             read_text(a, field.text_offset, field.text_size) ==
                 read_text(b, field.text_offset, field.text_size);
    default:
      return read_text(a, field.offset, field.size) == read_text(b, field.offset, field.size);
  }
}
