#include "bench_files.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "staff_file_generator.h"

namespace {

constexpr int items_per_staff = 40;

class bench_folder {
 public:
  bench_folder()
      : path_(std::filesystem::temp_directory_path() /
              ("generated_staff_" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(path_);
  }
  ~bench_folder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

const std::filesystem::path& folder() {
  static const bench_folder folder;
  return folder.path();
}

}  // namespace

const std::filesystem::path& generated_file(int staff_count) {
  static std::map<int, std::filesystem::path> files;
  auto found = files.find(staff_count);
  if (found == files.end()) {
    const std::filesystem::path path = folder() / (std::to_string(staff_count) + ".staff");
    staff_file_options options;
    options.seed = static_cast<std::uint64_t>(staff_count);
    options.staff_count = staff_count;
    options.items_per_staff = items_per_staff;
    options.variations = false;  // the writer's own form, as a saved file has it
    if (!write_generated_staff_file(path, options)) {
      std::abort();
    }
    found = files.emplace(staff_count, path).first;
  }
  return found->second;
}

std::filesystem::path scratch_file(const std::string& name) {
  return folder() / name;
}

std::string read_bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}
