#pragma once

#include <QLocale>

#include "records/system_locale.h"

// The locale facts the engine needs, read from a QLocale. Qt has no date-separator or date-order
// call, so both come from the locale's short date format.
class qt_system_locale : public system_locale {
 public:
  explicit qt_system_locale(const QLocale& locale = QLocale::system());

  std::string format_short_date(int year, int month, int day) const override;
  std::string format_date_time(const date_time& moment) const override;
  char date_separator() const override { return date_separator_; }
  char time_separator() const override { return time_separator_; }
  char decimal_separator() const override { return decimal_separator_; }
  std::string thousands_separator() const override { return thousands_separator_; }

  // The short date format with a four-digit year, e.g. "dd.MM.yyyy" or "M/d/yyyy".
  const QString& short_date_format() const { return short_date_format_; }

 private:
  QLocale locale_;
  QString short_date_format_;
  char date_separator_;
  char time_separator_;
  QString long_time_format_;
  char decimal_separator_;
  std::string thousands_separator_;
};

// The wall clock of the machine.
class qt_system_clock : public system_clock_source {
 public:
  date_time now() const override;
};

// A clock that always tells the same moment, for tests and reproducible stamps.
class fixed_clock : public system_clock_source {
 public:
  explicit fixed_clock(const date_time& moment) : moment_(moment) {}
  date_time now() const override { return moment_; }

 private:
  date_time moment_;
};
