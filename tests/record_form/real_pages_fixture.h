#pragma once

#include <QStringList>
#include <QStringListModel>
#include <algorithm>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "platform/win1252.h"
#include "record_form/field_slot.h"
#include "record_form/form_controls.h"
#include "record_form/page_table.h"
#include "records/lookup_lists.h"
#include "records/staff_record.h"

// Gives every choice list of the pages a few entries and every staff field bound on them a
// value its control can show, so that a whole record can be shown and committed.
namespace real_pages_fixture {

inline const std::vector<std::string> coded_entries = {"Not set; 0", "Alpha; 1", "Beta; 2"};
inline const std::vector<std::string> nation_entries = {"Not set", "England", "Wales"};

inline void fill_choice_lists(std::span<const page_spec> pages, form_controls& controls) {
  for (std::vector<std::string>* list :
       {&lookups().club_list, &lookups().city_list, &lookups().region_list,
        &lookups().currency_list, &lookups().injury_list, &lookups().jobs_list,
        &lookups().formation_list, &lookups().staff_draft_types_list}) {
    *list = coded_entries;
  }
  std::set<std::string> names;
  for (const page_spec& page : pages) {
    for (const control_spec& row : page.controls) {
      if (row.choices != nullptr)
        names.insert(row.choices);
    }
  }
  for (const std::string& name : names) {
    const std::vector<std::string>& entries =
        name == "nation_list" ? nation_entries : coded_entries;
    QStringList items;
    for (const std::string& entry : entries)
      items << from_win1252(entry);
    controls.choice_model(name)->setStringList(items);
  }
}

template <class Record>
void give_value(const control_spec& row, Record& record) {
  const field_slot field = slot_of(row.binding.field, record);
  const field_slot companion = slot_of(row.binding.companion, record);
  switch (row.binding.kind) {
    case binding_kind::text:
      write_text(field, companion.is_integer() ? "12" : "Text");
      if (companion.is_integer())
        write_integer(companion, 12);
      break;
    case binding_kind::money_text:
      write_text(field, "1500");
      if (companion.is_integer())
        write_integer(companion, 1500);
      break;
    case binding_kind::money_number:
      write_integer(field, 1500);
      break;
    case binding_kind::date_text:
      write_text(field, "5/3/2001");
      break;
    case binding_kind::number:
      write_integer(field, row.max > 0 ? std::min(row.max, 7) : 7);
      break;
    case binding_kind::decimal:
      write_decimal(field, 1.855);
      break;
    case binding_kind::flag:
      write_text(field, "true");
      break;
    case binding_kind::name_combo:
      write_text(field, "england");
      break;
    case binding_kind::club_combo:
    case binding_kind::code_combo:
    case binding_kind::code_combo_tagged:
    case binding_kind::list_code_combo:
      write_integer(field, 2);
      break;
    case binding_kind::index_combo:
    case binding_kind::index_combo_direct:
      write_integer(field, 1);
      break;
    case binding_kind::none:
      break;
  }
}

inline qor_staff fixture_staff(std::span<const page_spec> pages) {
  qor_staff staff;
  staff.StaffID = 4711;
  staff.DateUpdated = "01/01/2020 10:00:00";
  for (const page_spec& page : pages) {
    for (const control_spec& row : page.controls) {
      if (row.binding.field.belongs_to<qor_staff>())
        give_value(row, staff);
    }
  }
  return staff;
}

}  // namespace real_pages_fixture
