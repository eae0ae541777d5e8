#include "record_form/binding_support.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QVariant>

#include "platform/dialog_service.h"
#include "platform/win1252.h"
#include "records/last_error.h"

namespace {

constexpr const char* unshown_property = "unshown_state";

QVariant current_state(const QWidget* control) {
  if (const auto* combo = qobject_cast<const QComboBox*>(control))
    return combo->currentIndex();
  if (const auto* edit = qobject_cast<const QLineEdit*>(control))
    return edit->text();
  if (const auto* box = qobject_cast<const QAbstractButton*>(control))
    return box->isChecked();
  return {};
}

}  // namespace

std::string control_name(const QWidget* control) {
  return control == nullptr ? std::string() : to_win1252(control->objectName());
}

void report_binding_failure(std::string_view message, const QWidget* control) {
  std::string text(message);
  text += control_name(control);
  set_last_error(text);
  show_message(get_last_error());
}

void mark_unshown(QWidget* control) {
  control->setProperty(unshown_property, current_state(control));
}

void clear_unshown(QWidget* control) {
  if (control->property(unshown_property).isValid()) {
    control->setProperty(unshown_property, QVariant());
  }
}

bool shows_unshown_value(const QWidget* control) {
  const QVariant marked = control->property(unshown_property);
  return marked.isValid() && marked == current_state(control);
}

std::string widget_text(const QString& text) {
  return to_win1252(text);
}

QString display_text(std::string_view text) {
  return from_win1252(text);
}

bool same_text_ignoring_case(std::string_view a, std::string_view b) {
  if (a.size() != b.size())
    return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) {
      return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    };
    if (lower(a[i]) != lower(b[i]))
      return false;
  }
  return true;
}
