#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Heights and weights as a file carries them: a decimal number in a text of a few characters,
// with ',' or '.' before the decimals.

// The most characters an amount's text holds (its field keeps one more for the terminating
// zero).
inline constexpr std::size_t max_amount_text_length = 9;

// The amount a text holds, ',' read as '.'; 0 when it holds none. Beyond the float range it is
// the largest float of its sign.
float parse_amount_text(std::string_view text);

// The text the writer gives an amount, with '.' before the decimals: two decimals; an amount too
// wide for that in the shortest form that reads back as the same float, else in the form with
// the most digits that fit. Such a text reads back as a nearby amount, and then the text of
// that amount is written at once, so that reading and writing it again changes nothing. NaN
// is written as 0, infinities as the largest float.
std::string format_amount_text(float amount);
