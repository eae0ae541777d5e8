#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <random>
#include <vector>

#include "records/record_store.h"

namespace {

void add_jobs(record_vector<qor_staff_job>& jobs, const std::vector<std::int32_t>& ids) {
  for (const std::int32_t id : ids) {
    jobs.push_back(std::make_unique<qor_staff_job>());
    std::memcpy(static_cast<void*>(jobs.back().get()), &id, sizeof id);
  }
}

// The rule written out plainly: one above the highest current id that no original holds.
std::int32_t expected_first_id(const std::vector<std::int32_t>& current,
                               const std::vector<std::int32_t>& original) {
  std::int32_t highest = -1;
  for (const std::int32_t id : current) {
    if (id > highest && std::ranges::find(original, id) == original.end()) {
      highest = id;
    }
  }
  highest = highest == -1 ? 50000 : highest;
  return (highest > 60000 ? 55000 : highest) + 1;
}

void expect_rule(const std::vector<std::int32_t>& current,
                 const std::vector<std::int32_t>& original) {
  record_store records;
  add_jobs(records.staff_job_list, current);
  add_jobs(records.staff_job_orig_list, original);
  EXPECT_EQ(first_temporary_id(records), expected_first_id(current, original));
}

// Originals lying close together and far apart are looked up in different ways; ids below,
// between and above them, and at the ends of the integer range, must all be told apart.
TEST(FirstTemporaryId, FollowsTheRuleForCloseAndScatteredOriginalIds) {
  expect_rule({5, 9, 12}, {9, 12, 13});
  expect_rule({5, 9, 12}, {5, 9, 12});
  expect_rule({4, 14, 3000}, {5, 9, 12});
  expect_rule({INT_MIN, -1, INT_MAX}, {INT_MIN, INT_MAX});
  expect_rule({7, 40000, 49999}, {INT_MIN, 7, INT_MAX});
  expect_rule({1, 2, 3}, {3, 3, 2});
  std::mt19937 random(5);
  for (const std::int32_t spread : {100, 100000, INT_MAX}) {
    std::uniform_int_distribution<std::int32_t> id(0, spread);
    for (int round = 0; round < 20; ++round) {
      std::vector<std::int32_t> current(50), original(40);
      std::ranges::generate(current, [&] { return id(random) % 60000; });
      std::ranges::generate(original, [&] { return id(random); });
      // Most originals match a current record, as in a loaded file.
      std::copy_n(current.begin(), 30, original.begin());
      expect_rule(current, original);
    }
  }
}

}  // namespace
