#pragma once

class QWidget;
class form_controls;
class focus_tracker;

// The exits of the fields the ability model reads. Each checks the field first and does
// nothing more when the value is refused; each false keeps the focus in the field.

// Asks before keeping a current ability above the potential ability; then both current
// ability edits agree and the weighted view and expected potential ability follow.
bool staff_pl_current_abilityExit(QWidget* sender, form_controls& form);
// Asks before keeping a potential ability below the current ability; then the weighted view.
bool staff_pl_potential_abilityExit(QWidget* sender, form_controls& form);
// The second current ability edit: no question; both edits agree, then the weighted view.
bool staff_pl_current_ability2Exit(QWidget* sender, form_controls& form);
// The fifteen position ratings: the pitch colours and the weighted view.
bool staff_pl_rating_exit(QWidget* sender, form_controls& form);
// The height: the weighted view.
bool staff_pl_height_amountExit(QWidget* sender, form_controls& form);
// The date and the year of birth: the expected potential ability.
bool staff_birth_exit(QWidget* sender, form_controls& form);

// Binds those exits, hands the weighted view to the exits that refresh it elsewhere, greys the
// weighting labels, lets the number edits of the player pages take digits only, and sets up the
// pitch and the formation pictures.
void install_ability_views(form_controls& form, focus_tracker& focus);
