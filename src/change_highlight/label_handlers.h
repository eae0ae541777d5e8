#pragma once

class QWidget;
class form_controls;

// The field captions' handlers. Resting the mouse on a red or green caption shows the field's
// original value as its tool tip ("Original value: " and the value, built once until the next
// highlighting empties it); clicking a red or green caption shows it in an information
// message. Plain captions, and captions whose original is absent, show nothing.
void labelMouseMove(QWidget* component, form_controls& form);
void labelClick(QWidget* component, form_controls& form);
// The same message, but only while the favourite staff item selected has an original: the
// click of the language, preferred move and non-player tendency list captions.
void staff_favourite_staff_labelClick(QWidget* component, form_controls& form);

// Binds them to every caption of the caption tables on the form and to the bold captions of
// the item lists (check boxes: the tool tip and the hand cursor only, a click there ticks the
// box). The form must outlive its widgets' events.
void install_label_handlers(form_controls& form);
