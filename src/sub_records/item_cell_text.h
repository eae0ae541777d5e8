#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// How the item lists turn stored values into the texts of their cells and entries. Every
// function tolerates any value: a code or position that names nothing gives an empty text.

// The value in decimal.
std::string decimal_text(std::int64_t value);

// words[value]; empty for a value outside the table.
std::string word_at(std::span<const char* const> words, std::int64_t value);
// words[value]; the first word, which stands for "not set", for a value outside the table.
std::string word_or_first(std::span<const char* const> words, std::int64_t value);

// The name (text before the last ';') of the entry at `position`, counted from 0; empty outside
// the list.
std::string name_at_position(const std::vector<std::string>& list, std::int64_t position);

// A number kept as text ("2", "", " 1"): its whole-number value, 0 for an empty text, or -1
// when the text is not a whole number, so that it matches no word.
std::int64_t number_in_text(std::string_view text);

// A money amount held as text, written with the locale's thousands separators and no
// decimals; empty stays empty, and a text that is no number is shown as it stands.
std::string money_cell_text(std::string_view amount_text, char decimal_separator,
                            std::string_view thousands_separator);
