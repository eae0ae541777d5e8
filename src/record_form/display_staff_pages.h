#pragma once

struct qor_staff;
class form_controls;

// Shows the staff record in the record pages and the name line above them: every control bound
// to one of its fields (Tag -99), the values computed from them (years left on the contract,
// wages per month and year, the preferred foot), the contract check boxes and which pages the
// record has. Item lists are not touched. The caller sets filling_controls around it.
void display_staff_pages(const qor_staff& record, form_controls& form);

// ":ID - " followed by the common name, or by "second name, first name" when there is none.
void show_staff_name_line(const qor_staff& record, form_controls& form);
