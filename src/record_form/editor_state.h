#pragma once

#include <string>

struct qor_staff;
class system_locale;

// The number, date and money conventions of the form, derived once from the locale.
struct form_formats {
  std::string locale_date_order = "dd_mm_yyyy";  // one of the three order names
  char date_separator = '/';
  char decimal_separator = '.';
  std::string thousands_separator = ",";  // Windows-1252 bytes; may be empty or "\xA0"
  std::string date_format = "dd/mm/yyyy";
  std::string no_date_text = "00/00/0000";
  std::string blank_date_text = "  /  /    ";
};

// What the record form shares with the main window.
struct editor_state {
  qor_staff* current_staff = nullptr;         // the record on screen; the store owns it
  const qor_staff* original_staff = nullptr;  // its as-exported copy, or none
  int current_staff_index = -1;
  bool data_loaded = false;
  bool data_modified = false;
  // Set while the form is being filled; change and click handlers do nothing meanwhile.
  bool filling_controls = false;
};

// The one editor state of the program.
editor_state& editor();

// The form's formats under a locale, and under the program's locale (app_locale()). Callers that
// move many values compute them once and pass them down.
form_formats formats_from_locale(const system_locale& locale);
form_formats current_formats();

// Sets filling_controls for its lifetime. Like the plain flag it stands for, it clears the
// flag on exit even when an outer fill is still running: the item detail fills inside a
// record display rely on that and the display clears it again at its end.
class filling_guard {
 public:
  filling_guard() { editor().filling_controls = true; }
  ~filling_guard() { editor().filling_controls = false; }
  filling_guard(const filling_guard&) = delete;
  filling_guard& operator=(const filling_guard&) = delete;
};
