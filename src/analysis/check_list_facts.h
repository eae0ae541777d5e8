#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "records/item_vectors.h"
#include "records/record_store.h"
#include "records/system_locale.h"

// What the check list page says about a staff record, worked out from the record and its items.

// The items of the list that the staff member owns, marked for deletion or not.
template <class Item>
int count_staff_items(const record_vector<Item>& items, std::int32_t staff_id) {
  return static_cast<int>(items_owned_by(items, staff_id).size());
}

// A gap of up to this many missing years is listed year by year; a wider one, which no real
// career has, takes one line naming its first and last year, so that the list stays short
// whatever years a file holds.
inline constexpr std::int64_t widest_gap_listed_by_year = 200;

// The lines listing the years missing from the staff member's playing history, rising: each
// year inside a gap between two seasons (a wide gap as "first to last"), then "2012" when no
// season is of 2012 and no gap holds it. Items marked for deletion count like the others. Reads
// a sorted copy of the years; the store keeps its order.
std::vector<std::string> missing_history_years(const record_vector<qor_staff_history>& history,
                                               std::int32_t staff_id);

// Not a player, or both height and weight set.
bool has_height_and_weight(const qor_staff& staff);
// Not a player, or hair colour, skin tone and ethnicity all set.
bool has_appearance_details(const qor_staff& staff);
// One foot is the strong one (20).
bool has_strong_foot(const qor_staff& staff);
// Not on loan, or the loan squad number set.
bool has_loan_squad_number_if_on_loan(const qor_staff& staff);

// True when the date text, read in `date_order`, is today or earlier; false for the no-date
// text and for a text that is no date.
bool date_text_in_past(std::string_view text, std::string_view no_date_text,
                       std::string_view date_order, const date_time& today);

// The word a position rating is listed with (": (Natural)" for 20 down to ": (Ineffectual)"
// for 1 to 4), and the six words in listing order. Empty for 0 and for values outside 1-20.
std::string_view position_rating_word(int rating);
const std::vector<std::string_view>& position_rating_words();

// A control's name as the check list lists it: without "staff_" when `plain_prefix`, else
// without "staff_pl_" or "staff_np_" where the name holds one (the first found, in that order).
std::string listed_field_name(std::string_view control_name, bool plain_prefix);

// "counted/total".
std::string count_text(int counted, int total);
