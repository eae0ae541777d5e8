#include "records_test_support.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>

#include "records/item_vectors.h"
#include "records/record_layout.h"
#include "records/staff_reader.h"
#include "staff_file_generator.h"

namespace {

std::string data_line(std::size_t columns, const std::vector<std::pair<int, std::string>>& values) {
  std::vector<std::string> fields(columns);
  for (const auto& [column, value] : values) {
    fields.at(column - 1) = value;
  }
  std::string line;
  for (const std::string& field : fields) {
    line += (line.empty() ? "\"" : ";\"") + field + "\"";
  }
  return line;
}

}  // namespace

void recording_observer::show_warning(std::string_view text) {
  calls.push_back("warning " + std::string(text));
}
void recording_observer::apply_date_format_to_masks(std::string_view order) {
  calls.push_back("masks " + std::string(order));
}
void recording_observer::show_loading_view(const std::string& path) {
  calls.push_back("show " + path);
}
void recording_observer::set_progress_maximum(int maximum) {
  progress_maximum = maximum;
  calls.push_back("maximum " + std::to_string(maximum));
}
void recording_observer::step_progress() {
  calls.push_back("step");
}
void recording_observer::hide_loading_view() {
  calls.push_back("hide");
}

scratch_folder::scratch_folder() {
  std::random_device random;
  path_ = std::filesystem::temp_directory_path() /
          ("records_test_" + std::to_string(random()) + std::to_string(random()));
  std::filesystem::create_directories(path_);
}

scratch_folder::~scratch_folder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path fixture_path(const std::string& name) {
  return std::filesystem::path(TEST_FIXTURES_DIR) / name;
}

std::vector<std::string> files_in(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::ranges::sort(names);
  return names;
}

std::string read_text_file(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void write_text_file(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::string staff_line(const std::vector<std::pair<int, std::string>>& values) {
  return data_line(staff_layout().columns.size(), values);
}

std::string item_line(int kind_index, const std::vector<std::pair<int, std::string>>& values) {
  return data_line(item_layout(static_cast<item_kind>(kind_index)).columns.size(), values);
}

std::string staff_header() {
  return staff_layout().header;
}

std::string item_header(int kind_index) {
  return item_layout(static_cast<item_kind>(kind_index)).header;
}

std::string staff_file(const std::string& body, const std::string& sample_date,
                       const std::string& decimal_line, const std::string& club) {
  return sample_date + "\n" + decimal_line + "\n" + club + "\n" + staff_header() + "\n" + body;
}

std::string many_batch_file(std::uint64_t seed) {
  staff_file_options options;
  options.seed = seed;
  options.staff_count = 150;
  options.variations = false;
  return generate_staff_file(options);
}

void insert_carriage_return_in_first_text(std::string& line, const record_layout& layout) {
  std::size_t column = 0;
  while (layout.steps.at(column).action != column_action::text) {
    ++column;
  }
  std::size_t opening = line.find('"');
  for (std::size_t quote = 0; quote < 2 * column; ++quote) {
    opening = line.find('"', opening + 1);
  }
  line.insert(opening + 1, "\r");
}

bool load_file(const std::filesystem::path& path, data_set& data, const system_locale& locale) {
  silent_load_observer observer;
  return load_data(path.string(), data, {locale, observer});
}

bool passes_without_privileges(const std::function<bool()>& check) {
  if (::geteuid() != 0) {
    return check();
  }
  const pid_t child = ::fork();
  if (child == 0) {
    const bool dropped = ::setgid(65534) == 0 && ::setuid(65534) == 0;
    ::_exit(dropped && check() ? 0 : 1);
  }
  int status = 0;
  return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
         WEXITSTATUS(status) == 0;
}
