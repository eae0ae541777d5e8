#include "main_window/staff_list_marks.h"

#include <cctype>

#include "change_tracking/change_predicates.h"
#include "change_tracking/originals.h"
#include "platform/app_locale.h"
#include "record_form/editor_state.h"
#include "record_form/form_text.h"
#include "records/dates.h"
#include "records/record_store.h"
#include "records/staff_record.h"

namespace {

bool is_true_text(std::string_view text) {
  constexpr std::string_view true_text = "true";
  if (text.size() != true_text.size())
    return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) != true_text[i])
      return false;
  }
  return true;
}

// Players and non-players alike end with their club contract.
std::string_view end_date_text(const qor_staff& staff) {
  switch (staff.StaffClassification) {
    case 1:
    case 2:
    case 3:
      return staff.StaffContractExpiresClub.view();
    default:
      return {};
  }
}

// The date order the records' date texts are held in: the last load's, else the locale's.
std::string list_date_order() {
  const std::string& loaded = locale_data().locale_date_order;
  return loaded.empty() ? current_formats().locale_date_order : loaded;
}

struct state_colors {
  staff_entry_state state;
  tcolor selected;
  tcolor normal;
};

// Only a record whose end date has not come needs the comparison with its original.
staff_entry_state entry_state_in_data_set(const qor_staff& staff) {
  const bool end_date_passed = staff_end_date_passed(&staff);
  const bool changed = !end_date_passed && staff_changed(&staff);
  return staff_entry_state_of(staff, end_date_passed, changed,
                              changed && find_original_staff(&staff) != nullptr);
}

constexpr state_colors entry_colors[] = {
    {staff_entry_state::end_date_passed, clNavy, clBlue},
    {staff_entry_state::changed, clRed, clMaroon},
    {staff_entry_state::new_record, clLime, clGreen},
    {staff_entry_state::changed_not_in_squad, clYellow, clOlive},
    {staff_entry_state::unchanged, clWindow, clWindowText},
};

}  // namespace

bool staff_end_date_passed(const qor_staff* staff, std::string_view date_order,
                           const date_time& now) {
  if (staff == nullptr)
    return false;
  const std::string_view text = end_date_text(*staff);
  int year = 0;
  int month = 0;
  int day = 0;
  if (text.empty() || !parse_date_text(text, date_order, year, month, day))
    return false;
  const long long end_day = day_number(year, month, day);
  const long long today = day_number(now.year, now.month, now.day);
  // Later than the end date's midnight: any moment of a later day, or of that day after 0:00:00.
  const bool after_midnight = now.hour != 0 || now.minute != 0 || now.second != 0;
  return today > end_day || (today == end_day && after_midnight);
}

bool staff_end_date_passed(const qor_staff* staff) {
  return staff_end_date_passed(staff, list_date_order(), app_clock().now());
}

bool staff_marked_for_deletion(const qor_staff& staff) {
  return is_true_text(staff.StaffMarkedForDeletion.view());
}

bool staff_not_for_extraction(const qor_staff& staff) {
  return is_true_text(staff.StaffNotForExtraction.view());
}

staff_entry_state staff_entry_state_of(const qor_staff& staff, bool end_date_passed, bool changed,
                                       bool has_original) {
  if (end_date_passed)
    return staff_entry_state::end_date_passed;
  if (!changed)
    return staff_entry_state::unchanged;
  if (staff.StaffClubContracted < 1 || staff_marked_for_deletion(staff) ||
      staff_not_for_extraction(staff))
    return staff_entry_state::changed_not_in_squad;
  return has_original ? staff_entry_state::changed : staff_entry_state::new_record;
}

tcolor staff_entry_color(staff_entry_state state, bool selected) {
  for (const state_colors& row : entry_colors) {
    if (row.state == state)
      return selected ? row.selected : row.normal;
  }
  return clWindowText;
}

staff_entry_marker staff_entry_marker_of(const qor_staff& staff, std::int32_t file_club_id) {
  const std::int32_t contracted = staff.StaffClubContracted;
  const std::int32_t on_loan_to = staff.StaffClubOnLoanTo;
  namespace suffix = staff_marker_suffix;
  if (staff_marked_for_deletion(staff))
    return {std::string(suffix::marked_for_deletion), true};
  if (staff_not_for_extraction(staff))
    return {std::string(suffix::not_for_extraction), true};
  if (contracted == file_club_id)
    return on_loan_to < 1 ? staff_entry_marker{"", false}
                          : staff_entry_marker{std::string(suffix::loaned_out), true};
  if (on_loan_to == file_club_id)
    return {std::string(suffix::loaned_in), true};
  return {std::string(on_loan_to > 0 ? suffix::on_loan : std::string_view{}), contracted > 0};
}

staff_entry_look staff_entry_look_of(const qor_staff& staff, bool selected) {
  return {staff_entry_color(entry_state_in_data_set(staff), selected),
          staff_entry_marker_of(staff, file_data().file_club_id)};
}
