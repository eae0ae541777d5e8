#include "main_window/record_tab_bar.h"

#include <QProxyStyle>
#include <QTabBar>
#include <QTabWidget>

namespace {

constexpr int tab_caption_pixels = 10;
constexpr int tab_side_room = 8;  // pixels beside a caption, both sides together

// The application's style, with less room beside a tab's caption.
class compact_tab_style : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    if (metric == PM_TabBarTabHSpace)
      return tab_side_room;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
};

}  // namespace

void fit_record_tabs(QTabWidget* pages) {
  QTabBar* bar = pages->tabBar();
  QFont caption = bar->font();
  caption.setPixelSize(tab_caption_pixels);
  bar->setFont(caption);
  // A widget does not own its style: the page control does.
  auto* style = new compact_tab_style;
  style->setParent(pages);
  bar->setStyle(style);
}
