#pragma once

#include <functional>

struct qor_staff;
struct qor_staff_long_term_career;
struct qor_staff_contract_clauses;
struct qor_staff_non_player_history;
class form_controls;
class QWidget;

// Enabling and disabling the controls that only mean something for some records or items.

// Sets every child control of `container` enabled (or disabled), in child order. Plain panels,
// tab widgets and their pages are descended into first; any other control, a group box
// included, is a leaf whose own state covers what lies inside it. The container's own state
// is left as it is.
void enable_child_controls(QWidget* container);
void disable_child_controls(QWidget* container);

// The detail controls that the item's kind of entry uses are enabled, the others disabled.
// False, changing nothing, for a null item.
bool enable_long_term_career_controls(const qor_staff_long_term_career* item,
                                      form_controls& controls);
bool enable_contract_clause_controls(const qor_staff_contract_clauses* item,
                                     form_controls& controls);
// Reads the club and nation combos of the panel rather than the item: a set club disables the
// nation choice and a set nation the club choice, unless both are set.
bool enable_non_player_history_controls(const qor_staff_non_player_history* item,
                                        form_controls& controls);

// ---- Check boxes that exclude one another (bound to the user's clicks only: showing a record
// keeps every box as stored, and a box unticked by a rule runs no rule of its own) ----

// A permanent injury and a future permanent injury are never both ticked.
void staff_permanent_injuryClick(form_controls& controls);
void staff_future_permanent_injuryClick(form_controls& controls);
// Ticking a declared-nation box leaves it the only declared nation of the three.
void staff_nation_declaredClick(form_controls& controls);
void staff_second_nation_declaredClick(form_controls& controls);
void staff_third_nation_declaredClick(form_controls& controls);

// ---- Flags the user confirms (nothing while a record is shown) ----

// Ticking asks; any answer but Yes unticks the box again. Unticking asks nothing.
void staff_marked_for_deletionClick(form_controls& controls);
void staff_not_for_extractionClick(form_controls& controls);
void staff_femaleClick(form_controls& controls);

// ---- Exits that do more than check the field ----

// What those exits refresh elsewhere in the window; an action not given is skipped.
struct form_view_actions {
  // Commits the form into the record, then shows its weighted attributes.
  std::function<void(qor_staff*)> update_weighted_attributes;
  std::function<void(qor_staff*)> reputation_range_guide;
};
form_view_actions& form_views();

// Each checks the field first (validate_field) and does nothing more when it is refused.
// Commits the form, then shows the reputation ranges of the club.
bool staff_pl_current_reputationExit(QWidget* sender, form_controls& controls);
// Commits the form and refreshes the weighted attributes, then the preferred foot text.
bool staff_pl_footExit(QWidget* sender, form_controls& controls);  // left and right foot
