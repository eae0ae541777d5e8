#include "platform/pending_layouts.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

// Counts the layout requests delivered while it is installed on the application.
class layout_request_counter : public QObject {
 public:
  layout_request_counter() { QCoreApplication::instance()->installEventFilter(this); }
  ~layout_request_counter() override { QCoreApplication::instance()->removeEventFilter(this); }
  layout_request_counter(const layout_request_counter&) = delete;
  layout_request_counter& operator=(const layout_request_counter&) = delete;

  int delivered = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::LayoutRequest)
      ++delivered;
    return QObject::eventFilter(watched, event);
  }
};

// Deeper than any window's nesting of layouts; a pass delivers a level or more.
constexpr int most_passes = 64;

}  // namespace

void lay_out_pending_widgets() {
  if (QCoreApplication::instance() == nullptr)
    return;
  layout_request_counter counter;
  for (int pass = 0; pass < most_passes; ++pass) {
    const int before = counter.delivered;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    if (counter.delivered == before)
      return;
  }
}
