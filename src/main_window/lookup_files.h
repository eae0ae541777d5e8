#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "main_window/fixed_choice_lists.h"

class form_controls;

// The lines of a text file as a string list loads them: split at CR LF, LF or CR, no empty
// line after a final line break, bytes unchanged (Windows-1252). Nothing when it cannot be read.
std::optional<std::vector<std::string>> read_text_lines(const std::filesystem::path& path);

// Loads the 24 lookup files of data_folder() in their fixed order into the global lookup lists
// and the drop-down lists they feed (one shared model per file), then adds the built-in items
// that follow some files. Each missing file is reported in an error dialog and leaves its lists
// empty; the paths of the missing files are returned in that order.
std::vector<std::filesystem::path> load_lookup_files(const combo_finder& find_combo,
                                                     form_controls& controls);
