#pragma once

#include <QString>
#include <string>
#include <string_view>

class QLineEdit;
class QWidget;

// Shared by the value-binding functions.

// The control's object name as Windows-1252 bytes.
std::string control_name(const QWidget* control);

// A value that could not be converted: the message followed by the control's name becomes the
// last error and is shown in a plain message box; the caller goes on with the next control.
void report_binding_failure(std::string_view message, const QWidget* control);

// A fill that could not show its field's value leaves the control showing something else (item
// 0, an empty text, a check box as it was). The control remembers that state, so that a commit can
// tell "untouched since" from "chosen by the user" and never writes the stand-in back over the real
// value. Once the user has changed the control (a combo's choice, an edit's typing, a box's
// click), it holds the user's value, also after the user changes it back to the stand-in's state;
// the program's own change to another state counts as well.
void mark_unshown(QWidget* control);
void clear_unshown(QWidget* control);
bool shows_unshown_value(const QWidget* control);

// An edit filled from a record shows a form of the stored value, not always the value itself: a
// kept "+5000" shows as "5,000", an amount of 1,380,855,207 as one no edit accepts. Until its
// text changes to another value (the user's typing, or the program's own change) the stored
// value stands: the commits into that record pass over the edit and leaving it checks nothing.
// The bare digits an edit shows while it has the focus and the grouped ones at rest are the same
// value. Copying the edit into another record takes its text as usual.
void mark_filled(QLineEdit* edit, const void* record);
// Drops the mark, before a fill writes the edit anew.
void forget_filled(QLineEdit* edit);
// True for an edit filled from `record` whose text has not changed since; with no record given,
// filled from any.
bool untouched_since_filled(const QWidget* control, const void* record = nullptr);

// Whether the user has changed a watched control (typed into an edit, chosen in a combo, set a
// box) since a fill last wrote it, or, before any fill, since it was first watched. A detail
// panel's control is checked and copied into its item on leaving only then: one the user merely
// passed through, whatever it shows (a value it could not show, or nothing at all), says nothing
// and changes nothing.
void watch_user_changes(QWidget* control);
// The fills call it once the control shows its record's value.
void forget_user_changes(QWidget* control);
bool user_changed_since_filled(const QWidget* control);

// Texts at the widget boundary.
std::string widget_text(const QString& text);
QString display_text(std::string_view text);

// Case-insensitive equality of Windows-1252 texts: every letter of the code page equals its
// other case (e and E, \xE9 and \xC9, \x9A and \x8A); other bytes compare as they are. The one
// comparison for showing a value and for taking it back, so a value shown as matching an
// item is never taken for a change.
bool same_text_ignoring_case(std::string_view a, std::string_view b);
