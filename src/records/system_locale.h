#pragma once

#include <string>

// A moment as the wall clock gives it, broken down.
struct date_time {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// The locale facts the engine depends on. The window supplies the system's; tests supply fixed
// ones so conversions can be checked under several locales.
class system_locale {
 public:
  virtual ~system_locale() = default;
  // The date formatted with the short date format, e.g. "31/12/2001" or "2001-12-31".
  virtual std::string format_short_date(int year, int month, int day) const = 0;
  // Short date, a blank, long time: what a date-time value prints as.
  virtual std::string format_date_time(const date_time& moment) const = 0;
  virtual char date_separator() const = 0;
  virtual char time_separator() const = 0;
  virtual char decimal_separator() const = 0;
  // Windows-1252 bytes; may be empty (no grouping) or a no-break space (0xA0).
  virtual std::string thousands_separator() const = 0;
};

class system_clock_source {
 public:
  virtual ~system_clock_source() = default;
  virtual date_time now() const = 0;
};
