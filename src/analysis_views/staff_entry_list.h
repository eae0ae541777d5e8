#pragma once

class QWidget;
class owner_drawn_list_box;

// A list of staff entries (a text and the record it stands for) that lists tens of thousands
// of entries at once: every entry is one line of the list's font high, so a layout asks one
// entry's size for all, and the sideways scroll reaches the widest text by the cheap width
// measure, so no entry's text is laid out to be measured. Entries are drawn the ordinary way.
owner_drawn_list_box* make_staff_entry_list(QWidget* parent, const char* name);
