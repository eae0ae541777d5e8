#pragma once

#include <sys/mman.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>

// The reader takes a path, so every input of a fuzz target goes through one file of the process.
// It lives in memory and has no name in any folder, so no run leaves it behind, not even one
// that a crash, a timeout or an interrupt ends.
inline const std::string& fuzz_file_path() {
  static const std::string path = [] {
    const int descriptor = ::memfd_create("fuzz_staff", MFD_CLOEXEC);
    if (descriptor < 0) {
      std::abort();
    }
    return "/proc/self/fd/" + std::to_string(descriptor);
  }();
  return path;
}

// Replaces the file's content by the bytes.
inline void write_fuzz_file(const void* bytes, std::size_t size) {
  std::FILE* file = std::fopen(fuzz_file_path().c_str(), "wb");
  if (file == nullptr || std::fwrite(bytes, 1, size, file) != size || std::fclose(file) != 0) {
    std::abort();
  }
}
