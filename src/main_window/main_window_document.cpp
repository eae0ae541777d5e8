#include <QFile>

#include "main_window/main_window.h"
#include "platform/app_locale.h"
#include "record_form/editor_state.h"
#include "record_form/staff_commit.h"
#include "records/staff_writer.h"

void Tfrm_main::commit_current_staff() {
  apply_staff(editor().current_staff, controls_);
}

bool Tfrm_main::save_to_open_file() {
  // A failed backup copy does not stop a save and is not reported.
  std::string backup_warning;
  return save_data(QFile::encodeName(open_file_name_).toStdString(),
                   save_context{app_locale(), app_clock()}, backup_warning);
}
