#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <span>

#include "main_window/main_window.h"
#include "platform/event_bindings.h"
#include "platform/owner_drawn_list_view.h"
#include "platform/page_control.h"
#include "platform/win1252.h"
#include "record_form/editor_state.h"
#include "record_form/pages/page_specs.h"
#include "record_form/record_pages.h"
#include "records/lookup.h"

namespace {

// The attribute row chosen in the combo, as text; "" when no row is chosen.
std::string chosen_row_text(const QComboBox* combo) {
  return combo->currentIndex() < 0 ? std::string() : to_win1252(combo->currentText());
}

}  // namespace

void Tfrm_main::build_sort_panel() {
  // The staff tab's own controls are a page table like the record pages; the builder makes
  // them on a scratch page, from which the id line goes above the pages and the sort panel
  // below them.
  static const page_spec staff_tab_controls = staff_tab_page();
  QTabWidget scratch;
  scratch.setObjectName("staff_tab_controls_scratch");
  build_record_pages(&scratch, controls_, std::span(&staff_tab_controls, 1));
  // The scratch page took the tab's name in the registry; the tab itself keeps it.
  controls_.add(staff_tab);

  auto* staff_layout = static_cast<QVBoxLayout*>(staff_tab->layout());
  QWidget* id_line = controls_.find("staff_id_line");
  QWidget* panel = controls_.find("Panel1");
  staff_layout->insertWidget(staff_layout->indexOf(pc_staff), id_line);
  staff_layout->addWidget(panel);

  sort_by_attribute = controls_.get<QComboBox>("sort_by_attribute");
  sort_asc_btn = controls_.get<QPushButton>("sort_asc_btn");
  sort_desc_btn = controls_.get<QPushButton>("sort_desc_btn");
  currently_sorted_by_label = controls_.get<QLabel>("currently_sorted_by_label");
  on_combo_change(sort_by_attribute, [this] { sort_by_attributeChange(); });
  on_button_click(sort_asc_btn, [this] { sort_asc_btnClick(); });
  on_button_click(sort_desc_btn, [this] { sort_desc_btnClick(); });
}

void Tfrm_main::reset_staff_list_sorting() {
  list_sorted = false;
  list_shows_attribute = false;
}

void Tfrm_main::sort_by_attributeChange() {
  editor_state& state = editor();
  if (!state.filling_controls && !commit_edits())
    return;
  list_shows_attribute = true;
  sort_attribute = lookup_code(chosen_row_text(sort_by_attribute));
  fill_sorted_staff_list(list_box, store().staff_list, sort_attribute, staff_list_unsorted, true);
  // The vector may have been reordered since the list was last filled (a save puts it in id
  // order), so the current record is found by itself, not by its old position.
  state.current_staff_index = staff_entry_index(state.current_staff);
  list_box->set_item_index(state.current_staff_index);
}

void Tfrm_main::sort_staff_list(bool descending) {
  editor_state& state = editor();
  if (!state.filling_controls && !commit_edits())
    return;
  const std::string row = chosen_row_text(sort_by_attribute);
  sort_attribute = lookup_code(row);
  state.current_staff = nullptr;
  state.original_staff = nullptr;
  state.current_staff_index = -1;
  fill_sorted_staff_list(list_box, store().staff_list, sort_attribute, descending, true);
  list_sorted = true;
  list_box->set_item_index(0);
  list_boxClick();
  list_box->setFocus();
  const char* direction = descending ? " (descending)" : " (ascending)";
  currently_sorted_by_label->setText(from_win1252(lookup_name(row) + direction));
}

void Tfrm_main::sort_asc_btnClick() {
  sort_staff_list(false);
}

void Tfrm_main::sort_desc_btnClick() {
  sort_staff_list(true);
}
