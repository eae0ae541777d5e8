#include "record_form/edit_integers.h"

#include <QLineEdit>

#include "platform/win1252.h"
#include "record_form/field_validation_checks.h"

std::optional<int> edit_integer(const QLineEdit* edit) {
  if (edit == nullptr)
    return std::nullopt;
  const std::optional<long long> value = read_whole_number(to_win1252(edit->text()));
  if (!value)
    return std::nullopt;
  return static_cast<int>(*value);
}

int edit_integer_or_zero(const QLineEdit* edit) {
  return edit_integer(edit).value_or(0);
}
