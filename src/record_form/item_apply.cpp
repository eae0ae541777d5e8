#include "record_form/item_apply.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <algorithm>
#include <iterator>
#include <string_view>

#include "platform/app_locale.h"
#include "record_form/binding_support.h"
#include "record_form/control_binding.h"
#include "record_form/editor_state.h"
#include "record_form/field_slot.h"
#include "record_form/field_validation_checks.h"
#include "record_form/form_controls.h"
#include "record_form/form_text.h"
#include "record_form/item_details.h"
#include "record_form/record_binding.h"
#include "record_form/record_pages.h"
#include "records/dates.h"
#include "records/item_records.h"

namespace {

constexpr std::string_view fee_apply_failure =
    "apply_from_control(TCustomEdit*,char*): Error casting from AnsiString in edit: ";

// Flags stored in any letter case: a "true" under a ticked box is no change.
constexpr std::string_view case_blind_flags[] = {
    "staff_injury_permanent",
    "staff_injury_future_permanent",
    "staff_injury_does_not_train",
    "staff_days_at_club_nation_fifteen_twentyone",
};

bool is_case_blind(std::string_view name) {
  return std::find(std::begin(case_blind_flags), std::end(case_blind_flags), name) !=
         std::end(case_blind_flags);
}

field_slot slot_in(const field_ref& ref, void* record) {
  if (!ref.bound())
    return {};
  return {ref.locate(record), ref.type, ref.capacity};
}

// The box writes "True" or "False"; other spellings are rewritten (and count) unless the flag is
// case-blind. A box standing in for a flag it cannot show (empty or other text) writes nothing
// until the user sets it.
bool apply_flag(const control_spec& row, QAbstractButton* box, const field_slot& flag) {
  if (shows_unshown_value(box))
    return false;
  if (is_case_blind(row.name))
    return apply_from_control(box, flag);
  const std::string_view wanted = box->isChecked() ? "True" : "False";
  if (read_text(flag) == wanted)
    return false;
  write_text(flag, wanted);
  return true;
}

// A fee is its text without thousands separators, a whole number that may be -1 (undisclosed)
// or -2 (nominal); the number beside it follows the text.
bool apply_fee(QLineEdit* edit, const field_slot& text_field, const field_slot& amount,
               const form_formats& formats) {
  if (shows_unshown_value(edit))
    return false;
  const std::string text = strip_thousands(widget_text(edit->text()), formats.thousands_separator);
  if (text == read_text(text_field))
    return false;
  const std::optional<long long> value = text.empty() ? 0 : read_whole_number(text);
  if (!value) {
    report_binding_failure(fee_apply_failure, edit);
    return false;
  }
  write_text(text_field, text);
  if (amount.is_integer())
    write_integer(amount, *value);
  return true;
}

bool apply_row(const control_spec& row, QWidget* control, void* item, const form_formats& formats) {
  if (control == nullptr)
    return false;
  if (auto* box = qobject_cast<QAbstractButton*>(control)) {
    return row.binding.kind == binding_kind::flag &&
           apply_flag(row, box, slot_in(row.binding.field, item));
  }
  if (row.binding.kind == binding_kind::money_text) {
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
      return apply_fee(edit, slot_in(row.binding.field, item), slot_in(row.binding.companion, item),
                       formats);
    }
  }
  return apply_bound_control(row, control, item, formats);
}

// The type list shows types 1 to 6 in order and "Not Set" after them. A stored type the list
// has no entry for shows as "Not Set" without being it, and is kept.
bool apply_language_type(qor_staff_language& item, form_controls& form) {
  auto* combo = form.get<QComboBox>("staff_language_type");
  if (combo == nullptr || shows_unshown_value(combo) || combo->currentIndex() < 0)
    return false;
  const int position = combo->currentIndex();
  const int type = position + 1 >= 1 && position + 1 <= 6 ? position + 1 : 0;
  const int stored = item.StaffLanguagesType;
  if (type == 0 && (stored < 0 || stored > 6))
    return false;
  if (type == stored)
    return false;
  item.StaffLanguagesType = type;
  return true;
}

// Promotion or relegation is kept as the text of the chosen position.
bool apply_promotion_or_relegation(qor_staff_achievements& item, form_controls& form) {
  auto* combo = form.get<QComboBox>("staff_achievements_promotion_or_relegation");
  if (combo == nullptr || shows_unshown_value(combo) || combo->currentIndex() < 0)
    return false;
  const int position = combo->currentIndex();
  if (read_whole_number(item.StaffAchievementsPromotionOrRelegation.view()) == position)
    return false;
  item.StaffAchievementsPromotionOrRelegation = std::to_string(position);
  return true;
}

// In these kinds only the flags make an item changed: their other fields are written without
// stamping the item or marking the file modified.
bool only_flags_count(item_kind kind) {
  switch (kind) {
    case item_kind::favourite_staff:
    case item_kind::disliked_staff:
    case item_kind::favourite_club:
    case item_kind::disliked_club:
    case item_kind::ppm:
    case item_kind::npt:
      return true;
    default:
      return false;
  }
}

bool apply_kind_specifics(item_kind kind, void* item, form_controls& form) {
  switch (kind) {
    case item_kind::language:
      return apply_language_type(*static_cast<qor_staff_language*>(item), form);
    case item_kind::achievements:
      return apply_promotion_or_relegation(*static_cast<qor_staff_achievements*>(item), form);
    default:
      return false;
  }
}

}  // namespace

std::string item_update_stamp() {
  const form_formats formats = current_formats();
  return format_update_stamp(formats.locale_date_order, formats.date_separator, app_clock().now());
}

void mark_item_updated(fixed_text<26>& date_updated) {
  date_updated = item_update_stamp();
  editor().data_modified = true;
}

bool apply_item_panel(item_kind kind, const void* owner, void* item, form_controls& form) {
  const std::string_view panel = item_panel_name(kind);
  const form_formats formats = current_formats();
  const bool flags_only = only_flags_count(kind);
  bool changed = false;
  for (const page_spec& page : record_page_specs()) {
    for (const control_spec& row : page.controls) {
      if (row.container == nullptr || panel != row.container || row.binding.field.owner != owner ||
          (row.flags & flag_fill_only) != 0) {
        continue;
      }
      QWidget* control = form.find(row.name);
      if (untouched_since_filled(control, item))
        continue;
      const bool counts = !flags_only || row.binding.kind == binding_kind::flag;
      if (apply_row(row, control, item, formats) && counts)
        changed = true;
    }
  }
  if (apply_kind_specifics(kind, item, form))
    changed = true;
  return changed;
}
