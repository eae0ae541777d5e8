#include <array>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "position_weightings.h"
#include "records/last_error.h"
#include "records/program_paths.h"
#include "records/quoted_fields.h"
#include "weighting_names.h"

namespace {

// The longest line the file format allows; the rest of a longer line is ignored.
constexpr std::size_t max_line_length = 9999;

void report_unrecognised(const weighting_error_reporter& report, std::string_view what,
                         std::string_view text) {
  if (report) {
    report("Could not recognise " + std::string(what) + " '" + std::string(text) + "'");
  }
}

bool is_skipped_line(std::string_view line) {
  return line.empty() || line.front() == '#' || line.front() == ' ';
}

// A weighting line holds four quoted fields: a label, the position code, the attribute name and
// the weight. A line without all four is no weighting line and is passed over.
void read_weighting_line(POSITION_WEIGHTINGS& table, std::string_view line,
                         const weighting_error_reporter& report) {
  std::array<std::string_view, 4> fields;
  std::size_t position = 0;
  for (auto& field : fields) {
    if (!next_quoted_field(line, position, field)) {
      return;
    }
  }
  const long long weight = parse_leading_integer(fields[3]);
  set_weighting_from_names(table, fields[1], fields[2], static_cast<int>(weight & 0xFF), report);
}

}  // namespace

void set_weighting_from_names(POSITION_WEIGHTINGS& table, std::string_view position_code,
                              std::string_view attribute_name, int weight,
                              const weighting_error_reporter& report) {
  const int index = weighting_attribute_index(attribute_name);
  if (index < 0) {
    report_unrecognised(report, "attribute", attribute_name);
    return;
  }
  const weighting_position_code* code = find_weighting_position_code(position_code);
  if (code == nullptr) {
    report_unrecognised(report, "position", position_code);
    return;
  }
  table.set_weighting(code->first_position, index, weight);
  if (code->second_position >= 0) {
    table.set_weighting(code->second_position, index, weight);
  }
}

bool load_weightings(POSITION_WEIGHTINGS& table, const weighting_error_reporter& report) {
  const std::filesystem::path path = data_folder() / "weightings.edt";
  std::error_code error;
  if (!std::filesystem::exists(path, error)) {
    set_last_error("load_weightings - missing " + path.string());
    return false;
  }
  // A folder of that name opens without complaint here but yields no lines.
  std::ifstream file;
  if (std::filesystem::is_regular_file(path, error)) {
    file.open(path, std::ios::binary);
  }
  if (!file.is_open()) {
    set_last_error("load_weightings failed to open file " + path.string());
    return false;
  }
  std::string line;
  while (std::getline(file, line)) {
    if (line.size() > max_line_length) {
      line.resize(max_line_length);
    }
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    if (!is_skipped_line(line)) {
      read_weighting_line(table, line, report);
    }
  }
  if (file.bad()) {
    set_last_error("load_weightings failed to open file " + path.string());
    return false;
  }
  return true;
}

bool load_weightings(const weighting_error_reporter& report) {
  return load_weightings(weightings(), report);
}

std::optional<std::string> reload_weightings(const weighting_error_reporter& report) {
  POSITION_WEIGHTINGS fresh;  // constructed with every weight reset to 0
  if (!load_weightings(fresh, report)) {
    return get_last_error();
  }
  weightings() = fresh;
  return std::nullopt;
}
