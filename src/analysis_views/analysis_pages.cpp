#include "analysis_views/analysis_pages.h"

#include <QVBoxLayout>

#include "analysis_views/ability_ranges_page.h"
#include "analysis_views/attribute_averages_page.h"
#include "analysis_views/general_counts_page.h"
#include "platform/page_control.h"

namespace {

QWidget* add_sheet(page_control* pages, const char* name, const char* caption) {
  auto* sheet = new QWidget;
  sheet->setObjectName(name);
  pages->addTab(sheet, QString::fromLatin1(caption));
  return sheet;
}

}  // namespace

analysis_pages::analysis_pages(QWidget* averages_sheet, QWidget* counts_sheet, focus_tracker& focus,
                               analysis_window_hooks hooks) {
  auto* counts_layout = new QVBoxLayout(counts_sheet);
  counts_page_ = new page_control(counts_sheet);
  counts_page_->setObjectName("counts_page");
  counts_layout->addWidget(counts_page_);
  QWidget* general_sheet = add_sheet(counts_page_, "general_counts_tab_sheet", "General");
  ranges_sheet_ = add_sheet(counts_page_, "ranges_tab_sheet", "Ranges");
  general_ = new general_counts_page(general_sheet, hooks);
  ranges_ = new ability_ranges_page(ranges_sheet_, focus);
  averages_ = new attribute_averages_page(averages_sheet, focus, std::move(hooks));
  counts_page_->set_change_handler([this] {
    if (counts_page_->currentWidget() == ranges_sheet_)
      ranges_->show_ability_ranges();
  });
}

analysis_pages::~analysis_pages() = default;

void analysis_pages::refresh() {
  general_->update_general_counts();
  ranges_->show_ability_ranges();
}
