#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "record_form/editor_state.h"
#include "record_form/field_slot.h"

class QAbstractButton;
class QComboBox;
class QLineEdit;

// Moving values between record fields and controls. Every fill stores the tag it is given in
// the control (control_tag); every apply returns true exactly when it wrote a new value.
// A value that cannot be converted is reported with the control's name, the fill empties its
// edit and the apply leaves the field alone; the caller goes on with the next control.

// The control's text is its value.
inline constexpr int text_value_tag = -99;
// On a combo: the selected index is the value.
inline constexpr int item_index_value_tag = -10;

// ---- Field to control ----

// Integers in decimal; decimals as "%3.2lf" with the locale's decimal separator; texts as
// they are.
bool fill_control(QLineEdit* edit, const field_slot& value, int tag,
                  const form_formats& formats = current_formats());
// Money edits: an amount, or an amount text ("" stays empty), shown as money text.
bool fill_money_control(QLineEdit* edit, const field_slot& value, int tag,
                        const form_formats& formats = current_formats());
// Date edits: "" and "0/0/0" show the no-date text; a date shows in the locale's date format.
bool fill_date_control(QLineEdit* edit, const field_slot& value, int tag,
                       const form_formats& formats = current_formats());

// Selects the first item whose text (with tag -10: whose name part) equals `text` ignoring
// case; item 0 when none does.
bool fill_control(QComboBox* combo, std::string_view text, int tag);
// Selects the first item whose "Name; code" entry carries `code`; item 0 for code 0, and as a
// stand-in for a code that no item carries (codes below 1 are never looked for).
bool fill_control_by_code(QComboBox* combo, long long code, int tag);
// The same with the codes read from `list` (entry i stands for item i).
bool fill_control_using_id(QComboBox* combo, long long code, const std::vector<std::string>& list,
                           int tag);
// The same with the club list.
bool fill_club_control(QComboBox* combo, long long club_id, int tag);
// Selects item `index`; item 0 when that selects nothing.
bool fill_control_by_index(QComboBox* combo, long long index, int tag);
// Selects item `index` as it is (no item when it selects nothing); the tag is left alone.
bool set_combo_index_direct(QComboBox* combo, long long index);
// Ticked when the text is "true" ignoring case; any text but "true" or "false" shows unticked
// as a stand-in (binding_support.h).
bool fill_control(QAbstractButton* box, const field_slot& flag);

// ---- Control to field ----

// Text fields: the edit's text (a change of letter case counts). Integer fields: Tag -99 reads
// the text (an empty edit becomes "0"), any other Tag is the value itself; stored at the
// field's width. Decimal fields: the text under the locale's decimal separator.
bool apply_from_control(QLineEdit* edit, const field_slot& field,
                        const form_formats& formats = current_formats());
// Money edits over an amount text (stored without thousands separators, with `amount` set to
// its value when given) or over a 32-bit amount. Amounts outside 0..999999999 are refused.
bool apply_money_from_control(QLineEdit* edit, const field_slot& field,
                              const field_slot& amount = {},
                              const form_formats& formats = current_formats());
// Date edits: the no-date text empties the field; a date is stored in the locale's order.
bool apply_date_from_control(QLineEdit* edit, const field_slot& date_field,
                             const form_formats& formats = current_formats());
// The selected item's text into a text field.
bool apply_from_control(QComboBox* combo, const field_slot& text_field);
// Club id of the selected club_list entry; item 0 stores 0.
bool apply_club_from_control(QComboBox* combo, const field_slot& club_id);
// Code of the selected "Name; code" item; item 0 stores 0. With `honour_tag`, a combo whose
// Tag is -10 stores its selected index instead.
bool apply_code_from_control(QComboBox* combo, const field_slot& code, bool honour_tag = false);
// Code of the `list` entry at the selected index; a negative code stores 0.
bool apply_list_code_from_control(QComboBox* combo, const field_slot& code,
                                  const std::vector<std::string>& list);
// The selected index as the number itself.
bool apply_index_from_control(QComboBox* combo, const field_slot& field);
// "True" or "False"; a change only when the ticked state differs from the field's meaning.
bool apply_from_control(QAbstractButton* box, const field_slot& flag);

// ---- Formats ----

// "%3.2lf" with the locale's decimal separator.
std::string format_decimal(double value, char decimal_separator);
// The date in the locale's order joined by its separator, two-digit day and month.
std::string format_date(int year, int month, int day, const form_formats& formats);
// Qt input mask of the date edits for the locale's order and separator.
QString date_input_mask(const form_formats& formats);
