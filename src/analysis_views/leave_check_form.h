#pragma once

#include "analysis/leave_checks.h"
#include "records/staff_record.h"

class form_controls;

// The leave checks on the record pages of the record being left, `leaving` (its preferred
// moves are counted in the store). Each finding of a switched-on check is asked as a Yes/No
// warning; Yes goes to the field concerned and returns true: the user stays on the record.
// False when every question was answered otherwise or nothing was found.
bool check_staff_before_leaving(form_controls& form, const qor_staff& leaving);

// True when none of the fifteen position-rating edits holds 15 or more.
bool has_no_playing_position(const form_controls& form);

// What the checks read from the pages. Number edits whose text is no whole number count as 0.
leave_check_inputs read_leave_check_inputs(const form_controls& form, const qor_staff& leaving);
