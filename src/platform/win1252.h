#pragma once

#include <QString>
#include <string>
#include <string_view>

// The program keeps its texts as Windows-1252 bytes; widgets want QString. These two functions
// are the only crossing point between the two.
QString from_win1252(std::string_view text);

// Characters that Windows-1252 cannot hold become '?'.
std::string to_win1252(const QString& text);
