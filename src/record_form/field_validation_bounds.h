#pragma once

#include "record_form/page_table.h"

// The year the fixed date and year bounds of the record pages were written for: the latest
// birth date 1998, contract expiry 2020, date joined 2014 and so on.
inline constexpr int program_season_year = 2014;

struct check_bounds {
  int min = 0;
  int max = 0;
};

// The latest date (yyyymmdd) or year a check accepts, moved from the program's season to
// `today_year` at the same distance. A 29 February that the new year lacks becomes the 28th.
int moved_date_bound(int yyyymmdd, int today_year);
int moved_year_bound(int year, int today_year);

// The bounds a control's check applies in `today_year`. The rows keep the bounds as written for
// the program's season; the latest date or year of a date or year check moves with the current
// year, while the earliest ones are history (1920 for a birth, 1870 for a debut) and stay.
// Number ranges are not years and stay as written.
check_bounds bounds_in_year(const control_spec& row, int today_year);

// The same for the year of the program's clock.
check_bounds bounds_today(const control_spec& row);
