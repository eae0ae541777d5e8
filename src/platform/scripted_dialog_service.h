#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <vector>

#include "platform/dialog_service.h"

// A dialog service for tests: answers come from queues filled beforehand, every dialog shown is
// recorded, and nothing ever blocks. Boxes whose only button is OK need no queued answer. A
// question or file dialog that finds its queue empty, or an answer that is not one of the box's
// buttons, is recorded as unexpected and gets the safe default (Cancel, else No; an empty path).
// A modal form is played by the next queued form script, which works the form as a user would
// (types, selects, clicks); a form with no script is closed at once, as by its window frame.
class scripted_dialog_service : public dialog_service {
 public:
  enum class dialog_kind { message, plain_message, open_file, save_file, open_picture, modal_form };
  using form_script = std::function<void(QDialog&)>;

  struct shown_dialog {
    dialog_kind kind = dialog_kind::message;
    message_type type = message_type::information;
    message_buttons buttons = message_buttons::ok;
    dialog_answer default_button = dialog_answer::ok;  // the button Enter would press
    QString text;  // the message, the file dialog's title, or the form's object name
    file_dialog_options options;
    dialog_answer answer = dialog_answer::ok;
    QString path;
    bool unexpected = false;
  };

  void queue_answer(dialog_answer answer) { answers_.push_back(answer); }
  void queue_path(const QString& path) { paths_.push_back(path); }
  void queue_form_script(form_script script) { form_scripts_.push_back(std::move(script)); }

  const std::vector<shown_dialog>& shown() const { return shown_; }
  // The texts of the dialogs shown, in order.
  std::vector<QString> shown_texts() const;
  const shown_dialog& last() const { return shown_.back(); }
  int unexpected_count() const;
  // True when no dialog was unexpected and every queued answer and path was used.
  bool all_as_scripted() const;
  void clear();

  using dialog_service::message;
  dialog_answer message(message_type type, const QString& text, message_buttons buttons,
                        dialog_answer default_button) override;
  void show_message(const QString& text) override;
  QString open_file(const file_dialog_options& options) override;
  QString save_file(const file_dialog_options& options) override;
  QString open_picture(const file_dialog_options& options) override;
  int show_modal(QDialog& form) override;

 private:
  QString next_path(dialog_kind kind, const file_dialog_options& options);

  std::deque<dialog_answer> answers_;
  std::deque<QString> paths_;
  std::deque<form_script> form_scripts_;
  std::vector<shown_dialog> shown_;
};

// Installs a scripted service for one scope and puts the previous one back.
class scoped_scripted_dialogs : public scripted_dialog_service {
 public:
  scoped_scripted_dialogs();
  ~scoped_scripted_dialogs() override;
  scoped_scripted_dialogs(const scoped_scripted_dialogs&) = delete;
  scoped_scripted_dialogs& operator=(const scoped_scripted_dialogs&) = delete;

 private:
  dialog_service* previous_;
};
