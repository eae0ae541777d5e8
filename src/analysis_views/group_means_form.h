#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "analysis/attribute_groups.h"

class QLineEdit;
class form_controls;
struct control_spec;

// The attribute group means on the record pages, computed from the edits on screen (not the
// record): each mean's label shows it with two decimals and its bar shows it against its
// background's width.

// The edits of attribute_members(), in its order, each with its row of the page tables (which
// gives its range); null where the form lacks it. Looked up once per form.
struct attribute_edits {
  std::vector<QLineEdit*> edits;
  std::vector<const control_spec*> rows;
};
const attribute_edits& attribute_edits_of(form_controls& form);

// The members' values as the edits hold them; a text that is no whole number reads as 0.
std::vector<int> attribute_values(form_controls& form);

// Recomputes every mean that counts an edit of `groups` (attribute_group bits); with a kind
// given, only the means that count edits of that kind.
void calculate_group_means(form_controls& form, std::uint32_t groups,
                           std::optional<attribute_kind> kind = std::nullopt);

// All thirteen, as showing a record does.
void calculate_all_group_means(form_controls& form);

// Fills the bars with their colour and draws the backgrounds' outlines, once.
void paint_mean_bars(form_controls& form);
