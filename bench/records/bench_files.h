#pragma once

#include <filesystem>
#include <string>

// The generated .staff files the benchmarks read, one per staff count, made on first use in a
// temporary folder that is removed when the program ends.
const std::filesystem::path& generated_file(int staff_count);

// A path in the same folder for the benchmarks to write to.
std::filesystem::path scratch_file(const std::string& name);

std::string read_bytes(const std::filesystem::path& path);
