#pragma once

#include <span>

#include "record_form/page_table.h"

struct qor_staff;
class form_controls;

// Copies every staff-record control of the record pages back into `record`. Only when some
// field really got a new value is DateUpdated stamped with the current date and time (in the
// locale's date order, then " hh:nn:ss") and data_modified set. A control whose value cannot be
// converted is reported and leaves its field as it was; the rest is still committed.
// False, doing nothing, for a null record.
bool apply_staff(qor_staff* record, form_controls& controls);
bool apply_staff(qor_staff* record, form_controls& controls, std::span<const page_spec> pages);

// Fills every control bound to a staff-record field, in table order, with Tag -99. Each
// control shows only its own field, so the order carries no meaning while filling_controls
// keeps the change handlers quiet; it is set for the fill when it was clear.
void fill_staff_fields(const qor_staff& record, form_controls& controls);
void fill_staff_fields(const qor_staff& record, form_controls& controls,
                       std::span<const page_spec> pages);
