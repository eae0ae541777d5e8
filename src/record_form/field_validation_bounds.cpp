#include "record_form/field_validation_bounds.h"

#include "platform/app_locale.h"
#include "records/dates.h"

int moved_year_bound(int year, int today_year) {
  return year + (today_year - program_season_year);
}

int moved_date_bound(int yyyymmdd, int today_year) {
  const int year = moved_year_bound(yyyymmdd / 10000, today_year);
  const int month_day = yyyymmdd % 10000;
  if (month_day == 229 && !is_leap_year(year))
    return year * 10000 + 228;
  return year * 10000 + month_day;
}

check_bounds bounds_in_year(const control_spec& row, int today_year) {
  switch (row.check) {
    case check_kind::date_range:
      return {row.min, moved_date_bound(row.max, today_year)};
    case check_kind::year_of_birth:
      return {row.min, moved_year_bound(row.max, today_year)};
    default:
      return {row.min, row.max};
  }
}

check_bounds bounds_today(const control_spec& row) {
  return bounds_in_year(row, app_clock().now().year);
}
