#include "main_window/window_load_observer.h"

#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QSplitter>
#include <algorithm>

#include "main_window/date_masks.h"
#include "main_window/main_window.h"
#include "platform/app_locale.h"
#include "platform/dialog_service.h"
#include "platform/owner_drawn_list_view.h"
#include "platform/page_control.h"

namespace {

// The bar is drawn again at most this often, which still looks smooth. The reader steps it once
// per record and once per original, and drawing it even every hundredth of its range cost more
// than all the reader's work between the steps.
constexpr qint64 repaint_interval_ms = 40;

}  // namespace

void window_load_observer::show_warning(std::string_view text) {
  ::show_warning(text);
}

void window_load_observer::apply_date_format_to_masks(std::string_view locale_date_order) {
  ::apply_date_format_to_masks(window_.controls(), locale_date_order,
                               app_locale().date_separator());
}

void window_load_observer::show_loading_view(const std::string& path) {
  before_ = {window_.list_box->isVisibleTo(&window_),
             window_.main_page_control->isVisibleTo(&window_),
             window_.pc_staff->isVisibleTo(&window_), window_.Splitter1->handleWidth()};
  loading_view_shown_ = true;
  // The entries stay: a file that fails to load leaves the list of the file before it.
  window_.list_box->hide();
  window_.Splitter1->setHandleWidth(0);
  window_.main_page_control->hide();
  window_.pc_staff->hide();
  window_.loading_label->setText(QFile::decodeName(QByteArray::fromStdString(path)));
  window_.loading_label->setEnabled(true);
  window_.loading_label->show();
  window_.loading_label->raise();
  window_.bg_loading_image->show();
  window_.repaint();
  window_.centre_progress_bar();
  QProgressBar* bar = window_.ProgressBar1;
  bar->setEnabled(true);
  bar->setValue(bar->minimum());
  position_ = bar->minimum();
  bar->show();
  bar->raise();
  bar->repaint();
  since_repaint_.start();
}

void window_load_observer::set_progress_maximum(int maximum) {
  QProgressBar* bar = window_.ProgressBar1;
  bar->setMaximum(std::max(bar->minimum(), maximum));
  position_ = bar->value();
}

void window_load_observer::step_progress() {
  QProgressBar* bar = window_.ProgressBar1;
  // Past its maximum the bar starts again from its minimum: the dates are put in order in two
  // passes, one over the records and one over their originals.
  position_ = position_ >= bar->maximum() ? bar->minimum() + 1 : position_ + 1;
  if (!since_repaint_.isValid() || since_repaint_.elapsed() < repaint_interval_ms)
    return;
  // The bar draws itself when its value moves it by a visible step.
  bar->setValue(position_);
  since_repaint_.restart();
}

void window_load_observer::hide_loading_view() {
  if (!loading_view_shown_)
    return;
  loading_view_shown_ = false;
  window_.list_box->setVisible(before_.list_visible);
  window_.Splitter1->setHandleWidth(before_.splitter_handle_width);
  window_.bg_loading_image->hide();
  // Hidden first, so that the bar is not drawn full just before it goes.
  window_.ProgressBar1->hide();
  window_.ProgressBar1->setValue(window_.ProgressBar1->maximum());
  window_.loading_label->hide();
  window_.pc_staff->setVisible(before_.record_pages_visible);
  window_.main_page_control->setVisible(before_.pages_visible);
}
