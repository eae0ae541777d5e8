#pragma once

#include <QString>
#include <string_view>

class QDialog;

// Every modal dialog of the program goes through one dialog_service, so tests can answer them
// from a script instead of blocking on a window nobody sees.

enum class message_type { error, warning, information, confirmation };
enum class message_buttons { ok, ok_cancel, yes_no, yes_no_cancel };
enum class dialog_answer { ok, cancel, yes, no };

struct file_dialog_options {
  QString title;
  QString filter;       // Qt form: "Staff files (*.staff);;All files (*)"
  QString initial_dir;  // empty: the dialog's own choice
  QString file_name;    // the name offered at first
};

// The button Enter presses in a box unless its caller says otherwise: OK, or Yes.
dialog_answer first_button(message_buttons buttons);
// The button that leaves everything as it is: No, else Cancel (OK in a box with OK alone).
dialog_answer keeping_button(message_buttons buttons);

class dialog_service {
 public:
  virtual ~dialog_service() = default;
  // A message box with the caption of its type ("Error", "Warning", "Information", "Confirm");
  // returns the button pressed. Enter presses `default_button`, one of the box's buttons.
  // Closing the box counts as Cancel, or No when there is no Cancel.
  virtual dialog_answer message(message_type type, const QString& text, message_buttons buttons,
                                dialog_answer default_button) = 0;
  // The same with the first button as the default.
  dialog_answer message(message_type type, const QString& text, message_buttons buttons) {
    return message(type, text, buttons, first_button(buttons));
  }
  // A plain box with the application's title and an OK button.
  virtual void show_message(const QString& text) = 0;
  // The chosen path, or an empty text when the user cancelled.
  virtual QString open_file(const file_dialog_options& options) = 0;
  virtual QString save_file(const file_dialog_options& options) = 0;
  virtual QString open_picture(const file_dialog_options& options) = 0;
  // Shows one of the program's own dialog forms modally; returns its result code
  // (QDialog::Accepted or QDialog::Rejected).
  virtual int show_modal(QDialog& form) = 0;
};

// The service in use: the Qt one unless another was installed.
dialog_service& dialogs();
// Installs a service (not owned); nullptr goes back to the Qt one.
void set_dialogs(dialog_service* service);

// Shorthands for the program's own texts, which are Windows-1252 bytes.
dialog_answer message_dialog(std::string_view text, message_type type, message_buttons buttons);
void show_error(std::string_view text);        // error type, OK
void show_warning(std::string_view text);      // warning type, OK
void show_information(std::string_view text);  // information type, OK
dialog_answer ask_confirmation(std::string_view text, message_buttons buttons);
// A question whose Yes (or OK) deletes, marks for deletion or clears data: its default button
// is the one that keeps everything (No, else Cancel), so that Enter never destroys anything.
dialog_answer ask_before_destroying(std::string_view text, message_buttons buttons);
void show_message(std::string_view text);  // plain box, OK
