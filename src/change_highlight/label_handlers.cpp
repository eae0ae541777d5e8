#include "change_highlight/label_handlers.h"

#include <QAbstractButton>
#include <QLabel>
#include <algorithm>
#include <string_view>

#include "change_highlight/change_labels.h"
#include "change_highlight/original_value_text.h"
#include "platform/control_colors.h"
#include "platform/dialog_service.h"
#include "platform/label_events.h"
#include "record_form/item_selection.h"

namespace {

using click_handler = void (*)(QWidget*, form_controls&);

// List captions whose click answers while a favourite staff item's original is selected, not
// the record's.
constexpr std::string_view favourite_staff_captions[] = {"staff_label_language", "staff_label_ppm",
                                                         "staff_label_npt"};

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

void show_original(const QWidget* component, const QString& text) {
  dialogs().message(
      message_type::information,
      QStringLiteral("Original value of '") + caption_of(component) + QStringLiteral("':\n") + text,
      message_buttons::ok);
}

void bind(QWidget* widget, form_controls& form, click_handler click) {
  on_mouse_move(widget, [widget, &form] { labelMouseMove(widget, form); });
  if (qobject_cast<QAbstractButton*>(widget) != nullptr) {
    // A click ticks the box; the hand says the box also answers the mouse with its original.
    set_control_cursor(widget, crHandPoint);
    return;
  }
  on_label_click(widget, [widget, &form, click] { click(widget, form); });
}

click_handler caption_click(std::string_view caption) {
  return std::ranges::find(favourite_staff_captions, caption) != std::end(favourite_staff_captions)
             ? staff_favourite_staff_labelClick
             : labelClick;
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
  if (const std::optional<QString> text = original_value_text(*component, form))
    show_original(component, *text);
}

void staff_favourite_staff_labelClick(QWidget* component, form_controls& form) {
  if (!is_coloured(component) || selected_item<item_kind::favourite_staff>().original == nullptr)
    return;
  show_original(component, original_value_text(*component, form).value_or(QString()));
}

void install_label_handlers(form_controls& form) {
  const change_labels& labels = labels_of(form);
  for (const bound_label& label : labels.staff)
    bind(label.widget.data(), form, labelClick);
  for (const auto& kind : labels.items) {
    for (const bound_label& label : kind)
      bind(label.widget.data(), form, labelClick);
  }
  for (const bound_caption& caption : labels.captions)
    bind(caption.widget.data(), form, caption_click(caption.row->label));
}
