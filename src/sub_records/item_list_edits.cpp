#include "sub_records/item_list_edits.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QListWidgetItem>
#include <QSignalBlocker>
#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "change_tracking/item_matching.h"
#include "platform/dialog_service.h"
#include "platform/event_bindings.h"
#include "platform/item_objects.h"
#include "platform/owner_drawn_list_box.h"
#include "platform/string_grid.h"
#include "platform/win1252.h"
#include "record_form/binding_support.h"
#include "record_form/dependent_controls.h"
#include "record_form/editor_state.h"
#include "record_form/form_controls.h"
#include "record_form/grid_text.h"
#include "record_form/item_apply.h"
#include "records/item_vectors.h"
#include "records/last_error.h"
#include "records/staff_record.h"
#include "sub_records/item_list_kinds.h"
#include "sub_records/item_list_places.h"
#include "sub_records/item_list_selection.h"
#include "sub_records/item_select_steps.h"
#include "sub_records/new_item_defaults.h"

namespace {

using enum item_kind;

constexpr std::int32_t next_sale_percentage = 9;
constexpr const char* yes = "True";
constexpr const char* no = "False";

template <item_kind Kind>
using kind_of = item_list_kind<Kind>;

// The favourite and disliked kinds share adders that tell the kind from the button.
constexpr bool adds_by_sender(item_kind kind) {
  return kind == favourite_staff || kind == disliked_staff || kind == favourite_club ||
         kind == disliked_club;
}

template <item_kind Kind>
bool is_stored(const item_record<Kind>* item) {
  return find_original_item<Kind>(item) != nullptr;
}

// Frees exactly this item; the vector owns it.
template <class Item>
void free_item(record_vector<Item>& items, const Item* item) {
  const auto it = std::find_if(items.begin(), items.end(),
                               [item](const auto& held) { return held.get() == item; });
  if (it != items.end()) {
    const auto position = static_cast<std::uint32_t>(it - items.begin());
    const std::int32_t owner = item_owner_id(*item);
    items.erase(it);
    note_item_erased(items, position, owner);
  }
  editor().data_modified = true;
}

template <item_kind Kind>
item_record<Kind>* make_new_item(form_controls& form) {
  const qor_staff* staff = editor().current_staff;
  if (staff == nullptr)
    return nullptr;
  const std::int32_t id = next_temporary_id(Kind);
  if (id < 0) {
    show_error(get_last_error());
    return nullptr;
  }
  auto item = std::make_unique<item_record<Kind>>();
  std::memcpy(static_cast<void*>(item.get()), &id, sizeof id);
  std::memcpy(reinterpret_cast<char*>(item.get()) + sizeof id, &staff->StaffID,
              sizeof staff->StaffID);
  start_new_item(*item, new_item_context{*staff, form});
  (*item).*kind_of<Kind>::marked = no;
  if constexpr (kind_of<Kind>::grid)
    item->DateUpdated = item_update_stamp();
  item_record<Kind>* added = item.get();
  items_of<Kind>().push_back(std::move(item));
  note_item_appended(items_of<Kind>());
  editor().data_modified = true;
  return added;
}

void set_entry_count(form_controls& form, const item_list_place& place, int count) {
  if (auto* label = form.get<QLabel>(place.count_label))
    label->setText(QString::fromStdString(item_count_text(count)));
}

// ---- list box kinds ----

template <item_kind Kind>
void add_list_box_item(form_controls& form) {
  const item_list_place& place = place_of(Kind);
  auto* list = form.get<owner_drawn_list_box>(place.list);
  if (list == nullptr)
    return;
  // The panel of the item being left is kept: its controls are committed as they are left,
  // except these kinds' names and ratings, which are committed here unless a check refuses them.
  if constexpr (adds_by_sender(Kind)) {
    if (staff_panel_passes_checks(Kind, form))
      apply_item_details<Kind>(selected_item<Kind>().current, form);
  }
  item_record<Kind>* item = make_new_item<Kind>(form);
  if (item == nullptr)
    return;
  const int index = kind_of<Kind>::add_entry(list, item);
  list->set_item_index(index);
  select_item<Kind>(item, index, form);
  offer_delete<Kind>(form);
  set_entry_count(form, place, list->count());
}

template <item_kind Kind>
void delete_list_box_item(form_controls& form) {
  const item_list_place& place = place_of(Kind);
  auto* list = form.get<owner_drawn_list_box>(place.list);
  if (list == nullptr || list->item_index() < 0)
    return;
  int index = list->item_index();
  auto* item = entry_object<item_record<Kind>>(list, index);
  if (item == nullptr || is_stored<Kind>(item))
    return;
  // The entry goes first, then the selection moves to the entry in its place (or the one
  // before, after the last) or is forgotten; only then is the item freed.
  delete list->takeItem(index);
  if (list->count() == 0) {
    forget_item_selection(Kind, form);
  } else {
    index = std::min(index, list->count() - 1);
    list->set_item_index(index);
    select_item<Kind>(entry_object<item_record<Kind>>(list, index), index, form);
    offer_delete<Kind>(form);
    set_entry_count(form, place, list->count());
  }
  free_item(items_of<Kind>(), item);
}

// ---- grid kinds ----

// The history grid's rows hold no items: line r - 1 of the hidden list holds the item of row r.
owner_drawn_list_box* history_list(form_controls& form) {
  return form.get<owner_drawn_list_box>(history_lines);
}

template <item_kind Kind>
item_record<Kind>* item_in_row(form_controls& form, string_grid* grid, int row) {
  if (row < 1)
    return nullptr;
  if constexpr (Kind == history) {
    owner_drawn_list_box* lines = history_list(form);
    return lines != nullptr ? entry_object<qor_staff_history>(lines, row - 1) : nullptr;
  } else {
    return row_object<item_record<Kind>>(grid, row);
  }
}

template <item_kind Kind>
int item_rows(form_controls& form, const string_grid* grid) {
  if constexpr (Kind == history) {
    const owner_drawn_list_box* lines = history_list(form);
    return lines != nullptr ? lines->count() : 0;
  } else {
    return grid->row_count() - 1;
  }
}

// Makes the item of `row` the selection, as a click on the row would.
template <item_kind Kind>
void select_row(form_controls& form, string_grid* grid, int row) {
  grid->set_row(row);
  int index = row;
  if constexpr (Kind == history) {
    index = row - 1;
    history_list(form)->set_item_index(index);
  }
  select_item<Kind>(item_in_row<Kind>(form, grid, row), index, form);
  offer_delete<Kind>(form);
  grid->setEnabled(true);
  set_count_caption(form, place_of(Kind).count_label, row, item_rows<Kind>(form, grid));
}

template <item_kind Kind>
void refill_grid(string_grid* grid, std::int32_t staff_id, std::uint8_t sort) {
  kind_of<Kind>::fill(grid, staff_id, items_of<Kind>(), sort);
}

template <item_kind Kind>
void add_grid_item(form_controls& form) {
  const item_list_place& place = place_of(Kind);
  auto* grid = form.get<string_grid>(place.list);
  owner_drawn_list_box* lines = Kind == history ? history_list(form) : nullptr;
  if (grid == nullptr || (Kind == history && lines == nullptr))
    return;
  item_record<Kind>* item = make_new_item<Kind>(form);
  if (item == nullptr)
    return;
  if constexpr (Kind == history)
    kind_of<Kind>::add_entry(lines, item);
  // Without sorting the rows keep the vector's order, so the new item is the last row.
  refill_grid<Kind>(grid, item_owner_id(*item), grid_in_vector_order);
  const int row = item_rows<Kind>(form, grid);
  select_row<Kind>(form, grid, row);
  grid->set_col(0);
}

template <item_kind Kind>
void delete_grid_item(form_controls& form) {
  const item_list_place& place = place_of(Kind);
  auto* grid = form.get<string_grid>(place.list);
  if (grid == nullptr || grid->row() < 1)
    return;
  const int row = grid->row();
  item_record<Kind>* item = item_in_row<Kind>(form, grid, row);
  if (item == nullptr || is_stored<Kind>(item))
    return;
  const std::string question = place.delete_question + widget_text(grid->cell(0, row)) + "? ";
  if (ask_before_destroying(question, message_buttons::ok_cancel) != dialog_answer::ok)
    return;
  // The answer may have come after the store changed under the question.
  if (item_in_row<Kind>(form, grid, row) != item || is_stored<Kind>(item))
    return;
  // The row (and the history's line) goes first, then the selection moves to the item that
  // moved into the row, or the one before when the last row went, or is forgotten; only then
  // is the item freed.
  if constexpr (Kind == history)
    delete history_list(form)->takeItem(row - 1);
  const bool row_removed = delete_string_grid_row(grid, row);
  const int next = std::min(row, item_rows<Kind>(form, grid));
  if (next >= 1 && item_in_row<Kind>(form, grid, next) != nullptr)
    select_row<Kind>(form, grid, next);
  else
    forget_item_selection(Kind, form);
  free_item(items_of<Kind>(), item);
  if (!row_removed)
    show_error("Could not delete selected row.");
}

// After clauses went or were marked: the grid filled again, sorted, its first clause selected.
void show_clauses_again(form_controls& form, std::int32_t staff_id) {
  constexpr item_kind kind = contract_clauses;
  auto* grid = form.get<string_grid>(place_of(kind).list);
  if (grid == nullptr)
    return;
  refill_grid<kind>(grid, staff_id, grid_sorted);
  if (row_object_raw(grid, 1) != nullptr)
    select_row<kind>(form, grid, 1);
  else
    forget_item_selection(kind, form);
}

// Frees the clauses made in the editor and marks the exported ones; the grid and the selection
// let go of them first.
void remove_clauses(form_controls& form, const std::vector<qor_staff_contract_clauses*>& clauses) {
  if (auto* grid = form.get<string_grid>(place_of(contract_clauses).list))
    clear_string_grid(grid);
  forget_item_selection(contract_clauses, form);
  for (qor_staff_contract_clauses* clause : clauses) {
    if (is_stored<contract_clauses>(clause)) {
      clause->StaffContractClausesMarkedForDeletion = yes;
      mark_item_updated(clause->DateUpdated);
    } else {
      free_item(items_of<contract_clauses>(), clause);
    }
  }
}

std::vector<qor_staff_contract_clauses*> next_sale_percentage_clauses(std::int32_t staff_id) {
  std::vector<qor_staff_contract_clauses*> found =
      items_owned_by(items_of<contract_clauses>(), staff_id);
  std::erase_if(found, [](const qor_staff_contract_clauses* clause) {
    return clause->StaffContractClausesType != next_sale_percentage;
  });
  return found;
}

// ---- marking ----

template <item_kind Kind>
void mark_item(form_controls& form) {
  if (editor().filling_controls)
    return;
  auto* box = form.get<QCheckBox>(place_of(Kind).mark_box);
  if (box == nullptr)
    return;
  if (box->isChecked() &&
      ask_before_destroying("Are you sure you want this item marked for deletion?",
                            message_buttons::yes_no) != dialog_answer::yes) {
    const QSignalBlocker quiet(box);
    box->setChecked(false);
  }
  kind_of<Kind>::process_edit(form);
  if constexpr (Kind == non_player_history)
    enable_non_player_history_controls(selected_item<Kind>().current, form);
}

// ---- dispatch by kind ----

template <item_kind Kind>
void add(form_controls& form) {
  if constexpr (kind_of<Kind>::grid)
    add_grid_item<Kind>(form);
  else
    add_list_box_item<Kind>(form);
}

template <item_kind Kind>
void remove(form_controls& form) {
  if constexpr (kind_of<Kind>::grid)
    delete_grid_item<Kind>(form);
  else
    delete_list_box_item<Kind>(form);
}

template <item_kind Kind>
bool selection_is_new() {
  const item_selection<Kind>& selection = selected_item<Kind>();
  return selection.current != nullptr && !is_stored<Kind>(selection.current);
}

template <item_kind Kind>
void forget_list(form_controls& form) {
  const item_list_place& place = place_of(Kind);
  if (auto* grid = form.get<string_grid>(place.list))
    clear_string_grid(grid);
  else if (auto* list = form.get<owner_drawn_list_box>(place.list))
    list->clear();
  if constexpr (Kind == history) {
    if (owner_drawn_list_box* lines = history_list(form))
      lines->clear();
  }
  forget_item_selection(Kind, form);
}

struct kind_operations {
  void (*add)(form_controls&);
  void (*remove)(form_controls&);
  void (*mark)(form_controls&);
  bool (*selection_is_new)();
  void (*forget)(form_controls&);
};

template <std::size_t... Kinds>
constexpr std::array<kind_operations, item_kind_count> operations_of(
    std::index_sequence<Kinds...>) {
  return {kind_operations{add<static_cast<item_kind>(Kinds)>, remove<static_cast<item_kind>(Kinds)>,
                          mark_item<static_cast<item_kind>(Kinds)>,
                          selection_is_new<static_cast<item_kind>(Kinds)>,
                          forget_list<static_cast<item_kind>(Kinds)>}...};
}

constexpr auto operations = operations_of(std::make_index_sequence<item_kind_count>());

const kind_operations& operations_for(item_kind kind) {
  return operations[static_cast<std::size_t>(kind)];
}

// ---- keys, double click, pointer, copy ----

// Focuses the detail control that edits the grid's column, when the grid shows an item.
void focus_column_control(const item_list_place& place, form_controls& form) {
  auto* grid = form.get<string_grid>(place.list);
  if (grid == nullptr || grid->row() < 1)
    return;
  const bool has_items = place.kind == history
                             ? history_list(form) != nullptr && history_list(form)->count() > 0
                             : row_object_raw(grid, 1) != nullptr;
  const int col = grid->col();
  if (!has_items || col < 0 || static_cast<std::size_t>(col) >= place.column_controls.size())
    return;
  // A disabled control cannot take the focus; setFocus leaves it alone.
  if (QWidget* control = form.find(place.column_controls[static_cast<std::size_t>(col)]))
    control->setFocus(Qt::OtherFocusReason);
}

void list_box_key(const item_list_place& place, form_controls& form, int key) {
  const kind_operations& run = operations_for(place.kind);
  if (key == Qt::Key_Insert)
    run.add(form);
  else if (key == Qt::Key_Delete && run.selection_is_new())
    run.remove(form);
}

void grid_key(const item_list_place& place, form_controls& form, int key) {
  auto* grid = form.get<string_grid>(place.list);
  if (grid == nullptr || grid->row() < 1)
    return;
  const kind_operations& run = operations_for(place.kind);
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      focus_column_control(place, form);
      break;
    case Qt::Key_Insert:
      run.add(form);
      break;
    case Qt::Key_Delete:
      if (run.selection_is_new())
        run.remove(form);
      break;
    default:
      break;
  }
}

void bind_button(form_controls& form, const char* name, std::function<void()> handler) {
  if (name == nullptr)
    return;
  if (auto* button = form.get<QAbstractButton>(name))
    on_button_click(button, std::move(handler));
}

void bind_place(const item_list_place& place, form_controls& form) {
  const kind_operations& run = operations_for(place.kind);
  if (!adds_by_sender(place.kind))
    bind_button(form, place.add_button, [&form, &run] { run.add(form); });
  bind_button(form, place.delete_button, [&form, &run] { run.remove(form); });
  if (auto* box = form.get<QCheckBox>(place.mark_box))
    on_check_click(box, [&form, &run] { run.mark(form); });
  if (auto* grid = form.get<string_grid>(place.list)) {
    grid->set_key_down_handler([&place, &form](int key) { grid_key(place, form, key); });
    grid->set_double_click_handler([&place, &form] { focus_column_control(place, form); });
    grid->set_mouse_move_handler([grid](int, int row) {
      if (row >= 1)
        grid->viewport()->setCursor(Qt::PointingHandCursor);
      else
        grid->viewport()->unsetCursor();
    });
    bind_button(form, place.copy_button, [grid] { string_grid_copy(grid); });
  } else if (auto* list = form.get<owner_drawn_list_box>(place.list)) {
    list->set_key_down_handler([&place, &form](int key) { list_box_key(place, form, key); });
    bind_button(form, place.copy_button, [list] { list_box_copy(list); });
  }
}

}  // namespace

void add_list_item(item_kind kind, form_controls& form) {
  operations_for(kind).add(form);
}

void delete_list_item(item_kind kind, form_controls& form) {
  operations_for(kind).remove(form);
}

void mark_list_item(item_kind kind, form_controls& form) {
  operations_for(kind).mark(form);
}

void add_favourite_disliked_staff(const QWidget* sender, form_controls& form) {
  if (sender == nullptr)
    return;
  if (sender->objectName() == place_of(favourite_staff).add_button)
    add<favourite_staff>(form);
  else if (sender->objectName() == place_of(disliked_staff).add_button)
    add<disliked_staff>(form);
}

void add_favourite_disliked_club(const QWidget* sender, form_controls& form) {
  if (sender == nullptr)
    return;
  if (sender->objectName() == place_of(favourite_club).add_button)
    add<favourite_club>(form);
  else if (sender->objectName() == place_of(disliked_club).add_button)
    add<disliked_club>(form);
}

void add_history(form_controls& form) {
  add<history>(form);
}
void add_non_player_history(form_controls& form) {
  add<non_player_history>(form);
}
void add_injury(form_controls& form) {
  add<injury>(form);
}
void add_contract_clauses(form_controls& form) {
  add<contract_clauses>(form);
}
void add_job(form_controls& form) {
  add<job>(form);
}
void add_days_at_club_nation(form_controls& form) {
  add<days_at_club_nation>(form);
}
void add_retirement(form_controls& form) {
  add<retirement>(form);
}
void add_unavailability(form_controls& form) {
  add<unavailability>(form);
}

void delete_contract_clauses(form_controls& form) {
  auto* grid = form.get<string_grid>(place_of(contract_clauses).list);
  if (grid == nullptr || row_object_raw(grid, 1) == nullptr)
    return;
  if (ask_before_destroying("Would you like to delete contract clause/s?",
                            message_buttons::yes_no) != dialog_answer::yes) {
    return;
  }
  std::vector<qor_staff_contract_clauses*> shown;
  for (int row = 1; row < grid->row_count(); ++row) {
    if (auto* clause = row_object<qor_staff_contract_clauses>(grid, row))
      shown.push_back(clause);
  }
  const std::int32_t staff_id = item_owner_id(*shown.front());
  remove_clauses(form, shown);
  show_clauses_again(form, staff_id);
}

int count_next_sale_percentage_clauses(std::int32_t staff_id) {
  return static_cast<int>(next_sale_percentage_clauses(staff_id).size());
}

bool delete_next_sale_percentage_clauses(std::int32_t staff_id, form_controls& form) {
  const std::vector<qor_staff_contract_clauses*> found = next_sale_percentage_clauses(staff_id);
  remove_clauses(form, found);
  show_clauses_again(form, staff_id);
  return true;
}

void forget_item_lists(form_controls& form) {
  for (const item_list_place& place : item_list_places())
    operations_for(place.kind).forget(form);
}

void install_item_list_editing(form_controls& form) {
  for (const item_list_place& place : item_list_places())
    bind_place(place, form);
  // The favourite and disliked adders tell the kind from the button.
  for (item_kind kind : {favourite_staff, disliked_staff}) {
    if (auto* button = form.get<QAbstractButton>(place_of(kind).add_button))
      on_button_click(button, [button, &form] { add_favourite_disliked_staff(button, form); });
  }
  for (item_kind kind : {favourite_club, disliked_club}) {
    if (auto* button = form.get<QAbstractButton>(place_of(kind).add_button))
      on_button_click(button, [button, &form] { add_favourite_disliked_club(button, form); });
  }
  if (auto* button = form.get<QAbstractButton>("delete_all_contract_clauses_btn"))
    on_button_click(button, [&form] { delete_contract_clauses(form); });
}

contract_clause_actions item_list_clause_actions(form_controls& form) {
  return {
      .delete_contract_clauses = [&form] { delete_contract_clauses(form); },
      .count_next_sale_percentage_clauses = count_next_sale_percentage_clauses,
      .delete_next_sale_percentage_clauses =
          [&form](std::int32_t staff_id) { delete_next_sale_percentage_clauses(staff_id, form); },
  };
}
