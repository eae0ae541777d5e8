#include "main_window/main_window.h"
#include "record_form/editor_state.h"
#include "record_form/staff_commit.h"

void Tfrm_main::commit_current_staff() {
  apply_staff(editor().current_staff, controls_);
}
