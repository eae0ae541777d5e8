#include "platform/stray_alt_digits.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

// A mnemonic that matched is delivered as a shortcut, so a key press of Alt and a digit that
// gets this far matched nothing. AltGr (Ctrl+Alt on some systems) still types its character.
class stray_alt_digit_filter : public QObject {
 public:
  explicit stray_alt_digit_filter(QWidget* window) : QObject(window), window_(window) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
      return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    return modifiers == Qt::AltModifier && key->key() >= Qt::Key_0 && key->key() <= Qt::Key_9 &&
           static_cast<QWidget*>(watched)->window() == window_;
  }

 private:
  QWidget* window_;
};

}  // namespace

void drop_stray_alt_digits(QWidget* window) {
  qApp->installEventFilter(new stray_alt_digit_filter(window));
}
