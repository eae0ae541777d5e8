#pragma once

#include <filesystem>

// The folder of the executable: lookup lists, weightings and pictures live beside it, and the
// backups of saved files go below it. Set once at start-up; tests point it at a fixture folder.
void set_program_folder(const std::filesystem::path& folder);
const std::filesystem::path& program_folder();
std::filesystem::path data_folder();  // program_folder() / "data"
