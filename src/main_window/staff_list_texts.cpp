#include "main_window/staff_list_texts.h"

#include "ability/position_sets.h"
#include "records/lookup.h"
#include "records/record_store.h"
#include "records/staff_record.h"
#include "records/staff_sort_attributes.h"
#include "records/text_fold.h"

namespace {

std::string club_name(std::int32_t club_id) {
  return get_club_name(club_id);
}

std::string on_loan_heading(const qor_staff& staff) {
  return club_name(staff.StaffClubContracted) + " Staff (On Loan To " +
         club_name(staff.StaffClubOnLoanTo) + ")";
}

// The common name, else "Second, First" (the ", " only when both are there); nothing without
// names.
void append_name_text(std::string& text, const qor_staff& staff) {
  if (!staff.StaffCommonName.empty()) {
    text += staff.StaffCommonName.view();
    return;
  }
  text += staff.StaffSecondName.view();
  if (!staff.StaffSecondName.empty() && !staff.StaffFirstName.empty())
    text += ", ";
  text += staff.StaffFirstName.view();
}

}  // namespace

std::string staff_relabel_text(const qor_staff& staff) {
  if (!staff.StaffCommonName.empty())
    return std::string(staff.StaffCommonName.view());
  return std::string(staff.StaffSecondName.view()) + ", " +
         std::string(staff.StaffFirstName.view());
}

std::string staff_attribute_suffix(const qor_staff& staff, int attribute) {
  return staff_sort_attribute_suffix(staff_sort_attribute_text(
      staff, attribute, file_data().file_club_id, ability_position_texts()));
}

std::string cut_entry_text(std::string_view text) {
  return std::string(text.substr(0, staff_entry_text_limit));
}

staff_entry_texts::staff_entry_texts(bool with_attribute, int attribute,
                                     position_set_texts* described)
    : with_attribute_(with_attribute),
      values_(attribute, file_data().file_club_id, ability_position_texts(), described) {}

std::string_view staff_entry_texts::operator()(const qor_staff& staff) {
  text_.clear();
  append_name_text(text_, staff);
  if (with_attribute_)
    append_staff_sort_attribute_suffix(text_, values_(staff));
  if (text_.size() > staff_entry_text_limit)
    text_.resize(staff_entry_text_limit);
  for (char& c : text_)
    c = strip_accent(static_cast<unsigned char>(c));
  return text_;
}

std::string staff_heading_text(const qor_staff& staff, bool has_original, std::int32_t file_club_id,
                               std::string_view file_title) {
  const std::int32_t contracted = staff.StaffClubContracted;
  const std::int32_t on_loan_to = staff.StaffClubOnLoanTo;
  if (!has_original) {
    if (contracted == file_club_id)
      return std::string(file_title) + " Staff [New]";
    if (contracted >= 1)
      return club_name(contracted) + " Staff [New]";
    return "Non Contracted Staff [New]";
  }
  if (contracted == file_club_id)
    return on_loan_to < 1 ? std::string(file_title) + " Staff" : on_loan_heading(staff);
  if (contracted >= 1) {
    if (on_loan_to == file_club_id || on_loan_to > 0)
      return on_loan_heading(staff);
    return club_name(contracted) + " Staff";
  }
  return "Non Contracted Staff";
}

std::string staff_state_message(const qor_staff& staff, bool changed, bool has_original,
                                std::int32_t file_club_id) {
  const std::int32_t contracted = staff.StaffClubContracted;
  std::string told;
  if (changed) {
    if (contracted >= 1 && !has_original)
      told = " is new.";
    else if (contracted < 1)
      told = " is not contracted to a club.";
    else
      told = "'s details have been changed.";
  }
  if (contracted != file_club_id) {
    // After a first sentence the second one names its subject again.
    const char* subject = told.empty() ? "" : " Staff";
    if (staff.StaffClubOnLoanTo == file_club_id)
      told += std::string(subject) + " is current on loan to this club.";
    else if (contracted > 0)
      told += std::string(subject) + " is current contracted to another club.";
  }
  return told.empty() ? std::string() : "This staff member" + told;
}
