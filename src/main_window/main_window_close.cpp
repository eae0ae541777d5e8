#include <QCloseEvent>

#include "main_window/main_window.h"
#include "platform/dialog_service.h"
#include "record_form/editor_state.h"
#include "records/record_store.h"

void Tfrm_main::FormCloseQuery(bool& CanClose) {
  // Typed edits reach the record, and count as changes, only when the pages are committed:
  // commit first, so that the question below knows about them and none is dropped unasked.
  if (!commit_edits()) {
    CanClose = false;
    return;
  }
  dialog_answer answer = dialog_answer::ok;
  if (editor().data_modified)
    answer = ask_confirmation("Do you want to save changes?", message_buttons::yes_no_cancel);
  else if (editor().data_loaded)
    answer = ask_confirmation("Do you really want to quit?", message_buttons::ok_cancel);

  switch (answer) {
    case dialog_answer::yes:
      CanClose = write_whole_store(open_file_name_);
      break;
    case dialog_answer::no:
    case dialog_answer::ok:
      CanClose = true;
      break;
    case dialog_answer::cancel:
      CanClose = false;
      break;
  }
}

void Tfrm_main::FormClose() {
  editor().current_staff = nullptr;
  editor().original_staff = nullptr;
  editor().current_staff_index = -1;
  delete_all_records(store());
}

void Tfrm_main::closeEvent(QCloseEvent* event) {
  bool can_close = true;
  FormCloseQuery(can_close);
  if (!can_close) {
    event->ignore();
    return;
  }
  FormClose();
  event->accept();
}
