#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/control_colors.h"
#include "records/system_locale.h"

struct qor_staff;

// How the staff list draws a record: a font colour for its state against the original and a
// marker with an underline for its deletion, extraction and loan state.

// The state that picks an entry's colour, tried in this order.
enum class staff_entry_state {
  end_date_passed,
  changed,               // contracted, has an original
  new_record,            // contracted, made in the editor
  changed_not_in_squad,  // not contracted, marked for deletion or not for extraction
  unchanged,
};

// True when the record's contract end date has come: the date is today or earlier at `now`.
// False for a null record, a classification other than 1 to 3, and an end date that is empty
// or not a real date in `date_order` (a damaged file may hold any text there).
bool staff_end_date_passed(const qor_staff* staff, std::string_view date_order,
                           const date_time& now);
// The same under the loaded data set's date order and the program's clock.
bool staff_end_date_passed(const qor_staff* staff);

// "True" in any letter case.
bool staff_marked_for_deletion(const qor_staff& staff);
bool staff_not_for_extraction(const qor_staff& staff);

// The state of a record, given what the change tracking says of it.
staff_entry_state staff_entry_state_of(const qor_staff& staff, bool end_date_passed, bool changed,
                                       bool has_original);

// The entry's font colour in that state (0x00BBGGRR or a system colour).
tcolor staff_entry_color(staff_entry_state state, bool selected);

// The markers' texts, appended to the entry text.
namespace staff_marker_suffix {
inline constexpr std::string_view marked_for_deletion = " [mfd]";
inline constexpr std::string_view not_for_extraction = " [nfe]";
inline constexpr std::string_view loaned_out = " (L)->";
inline constexpr std::string_view loaned_in = " (L)<-";
inline constexpr std::string_view on_loan = " (L)";
inline constexpr std::string_view all[] = {marked_for_deletion, not_for_extraction, loaned_out,
                                           loaned_in, on_loan};
}  // namespace staff_marker_suffix

struct staff_entry_marker {
  std::string suffix;  // appended to the entry text
  bool underlined = false;
};

// The deletion, extraction and loan marker of a record in a file of club `file_club_id`.
staff_entry_marker staff_entry_marker_of(const qor_staff& staff, std::int32_t file_club_id);

// How the list draws a record of the loaded data set: its colour against its original (with the
// program's clock for the end date) and its marker for the file's club.
struct staff_entry_look {
  tcolor color = clWindowText;
  staff_entry_marker marker;
};
staff_entry_look staff_entry_look_of(const qor_staff& staff, bool selected);
