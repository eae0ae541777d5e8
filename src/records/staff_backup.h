#pragma once

#include <filesystem>
#include <string>

#include "system_locale.h"

// The backup taken of the last loaded or saved file before each save: a copy in the folder
// "backup staff files" below the program's folder, named after the file with the moment of the
// save, such as Team_31_12_2012_14_05_09.staff.

// The name: the file's name without its extension, '_', the date and time as the locale formats
// them with every '/', ':' and blank turned into '_', and ".staff".
std::string backup_file_name(const std::filesystem::path& source, const system_locale& locale,
                             const date_time& moment);

std::filesystem::path backup_folder();

// Copies `source` into the backup folder, creating the folder when missing; a copy of the same
// name is replaced. Returns an empty text on success, else a warning for the user.
std::string backup_staff_file(const std::filesystem::path& source, const system_locale& locale,
                              const system_clock_source& clock);
