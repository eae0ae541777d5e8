#pragma once

#include "analysis/attribute_groups.h"

class form_controls;
class focus_tracker;

// The exits of the attribute edits that a mean counts, and the "+1", "-1" and "Select All"
// buttons of the attribute groups, on the record pages.

// One "+1" (step 1) or "-1" (step -1) over the set's groups whose "Allow inc/dec" box is ticked
// (a group without a box always takes part): each value moves by stepped_value within its
// row's range, the inverted attributes never move, and the player groups heed the keyword
// filters. Then the means of the set's groups; the player groups' step ends in the weighted
// view, which commits the form. The other sets leave the commit to the next one, as typing does.
void step_attribute_groups(step_set set, int step, form_controls& form);

// "Select All": ticks the boxes of the set's groups that it selects; it never unticks.
void select_all_groups(step_set set, form_controls& form);

// Binds the attribute exits (each checks its value, then refreshes the means counting its edit
// and, for a player attribute, the weighted view), the step buttons, "Select All", the keyword
// filters and the buttons' hints; then paints the bars and shows the means of the empty form.
void install_attribute_groups(form_controls& form, focus_tracker& focus);
