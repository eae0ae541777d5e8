#pragma once

class form_controls;

// The check list page ("15. Check List", TabSheet1): what the record on screen still lacks.

// Refreshes the page. Always empties check_list_lb first; the rest only while the page is the
// active record page: the empty and filled field counts from the edits on screen, then a
// commit of the pages into the record, its item counts, markers and the groups that fit its
// classification. Nothing at all without a record on screen.
void update_checklist(form_controls& form);

// Binds the list buttons, the markers, the double-click on a listed field and the copy button,
// and gives check_list_lb its link look.
void install_check_list(form_controls& form);
