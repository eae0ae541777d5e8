#include "record_form/field_validation.h"

#include <QLineEdit>

#include "platform/dialog_service.h"
#include "record_form/binding_support.h"
#include "record_form/field_validation_bounds.h"
#include "record_form/record_pages.h"
#include "records/dates.h"

namespace {

std::string text_of(const QLineEdit* edit) {
  return widget_text(edit->text());
}

// Shows the refusal and keeps the user in the edit, or puts an accepted text's plain form back.
bool settle(QLineEdit* edit, const check_result& result) {
  if (!result.accepted) {
    show_error(result.message);
    edit->setFocus(Qt::OtherFocusReason);
    return false;
  }
  if (result.replacement)
    edit->setText(display_text(*result.replacement));
  return true;
}

}  // namespace

date_check_texts date_texts_of(const form_formats& formats) {
  date_check_texts texts;
  // An order the locale did not reveal is read year first, as its date texts are written.
  const std::string_view order = formats.locale_date_order;
  const bool known = order == date_order_dd_mm_yyyy || order == date_order_mm_dd_yyyy ||
                     order == date_order_yyyy_mm_dd;
  texts.order = known ? std::string(order) : std::string(date_order_yyyy_mm_dd);
  texts.separator = formats.date_separator;
  texts.date_format = formats.date_format;
  texts.no_date_text = formats.no_date_text;
  return texts;
}

bool validate_int_range(QLineEdit* edit, int min, int max) {
  return untouched_since_filled(edit) ||
         settle(edit, check_int_range(text_of(edit), min, max, false, control_name(edit)));
}

bool validate_int_range_blank(QLineEdit* edit, int min, int max) {
  return untouched_since_filled(edit) ||
         settle(edit, check_int_range(text_of(edit), min, max, true, control_name(edit)));
}

bool validate_staff_id(QLineEdit* edit) {
  return untouched_since_filled(edit) || settle(edit, check_staff_id(text_of(edit)));
}

bool validate_float_range(QLineEdit* edit, double min, double max, const form_formats& formats) {
  return untouched_since_filled(edit) ||
         settle(edit, check_float_range(text_of(edit), min, max, formats.decimal_separator));
}

bool validate_year_or_zero(QLineEdit* edit, int min, int max) {
  return untouched_since_filled(edit) ||
         settle(edit, check_year_or_zero(text_of(edit), min, max, control_name(edit)));
}

bool validate_date_range(QLineEdit* edit, int first, int last, const form_formats& formats) {
  return untouched_since_filled(edit) ||
         settle(edit, check_date_range(text_of(edit), day_from_key(first), day_from_key(last),
                                       date_texts_of(formats)));
}

bool get_edit_date(QLineEdit* edit, calendar_day& day, const form_formats& formats) {
  const date_check_texts texts = date_texts_of(formats);
  const std::string text = text_of(edit);
  if (text == texts.no_date_text)
    return false;
  const std::optional<calendar_day> read = read_date(text, texts);
  if (!read) {
    show_error("Invalid date. Date is in format " + texts.date_format);
    edit->setFocus(Qt::OtherFocusReason);
    return false;
  }
  day = *read;
  return true;
}

void clear_date_edit(QLineEdit* edit, const form_formats& formats) {
  edit->setText(display_text(formats.no_date_text));
}

bool validate_field(QWidget* control, const control_spec& row) {
  auto* edit = qobject_cast<QLineEdit*>(control);
  if (edit == nullptr)
    return true;
  const check_bounds bounds = bounds_today(row);
  switch (row.check) {
    case check_kind::none:
      return true;
    case check_kind::int_range:
      return validate_int_range(edit, bounds.min, bounds.max);
    case check_kind::int_range_blank:
      return validate_int_range_blank(edit, bounds.min, bounds.max);
    case check_kind::float_range:
      return validate_float_range(edit, bounds.min, bounds.max);
    case check_kind::date_range:
      return validate_date_range(edit, bounds.min, bounds.max);
    case check_kind::staff_id:
      return validate_staff_id(edit);
    case check_kind::year_of_birth:
      return validate_year_or_zero(edit, bounds.min, bounds.max);
  }
  return true;
}

bool validate_field(QWidget* control) {
  if (control == nullptr)
    return true;
  const control_spec* row = find_control_spec(control_name(control));
  return row == nullptr || validate_field(control, *row);
}
