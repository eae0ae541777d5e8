#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "dates.h"
#include "item_kind.h"
#include "record_layout.h"
#include "record_store.h"

// Work on whole records that the reader and the writer do besides reading or writing lines.

// Gives every vector pair whose originals the file did not provide (no original keyword line
// and no original read) a copy of each current record as its original.
void copy_missing_originals(record_store& records, bool staff_originals_given,
                            const std::array<bool, item_kind_count>& item_originals_given);

// Brings every non-empty date of one record into the locale's order, converting from the file's
// order. A date that cannot be read, or whose result would not fit its field, is kept as it was.
void reorder_record_dates(std::byte* record, const record_layout& layout,
                          const date_order_conversion& conversion);

// Rewrites the height and weight texts of every staff record, current and original, from their
// numbers with two decimals and the given separator. A text that would not fit is kept.
void rewrite_amount_texts(record_store& records, char decimal_separator);
