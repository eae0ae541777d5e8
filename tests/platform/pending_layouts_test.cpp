#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include "platform/pending_layouts.h"

namespace {

// A label four widgets deep in a shown window grows: the new size reaches the window through
// every level of layouts at once, with no turn of the event loop between them.
TEST(lay_out_pending_widgets, lays_out_a_deep_change_through_every_level_at_once) {
  QWidget window;
  QWidget* parent = &window;
  for (int level = 0; level < 4; ++level) {
    auto* child = new QWidget;
    (new QVBoxLayout(parent))->addWidget(child);
    parent = child;
  }
  auto* label = new QLabel(QStringLiteral("x"));
  (new QVBoxLayout(parent))->addWidget(label);
  window.show();
  QApplication::processEvents();
  const int narrow = window.minimumWidth();

  label->setText(QString(60, QLatin1Char('W')));
  lay_out_pending_widgets();
  EXPECT_GT(window.minimumWidth(), narrow);
  EXPECT_GE(window.minimumWidth(), label->minimumSizeHint().width());
}

}  // namespace
