#pragma once

#include <span>

struct qor_staff;
class form_controls;

// One player attribute of "8. Player" with its two companions: the edit staff_pl_<stem>, the
// read-only staff_pl_<stem>_w and the label staff_pl_<stem>_weighting.
struct weighted_attribute {
  const char* stem;
  const char* group;  // the group box the three sit in
  int index;          // the attribute's entry in a playing data block
};

// The 53 attributes shown with their weights.
std::span<const weighted_attribute> weighted_attributes();

// Commits the form into the record on screen, then shows `record`'s attributes fitted to its
// current ability, its recommended current ability and each attribute's weight for its
// positions. Nothing happens for a null record or without a record on screen.
void update_weighted_attributes(const qor_staff* record, form_controls& form);

// Shows or hides the fitted edits and the recommended current ability; for a goalkeeper the
// goalkeeper group and only four technical ones, otherwise all but the goalkeeper group.
void view_weighted_attributes(form_controls& form, bool show, bool goalkeeper);
