#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <utility>

#include "records/field_descriptor.h"
#include "staff_file_generator.h"

// The random choices behind the generated .staff files.

class random_source {
 public:
  explicit random_source(std::uint64_t seed) : engine_(seed) {}

  // A whole number in [low, high]; the modulo keeps the sequence the same on every platform.
  long long between(long long low, long long high) {
    return low + static_cast<long long>(engine_() % static_cast<std::uint64_t>(high - low + 1));
  }
  bool chance(int percent) { return between(1, 100) <= percent; }
  template <class Range>
  auto& pick(Range& range) {
    return range[static_cast<std::size_t>(between(0, std::ssize(range) - 1))];
  }
  template <class Range>
  void shuffle(Range& range) {
    for (auto i = std::ssize(range) - 1; i > 0; --i) {
      std::swap(range[i], range[between(0, i)]);
    }
  }

 private:
  std::mt19937_64 engine_;
};

// The text of one column for a field of the column tables: integers within the field's width,
// Windows-1252 texts within its capacity, dates in the file's order, amounts with two decimals.
class value_maker {
 public:
  value_maker(random_source& random, const staff_file_options& options)
      : random_(random), options_(options) {}

  std::string value_for(const field_descriptor& field);

 private:
  std::string integer_text(int size, int room);
  std::string text(int capacity);
  std::string boolean(bool normalised);
  std::string date(bool with_time);
  std::string amount();

  random_source& random_;
  const staff_file_options& options_;
};

// 31 December 1999 in the order with the separator: the file's sample-date line.
std::string sample_date_text(const std::string& order, char separator);
