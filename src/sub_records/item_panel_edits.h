#pragma once

class form_controls;

// The edit step of each item list: the kind's detail panel is copied into its current item
// (apply_staff_<kind>, which stamps the item when a value changed) and the item's entry is
// refreshed. A list box rewrites the current entry's text when it differs; a grid is filled
// again without sorting, keeping its Col and Row, so the rows keep their order until the staff
// member is shown again. History rewrites its hidden list's line and refills its grid.
//
// Nothing happens while the kind has no current item or while filling_controls is set (a
// panel being filled from its item must not be copied back into it).
void process_staff_favourite_staff_edit(form_controls& form);
void process_staff_disliked_staff_edit(form_controls& form);
void process_staff_favourite_club_edit(form_controls& form);
void process_staff_disliked_club_edit(form_controls& form);
void process_staff_history_edit(form_controls& form);
void process_staff_language_edit(form_controls& form);
void process_staff_ppm_edit(form_controls& form);
void process_staff_non_player_tendency_edit(form_controls& form);
void process_staff_non_player_history_edit(form_controls& form);
void process_staff_injury_edit(form_controls& form);
void process_staff_contract_clauses_edit(form_controls& form);
void process_staff_job_edit(form_controls& form);
void process_staff_achievements_edit(form_controls& form);
void process_staff_days_at_club_nation_edit(form_controls& form);
void process_staff_retirement_edit(form_controls& form);
void process_staff_unavailability_edit(form_controls& form);
void process_staff_long_term_career_edit(form_controls& form);
