#pragma once

#include "main_window/find_club_buttons.h"

class form_controls;

// What runs after a club is picked into a detail panel: the kind's edit step, so the club is
// stored and not only shown, and for the non-player history and the long-term career the rule
// that enables the panel's other places after it.
club_pick_follow_ups item_club_pick_follow_ups(form_controls& form);
