#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "platform/app_locale.h"
#include "platform/qt_system_locale.h"
#include "platform/scripted_dialog_service.h"
#include "records/system_locale.h"

// A locale with fixed conventions, so that formats can be checked under several of them.
class fixed_locale : public system_locale {
 public:
  fixed_locale(std::string order, char date_separator, char decimal_separator,
               std::string thousands_separator)
      : order_(std::move(order)),
        date_separator_(date_separator),
        decimal_separator_(decimal_separator),
        thousands_(std::move(thousands_separator)) {}

  std::string format_short_date(int year, int month, int day) const override {
    char buffer[32];
    const char s = date_separator_;
    if (order_ == "dd_mm_yyyy") {
      std::snprintf(buffer, sizeof buffer, "%02d%c%02d%c%04d", day, s, month, s, year);
    } else if (order_ == "mm_dd_yyyy") {
      std::snprintf(buffer, sizeof buffer, "%02d%c%02d%c%04d", month, s, day, s, year);
    } else {
      std::snprintf(buffer, sizeof buffer, "%04d%c%02d%c%02d", year, s, month, s, day);
    }
    return buffer;
  }
  std::string format_date_time(const date_time& t) const override {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, " %02d.%02d.%02d", t.hour, t.minute, t.second);
    return format_short_date(t.year, t.month, t.day) + buffer;
  }
  char date_separator() const override { return date_separator_; }
  char time_separator() const override { return '.'; }
  char decimal_separator() const override { return decimal_separator_; }
  std::string thousands_separator() const override { return thousands_; }

 private:
  std::string order_;
  char date_separator_;
  char decimal_separator_;
  std::string thousands_;
};

// The locales the tests run under.
inline std::shared_ptr<const system_locale> english_locale() {
  return std::make_shared<fixed_locale>("dd_mm_yyyy", '/', '.', ",");
}
inline std::shared_ptr<const system_locale> german_locale() {
  return std::make_shared<fixed_locale>("dd_mm_yyyy", '.', ',', ".");
}
inline std::shared_ptr<const system_locale> french_locale() {
  return std::make_shared<fixed_locale>("dd_mm_yyyy", '/', ',', "\xA0");
}
inline std::shared_ptr<const system_locale> us_locale() {
  return std::make_shared<fixed_locale>("mm_dd_yyyy", '-', '.', ",");
}

// 14:05:09 on 3 July 2025.
inline std::shared_ptr<const system_clock_source> test_clock() {
  return std::make_shared<fixed_clock>(date_time{2025, 7, 3, 14, 5, 9});
}
