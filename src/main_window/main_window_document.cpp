#include "main_window/main_window.h"
#include "record_form/editor_state.h"
#include "records/last_error.h"

void Tfrm_main::commit_current_staff() {
  if (!editor().current_staff) return;
}

bool Tfrm_main::save_to_open_file() {
  set_last_error("save_data: not available");
  return false;
}
