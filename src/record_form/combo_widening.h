#pragma once

class QComboBox;
class form_controls;

// increase_combo_width: the long lists of the record pages open out to the right edge of the
// window. The list's least width becomes the window's width less the left positions of the
// combo and of each of its parents below the window; the list is never narrower than the combo,
// and the setting stays until the next drop-down.
void increase_combo_width(QComboBox* combo);

// Calls increase_combo_width on the combo just before it can drop down (a click or a key), for as
// long as the combo lives.
void widen_before_each_drop_down(QComboBox* combo);

// Widens each of the 31 long-list combos just before it can drop down (a click or a key).
void bind_combo_widening(form_controls& controls);
