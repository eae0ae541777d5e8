#pragma once

#include <string_view>

// ASCII case folding as the file format uses it for keywords, headers and boolean texts.
bool equals_ignoring_case(std::string_view a, std::string_view b);

// Byte by byte by unsigned code after folding a-z to A-Z: <0, 0 or >0.
int compare_ignoring_case(std::string_view a, std::string_view b);
