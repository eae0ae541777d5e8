#pragma once

#include <string>
#include <string_view>

// Folds Windows-1252 letters with diacritics (and some typographic signs) to plain ASCII, so
// list texts sort and show alike. Control characters stay as they are.
char strip_accent(unsigned char c);
std::string strip_accents(std::string_view text);
