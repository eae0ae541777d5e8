#include "platform/dialog_service.h"

#include "platform/qt_dialog_service.h"
#include "platform/win1252.h"

namespace {

dialog_service*& installed_service() {
  static dialog_service* service = nullptr;
  return service;
}

}  // namespace

dialog_answer first_button(message_buttons buttons) {
  return buttons == message_buttons::yes_no || buttons == message_buttons::yes_no_cancel
             ? dialog_answer::yes
             : dialog_answer::ok;
}

dialog_answer keeping_button(message_buttons buttons) {
  switch (buttons) {
    case message_buttons::ok:
      return dialog_answer::ok;
    case message_buttons::ok_cancel:
      return dialog_answer::cancel;
    case message_buttons::yes_no:
    case message_buttons::yes_no_cancel:
      return dialog_answer::no;
  }
  return dialog_answer::cancel;
}

dialog_service& dialogs() {
  if (dialog_service* service = installed_service())
    return *service;
  static qt_dialog_service qt_service;
  return qt_service;
}

void set_dialogs(dialog_service* service) {
  installed_service() = service;
}

dialog_answer message_dialog(std::string_view text, message_type type, message_buttons buttons) {
  return dialogs().message(type, from_win1252(text), buttons);
}

void show_error(std::string_view text) {
  message_dialog(text, message_type::error, message_buttons::ok);
}

void show_warning(std::string_view text) {
  message_dialog(text, message_type::warning, message_buttons::ok);
}

void show_information(std::string_view text) {
  message_dialog(text, message_type::information, message_buttons::ok);
}

dialog_answer ask_confirmation(std::string_view text, message_buttons buttons) {
  return message_dialog(text, message_type::confirmation, buttons);
}

dialog_answer ask_before_destroying(std::string_view text, message_buttons buttons) {
  return dialogs().message(message_type::confirmation, from_win1252(text), buttons,
                           keeping_button(buttons));
}

void show_message(std::string_view text) {
  dialogs().show_message(from_win1252(text));
}
