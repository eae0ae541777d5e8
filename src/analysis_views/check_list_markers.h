#pragma once

#include <cstdint>

#include "records/record_store.h"

class QLineEdit;
class QListWidget;
class form_controls;
struct marker_icons;

// The tick and cross markers of the check list page. A marker's cursor is its state: the hand
// cursor while it shows the cross.

// Sets every marker from the committed record, except the two date markers, which read the
// date edits on screen; fills missing_history_entries_lb on the way.
void set_check_list_markers(const qor_staff& staff, form_controls& form, const marker_icons& icons);

// Binds each marker's click: while its own marker shows the cross, it shows the page of its own
// field and gives that field the focus. Nothing without a record on screen.
void bind_check_list_markers(form_controls& form);

// Fills the list with the years missing from the staff member's playing history (the store
// keeps its order); true when at least one is missing.
bool list_missing_history_years(QListWidget* list, std::int32_t staff_id,
                                const record_vector<qor_staff_history>& history);

// True when the edit shows a date of today or earlier, read in the locale's date order; false
// for the no-date text and for a text that is no date.
bool date_edit_in_past(const QLineEdit* edit);
