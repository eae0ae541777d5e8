#pragma once

#include <string>

#include "load_observer.h"
#include "record_store.h"
#include "system_locale.h"

struct load_context {
  const system_locale& locale;
  load_observer& observer;
};

// Reads a .staff file into `target`, replacing its records, its file settings and its locale
// settings. The file is parsed into a fresh data set that replaces `target` only when the whole
// file was read; on failure `target` is untouched, false is returned and the reason is left
// with set_last_error. On success every date is in the locale's order, every kind without
// originals in the file has copies of its records as originals, and the temporary-id counter
// starts at first_temporary_id. The caller reloads the position weightings afterwards.
bool load_data(const std::string& path, data_set& target, const load_context& context);
bool load_data(const std::string& path, const load_context& context);  // into current_data()
