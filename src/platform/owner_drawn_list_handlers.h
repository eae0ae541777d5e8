#pragma once

#include <QStringView>
#include <functional>
#include <memory>

#include "platform/choice_handlers.h"

class QPainter;
class QRect;
class QWidget;
class text_widths;

// What an owner-drawn list holds for drawing and measuring its entries, besides the handlers of
// the user's choices: the handlers the program gives, and the width of the widest entry.
class owner_drawn_list_handlers : public choice_handlers {
 public:
  using draw_handler =
      std::function<void(QPainter& painter, int index, const QRect& rect, bool selected)>;
  using measure_handler = std::function<int(int index)>;
  using width_handler = std::function<int(QStringView text)>;

  // Without a draw handler entries are drawn the ordinary way.
  void set_draw_handler(draw_handler handler) { draw_ = std::move(handler); }
  // The text's width in the list's font, cheap enough for every entry of a long list (see
  // text_widths.h).
  int text_width(QStringView text) const;

  const draw_handler& drawer() const { return draw_; }
  const measure_handler& measurer() const { return measure_; }

 protected:
  explicit owner_drawn_list_handlers(const QWidget& list);
  ~owner_drawn_list_handlers();

  // The entries are measured anew with these.
  void take_measure_handlers(measure_handler height, width_handler width);
  // After a change of font: the widths of characters and entries are looked up anew.
  void forget_widths();
  // True while the widest width stands for every entry.
  bool measured() const { return measure_ && widest_ >= 0; }
  // Takes the text into the widest width; true when it grew.
  bool widen_to(QStringView text) const;

  // Negative until the entries are measured.
  mutable int widest_ = -1;

 private:
  const QWidget& list_;
  draw_handler draw_;
  measure_handler measure_;
  width_handler width_;
  mutable std::unique_ptr<text_widths> text_widths_;
};
