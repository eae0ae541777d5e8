#include "staff_backup.h"

#include <algorithm>

#include "program_paths.h"

std::string backup_file_name(const std::filesystem::path& source, const system_locale& locale,
                             const date_time& moment) {
  std::string stamp = locale.format_date_time(moment);
  std::ranges::replace_if(
      stamp, [](char c) { return c == '/' || c == ':' || c == ' '; }, '_');
  return source.stem().string() + "_" + stamp + ".staff";
}

std::filesystem::path backup_folder() {
  return program_folder() / "backup staff files";
}

std::string backup_staff_file(const std::filesystem::path& source, const system_locale& locale,
                              const system_clock_source& clock) {
  const std::filesystem::path folder = backup_folder();
  const std::filesystem::path target = folder / backup_file_name(source, locale, clock.now());
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (!error) {
    std::filesystem::copy_file(source, target, std::filesystem::copy_options::overwrite_existing,
                               error);
  }
  if (error) {
    return "No backup copy of " + source.string() + " could be made in " + folder.string() + ": " +
           error.message();
  }
  return {};
}
