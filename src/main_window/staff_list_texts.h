#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "records/staff_sort_attributes.h"

struct qor_staff;

// The texts of the staff list and of what it shows about a record: entry texts, the heading
// above the record pages and the state message of a double click. Windows-1252 bytes.

// Entry texts are cut to this many characters.
inline constexpr std::size_t staff_entry_text_limit = 100;

// The name text given to the entry of a record the user has just left: the common name, else
// the second name, ", " and the first name, whether or not they are empty.
std::string staff_relabel_text(const qor_staff& staff);

// " (value)" of the record's sort attribute, or " (empty)" when it has no value text.
std::string staff_attribute_suffix(const qor_staff& staff, int attribute);

// The entry texts of a fill as the list shows them: the common name, else "Second, First" (the
// ", " only when both are there), with the sort attribute's
// suffix when asked, accents folded, at most staff_entry_text_limit characters. Made in one
// buffer: a fill of tens of thousands of entries would otherwise make half a dozen passing texts
// for each.
// The position texts come from `described` when given, as staff_sort_attribute_texts has them.
class staff_entry_texts {
 public:
  staff_entry_texts(bool with_attribute, int attribute, position_set_texts* described = nullptr);

  // Valid until the next call.
  std::string_view operator()(const qor_staff& staff);

 private:
  bool with_attribute_;
  staff_sort_attribute_texts values_;
  std::string text_;
};

// The text cut as an entry's is, its accents kept, as the re-label of a left record does.
std::string cut_entry_text(std::string_view text);

// The heading above the record pages: the club the record belongs to, whether it is on loan,
// and " [New]" for a record made in the editor.
std::string staff_heading_text(const qor_staff& staff, bool has_original, std::int32_t file_club_id,
                               std::string_view file_title);

// What a double click on the record explains about it; "" when there is nothing to say.
std::string staff_state_message(const qor_staff& staff, bool changed, bool has_original,
                                std::int32_t file_club_id);
