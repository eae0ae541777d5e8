#pragma once

#include <QString>
#include <optional>

class QWidget;
class form_controls;

// What the field a caption shows held in the as-exported original: of the staff record on
// screen for its captions, of the item its panel shows for an item kind's captions. Codes are
// written through the form's lists, flags and texts as held; an original that held nothing
// reads "(empty)".
//
// The bold caption of an item list stands for the whole list: its text is empty.
//
// None for a control that captions no field and for a field whose original is absent (a
// record or item made in the editor): there is then nothing to show.
std::optional<QString> original_value_text(const QWidget& component, form_controls& form);
