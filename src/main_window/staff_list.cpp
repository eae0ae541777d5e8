#include <cstddef>

#include "ability/position_sets.h"
#include "main_window/main_window.h"
#include "main_window/staff_list_texts.h"
#include "platform/owner_drawn_list_box.h"
#include "platform/win1252.h"
#include "record_form/editor_state.h"
#include "records/fetch_ahead.h"
#include "records/staff_record.h"
#include "records/staff_sort.h"

namespace {

// The names an entry shows lie at the start of a record.
constexpr std::size_t entry_text_bytes = offsetof(qor_staff, StaffDateOfBirth);

int add_entry(owner_drawn_list_box* list, const std::string& text, const qor_staff* staff) {
  return list->add_entry(from_win1252(folded_entry_text(text)), staff);
}

// Keeps the list from repainting while it is rebuilt, whatever way the fill ends.
class list_fill {
 public:
  explicit list_fill(owner_drawn_list_box* list) : list_(list) {
    list_->setUpdatesEnabled(false);
    list_->set_sorted(false);
    list_->clear();
  }
  ~list_fill() { list_->setUpdatesEnabled(true); }
  list_fill(const list_fill&) = delete;
  list_fill& operator=(const list_fill&) = delete;

 private:
  owner_drawn_list_box* list_;
};

}  // namespace

int add_staff_to_list(owner_drawn_list_box* list, const qor_staff* staff) {
  return add_entry(list, staff_name_text(*staff), staff);
}

int add_staff_to_list_with_attribute(owner_drawn_list_box* list, const qor_staff* staff,
                                     int attribute) {
  return add_entry(list, staff_name_text(*staff) + staff_attribute_suffix(*staff, attribute),
                   staff);
}

void Tfrm_main::fill_staff_list(owner_drawn_list_box* list, record_vector<qor_staff>& staff) {
  {
    filling_guard filling;
    list_fill fill(list);
    for (const auto& record : staff) {
      if (record)
        add_staff_to_list(list, record.get());
    }
    list->set_sorted(true);
  }
  set_status_panel(0, QString::number(list->count()) + from_win1252(" items"));
}

void Tfrm_main::fill_sorted_staff_list(owner_drawn_list_box* list, record_vector<qor_staff>& staff,
                                       int attribute, int direction, bool with_attribute) {
  {
    filling_guard filling;
    list_fill fill(list);
    if (direction != staff_list_unsorted) {
      // An attribute without an order leaves the vector as it is.
      sort_staff(staff, attribute, direction != 0,
                 current_staff_sort_context(ability_position_texts()));
    }
    for (std::size_t i = 0; i < staff.size(); ++i) {
      // After a sort the records lie in memory in no order the walk follows.
      fetch_ahead(staff, i, entry_text_bytes);
      if (!staff[i])
        continue;
      if (with_attribute)
        add_staff_to_list_with_attribute(list, staff[i].get(), attribute);
      else
        add_staff_to_list(list, staff[i].get());
    }
  }
  set_status_panel(0, QString::number(list->count()) + from_win1252(" items"));
}
