#pragma once

#include <QString>
#include <string>
#include <string_view>

// The program keeps its texts as Windows-1252 bytes; widgets want QString. These functions are
// the only crossing point between the two.
QString from_win1252(std::string_view text);
// The same appended to UTF-16 text, for a list that keeps the texts of all its entries in one.
void append_from_win1252(std::string_view text, std::u16string& to);

// Characters that Windows-1252 cannot hold become '?'.
std::string to_win1252(const QString& text);
