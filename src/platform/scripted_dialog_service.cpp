#include "platform/scripted_dialog_service.h"

#include <QDialog>
#include <QtGlobal>
#include <algorithm>

namespace {

bool offers(message_buttons buttons, dialog_answer answer) {
  switch (buttons) {
    case message_buttons::ok:
      return answer == dialog_answer::ok;
    case message_buttons::ok_cancel:
      return answer == dialog_answer::ok || answer == dialog_answer::cancel;
    case message_buttons::yes_no:
      return answer == dialog_answer::yes || answer == dialog_answer::no;
    case message_buttons::yes_no_cancel:
      return answer != dialog_answer::ok;
  }
  return false;
}

// What a user who does not know what to do would press: nothing that changes data.
dialog_answer safe_answer(message_buttons buttons) {
  switch (buttons) {
    case message_buttons::ok:
      return dialog_answer::ok;
    case message_buttons::yes_no:
      return dialog_answer::no;
    case message_buttons::ok_cancel:
    case message_buttons::yes_no_cancel:
      break;
  }
  return dialog_answer::cancel;
}

}  // namespace

dialog_answer scripted_dialog_service::message(message_type type, const QString& text,
                                               message_buttons buttons,
                                               dialog_answer default_button) {
  shown_dialog dialog;
  dialog.type = type;
  dialog.buttons = buttons;
  dialog.default_button = default_button;
  dialog.text = text;
  dialog.answer = safe_answer(buttons);
  if (buttons != message_buttons::ok) {
    if (answers_.empty()) {
      dialog.unexpected = true;
    } else if (!offers(buttons, answers_.front())) {
      dialog.unexpected = true;
      answers_.pop_front();
    } else {
      dialog.answer = answers_.front();
      answers_.pop_front();
    }
  }
  if (dialog.unexpected)
    qWarning("Unscripted dialog: %s", qUtf8Printable(text));
  shown_.push_back(dialog);
  return dialog.answer;
}

void scripted_dialog_service::show_message(const QString& text) {
  shown_dialog dialog;
  dialog.kind = dialog_kind::plain_message;
  dialog.text = text;
  shown_.push_back(dialog);
}

QString scripted_dialog_service::open_file(const file_dialog_options& options) {
  return next_path(dialog_kind::open_file, options);
}

QString scripted_dialog_service::save_file(const file_dialog_options& options) {
  return next_path(dialog_kind::save_file, options);
}

QString scripted_dialog_service::open_picture(const file_dialog_options& options) {
  return next_path(dialog_kind::open_picture, options);
}

QString scripted_dialog_service::next_path(dialog_kind kind, const file_dialog_options& options) {
  shown_dialog dialog;
  dialog.kind = kind;
  dialog.text = options.title;
  dialog.options = options;
  if (paths_.empty()) {
    dialog.unexpected = true;
    qWarning("Unscripted file dialog: %s", qUtf8Printable(options.title));
  } else {
    dialog.path = paths_.front();
    paths_.pop_front();
  }
  shown_.push_back(dialog);
  return dialog.path;
}

int scripted_dialog_service::show_modal(QDialog& form) {
  shown_dialog dialog;
  dialog.kind = dialog_kind::modal_form;
  dialog.text = form.objectName();
  form.setResult(QDialog::Rejected);
  if (form_scripts_.empty()) {
    dialog.unexpected = true;
    qWarning("Unscripted form: %s", qUtf8Printable(dialog.text));
  }
  // Recorded before the script runs, so that dialogs the form opens itself come after it.
  shown_.push_back(dialog);
  if (!form_scripts_.empty()) {
    const form_script script = std::move(form_scripts_.front());
    form_scripts_.pop_front();
    script(form);
  }
  return form.result();
}

std::vector<QString> scripted_dialog_service::shown_texts() const {
  std::vector<QString> texts;
  for (const shown_dialog& dialog : shown_)
    texts.push_back(dialog.text);
  return texts;
}

int scripted_dialog_service::unexpected_count() const {
  return static_cast<int>(std::count_if(shown_.begin(), shown_.end(),
                                        [](const shown_dialog& d) { return d.unexpected; }));
}

bool scripted_dialog_service::all_as_scripted() const {
  return unexpected_count() == 0 && answers_.empty() && paths_.empty() && form_scripts_.empty();
}

void scripted_dialog_service::clear() {
  answers_.clear();
  paths_.clear();
  form_scripts_.clear();
  shown_.clear();
}

scoped_scripted_dialogs::scoped_scripted_dialogs() : previous_(&dialogs()) {
  set_dialogs(this);
}

scoped_scripted_dialogs::~scoped_scripted_dialogs() {
  set_dialogs(previous_);
}
