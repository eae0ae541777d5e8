#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "record_form/editor_state.h"
#include "record_form/page_table.h"

class QWidget;
class form_controls;

// Table-driven value binding: one row of a page table moves its record field into its control
// or back, through the binding functions its binding kind names.

// Fills the control from the row's field with Tag -99 (an "index, direct" combo keeps its
// tag). An edit then stands for the stored value until its text changes (binding_support.h).
// False when the row binds no field of this record or the control is missing.
bool fill_bound_control(const control_spec& row, QWidget* control, const void* record,
                        const form_formats& formats);
// Takes the control's value into the row's field (and its companion); true when the field got
// a new value.
bool apply_bound_control(const control_spec& row, QWidget* control, void* record,
                         const form_formats& formats);

// Fills every control whose row binds a field of `Record`, in table order.
template <class Record>
void fill_record_fields(std::span<const page_spec> pages, const Record& record,
                        form_controls& controls);
// Commits every such control that is not fill-only, passing over edits whose text has not
// changed since they were filled; true when any field got a new value.
template <class Record>
bool apply_record_fields(std::span<const page_spec> pages, Record& record, form_controls& controls);

// The lookup list a list-code combo reads its codes from, by its `choices` name; an empty list
// for an unknown name.
const std::vector<std::string>& lookup_list_named(std::string_view name);

// ---- implementation of the templates ----

void fill_rows_of(std::span<const page_spec> pages, const void* owner, const void* record,
                  form_controls& controls);
bool apply_rows_of(std::span<const page_spec> pages, const void* owner, void* record,
                   form_controls& controls);

template <class Record>
void fill_record_fields(std::span<const page_spec> pages, const Record& record,
                        form_controls& controls) {
  fill_rows_of(pages, &record_type_tag<Record>, &record, controls);
}

template <class Record>
bool apply_record_fields(std::span<const page_spec> pages, Record& record,
                         form_controls& controls) {
  return apply_rows_of(pages, &record_type_tag<Record>, &record, controls);
}
