#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <vector>

#include "change_tracking/label_tables.h"

class form_controls;

// The widgets of the caption tables of one form, looked up by name once so that colouring a
// record is a walk over pointers. Rows whose caption the form lacks are left out.
struct bound_label {
  QPointer<QWidget> widget;
  const label_row* row;
};

struct bound_caption {
  QPointer<QWidget> widget;
  const caption_row* row;
};

struct change_labels {
  std::vector<bound_label> staff;
  std::vector<bound_caption> captions;
  std::array<std::vector<bound_label>, item_kind_count> items;
  // The first two nations' declared boxes are not compared, only kept plain and without a tip.
  std::vector<QPointer<QWidget>> declared_boxes;
};

// The caption widgets of the form, looked up on first use.
const change_labels& labels_of(form_controls& form);

// Empties a tool tip (only when it holds something: every change sends an event).
void clear_hint(QWidget* widget);
