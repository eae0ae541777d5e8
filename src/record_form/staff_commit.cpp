#include "record_form/staff_commit.h"

#include "platform/app_locale.h"
#include "record_form/editor_state.h"
#include "record_form/record_binding.h"
#include "records/dates.h"
#include "records/staff_record.h"

bool apply_staff(qor_staff* record, form_controls& controls, std::span<const page_spec> pages) {
  if (record == nullptr)
    return false;
  if (!apply_record_fields(pages, *record, controls))
    return true;
  const form_formats formats = current_formats();
  record->DateUpdated =
      format_update_stamp(formats.locale_date_order, formats.date_separator, app_clock().now());
  editor().data_modified = true;
  return true;
}

void fill_staff_fields(const qor_staff& record, form_controls& controls,
                       std::span<const page_spec> pages) {
  bool& filling = editor().filling_controls;
  const bool was_filling = filling;
  filling = true;
  fill_record_fields(pages, record, controls);
  filling = was_filling;
}
