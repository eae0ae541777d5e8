#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "dates.h"
#include "record_layout.h"

// One data line of a .staff file: every column in double quotes, joined by ';'.

// Fills a zero-filled record from the line's fields in column order and normalises its boolean
// texts. Given a conversion, every non-empty date is converted as it is stored; a date that
// cannot be read, or whose result would not fit its field, is kept as it was. A carriage return
// in a text becomes a blank (replace_carriage_returns). Returns how many texts held one, or
// nothing when the line holds fewer fields than the layout has columns. Only a zero-filled
// record gives the right result: texts are copied without clearing what follows them.
// `readable_after` bytes after the line may be read, though they are no part of it: fields are
// read in whole words wherever the words stay within the line and those bytes, so fields near
// the line's end take the word paths too when 128 bytes follow it.
std::optional<int> read_record_line(std::string_view line, const record_layout& layout,
                                    std::byte* record, const date_order_conversion* dates = nullptr,
                                    std::size_t readable_after = 0);

// Replaces every carriage return in the record's file texts by a blank, since the writer cannot
// carry one; returns how many texts held one.
int replace_carriage_returns(std::byte* record, const record_layout& layout);

// The most bytes write_record_line stores for one record of the layout: its line with the line
// feed, and the bytes past the line's end that it may store as well (the next line overwrites
// them).
std::size_t record_line_room(const record_layout& layout);

// Writes the record's line, ended by a line feed, from `out` on, which has record_line_room
// bytes, and moves `out` to the line's end; `record_size` bytes from `record` on may be read.
// A text holding a double quote, a carriage return or a line feed would break the line apart,
// so such a record is refused: `out` stays where it was and the offending column is returned.
// Null on success.
const field_descriptor* write_record_line(char*& out, const std::byte* record,
                                          std::size_t record_size, const record_layout& layout);
