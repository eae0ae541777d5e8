#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// One row of a record type's column table. Each record type (and each item kind, since the
// disliked sections fill the shared types through other column names and positions) has one
// table listing every field in memory order, the fields that no file column fills included. The
// reader, the writer and the change comparison all walk these tables, so a column is described
// in one place only.
//
// Records are plain standard-layout structures, so a field is reached through its byte offset
// from the start of the record; the accessors below do the reading and writing.

// Capacity of the boolean texts, "True" or "False" and their terminating zero.
inline constexpr std::uint16_t boolean_text_capacity = 6;

enum class field_type : std::uint8_t {
  integer,             // signed integer of `size` bytes (1, 2 or 4)
  text,                // fixed_text<size>
  boolean_text,        // fixed_text<6> holding "True" or "False", kept as read
  normalised_boolean,  // as boolean_text; the reader turns anything but true/false into "False"
  date_text,           // fixed_text<26>; re-ordered into the locale's date order after a load
  number_and_text,     // integer of `size` bytes plus its text; the file carries the text
  decimal_and_text,    // 32-bit float plus its text (height and weight); the file carries the text
  list_index,          // integer of `size` bytes: a position in a drop-down list, never in the file
};

// The lookup list an item's list index is derived from when the reader fills the item.
enum class index_source : std::uint8_t { none, currency_list, injury_list, jobs_list };

struct field_descriptor {
  std::string_view name;    // the column's name in the file (the member's for fields not in it)
  std::string_view member;  // the record member (the favourite name in the shared types)
  std::uint16_t column;     // position in the line, counting from 1; 0 when not in the file
  field_type type;
  std::uint16_t offset;  // of the member (of the number in a pair)
  std::uint16_t size;    // bytes of the number, or capacity of the text
  // Pairs: the text member. Derived list indices: the code field and its list.
  std::uint16_t text_offset = 0;
  std::uint16_t text_size = 0;
  std::uint16_t code_offset = 0;
  index_source source = index_source::none;

  bool in_file() const { return column != 0; }
  bool holds_text() const { return type != field_type::integer && type != field_type::list_index; }
  bool is_pair() const {
    return type == field_type::number_and_text || type == field_type::decimal_and_text;
  }
  // Where the text the file carries lives: the member itself, or a pair's text member.
  std::uint16_t file_text_offset() const { return is_pair() ? text_offset : offset; }
  std::uint16_t file_text_size() const { return is_pair() ? text_size : size; }
};

// Byte-level access to the fields of a record, given its start.
std::int32_t read_integer(const std::byte* record, std::uint16_t offset, std::uint16_t size);
void write_integer(std::byte* record, std::uint16_t offset, std::uint16_t size, long long value);
std::string_view read_text(const std::byte* record, std::uint16_t offset, std::uint16_t capacity);
// Cuts the text to capacity - 1 characters and zero-fills the rest, as fixed_text does.
void write_text(std::byte* record, std::uint16_t offset, std::uint16_t capacity,
                std::string_view text);
float read_float(const std::byte* record, std::uint16_t offset);
void write_float(std::byte* record, std::uint16_t offset, float value);

// True when the field holds the same value in both records: numbers by value, texts up to their
// terminating zero, and for pairs both the number and the text.
bool same_field_value(const std::byte* a, const std::byte* b, const field_descriptor& field);

template <class Record>
const std::byte* record_bytes(const Record& record) {
  return reinterpret_cast<const std::byte*>(&record);
}
template <class Record>
std::byte* record_bytes(Record& record) {
  return reinterpret_cast<std::byte*>(&record);
}
