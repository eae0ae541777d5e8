#include <cstddef>
#include <vector>

#include "ability/position_sets.h"
#include "main_window/main_window.h"
#include "main_window/staff_list_texts.h"
#include "platform/owner_drawn_list_view.h"
#include "platform/win1252.h"
#include "record_form/editor_state.h"
#include "records/staff_record.h"
#include "records/staff_sort.h"
#include "records/staff_sort_attributes.h"

namespace {

// Keeps the list from repainting while it is refilled, whatever way the fill ends.
class list_fill {
 public:
  explicit list_fill(owner_drawn_list_view* list) : list_(list) {
    list_->setUpdatesEnabled(false);
    list_->set_sorted(false);
  }
  ~list_fill() { list_->setUpdatesEnabled(true); }
  list_fill(const list_fill&) = delete;
  list_fill& operator=(const list_fill&) = delete;

 private:
  owner_drawn_list_view* list_;
};

// The list's entries for every record, in the vector's order.
list_entries entries_of(const record_vector<qor_staff>& staff, bool with_attribute, int attribute,
                        position_set_texts* described = nullptr) {
  const staff_sort_attribute* shown =
      with_attribute ? find_staff_sort_attribute(attribute) : nullptr;
  staff_entry_texts entry_text(with_attribute, attribute, described);
  list_entries entries;
  // Names and a short value: a guess that spares the buffer most of its growing.
  constexpr std::size_t characters_per_entry = 32;
  entries.reserve(staff.size(), staff.size() * characters_per_entry);
  constexpr std::size_t ahead = 8;
  for (std::size_t i = 0; i < staff.size(); ++i) {
    // After a sort the records lie in memory in no order the walk follows.
    if (i + ahead < staff.size() && staff[i + ahead])
      fetch_sort_fields(*staff[i + ahead], shown);
    if (const qor_staff* record = staff[i].get())
      entries.add_win1252(entry_text(*record), record);
  }
  return entries;
}

}  // namespace

int add_staff_to_list(owner_drawn_list_view* list, const qor_staff* staff) {
  return list->add_entry(from_win1252(staff_entry_texts(false, 0)(*staff)), staff);
}

void Tfrm_main::fill_staff_list(owner_drawn_list_view* list, record_vector<qor_staff>& staff) {
  {
    filling_guard filling;
    list_fill fill(list);
    list->set_entries(entries_of(staff, false, 0));
    list->set_sorted(true);
  }
  set_status_panel(0, QString::number(list->count()) + from_win1252(" items"));
}

void Tfrm_main::fill_sorted_staff_list(owner_drawn_list_view* list, record_vector<qor_staff>& staff,
                                       int attribute, int direction, bool with_attribute) {
  {
    filling_guard filling;
    list_fill fill(list);
    // A sort by positions describes each position set for its keys; the texts use the same.
    position_set_texts positions(ability_position_texts());
    if (direction != staff_list_unsorted) {
      staff_sort_context context = current_staff_sort_context(ability_position_texts());
      context.described_positions = &positions;
      // An attribute without an order leaves the vector as it is.
      sort_staff(staff, attribute, direction != 0, context);
    }
    list->set_entries(entries_of(staff, with_attribute, attribute, &positions));
  }
  set_status_panel(0, QString::number(list->count()) + from_win1252(" items"));
}
