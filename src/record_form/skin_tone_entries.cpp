#include "record_form/skin_tone_entries.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <algorithm>

#include "platform/win1252.h"
#include "record_form/skin_colour.h"

namespace {

constexpr int entry_height = 13;
constexpr int visible_entries = 21;

class skin_tone_delegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    painter->save();
    draw_skin_tone_entry(*painter, option.rect, index.row(),
                         to_win1252(index.data(Qt::DisplayRole).toString()),
                         option.state.testFlag(QStyle::State_Selected), option.palette);
    painter->restore();
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), entry_height};
  }
};

// Paints the closed combo: its frame and button by the style, the current entry by the rule
// above instead of the entry's text.
class closed_skin_tone_painter : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* combo = qobject_cast<QComboBox*>(watched);
    if (combo == nullptr || event->type() != QEvent::Paint)
      return false;
    QStylePainter painter(combo);
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = false;
    option.frame = true;
    option.subControls = QStyle::SC_All;
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxEditField, combo);
    const int position = combo->currentIndex();
    if (position >= 0) {
      draw_skin_tone_entry(painter, field, position, to_win1252(combo->itemText(position)),
                           combo->hasFocus(), option.palette);
    }
    return true;
  }
};

}  // namespace

void draw_skin_tone_entry(QPainter& painter, const QRect& rect, int index, std::string_view entry,
                          bool selected, const QPalette& palette) {
  if (index == 0)
    return;
  painter.fillRect(rect, selected ? palette.highlight() : palette.base());
  tolvan_colour colour;
  int code = 0;
  if (!parse_skin_colour_entry(entry, colour, code))
    return;
  const int left = rect.left();
  const int top = rect.top();
  const int right = rect.left() + rect.width();
  // The swatch ends at w, taken as an x position although it is nine tenths of the width.
  const int w = (right - left) / 10 * 9;
  painter.setPen(selected ? palette.color(QPalette::Base) : palette.color(QPalette::Text));
  const int text_left = w - left + 8;
  painter.drawText(QRect(text_left, top, std::max(right - text_left, 0), rect.height()),
                   Qt::AlignLeft | Qt::AlignTop, QString::number(code));
  painter.fillRect(QRect(left, top, std::max(w - left, 0), rect.height()), skin_colour_of(colour));
}

void draw_skin_tone_entries(QComboBox* combo) {
  combo->setItemDelegate(new skin_tone_delegate(combo));
  combo->setMaxVisibleItems(visible_entries);
  combo->installEventFilter(new closed_skin_tone_painter(combo));
}
