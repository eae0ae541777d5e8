#include "platform/app_locale.h"

#include "platform/qt_system_locale.h"

namespace {

std::shared_ptr<const system_locale>& installed_locale() {
  static std::shared_ptr<const system_locale> locale;
  return locale;
}

std::shared_ptr<const system_clock_source>& installed_clock() {
  static std::shared_ptr<const system_clock_source> clock;
  return clock;
}

}  // namespace

const system_locale& app_locale() {
  if (const auto& locale = installed_locale())
    return *locale;
  // Read once: the system's settings do not change while the program runs.
  static const qt_system_locale system_default;
  return system_default;
}

const system_clock_source& app_clock() {
  if (const auto& clock = installed_clock())
    return *clock;
  static const qt_system_clock wall_clock;
  return wall_clock;
}

void set_app_locale(std::shared_ptr<const system_locale> locale) {
  installed_locale() = std::move(locale);
}

void set_app_clock(std::shared_ptr<const system_clock_source> clock) {
  installed_clock() = std::move(clock);
}

scoped_app_locale::scoped_app_locale(std::shared_ptr<const system_locale> locale,
                                     std::shared_ptr<const system_clock_source> clock)
    : previous_locale_(installed_locale()), previous_clock_(installed_clock()) {
  set_app_locale(std::move(locale));
  if (clock)
    set_app_clock(std::move(clock));
}

scoped_app_locale::~scoped_app_locale() {
  set_app_locale(std::move(previous_locale_));
  set_app_clock(std::move(previous_clock_));
}
