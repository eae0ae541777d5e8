#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "item_kind.h"
#include "record_blocks.h"

struct record_store;

// What the reader and the writer need to know of an item kind beyond its columns.
struct item_kind_info {
  item_kind kind;
  std::string_view keyword;       // the section's keyword line, "STAFF_JOB"
  std::string_view orig_keyword;  // the keyword of its originals, "STAFF_JOB_ORIG_DATA"
  std::string_view load_error;    // the reader's invalid-format message (the path follows)
  std::string_view save_error;    // the writer's message when writing the section fails
};

// All seventeen, in file order.
std::span<const item_kind_info> item_kind_infos();
const item_kind_info& info_of(item_kind kind);

// Appends a new zero-filled item of the kind to its current or original vector and returns the
// item's bytes for the reader to fill.
std::byte* append_new_item(record_store& records, item_kind kind, bool original);
// As append_new_item, but the item is only whole once its bytes are zero_fill-ed.
unzeroed_bytes append_unzeroed_item(record_store& records, item_kind kind, bool original);
