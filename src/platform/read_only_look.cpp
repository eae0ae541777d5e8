#include "platform/read_only_look.h"

#include <QEvent>
#include <QLineEdit>
#include <QPalette>

namespace {

// Sets the base colour of every colour group to the window colour; false when it already was.
bool take_window_colour_as_base(QLineEdit* edit) {
  QPalette palette = edit->palette();
  bool changed = false;
  for (const QPalette::ColorGroup group :
       {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    const QBrush& window = palette.brush(group, QPalette::Window);
    if (palette.brush(group, QPalette::Base) != window) {
      palette.setBrush(group, QPalette::Base, window);
      changed = true;
    }
  }
  if (changed)
    edit->setPalette(palette);
  return changed;
}

// Puts the read-only base back when a palette change reaches the edit: the base set before is
// the edit's own and would keep the old window colour.
class read_only_look : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::PaletteChange)
      take_window_colour_as_base(static_cast<QLineEdit*>(watched));
    return false;
  }
};

}  // namespace

void show_read_only_look(QLineEdit* edit) {
  take_window_colour_as_base(edit);
  edit->installEventFilter(new read_only_look(edit));
}
