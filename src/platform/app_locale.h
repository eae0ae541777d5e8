#pragma once

#include <memory>

#include "records/system_locale.h"

// The one locale and clock the whole program reads. Until something is installed they are the
// system's (QLocale::system() and the wall clock); tests install fixed ones.
const system_locale& app_locale();
const system_clock_source& app_clock();

// Passing nullptr goes back to the system's.
void set_app_locale(std::shared_ptr<const system_locale> locale);
void set_app_clock(std::shared_ptr<const system_clock_source> clock);

// Installs a locale (and optionally a clock) for one scope and restores the previous ones.
class scoped_app_locale {
 public:
  explicit scoped_app_locale(std::shared_ptr<const system_locale> locale,
                             std::shared_ptr<const system_clock_source> clock = nullptr);
  ~scoped_app_locale();
  scoped_app_locale(const scoped_app_locale&) = delete;
  scoped_app_locale& operator=(const scoped_app_locale&) = delete;

 private:
  std::shared_ptr<const system_locale> previous_locale_;
  std::shared_ptr<const system_clock_source> previous_clock_;
};
