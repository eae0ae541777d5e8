#include "fake_locale.h"

namespace {

std::string two_digits(int value) {
  return (value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace

std::string fake_locale::format_short_date(int year, int month, int day) const {
  const std::string d = two_digits(day), m = two_digits(month), y = std::to_string(year);
  const char s = date_separator_;
  if (order_ == "mm_dd_yyyy") {
    return m + s + d + s + y;
  }
  if (order_ == "yyyy_mm_dd") {
    return y + s + m + s + d;
  }
  if (order_ == "dd_mm_yyyy") {
    return d + s + m + s + y;
  }
  return "no date";
}

std::string fake_locale::format_date_time(const date_time& moment) const {
  return format_short_date(moment.year, moment.month, moment.day) + " " + two_digits(moment.hour) +
         ":" + two_digits(moment.minute) + ":" + two_digits(moment.second);
}
