#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "fake_locale.h"
#include "records/load_observer.h"
#include "records/record_layout.h"
#include "records/record_store.h"
#include "records/system_locale.h"
#include "same_records.h"

// Shared stand-ins for the engine tests of the records folder.

class fixed_clock : public system_clock_source {
 public:
  explicit fixed_clock(date_time moment) : moment_(moment) {}
  date_time now() const override { return moment_; }

 private:
  date_time moment_;
};

// Writes down every call, one text per call.
class recording_observer : public load_observer {
 public:
  std::vector<std::string> calls;
  int progress_maximum = -1;

  void show_warning(std::string_view text) override;
  void apply_date_format_to_masks(std::string_view order) override;
  void show_loading_view(const std::string& path) override;
  void set_progress_maximum(int maximum) override;
  void step_progress() override;
  void hide_loading_view() override;
};

// A folder of its own below the system's temporary folder, removed with the object.
class scratch_folder {
 public:
  scratch_folder();
  ~scratch_folder();
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

std::filesystem::path fixture_path(const std::string& name);
// The names in a folder, sorted.
std::vector<std::string> files_in(const std::filesystem::path& folder);
std::string read_text_file(const std::filesystem::path& path);
void write_text_file(const std::filesystem::path& path, const std::string& text);

// A staff line whose every column is empty except those given as (column, value).
std::string staff_line(const std::vector<std::pair<int, std::string>>& values);
// The same for an item section of the kind.
std::string item_line(int kind_index, const std::vector<std::pair<int, std::string>>& values);
// The header lines the writer writes.
std::string staff_header();
std::string item_header(int kind_index);

// A current-layout file: sample date, decimal line, club id, staff header, then `body`.
std::string staff_file(const std::string& body, const std::string& sample_date = "31/12/1999",
                       const std::string& decimal_line = "8.88", const std::string& club = "1234");

// Runs `check` as a user without special rights, so that folder and file permissions apply even
// when the tests run as the super-user; true when it returned true.
bool passes_without_privileges(const std::function<bool()>& check);

// A generated file in the writer's own forms, of 150 staff: many times the lines a load reads
// in one batch.
std::string many_batch_file(std::uint64_t seed);

// Puts a carriage return at the start of the line's first text column, where the reader turns
// it into a blank and counts it.
void insert_carriage_return_in_first_text(std::string& line, const record_layout& layout);

// Loads with a silent observer; the locale defaults to day-first with '/'.
bool load_file(const std::filesystem::path& path, data_set& data,
               const system_locale& locale = fake_locale());
