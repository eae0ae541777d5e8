#pragma once

struct qor_staff;
class form_controls;

// What a staff member's classification (0 not set, 1 non-player, 2 player, 3 both) and job
// decide on the record pages: which pages show, which contract may be set, which job fits.

// The classification a job for a club implies: 2 for the playing job 11, 3 for the jobs done
// by players and non-players alike, 1 for every other code (0 included).
int classification_of_job(int job_code);
// True exactly for the manager jobs 5, 12, 22 and 40.
bool is_manager_job(int job_code);
// True when any loaded staff record has a manager job stored, the one on screen included.
bool manager_already_exists();

// ---- Handlers of the classification and job controls ----

// The user chose a classification on the personal page: "not set" is refused and the stored
// classification comes back; any other choice sets the pages, the contract boxes and the job.
void staff_classificationChange(form_controls& controls);
// The same choice made on the contract page.
void staff_classification2Change(form_controls& controls);
// The user chose a job for the club: warns when the club has a manager already, then sets both
// classification combos to the job's classification and applies it.
void staff_club_job_forChange(form_controls& controls);
// Ticking "caretaker manager" shows every page a player or non-player has.
void staff_caretaker_managerClick(form_controls& controls);
