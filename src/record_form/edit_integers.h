#pragma once

#include <optional>

class QLineEdit;

// An edit's text read as a whole number the way the platform's conversion reads it (leading
// blanks, a sign, digits); none for a missing edit or a text that is no whole number. Views
// that compute from edits read them through these, so a stray text never stops them half way.
std::optional<int> edit_integer(const QLineEdit* edit);

// The same with 0 in place of none.
int edit_integer_or_zero(const QLineEdit* edit);
