#include <QAction>
#include <QFile>
#include <QFileInfo>

#include "main_window/main_window.h"
#include "platform/app_locale.h"
#include "platform/dialog_service.h"
#include "platform/win1252.h"
#include "record_form/editor_state.h"
#include "records/last_error.h"
#include "records/record_store.h"
#include "records/staff_writer.h"

namespace {

constexpr const char* written_message = "Data written to file.";

// The save dialog offers .staff files; a name typed without an extension gets that one.
QString with_default_extension(const QString& path) {
  return QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".staff") : path;
}

}  // namespace

bool Tfrm_main::write_whole_store(const QString& path) {
  std::string backup_warning;
  const bool written = save_data(QFile::encodeName(path).toStdString(),
                                 save_context{app_locale(), app_clock()}, backup_warning);
  // The backup is taken before the file is written, so its trouble is told first.
  if (!backup_warning.empty())
    show_warning(backup_warning);
  if (!written)
    show_error(get_last_error());
  return written;
}

void Tfrm_main::menu_saveClick() {
  if (!commit_edits())
    return;
  if (!write_whole_store(open_file_name_))
    return;
  editor().data_modified = false;
  show_information(written_message);
}

void Tfrm_main::menu_save_asClick() {
  if (store().staff_list.empty()) {
    show_error("Data not loaded / empty.");
    return;
  }
  if (!commit_edits())
    return;
  const QFileInfo edited(open_file_name_);
  const QString chosen = dialogs().save_file({QStringLiteral("Save as"),
                                              QStringLiteral("Exported database file (*.staff)"),
                                              edited.absolutePath(), edited.fileName()});
  if (chosen.isEmpty())
    return;
  const QString path = with_default_extension(chosen);
  if (QFileInfo::exists(path) &&
      ask_before_destroying("File exists. Overwrite?", message_buttons::ok_cancel) !=
          dialog_answer::ok)
    return;
  if (!write_whole_store(path))
    return;
  // Later Saves, and saving on close, go to the new file.
  open_file_name_ = path;
  open_dialog_folder_ = QFileInfo(path).absolutePath();
  open_dialog_file_name_ = QFileInfo(path).fileName();
  set_status_panel(1, from_win1252(" Editing ") + path);
  editor().data_modified = false;
  show_information(written_message);
}
