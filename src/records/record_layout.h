#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "field_descriptor.h"
#include "item_kind.h"

// What the reader does with one column's text, decided once per column so that a line is read
// with one switch per field. Integers and the numbers of pairs come in their three widths.
enum class column_action : std::uint8_t {
  integer8,
  integer16,
  integer32,
  text,                // copied, cut to capacity
  date,                // copied, then brought into the locale's order
  normalised_boolean,  // copied when it reads true or false, else "False"
  count8,              // a text and the integer parsed from it
  count16,
  count32,
  amount,  // a text and the decimal parsed from it
};

// Most columns a line may have.
inline constexpr std::size_t max_columns = 256;

struct column_step {
  column_action action;
  std::uint16_t text_offset = 0;  // where the text goes
  std::uint16_t text_capacity = 0;
  std::uint16_t number_offset = 0;  // where the number goes
};

// A record type's column table arranged for the reader and the writer: the fields by column
// position, the header line, and the fields each pass after a read has to visit. Built once
// from the column tables.
struct record_layout {
  std::span<const field_descriptor> fields;              // memory order, all fields
  std::vector<const field_descriptor*> columns;          // columns[i] fills column i + 1
  std::vector<column_step> steps;                        // steps[i] reads column i + 1
  std::vector<const field_descriptor*> unread_booleans;  // boolean texts without a column
  std::vector<const field_descriptor*> dates;            // date texts re-ordered by a load
  std::vector<const field_descriptor*> derived_indices;  // list indices the reader derives
  std::string header;                                    // the header line the writer writes
  std::string accepted_header;  // another form the reader accepts (the same for item sections)
};

const record_layout& staff_layout();
const record_layout& item_layout(item_kind kind);

// The header test: a line is accepted when it has at least two characters and, without its last
// character, equals ignoring ASCII case the same number of characters at the start of the header
// text.
bool header_matches(std::string_view line, std::string_view header);
