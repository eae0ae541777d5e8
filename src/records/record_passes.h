#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "item_kind.h"
#include "record_layout.h"
#include "record_store.h"

// Work on whole records that the reader and the writer do besides reading or writing lines.

// Gives every vector pair whose originals the file did not provide (no original keyword line
// and no original read) a copy of each current record as its original.
void copy_missing_originals(record_store& records, bool staff_originals_given,
                            const std::array<bool, item_kind_count>& item_originals_given);

// Rewrites the height and weight texts of every staff record, current and original, from their
// numbers (format_amount_text) with the given separator before the decimals.
void rewrite_amount_texts(record_store& records, char decimal_separator);
