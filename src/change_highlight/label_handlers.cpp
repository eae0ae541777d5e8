#include "change_highlight/label_handlers.h"

#include <QAbstractButton>
#include <QLabel>

#include "change_highlight/change_labels.h"
#include "change_highlight/original_value_text.h"
#include "platform/control_colors.h"
#include "platform/dialog_service.h"
#include "platform/label_events.h"

namespace {

bool is_coloured(const QWidget* component) {
  const tcolor color = font_color(component);
  return color == clRed || color == clGreen;
}

QString caption_of(const QWidget* component) {
  if (const auto* label = qobject_cast<const QLabel*>(component))
    return label->text();
  if (const auto* button = qobject_cast<const QAbstractButton*>(component))
    return button->text();
  return component->objectName();
}

void bind(QWidget* widget, form_controls& form) {
  on_mouse_move(widget, [widget, &form] { labelMouseMove(widget, form); });
  if (qobject_cast<QAbstractButton*>(widget) == nullptr)
    on_label_click(widget, [widget, &form] { labelClick(widget, form); });
}

}  // namespace

void labelMouseMove(QWidget* component, form_controls& form) {
  if (!is_coloured(component)) {
    clear_hint(component);
    return;
  }
  if (!component->toolTip().isEmpty())
    return;
  if (const std::optional<QString> text = original_value_text(*component, form))
    component->setToolTip(QStringLiteral("Original value: ") + *text);
}

void labelClick(QWidget* component, form_controls& form) {
  if (!is_coloured(component))
    return;
  const std::optional<QString> text = original_value_text(*component, form);
  if (!text)
    return;
  dialogs().message(message_type::information,
                    QStringLiteral("Original value of '") + caption_of(component) +
                        QStringLiteral("':\n") + *text,
                    message_buttons::ok);
}

void install_label_handlers(form_controls& form) {
  const change_labels& labels = labels_of(form);
  for (const bound_label& label : labels.staff)
    bind(label.widget.data(), form);
  for (const auto& kind : labels.items) {
    for (const bound_label& label : kind)
      bind(label.widget.data(), form);
  }
}
