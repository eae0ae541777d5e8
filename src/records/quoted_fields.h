#pragma once

#include <cstddef>
#include <string_view>

// Tokenizer and number rules of the .staff lines (also used by the weightings reader).

// The longest field text a line can hand over; longer fields are cut.
inline constexpr std::size_t max_field_length = 100;

// Finds the text between the next pair of double quotes at or after `position` (whatever
// stands between a closing and the next opening quote is ignored), cut to its first
// max_field_length characters, and moves `position` just past the closing quote. Returns
// false, leaving `position` and `field` alone, when no complete field remains.
bool next_quoted_field(std::string_view line, std::size_t& position, std::string_view& field);

// Leading white space, an optional sign, then the digits up to the first other character;
// 0 when there are none. Saturates instead of overflowing, so "1,500" gives 1.
long long parse_leading_integer(std::string_view text);

// The leading decimal number with '.' before the decimals (the process locale plays no part);
// 0 when there is none. Callers turn ',' into '.' first.
double parse_decimal_text(std::string_view text);

// True when a decimal integer, with optional leading blanks and sign, starts the text; its value
// (saturated) goes to `value` when given.
bool begins_with_number(std::string_view text, long long* value = nullptr);
