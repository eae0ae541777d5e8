#pragma once

#include <functional>

class QPainter;
class QStyleOptionViewItem;

// Paints one entry of an owner-drawn list or grid as the original controls did: the entry is
// filled with the selection or window colour and the pen and font are set to match before
// `draw` runs (guarded, so a fault in it cannot end the paint); the painter is left as it was.
void paint_owner_drawn_entry(QPainter& painter, const QStyleOptionViewItem& option,
                             const std::function<void(QPainter&, bool selected)>& draw);
