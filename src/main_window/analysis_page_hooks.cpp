#include "ability_views/weighted_attributes.h"
#include "analysis/error_check_flags.h"
#include "analysis_views/analysis_pages.h"
#include "main_window/main_window.h"
#include "platform/owner_drawn_list_view.h"
#include "platform/page_control.h"
#include "record_form/editor_state.h"

void Tfrm_main::build_analysis_pages() {
  analysis_window_hooks hooks;
  hooks.go_to_staff = [this](const qor_staff* staff) {
    const int index = staff_entry_index(staff);
    if (index < 0)
      return;
    list_box->set_item_index(index);
    list_boxClick();
  };
  hooks.commit_record = [this] { commit_edits(); };
  hooks.refresh_record_on_screen = [this] {
    update_weighted_attributes(editor().current_staff, controls_);
  };
  // The popup's boxes show these switches the next time it opens.
  hooks.switch_error_checks_off = [] {
    error_checks() = {false, false, false, false, false, false};
  };
  hooks.show_help = [this](const QString& text) { set_status_panel(2, text); };
  analysis_pages_ = std::make_unique<analysis_pages>(averages_tab_sheet, counts_tab_sheet, *focus_,
                                                     std::move(hooks));
  main_page_control->set_changing_handler([this] {
    bool allow = true;
    main_page_controlChanging(allow);
    return allow;
  });
}

void Tfrm_main::main_page_controlChanging(bool& AllowChange) {
  AllowChange = true;
  if (main_page_control->active_page_index() != 0)
    return;
  // A value the focused field refuses keeps the user on the record.
  AllowChange = commit_edits();
  if (AllowChange)
    analysis_pages_->refresh();
}
