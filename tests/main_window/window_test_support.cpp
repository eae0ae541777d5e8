#include "window_test_support.h"

#include <unistd.h>
#include <QLocale>
#include <atomic>

#include "analysis/error_check_flags.h"
#include "platform/qt_system_locale.h"
#include "record_form/editor_state.h"
#include "records/lookup_lists.h"
#include "records/program_paths.h"
#include "records/record_store.h"

namespace fs = std::filesystem;

namespace {

void reset_program_state() {
  // Tests of other behaviour switch records freely; those of the leave checks switch them on.
  error_checks() = {false, false, false, false, false, false};
  lookups() = lookup_lists{};
  editor() = editor_state{};
  current_data() = data_set{};
  set_program_folder(source_folder());
}

}  // namespace

fs::path source_folder() {
  return fs::path(STAFF_EDITOR_SOURCE_DIR);
}

temporary_folder::temporary_folder() {
  static std::atomic<int> counter = 0;
  path_ = fs::temp_directory_path() /
          ("main_window_tests_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
  fs::remove_all(path_);
  fs::create_directories(path_);
}

temporary_folder::~temporary_folder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

window_test_environment::window_test_environment()
    : locale_(std::make_shared<qt_system_locale>(QLocale(QLocale::English, QLocale::UnitedKingdom)),
              std::make_shared<fixed_clock>(date_time{2013, 5, 17, 9, 30, 15})) {
  reset_program_state();
}

window_test_environment::~window_test_environment() {
  reset_program_state();
}

copied_program_folder::copied_program_folder() {
  fs::copy(source_folder() / "data", data(), fs::copy_options::recursive);
  fs::copy(source_folder() / "img", folder_.path() / "img", fs::copy_options::recursive);
  set_program_folder(folder_.path());
}

copied_program_folder::~copied_program_folder() {
  set_program_folder(source_folder());
}
