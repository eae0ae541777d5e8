#pragma once

#include <cstdio>
#include <string>

#include "record_store.h"
#include "system_locale.h"

struct save_context {
  const system_locale& locale;
  const system_clock_source& clock;  // the moment in the backup's name
};

// Writes the whole data set as a .staff file at `path`. First the last loaded or saved file
// (file_name) is copied into the backup folder; a failed copy does not stop the save but leaves
// its reason in `backup_warning` (empty otherwise). The file is replaced whole or not at all
// (file_replacement): a symbolic link at `path` keeps pointing at the file it names, which gets
// the new content and keeps its mode; a read-only file is refused. Before writing, the staff and
// original staff vectors are sorted by id and the height and weight texts rewritten from their
// numbers. True on success, with file_name set to `path`; false with the reason left by
// set_last_error, also when a text holds a double quote or a line break that the format cannot
// carry.
bool save_data(const std::string& path, data_set& data, const save_context& context,
               std::string& backup_warning);
bool save_data(const std::string& path, const save_context& context,
               std::string& backup_warning);  // the current data set

// The writing itself, on an open stream; false with the message of the part whose write
// failed or whose record was refused.
bool write_staff_file(std::FILE* out, data_set& data, const system_locale& locale);
