#include "record_form/record_binding.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

#include "record_form/binding_support.h"
#include "record_form/control_binding.h"
#include "record_form/form_controls.h"
#include "records/lookup_lists.h"
#include "records/quoted_fields.h"

namespace {

struct named_list {
  std::string_view name;
  std::vector<std::string> lookup_lists::*list;
};

constexpr named_list named_lists[] = {
    {"club_list", &lookup_lists::club_list},
    {"city_list", &lookup_lists::city_list},
    {"region_list", &lookup_lists::region_list},
    {"currency_list", &lookup_lists::currency_list},
    {"retirement_type_list", &lookup_lists::retirement_type_list},
    {"injury_list", &lookup_lists::injury_list},
    {"skin_colour_list", &lookup_lists::skin_colour_list},
    {"club_comps_list", &lookup_lists::club_comps_list},
    {"nation_comps_list", &lookup_lists::nation_comps_list},
    {"ppm_list", &lookup_lists::ppm_list},
    {"npt_list", &lookup_lists::npt_list},
    {"contract_clauses_type_list", &lookup_lists::contract_clauses_type_list},
    {"formation_list", &lookup_lists::formation_list},
    {"jobs_list", &lookup_lists::jobs_list},
    {"staff_jobs_list", &lookup_lists::staff_jobs_list},
    {"favourite_club_reason_list", &lookup_lists::favourite_club_reason_list},
    {"favourite_staff_reason_list", &lookup_lists::favourite_staff_reason_list},
    {"unavailability_type_list", &lookup_lists::unavailability_type_list},
    {"stage_names_list", &lookup_lists::stage_names_list},
    {"staff_draft_types_list", &lookup_lists::staff_draft_types_list},
    {"staff_history_draft_types_list", &lookup_lists::staff_history_draft_types_list},
    {"nation_list", &lookup_lists::nation_list},
    {"language_list", &lookup_lists::language_list},
};

void* mutable_record(const void* record) {
  return const_cast<void*>(record);
}

field_slot slot_in(const field_ref& ref, const void* record) {
  if (!ref.bound())
    return {};
  return {ref.locate(mutable_record(record)), ref.type, ref.capacity};
}

bool fill_edit(const control_spec& row, QLineEdit* edit, const field_slot& field,
               const form_formats& formats) {
  switch (row.binding.kind) {
    case binding_kind::money_text:
    case binding_kind::money_number:
      return fill_money_control(edit, field, text_value_tag, formats);
    case binding_kind::date_text:
      return fill_date_control(edit, field, text_value_tag, formats);
    case binding_kind::text:
    case binding_kind::number:
    case binding_kind::decimal:
      return fill_control(edit, field, text_value_tag, formats);
    default:
      return false;
  }
}

bool fill_combo(const control_spec& row, QComboBox* combo, const field_slot& field) {
  switch (row.binding.kind) {
    case binding_kind::name_combo:
      return fill_control(combo, read_text(field), text_value_tag);
    case binding_kind::club_combo:
      return fill_club_control(combo, read_integer(field), text_value_tag);
    case binding_kind::code_combo:
    case binding_kind::code_combo_tagged:
      return fill_control_by_code(combo, read_integer(field), text_value_tag);
    case binding_kind::list_code_combo:
      return fill_control_using_id(combo, read_integer(field), lookup_list_named(row.choices),
                                   text_value_tag);
    case binding_kind::index_combo:
      return fill_control_by_index(combo, read_integer(field), text_value_tag);
    case binding_kind::index_combo_direct:
      return set_combo_index_direct(combo, read_integer(field));
    default:
      return false;
  }
}

bool apply_edit(const control_spec& row, QLineEdit* edit, const field_slot& field,
                const field_slot& companion, const form_formats& formats) {
  switch (row.binding.kind) {
    case binding_kind::text: {
      const bool changed = apply_from_control(edit, field, formats);
      // The number kept beside a number-like text follows it, read as plainly as the file's.
      if (changed && companion.is_integer()) {
        write_integer(companion, parse_leading_integer(read_text(field)));
      }
      return changed;
    }
    case binding_kind::money_text:
      return apply_money_from_control(edit, field, companion, formats);
    case binding_kind::money_number:
      return apply_money_from_control(edit, field, {}, formats);
    case binding_kind::date_text:
      return apply_date_from_control(edit, field, formats);
    case binding_kind::number:
    case binding_kind::decimal:
      return apply_from_control(edit, field, formats);
    default:
      return false;
  }
}

bool apply_combo(const control_spec& row, QComboBox* combo, const field_slot& field,
                 const field_slot& companion) {
  bool changed = false;
  switch (row.binding.kind) {
    case binding_kind::name_combo:
      changed = apply_from_control(combo, field);
      break;
    case binding_kind::club_combo:
      changed = apply_club_from_control(combo, field);
      break;
    case binding_kind::code_combo:
      return apply_code_from_control(combo, field, false);
    case binding_kind::code_combo_tagged:
      return apply_code_from_control(combo, field, true);
    case binding_kind::list_code_combo:
      changed = apply_list_code_from_control(combo, field, lookup_list_named(row.choices));
      break;
    case binding_kind::index_combo:
    case binding_kind::index_combo_direct:
      return apply_index_from_control(combo, field);
    default:
      return false;
  }
  // The list position of the choice goes with the choice itself.
  if (changed && companion.is_integer())
    write_integer(companion, combo->currentIndex());
  return changed;
}

}  // namespace

const std::vector<std::string>& lookup_list_named(std::string_view name) {
  static const std::vector<std::string> none;
  for (const named_list& entry : named_lists) {
    if (entry.name == name)
      return lookups().*entry.list;
  }
  return none;
}

bool fill_bound_control(const control_spec& row, QWidget* control, const void* record,
                        const form_formats& formats) {
  if (control == nullptr || !row.binding.field.bound())
    return false;
  const field_slot field = slot_in(row.binding.field, record);
  bool filled = false;
  if (auto* edit = qobject_cast<QLineEdit*>(control)) {
    forget_filled(edit);
    filled = fill_edit(row, edit, field, formats);
    // What it shows stands for the stored value until its text changes (binding_support.h).
    if (filled)
      mark_filled(edit, record);
  } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
    filled = fill_combo(row, combo, field);
  } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    filled = row.binding.kind == binding_kind::flag && fill_control(button, field);
  }
  forget_user_changes(control);
  return filled;
}

bool apply_bound_control(const control_spec& row, QWidget* control, void* record,
                         const form_formats& formats) {
  if (control == nullptr || !row.binding.field.bound())
    return false;
  const field_slot field = slot_in(row.binding.field, record);
  const field_slot companion = slot_in(row.binding.companion, record);
  if (auto* edit = qobject_cast<QLineEdit*>(control)) {
    return apply_edit(row, edit, field, companion, formats);
  }
  if (auto* combo = qobject_cast<QComboBox*>(control)) {
    return apply_combo(row, combo, field, companion);
  }
  if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    return row.binding.kind == binding_kind::flag && apply_from_control(button, field);
  }
  return false;
}

void fill_rows_of(std::span<const page_spec> pages, const void* owner, const void* record,
                  form_controls& controls) {
  const form_formats formats = current_formats();
  for (const page_spec& page : pages) {
    for (const control_spec& row : page.controls) {
      if (row.binding.field.owner != owner)
        continue;
      fill_bound_control(row, controls.find(row.name), record, formats);
    }
  }
}

bool apply_rows_of(std::span<const page_spec> pages, const void* owner, void* record,
                   form_controls& controls) {
  const form_formats formats = current_formats();
  bool changed = false;
  for (const page_spec& page : pages) {
    for (const control_spec& row : page.controls) {
      if (row.binding.field.owner != owner || (row.flags & flag_fill_only) != 0)
        continue;
      QWidget* control = controls.find(row.name);
      if (untouched_since_filled(control, record))
        continue;
      if (apply_bound_control(row, control, record, formats))
        changed = true;
    }
  }
  return changed;
}
