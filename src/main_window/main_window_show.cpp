#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QSplitter>

#include "analysis_views/reputation_guide_view.h"
#include "main_window/fixed_choice_lists.h"
#include "main_window/lookup_files.h"
#include "main_window/main_window.h"
#include "platform/owner_drawn_list_view.h"
#include "platform/page_control.h"
#include "platform/win1252.h"
#include "record_form/editor_state.h"
#include "records/record_store.h"

namespace {

// The date fields whose hint tells the date format of the locale.
constexpr const char* date_fields[] = {"staff_date_of_birth",
                                       "staff_club_date_joined",
                                       "staff_club_contract_expires",
                                       "staff_nation_date_joined",
                                       "staff_nation_contract_expires",
                                       "staff_deceased_date",
                                       "staff_mls_rights_expiration_date",
                                       "staff_international_full_debut_date",
                                       "staff_international_first_goal_date",
                                       "staff_contract_extension_end_date",
                                       "staff_mls_discovery_player"};

}  // namespace

QComboBox* Tfrm_main::find_combo(std::string_view name) const {
  // The record pages are in the registry; the sort and analysis combos are found by name.
  if (auto* combo = controls_.get<QComboBox>(name))
    return combo;
  return findChild<QComboBox*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

void Tfrm_main::fill_choice_lists_and_lookups() {
  const combo_finder finder = [this](std::string_view name) { return find_combo(name); };
  fill_fixed_choice_lists(finder, controls_);
  if (!load_lookup_files(finder, controls_).empty()) {
    // No file can be opened without every lookup list, until the program is started again.
    lookup_files_complete_ = false;
    menu_open->setEnabled(false);
  }
  load_club_bands();
}

void Tfrm_main::lay_out_pages_once() {
  // Shown here and hidden again before the window is first drawn, so nothing of them is seen:
  // the record pages' thousands of controls are polished and laid out at start-up rather than
  // in the first File > Open.
  main_page_control->show();
  pc_staff->show();
  pc_staff->hide();
  main_page_control->hide();
}

void Tfrm_main::FormShow() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const QString hint = from_win1252("Format: " + current_formats().date_format);
  for (const char* name : date_fields) {
    if (QWidget* field = controls_.find(name))
      field->setToolTip(hint);
  }
  fill_choice_lists_and_lookups();
  set_status_panel(1, from_win1252(" Editing ") + open_file_name_);
  // No file is open yet: the list starts empty, and the status bar says so.
  fill_staff_list(list_box, store().staff_list);
  label_staff->setText(from_win1252(std::string(file_data().file_title.c_str()) + " Staff"));
  // No record exists yet: nothing inside the staff panel can be used until a file is opened.
  // The pictures stay as they are, since a disabled picture would be drawn greyed out.
  for (QWidget* child : panel_staff->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child != bg_image && child != bg_loading_image)
      child->setEnabled(false);
  }
  lay_out_pages_once();
  list_box->hide();
  Splitter1->setHandleWidth(0);
  if (pc_staff->count() > 0)
    pc_staff->set_active_page_index(0);
  QApplication::restoreOverrideCursor();
}
