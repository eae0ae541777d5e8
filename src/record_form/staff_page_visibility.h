#pragma once

struct qor_staff;
class form_controls;

// Which record pages of pc_staff a staff record has, by its classification (1 non-player,
// 2 player, 3 both; any other value counts as not set). A page about to be hidden while it is
// the active one first gives way to the first page, so the active page is always one the user
// can see.

// Shows or hides the named page of pc_staff; a name that is no page of it is passed over.
void set_page_visible(form_controls& form, const char* name, bool visible);

// Before a record is shown: leaves the player pages for a record that is not a player and the
// coach page for one that is not a non-player.
void leave_pages_staff_will_not_have(const qor_staff& record, form_controls& form);

// The two player pages, shown for classification 2 or 3.
void show_player_pages(const qor_staff& record, form_controls& form);

// The seven pages that depend on the classification. Not-set and player records keep the player
// pages as show_player_pages left them; a caretaker manager shows all seven whatever the
// classification.
void show_pages_for_classification(const qor_staff& record, form_controls& form);
