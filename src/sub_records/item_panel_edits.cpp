#include "sub_records/item_panel_edits.h"

#include <QListWidgetItem>
#include <string>

#include "change_highlight/label_highlighting.h"
#include "platform/item_objects.h"
#include "platform/owner_drawn_list_box.h"
#include "platform/string_grid.h"
#include "platform/win1252.h"
#include "record_form/editor_state.h"
#include "record_form/form_controls.h"
#include "record_form/item_apply.h"
#include "record_form/item_selection.h"
#include "records/text_fold.h"
#include "sub_records/item_grids.h"
#include "sub_records/item_list_boxes.h"

namespace {

template <item_kind Kind>
using entry_text_of = std::string (*)(const owner_drawn_list_box*, const item_record<Kind>&);
template <item_kind Kind>
using grid_filler = bool (*)(string_grid*, std::int32_t, record_vector<item_record<Kind>>&,
                             std::uint8_t);

// Copies the panel into the kind's current item; null when there is none to edit.
template <item_kind Kind>
item_record<Kind>* apply_current(form_controls& form) {
  item_record<Kind>* item = selected_item<Kind>().current;
  if (item == nullptr || editor().filling_controls)
    return nullptr;
  apply_item_details<Kind>(item, form);
  // Every edit may make a field differ from the original or match it again.
  highlight_selected_item<Kind>(form);
  return item;
}

// Rewrites the current entry when its text changed; its object stays.
void rewrite_entry(owner_drawn_list_box* list, int index, const void* item,
                   const std::string& text) {
  if (list == nullptr || index < 0 || index >= list->count() ||
      entry_object_raw(list, index) != item) {
    return;
  }
  // Folded as the fill folds, so an entry reads the same after an edit as after a refill.
  const QString folded = from_win1252(strip_accents(text));
  if (list->item(index)->text() != folded)
    list->item(index)->setText(folded);
}

template <item_kind Kind>
void process_list_box_edit(form_controls& form, const char* list_name, entry_text_of<Kind> text) {
  item_record<Kind>* item = apply_current<Kind>(form);
  if (item == nullptr)
    return;
  auto* list = form.get<owner_drawn_list_box>(list_name);
  rewrite_entry(list, selected_item<Kind>().index, item, text(list, *item));
}

template <item_kind Kind>
void refill_grid(form_controls& form, const char* grid_name, grid_filler<Kind> fill,
                 const item_record<Kind>& item) {
  auto* grid = form.get<string_grid>(grid_name);
  if (grid == nullptr)
    return;
  const int col = grid->col();
  const int row = grid->row();
  fill(grid, item_owner_id(item), store().*item_store<Kind>::current, grid_in_vector_order);
  grid->set_row(row);
  grid->set_col(col);
}

template <item_kind Kind>
void process_grid_edit(form_controls& form, const char* grid_name, grid_filler<Kind> fill) {
  if (const item_record<Kind>* item = apply_current<Kind>(form))
    refill_grid<Kind>(form, grid_name, fill, *item);
}

// The edit texts of moves and tendencies without a choice read "Not set".
std::string ppm_edit_text(const owner_drawn_list_box*, const qor_staff_ppm& item) {
  return item.StaffPPMPrefferedMove < 1 ? "Not set" : ppm_entry_text(item);
}

std::string npt_edit_text(const owner_drawn_list_box*, const qor_staff_npt& item) {
  return item.StaffNPTTendency < 1 ? "Not set" : npt_entry_text(item);
}

std::string language_edit_text(const owner_drawn_list_box*, const qor_staff_language& item) {
  return language_entry_text(item);
}

// The history line an edit writes names the exchange more briefly than the fill's.
std::string history_edit_text(const qor_staff_history& item) {
  std::string text = history_entry_text(item);
  const std::string fill_label = ", Player Exchange Involved: ";
  if (const std::size_t at = text.find(fill_label); at != std::string::npos)
    text.replace(at, fill_label.size(), ", Exchange Involved: ");
  return text;
}

}  // namespace

void process_staff_favourite_staff_edit(form_controls& form) {
  process_list_box_edit<item_kind::favourite_staff>(form, "staff_favourite_staff",
                                                    favourite_disliked_staff_entry_text);
}

void process_staff_disliked_staff_edit(form_controls& form) {
  process_list_box_edit<item_kind::disliked_staff>(form, "staff_disliked_staff",
                                                   favourite_disliked_staff_entry_text);
}

void process_staff_favourite_club_edit(form_controls& form) {
  process_list_box_edit<item_kind::favourite_club>(form, "staff_favourite_clubs",
                                                   favourite_disliked_club_entry_text);
}

void process_staff_disliked_club_edit(form_controls& form) {
  process_list_box_edit<item_kind::disliked_club>(form, "staff_disliked_clubs",
                                                  favourite_disliked_club_entry_text);
}

void process_staff_history_edit(form_controls& form) {
  constexpr item_kind kind = item_kind::history;
  const qor_staff_history* item = apply_current<kind>(form);
  if (item == nullptr)
    return;
  rewrite_entry(form.get<owner_drawn_list_box>("staff_history"), selected_item<kind>().index, item,
                history_edit_text(*item));
  refill_grid<kind>(form, "staff_history_string_grid", fill_staff_history_string_grid, *item);
}

void process_staff_language_edit(form_controls& form) {
  process_list_box_edit<item_kind::language>(form, "staff_language", language_edit_text);
}

void process_staff_ppm_edit(form_controls& form) {
  process_list_box_edit<item_kind::ppm>(form, "staff_ppm", ppm_edit_text);
}

void process_staff_non_player_tendency_edit(form_controls& form) {
  process_list_box_edit<item_kind::npt>(form, "staff_npt", npt_edit_text);
}

void process_staff_non_player_history_edit(form_controls& form) {
  process_grid_edit<item_kind::non_player_history>(form, "staff_non_player_history_string_grid",
                                                   fill_staff_non_player_history_string_grid);
}

void process_staff_injury_edit(form_controls& form) {
  process_grid_edit<item_kind::injury>(form, "staff_injury_string_grid",
                                       fill_staff_injury_string_grid);
}

void process_staff_contract_clauses_edit(form_controls& form) {
  process_grid_edit<item_kind::contract_clauses>(form, "staff_contract_clauses_string_grid",
                                                 fill_staff_contract_clauses_string_grid);
}

void process_staff_job_edit(form_controls& form) {
  process_grid_edit<item_kind::job>(form, "staff_job_string_grid", fill_staff_job_string_grid);
}

void process_staff_achievements_edit(form_controls& form) {
  process_grid_edit<item_kind::achievements>(form, "staff_achievements_string_grid",
                                             fill_staff_achievements_string_grid);
}

void process_staff_days_at_club_nation_edit(form_controls& form) {
  process_grid_edit<item_kind::days_at_club_nation>(form, "staff_days_at_club_nation_string_grid",
                                                    fill_staff_days_at_club_nation_string_grid);
}

void process_staff_retirement_edit(form_controls& form) {
  process_grid_edit<item_kind::retirement>(form, "staff_retirement_string_grid",
                                           fill_staff_retirement_string_grid);
}

void process_staff_unavailability_edit(form_controls& form) {
  process_grid_edit<item_kind::unavailability>(form, "staff_unavailability_string_grid",
                                               fill_staff_unavailability_string_grid);
}

void process_staff_long_term_career_edit(form_controls& form) {
  process_grid_edit<item_kind::long_term_career>(form, "staff_long_term_career_string_grid",
                                                 fill_staff_long_term_career_string_grid);
}
