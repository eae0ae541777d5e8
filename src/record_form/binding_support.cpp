#include "record_form/binding_support.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QVariant>
#include <algorithm>
#include <optional>

#include "platform/app_locale.h"
#include "platform/control_values.h"
#include "platform/dialog_service.h"
#include "platform/win1252.h"
#include "records/last_error.h"

namespace {

// The state a control was left in when its value could not be shown; unset while it shows one.
control_values<QVariant>& unshown_states() {
  static auto* const values = new control_values<QVariant>(QVariant());
  return *values;
}

constexpr const char* watched_property = "unshown_watched";

QVariant current_state(const QWidget* control) {
  if (const auto* combo = qobject_cast<const QComboBox*>(control))
    return combo->currentIndex();
  if (const auto* edit = qobject_cast<const QLineEdit*>(control))
    return edit->text();
  if (const auto* box = qobject_cast<const QAbstractButton*>(control))
    return box->isChecked();
  return {};
}

// The text an edit showed when a record filled it, and the record.
struct filled_text {
  QString text;
  const void* record = nullptr;
};

// None once the edit's text has changed to another.
control_values<std::optional<filled_text>>& filled_texts() {
  static auto* const values = new control_values<std::optional<filled_text>>(std::nullopt);
  return *values;
}

// Set when the user changes a watched control, cleared by every fill of it.
control_values<bool>& user_changes() {
  static auto* const values = new control_values<bool>(false);
  return *values;
}

control_values<bool>& controls_watched_for_user_changes() {
  static auto* const values = new control_values<bool>(false);
  return *values;
}

control_values<bool>& edits_watched_for_changes() {
  static auto* const values = new control_values<bool>(false);
  return *values;
}

QString without_thousands_separators(QString text) {
  const std::string separator = app_locale().thousands_separator();
  if (!separator.empty())
    text.remove(from_win1252(separator));
  return text;
}

// The same amount with or without its separators (bare digits while the user is in the edit,
// grouped at rest) is no other value.
bool same_value_text(const QString& a, const QString& b) {
  return a == b || without_thousands_separators(a) == without_thousands_separators(b);
}

// Any typing of the user's, and any change of the program's to another value, ends the mark.
void forget_filled_text_on_change(QLineEdit* edit) {
  if (edits_watched_for_changes().get(edit))
    return;
  edits_watched_for_changes().set(edit, true);
  QObject::connect(edit, &QLineEdit::textEdited, edit,
                   [edit] { filled_texts().set(edit, std::nullopt); });
  QObject::connect(edit, &QLineEdit::textChanged, edit, [edit](const QString& text) {
    const std::optional<filled_text> filled = filled_texts().get(edit);
    if (filled && !same_value_text(filled->text, text))
      filled_texts().set(edit, std::nullopt);
  });
}

// The Windows-1252 capitals and their small letters: A-Z, the Latin-1 capitals from 0xC0 to 0xDE
// but the sign 0xD7, and the four capitals 0x8A, 0x8C, 0x8E and 0x9F of the 0x80 row.
unsigned char lower_case_letter(unsigned char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
    return static_cast<unsigned char>(c + 0x20);
  switch (c) {
    case 0x8A:
    case 0x8C:
    case 0x8E:
      return static_cast<unsigned char>(c + 0x10);
    case 0x9F:
      return 0xFF;
    default:
      return c;
  }
}

// The user's own change to another state ends the stand-in for good: the control holds the
// user's value from then on, even when the user goes back to what the stand-in showed.
void forget_stand_in_on_user_change(QWidget* control) {
  if (control->property(watched_property).toBool())
    return;
  control->setProperty(watched_property, true);
  const auto forget = [control] {
    if (!shows_unshown_value(control))
      clear_unshown(control);
  };
  if (auto* combo = qobject_cast<QComboBox*>(control))
    QObject::connect(combo, &QComboBox::activated, combo, forget);
  else if (auto* edit = qobject_cast<QLineEdit*>(control))
    QObject::connect(edit, &QLineEdit::textEdited, edit, forget);
  else if (auto* box = qobject_cast<QAbstractButton*>(control))
    QObject::connect(box, &QAbstractButton::clicked, box, forget);
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
  unshown_states().set(control, current_state(control));
  forget_stand_in_on_user_change(control);
}

void clear_unshown(QWidget* control) {
  if (unshown_states().get(control).isValid())
    unshown_states().set(control, QVariant());
}

bool shows_unshown_value(const QWidget* control) {
  const QVariant marked = unshown_states().get(control);
  return marked.isValid() && marked == current_state(control);
}

void forget_filled(QLineEdit* edit) {
  if (filled_texts().get(edit))
    filled_texts().set(edit, std::nullopt);
}

void mark_filled(QLineEdit* edit, const void* record) {
  forget_filled_text_on_change(edit);
  filled_texts().set(edit, filled_text{edit->text(), record});
}

bool untouched_since_filled(const QWidget* control, const void* record) {
  const auto* edit = qobject_cast<const QLineEdit*>(control);
  if (edit == nullptr)
    return false;
  const std::optional<filled_text> filled = filled_texts().get(edit);
  return filled && (record == nullptr || filled->record == record);
}

void watch_user_changes(QWidget* control) {
  if (control == nullptr || controls_watched_for_user_changes().get(control))
    return;
  controls_watched_for_user_changes().set(control, true);
  const auto changed = [control] { user_changes().set(control, true); };
  if (auto* edit = qobject_cast<QLineEdit*>(control)) {
    QObject::connect(edit, &QLineEdit::textEdited, edit, changed);
  } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
    QObject::connect(combo, &QComboBox::activated, combo, changed);
    if (QLineEdit* typed = combo->lineEdit())
      QObject::connect(typed, &QLineEdit::textEdited, combo, changed);
  } else if (auto* box = qobject_cast<QAbstractButton*>(control)) {
    QObject::connect(box, &QAbstractButton::toggled, box, changed);
  }
}

void forget_user_changes(QWidget* control) {
  if (user_changes().get(control))
    user_changes().set(control, false);
}

bool user_changed_since_filled(const QWidget* control) {
  return user_changes().get(control);
}

std::string widget_text(const QString& text) {
  return to_win1252(text);
}

QString display_text(std::string_view text) {
  return from_win1252(text);
}

bool same_text_ignoring_case(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    return lower_case_letter(static_cast<unsigned char>(x)) ==
           lower_case_letter(static_cast<unsigned char>(y));
  });
}
