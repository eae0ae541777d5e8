#pragma once

#include <cstddef>

// Counts the bytes the program holds through operator new while a measurement runs, so the
// peak memory of one load can be told apart from what was allocated before it.
class heap_measurement {
 public:
  heap_measurement();   // starts counting from zero
  ~heap_measurement();  // stops counting

  // Highest number of bytes held at once, beyond those held at the start.
  std::size_t peak_bytes() const;
};
