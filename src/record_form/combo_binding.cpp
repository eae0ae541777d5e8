#include <QAbstractButton>
#include <QComboBox>
#include <optional>

#include "platform/control_tag.h"
#include "record_form/binding_support.h"
#include "record_form/control_binding.h"
#include "records/lookup.h"
#include "records/lookup_lists.h"

namespace {

constexpr std::string_view text_apply_failure =
    "apply_from_control(..): Error casting from AnsiString in combobox: ";
constexpr std::string_view code_apply_failure =
    "apply_from_control(..): Error casting from Long in combobox: ";
constexpr std::string_view club_fill_failure =
    "fill_club_control(..): Error casting to AnsiString in edit: ";
constexpr std::string_view list_fill_failure =
    "fill_control_using_id(..): Error casting to AnsiString in edit: ";

std::string item_text(const QComboBox* combo, int index) {
  return widget_text(combo->itemText(index));
}

// Selects `index` when it is an item; otherwise item 0, remembered as a stand-in so that a
// commit does not take it for the user's choice.
void select_or_stand_in(QComboBox* combo, int index) {
  if (index >= 0 && index < combo->count()) {
    combo->setCurrentIndex(index);
    clear_unshown(combo);
  } else {
    combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
    mark_unshown(combo);
  }
}

// The code of the chosen entry. A malformed entry has none: it is reported and the field keeps
// its value, so no code is made up for it and a stored -1 never passes for its match.
bool store_chosen_code(const field_slot& field, std::string_view entry, std::string_view failure,
                       const QComboBox* combo) {
  const std::optional<int> code = lookup_code_if_valid(entry);
  if (!code) {
    report_binding_failure(failure, combo);
    return false;
  }
  return store_integer(field, *code);
}

int index_of_code(const std::vector<std::string>& list, long long code) {
  if (code < 1)
    return -1;
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (lookup_code_if_valid(list[i]) == code)
      return static_cast<int>(i);
  }
  return -1;
}

// Code 0 selects item 0 as the real "not set" choice; a code without an entry, a negative one
// included, selects it as a stand-in, so that no commit turns the stored code into 0.
void select_code(QComboBox* combo, long long code, int found) {
  if (code == 0 && combo->count() > 0) {
    combo->setCurrentIndex(0);
    clear_unshown(combo);
  } else {
    select_or_stand_in(combo, found);
  }
}

}  // namespace

bool fill_control(QComboBox* combo, std::string_view text, int tag) {
  set_control_tag(combo, tag);
  combo->setCurrentIndex(-1);
  for (int i = 0; i < combo->count(); ++i) {
    const std::string item = item_text(combo, i);
    const std::string candidate = tag == item_index_value_tag ? lookup_first_field(item) : item;
    if (same_text_ignoring_case(candidate, text)) {
      select_or_stand_in(combo, i);
      return true;
    }
  }
  select_or_stand_in(combo, -1);
  return true;
}

bool fill_control_by_code(QComboBox* combo, long long code, int tag) {
  set_control_tag(combo, tag);
  int found = -1;
  if (code >= 1) {
    for (int i = 0; i < combo->count() && found < 0; ++i) {
      if (lookup_code_if_valid(item_text(combo, i)) == code)
        found = i;
    }
  }
  select_code(combo, code, found);
  return true;
}

bool fill_control_using_id(QComboBox* combo, long long code, const std::vector<std::string>& list,
                           int tag) {
  set_control_tag(combo, tag);
  const int found = index_of_code(list, code);
  if (found >= combo->count()) {
    report_binding_failure(list_fill_failure, combo);
    select_or_stand_in(combo, -1);
    return true;
  }
  select_code(combo, code, found);
  return true;
}

bool fill_club_control(QComboBox* combo, long long club_id, int tag) {
  set_control_tag(combo, tag);
  const int found = index_of_code(lookups().club_list, club_id);
  if (found >= combo->count()) {
    report_binding_failure(club_fill_failure, combo);
    select_or_stand_in(combo, -1);
    return true;
  }
  select_code(combo, club_id, found);
  return true;
}

bool fill_control_by_index(QComboBox* combo, long long index, int tag) {
  set_control_tag(combo, tag);
  select_or_stand_in(combo, index >= 0 && index < combo->count() ? static_cast<int>(index) : -1);
  return true;
}

bool set_combo_index_direct(QComboBox* combo, long long index) {
  const bool shown = index >= 0 && index < combo->count();
  combo->setCurrentIndex(shown ? static_cast<int>(index) : -1);
  if (shown) {
    clear_unshown(combo);
  } else {
    mark_unshown(combo);
  }
  return true;
}

// A flag that reads neither "True" nor "False" (empty, or any other text) shows unticked as a
// stand-in, so that committing the box leaves the text as it is until the user sets it.
bool fill_control(QAbstractButton* box, const field_slot& flag) {
  const std::string_view text = read_text(flag);
  const bool ticked = same_text_ignoring_case(text, "true");
  box->setChecked(ticked);
  if (ticked || same_text_ignoring_case(text, "false"))
    clear_unshown(box);
  else
    mark_unshown(box);
  return true;
}

bool apply_from_control(QComboBox* combo, const field_slot& text_field) {
  if (shows_unshown_value(combo))
    return false;
  const int index = combo->currentIndex();
  if (index < 0) {
    report_binding_failure(text_apply_failure, combo);
    return false;
  }
  const std::string text = item_text(combo, index);
  // The fill matched the item ignoring case; only another item is a new value.
  if (same_text_ignoring_case(text, read_text(text_field)))
    return false;
  write_text(text_field, text);
  return true;
}

bool apply_club_from_control(QComboBox* combo, const field_slot& club_id) {
  if (shows_unshown_value(combo))
    return false;
  const int index = combo->currentIndex();
  if (index == 0)
    return store_integer(club_id, 0);
  const std::vector<std::string>& clubs = lookups().club_list;
  if (index < 0 || index >= static_cast<int>(clubs.size())) {
    report_binding_failure(text_apply_failure, combo);
    return false;
  }
  return store_chosen_code(club_id, clubs[index], text_apply_failure, combo);
}

bool apply_code_from_control(QComboBox* combo, const field_slot& code, bool honour_tag) {
  if (shows_unshown_value(combo))
    return false;
  const int index = combo->currentIndex();
  const bool by_index = honour_tag && control_tag(combo) == item_index_value_tag;
  if (by_index)
    return store_integer(code, index);
  if (index < 0) {
    report_binding_failure(code_apply_failure, combo);
    return false;
  }
  if (index == 0 && !honour_tag)
    return store_integer(code, 0);
  return store_chosen_code(code, item_text(combo, index), code_apply_failure, combo);
}

bool apply_list_code_from_control(QComboBox* combo, const field_slot& code,
                                  const std::vector<std::string>& list) {
  if (shows_unshown_value(combo))
    return false;
  const int index = combo->currentIndex();
  if (index < 0)
    return false;
  if (index >= static_cast<int>(list.size())) {
    report_binding_failure(code_apply_failure, combo);
    return false;
  }
  return store_chosen_code(code, list[index], code_apply_failure, combo);
}

bool apply_index_from_control(QComboBox* combo, const field_slot& field) {
  if (shows_unshown_value(combo))
    return false;
  return store_integer(field, combo->currentIndex());
}

bool apply_from_control(QAbstractButton* box, const field_slot& flag) {
  const bool stored = same_text_ignoring_case(read_text(flag), "true");
  if (box->isChecked() == stored)
    return false;
  write_text(flag, box->isChecked() ? "True" : "False");
  return true;
}
