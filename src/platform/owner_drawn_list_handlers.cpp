#include "platform/owner_drawn_list_handlers.h"

#include <QWidget>

#include "platform/text_widths.h"

owner_drawn_list_handlers::owner_drawn_list_handlers(const QWidget& list) : list_(list) {}

owner_drawn_list_handlers::~owner_drawn_list_handlers() = default;

int owner_drawn_list_handlers::text_width(QStringView text) const {
  if (!text_widths_)
    text_widths_ = std::make_unique<text_widths>(list_.font());
  return text_widths_->of(text);
}

void owner_drawn_list_handlers::take_measure_handlers(measure_handler height, width_handler width) {
  measure_ = std::move(height);
  width_ = std::move(width);
  widest_ = -1;
}

void owner_drawn_list_handlers::forget_widths() {
  text_widths_.reset();
  widest_ = -1;
}

bool owner_drawn_list_handlers::widen_to(QStringView text) const {
  const int width = width_(text);
  if (width <= widest_)
    return false;
  widest_ = width;
  return true;
}
