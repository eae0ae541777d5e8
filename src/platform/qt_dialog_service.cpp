#include "platform/qt_dialog_service.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace {

struct type_look {
  message_type type;
  const char* caption;
  QMessageBox::Icon icon;
};

constexpr type_look type_looks[] = {
    {message_type::error, "Error", QMessageBox::Critical},
    {message_type::warning, "Warning", QMessageBox::Warning},
    {message_type::information, "Information", QMessageBox::Information},
    {message_type::confirmation, "Confirm", QMessageBox::Question},
};

const type_look& look_of(message_type type) {
  for (const type_look& look : type_looks) {
    if (look.type == type)
      return look;
  }
  return type_looks[0];
}

QMessageBox::StandardButtons standard_buttons(message_buttons buttons) {
  switch (buttons) {
    case message_buttons::ok_cancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case message_buttons::yes_no:
      return QMessageBox::Yes | QMessageBox::No;
    case message_buttons::yes_no_cancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case message_buttons::ok:
      break;
  }
  return QMessageBox::Ok;
}

QMessageBox::StandardButton standard_button(dialog_answer answer) {
  switch (answer) {
    case dialog_answer::ok:
      return QMessageBox::Ok;
    case dialog_answer::cancel:
      return QMessageBox::Cancel;
    case dialog_answer::yes:
      return QMessageBox::Yes;
    case dialog_answer::no:
      return QMessageBox::No;
  }
  return QMessageBox::NoButton;
}

dialog_answer answer_of(int button, message_buttons buttons) {
  switch (button) {
    case QMessageBox::Ok:
      return dialog_answer::ok;
    case QMessageBox::Yes:
      return dialog_answer::yes;
    case QMessageBox::No:
      return dialog_answer::no;
    case QMessageBox::Cancel:
      return dialog_answer::cancel;
    default:  // closed without a button
      return buttons == message_buttons::yes_no ? dialog_answer::no : dialog_answer::cancel;
  }
}

QWidget* dialog_parent() {
  return QApplication::activeWindow();
}

QString start_path(const file_dialog_options& options) {
  if (options.initial_dir.isEmpty())
    return options.file_name;
  if (options.file_name.isEmpty())
    return options.initial_dir;
  return QDir(options.initial_dir).filePath(options.file_name);
}

}  // namespace

QString message_caption(message_type type) {
  return QString::fromLatin1(look_of(type).caption);
}

dialog_answer qt_dialog_service::message(message_type type, const QString& text,
                                         message_buttons buttons, dialog_answer default_button) {
  const type_look& look = look_of(type);
  QMessageBox box(look.icon, QString::fromLatin1(look.caption), text, standard_buttons(buttons),
                  dialog_parent());
  box.setDefaultButton(standard_button(default_button));
  return answer_of(box.exec(), buttons);
}

void qt_dialog_service::show_message(const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text,
                  QMessageBox::Ok, dialog_parent());
  box.exec();
}

QString qt_dialog_service::open_file(const file_dialog_options& options) {
  return QFileDialog::getOpenFileName(dialog_parent(), options.title, start_path(options),
                                      options.filter);
}

QString qt_dialog_service::save_file(const file_dialog_options& options) {
  // The program asks about overwriting itself, with its own words.
  return QFileDialog::getSaveFileName(dialog_parent(), options.title, start_path(options),
                                      options.filter, nullptr, QFileDialog::DontConfirmOverwrite);
}

QString qt_dialog_service::open_picture(const file_dialog_options& options) {
  file_dialog_options picture_options = options;
  if (picture_options.filter.isEmpty()) {
    picture_options.filter = QStringLiteral("Pictures (*.bmp *.jpg *.jpeg *.png);;All files (*)");
  }
  return open_file(picture_options);
}

int qt_dialog_service::show_modal(QDialog& form) {
  return form.exec();
}
