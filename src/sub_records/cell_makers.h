#pragma once

#include <string>

#include "record_form/editor_state.h"
#include "records/lookup.h"
#include "records/lookup_lists.h"
#include "sub_records/item_cell_text.h"

// Cell texts of the common shapes, one template per shape, so that a grid column is declared as
// its header and the member it shows: number_cell<&qor_staff_job::StaffJobRating>.

template <auto Member, class Item>
std::string number_cell(const Item& item, const form_formats&) {
  return decimal_text(item.*Member);
}

template <auto Member, class Item>
std::string text_cell(const Item& item, const form_formats&) {
  return std::string((item.*Member).view());
}

template <auto Member, class Item>
std::string club_cell(const Item& item, const form_formats&) {
  return get_club_name(item.*Member);
}

// The name of the lookup entry whose code is the member's value.
template <auto List, auto Member, class Item>
std::string code_name_cell(const Item& item, const form_formats&) {
  return lookup_name_by_code(lookups().*List, item.*Member);
}

// The name of the lookup entry at the position the member holds.
template <auto List, auto Member, class Item>
std::string position_name_cell(const Item& item, const form_formats&) {
  return name_at_position(lookups().*List, item.*Member);
}

template <const auto& Words, auto Member, class Item>
std::string word_cell(const Item& item, const form_formats&) {
  return word_at(Words, item.*Member);
}

template <const auto& Words, auto Member, class Item>
std::string word_or_first_cell(const Item& item, const form_formats&) {
  return word_or_first(Words, item.*Member);
}
