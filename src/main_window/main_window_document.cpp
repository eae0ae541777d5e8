#include "analysis_views/leave_check_form.h"
#include "main_window/main_window.h"
#include "platform/focus_tracker.h"
#include "record_form/editor_state.h"
#include "record_form/staff_commit.h"
#include "sub_records/item_panel_commit.h"

bool Tfrm_main::commit_edits() {
  if (!focus_->run_active_exit())
    return false;
  commit_edited_record();
  return true;
}

void Tfrm_main::commit_edited_record() {
  commit_focused_item_panel(controls_, focus_->active_control());
  apply_staff(editor().current_staff, controls_);
}

bool Tfrm_main::leave_current_staff() {
  // The field's own check comes first: a value it refuses is neither questioned nor committed.
  if (!focus_->run_active_exit() || check_staff_before_leaving(controls_, *editor().current_staff))
    return false;
  commit_edited_record();
  relabel_staff_entry(editor().current_staff);
  return true;
}
