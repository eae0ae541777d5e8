#pragma once

#include <gtest/gtest.h>
#include <QString>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "main_window/main_window.h"
#include "records/record_store.h"
#include "window_test_support.h"

class QLineEdit;

// A path of the test fixtures, and of the example club file shipped with the program.
std::filesystem::path fixture_file(std::string_view name);
std::filesystem::path example_club_file();

std::string read_file_bytes(const std::filesystem::path& path);
void write_file_bytes(const std::filesystem::path& path, std::string_view bytes);

// Reads a .staff file into a data set of its own under the program's locale, as a later run of
// the program would; false when it cannot be read.
bool reload_file(const std::filesystem::path& path, data_set& data);

// The record of that id in the vector; null when none.
const qor_staff* find_staff(const record_vector<qor_staff>& staff, std::int32_t id);

// Whole-record copies of every current and original staff record, to compare a later state with.
struct staff_snapshot {
  std::vector<qor_staff> current;
  std::vector<qor_staff> originals;
};
staff_snapshot take_staff_snapshot(const record_store& records);
bool same_record(const qor_staff& a, const qor_staff& b);

// The main window, shown and active, under the window test environment, with a copy of the
// program folder (so backups go to a temporary folder) and a temporary folder for staff files.
class file_menu_test : public testing::Test {
 protected:
  file_menu_test();

  // A copy of a file in the temporary folder, under the name given.
  std::filesystem::path copy_to_folder(const std::filesystem::path& source,
                                       std::string_view name = "Team.staff");
  // The data written to a file in the temporary folder as the program saves it, read back and
  // written again, so that the file holds what the program itself would write.
  std::filesystem::path write_as_saved(data_set& data, std::string_view name);
  // Empty.staff in the temporary folder: the three leading lines and the staff header of
  // every_section.staff, with no staff line after them.
  std::filesystem::path write_file_without_staff();
  QString qt_path(const std::filesystem::path& path) const;
  // File > Open with the file dialog answering `path`; answers for questions before it are
  // queued by the caller.
  void open_through_menu(const std::filesystem::path& path);
  // Chooses the entry of the record of that id in the staff list, as a click would.
  void select_staff(std::int32_t id);
  // Clicks the staff list's entry with the mouse: the focus moves to the list first.
  void click_staff_entry(int index);
  // Gives a control of the record pages the focus as a click would, its page brought forward.
  void focus_on(const char* name);
  QLineEdit* edit(const char* name);
  int list_entry_of(const qor_staff* staff) const;
  std::vector<QString> list_texts() const;
  std::vector<std::filesystem::path> backups() const;

  window_test_environment environment;
  copied_program_folder program;
  temporary_folder folder;
  Tfrm_main window;
};
