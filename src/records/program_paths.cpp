#include "program_paths.h"

namespace {
std::filesystem::path folder = std::filesystem::current_path();
}

void set_program_folder(const std::filesystem::path& new_folder) {
  folder = new_folder;
}

const std::filesystem::path& program_folder() {
  return folder;
}

std::filesystem::path data_folder() {
  return folder / "data";
}
