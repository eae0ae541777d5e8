#pragma once

#include "platform/dialog_service.h"

// The dialogs as the user sees them: modal message boxes and file dialogs over the active window.
class qt_dialog_service : public dialog_service {
 public:
  using dialog_service::message;
  dialog_answer message(message_type type, const QString& text, message_buttons buttons,
                        dialog_answer default_button) override;
  void show_message(const QString& text) override;
  QString open_file(const file_dialog_options& options) override;
  QString save_file(const file_dialog_options& options) override;
  QString open_picture(const file_dialog_options& options) override;
  int show_modal(QDialog& form) override;
};

// The caption of a message box of that type: "Error", "Warning", "Information", "Confirm".
QString message_caption(message_type type);
