#include "record_form/editor_state.h"

#include "platform/app_locale.h"
#include "records/dates.h"
#include "records/system_locale.h"

editor_state& editor() {
  static editor_state state;
  return state;
}

form_formats formats_from_locale(const system_locale& locale) {
  form_formats formats;
  formats.locale_date_order = detect_locale_date_order(locale);
  formats.date_separator = locale.date_separator();
  formats.decimal_separator = detect_decimal_separator(locale);
  formats.thousands_separator = locale.thousands_separator();
  const date_texts texts = date_texts_for_order(formats.locale_date_order, formats.date_separator);
  formats.date_format = texts.date_format;
  formats.no_date_text = texts.no_date_text;
  formats.blank_date_text = texts.blank_date_text;
  return formats;
}

form_formats current_formats() {
  return formats_from_locale(app_locale());
}
