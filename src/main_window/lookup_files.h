#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "main_window/fixed_choice_lists.h"
#include "records/lookup_lists.h"

class form_controls;

using lookup_member = std::vector<std::string> lookup_lists::*;

// Built-in items that a drop-down list gets after a lookup file has been read.
struct fixed_items {
  const char* combo;
  std::span<const char* const> texts;
};

// One lookup file of the data folder and what it fills.
struct lookup_file {
  const char* file_name;
  lookup_member list;  // the global list that keeps the file's lines
  const char* model;   // shared model of the drop-down lists the file feeds
  std::span<const char* const> combos;
  std::span<const fixed_items> then_add;  // built-in items added whether or not the file exists
};

// The 24 lookup files, in the order they are loaded (and reported when missing).
std::span<const lookup_file> lookup_files();

// The lines of a text file as a string list loads them: split at CR LF, LF or CR, no empty
// line after a final line break, bytes unchanged (Windows-1252). Nothing when it cannot be read.
std::optional<std::vector<std::string>> read_text_lines(const std::filesystem::path& path);

// Loads the 24 lookup files of data_folder() in their fixed order into the global lookup lists
// and the drop-down lists they feed (one shared model per file), then adds the built-in items
// that follow some files. Each missing file is reported in an error dialog and leaves its lists
// empty; the paths of the missing files are returned in that order.
std::vector<std::filesystem::path> load_lookup_files(const combo_finder& find_combo,
                                                     form_controls& controls);
