#pragma once

struct qor_staff;
class form_controls;

// Commits the form into the record on screen, then shows `record`'s expected potential
// ability, at its age today, in staff_pl_expected_potential_ability. Nothing happens for a null
// record or without a record on screen.
void update_expected_potential_ability(const qor_staff* record, form_controls& form);
