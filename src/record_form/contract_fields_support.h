#pragma once

#include <initializer_list>
#include <string_view>

class form_controls;

// Small control changes shared by the contract rules. Each takes effect as a choice the user
// could have made, so the next commit stores it; a control the pages lack is passed over.

// Asks the question with Yes and No; true on Yes.
bool answered_yes(std::string_view question);

// Sets the edits' text ("" or "0").
void set_edit_texts(form_controls& controls, std::initializer_list<const char*> names,
                    std::string_view text);
// Shows the no-date text in the date edits.
void clear_date_edits(form_controls& controls, std::initializer_list<const char*> names);
// Selects item 0 ("not set", or no club) of the combos.
void select_first_items(form_controls& controls, std::initializer_list<const char*> names);
void untick_boxes(form_controls& controls, std::initializer_list<const char*> names);
