#pragma once

struct qor_staff;
class form_controls;

// The reputation range guide beside the world reputation on "7. Pos".

// Reads the division list (the lookup list club_div_rep_q, already loaded) into the guide's
// table; done once at start-up.
void load_club_bands();

// Writes the range suggested for the record into wr_range_label: "N/A" when its club has no
// line, so a record never shows the range of the one before. Nothing without a record.
void reputation_range_guide(const qor_staff* staff, form_controls& form);

// Lets the current reputation exit refresh the guide.
void install_reputation_guide(form_controls& form);
