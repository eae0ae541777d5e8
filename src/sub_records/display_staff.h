#pragma once

struct qor_staff;
class form_controls;

// Shows a staff record in the whole record area: first leaves a page the record will not have,
// then, with filling_controls set, fills the name line and every record page, the pitch colours
// and the formation pictures, and the seventeen item lists of the record's staff member with the
// first item of each selected (current_<kind>, original_<kind>, current_<kind>_index) and shown
// in its detail panel. A kind
// without items hides its panel and forgets its selection. Never changes the record; clears
// filling_controls at the end. False, touching nothing, for a null record.
bool display_staff(const qor_staff* record, form_controls& form);

// The item-list part alone: the lists, their first items and panels.
void display_staff_item_lists(const qor_staff& record, form_controls& form);
