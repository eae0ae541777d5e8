#pragma once

class QWidget;
class form_controls;

// The field captions' handlers. Resting the mouse on a red or green caption shows the field's
// original value as its tool tip ("Original value: " and the value, built once until the next
// highlighting empties it); clicking a red or green caption shows it in an information
// message. Plain captions, and captions whose original is absent, show nothing.
void labelMouseMove(QWidget* component, form_controls& form);
void labelClick(QWidget* component, form_controls& form);

// Binds both to every caption of the caption tables on the form (check boxes: the tool tip
// only, a click there ticks the box). The form must outlive its widgets' events.
void install_label_handlers(form_controls& form);
