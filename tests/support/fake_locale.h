#pragma once

#include <string>
#include <utility>

#include "records/system_locale.h"

// A locale of fixed conventions for the engine's tests, benchmarks and fuzzing: the short date in
// `order` ("dd_mm_yyyy", "mm_dd_yyyy" or "yyyy_mm_dd") joined by `date_separator`, a moment as
// that date, a blank and hh:mm:ss, and no thousands separator.
class fake_locale : public system_locale {
 public:
  explicit fake_locale(std::string order = "dd_mm_yyyy", char date_separator = '/',
                       char decimal_separator = '.')
      : order_(std::move(order)), date_separator_(date_separator), decimal_(decimal_separator) {}

  std::string format_short_date(int year, int month, int day) const override;
  std::string format_date_time(const date_time& moment) const override;
  char date_separator() const override { return date_separator_; }
  char time_separator() const override { return ':'; }
  char decimal_separator() const override { return decimal_; }
  std::string thousands_separator() const override { return ""; }

 private:
  std::string order_;
  char date_separator_;
  char decimal_;
};
