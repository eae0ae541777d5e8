#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "records/field_descriptor.h"
#include "records/item_kind.h"
#include "records/staff_record.h"

// Which field caption of the record pages shows which field, how a difference from the original
// colours it and how the original value is written for it. One table for the staff record and
// one per item kind; the highlighting, the original-value texts and the caption handlers all
// read these rows.

enum class label_rule : std::uint8_t {
  plain,              // any difference is a change
  quantity,           // higher or lower matters (a number held as text is read as a number)
  unsigned_quantity,  // as quantity, the byte read as 0 to 255
  nation,             // the nation or its declared flag differs
};

// How the original value of a row is written.
enum class text_way : std::uint8_t {
  value,            // as held: texts unchanged, numbers in decimal, amounts with two decimals
  combo_row,        // the item of combo `source` at the row the value gives
  combo_code,       // the item of combo `source` whose code is the value
  list_entry,       // the whole entry of lookup list `source` whose code is the value
  currency_name,    // the name of the currency whose code is the value
  club_name,        // the name of the club whose id is the value
  ppm_name,         // the name of the preferred move whose code is the value
  language_type,    // the language type word, as the panel's type list shows it
  declared,         // "Declared: " and the declared flag (`second`)
  nation_declared,  // the nation, then " (Declared: " and the declared flag (`second`)
  recallable,       // "Recallable: " and the flag
  buy_option,       // "Buy Option: " and the flag
};

struct label_row {
  std::string_view label;  // the caption's object name
  field_descriptor field;  // the field it shows
  label_rule rule = label_rule::plain;
  text_way way = text_way::value;
  std::string_view source;    // combo or lookup list of the text way
  field_descriptor second{};  // nation rows: the declared flag
  bool takes_cursor = true;   // check boxes and a few captions keep their cursor
};

// What a row's comparison found.
enum class label_difference : std::uint8_t { none, changed, higher, lower };

// The rows of the staff record's captions, and of each item kind's detail panel.
std::span<const label_row> staff_label_rows();
std::span<const label_row> item_label_rows(item_kind kind);

// The bold captions above ten item lists: red while the staff member holds a changed item of
// the list.
struct caption_row {
  std::string_view label;
  bool (*changed)(const qor_staff* staff);
};
std::span<const caption_row> staff_caption_rows();

// Compares a row's field of two records (their first bytes) through the comparison the change
// predicates use, so a caption and the staff list never disagree about a record.
label_difference compare_label_row(const std::byte* current, const std::byte* original,
                                   const label_row& row);
