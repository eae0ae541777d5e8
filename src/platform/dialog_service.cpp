#include "platform/dialog_service.h"

#include "platform/qt_dialog_service.h"
#include "platform/win1252.h"

namespace {

dialog_service*& installed_service() {
  static dialog_service* service = nullptr;
  return service;
}

}  // namespace

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

void show_message(std::string_view text) {
  dialogs().show_message(from_win1252(text));
}
