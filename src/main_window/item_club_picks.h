#pragma once

#include "main_window/find_club_buttons.h"

class form_controls;

// What runs after a club is picked into a detail panel: the kind's edit step for the contract
// clause, favourite and disliked club, history and non-player history panels, and for the
// non-player history the club-or-nation rule after it.
club_pick_follow_ups item_club_pick_follow_ups(form_controls& form);
