#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <random>
#include <vector>

#include "records/item_index.h"
#include "records/item_order.h"
#include "records/record_store.h"

namespace {

qor_staff_job* add_job(record_vector<qor_staff_job>& jobs, std::int32_t id, std::int32_t owner,
                       int rating = 0) {
  auto job = std::make_unique<qor_staff_job>();
  job->StaffJobID = id;
  job->StaffJobStaff = owner;
  job->StaffJobRating = static_cast<std::int8_t>(rating);
  jobs.push_back(std::move(job));
  return jobs.back().get();
}

// What a walk through the vector finds: the owner's positions, rising.
std::vector<std::uint32_t> walked(const record_vector<qor_staff_job>& jobs, std::int32_t owner) {
  std::vector<std::uint32_t> positions;
  for (std::uint32_t i = 0; i < jobs.size(); ++i) {
    if (jobs[i] && jobs[i]->StaffJobStaff == owner)
      positions.push_back(i);
  }
  return positions;
}

std::vector<std::uint32_t> indexed(owner_positions& index, const record_vector<qor_staff_job>& jobs,
                                   std::int32_t owner) {
  const auto found = index.of(jobs, owner);
  return {found.begin(), found.end()};
}

TEST(owner_positions, lists_each_owners_items_in_vector_order) {
  record_vector<qor_staff_job> jobs;
  add_job(jobs, 1, 7);
  add_job(jobs, 2, 3);
  jobs.push_back(nullptr);
  add_job(jobs, 3, 7);
  add_job(jobs, 4, -2);
  owner_positions index;
  EXPECT_EQ(indexed(index, jobs, 7), (std::vector<std::uint32_t>{0, 3}));
  EXPECT_EQ(indexed(index, jobs, 3), (std::vector<std::uint32_t>{1}));
  EXPECT_EQ(indexed(index, jobs, -2), (std::vector<std::uint32_t>{4}));
  EXPECT_TRUE(indexed(index, jobs, 5).empty());
}

// Keys as a file may hold them, owners or ids: grouped and rising, grouped with a stray, spread
// over the whole range of ids with repeats, all alike; each look-up finds what a walk finds.
TEST(item_indexes, order_any_keys_as_a_walk_finds_them) {
  constexpr std::int32_t lowest = std::numeric_limits<std::int32_t>::min();
  constexpr std::int32_t highest = std::numeric_limits<std::int32_t>::max();
  const std::vector<std::vector<std::int32_t>> files = {
      {1, 1, 2, 5, 5, 5, 9},
      {11677, 11677, 11693, 5011732, 11693, 11702, 11702},
      {highest, 0, lowest, -1, highest, 70000, lowest, 3, 65536, 256, 0},
      {4, 4, 4, 4},
      {},
  };
  for (const std::vector<std::int32_t>& owners : files) {
    record_vector<qor_staff_job> jobs;
    std::int32_t id = 1;
    for (const std::int32_t owner : owners) {
      add_job(jobs, id++, owner);
      if (id % 3 == 0)
        jobs.push_back(nullptr);
    }
    owner_positions index;
    for (const std::int32_t owner : owners)
      ASSERT_EQ(indexed(index, jobs, owner), walked(jobs, owner)) << "owner " << owner;
    EXPECT_TRUE(indexed(index, jobs, 12345).empty());

    // The same numbers as the ids of originals: the first record of each.
    record_vector<qor_staff_job> originals;
    for (std::size_t i = 0; i < owners.size(); ++i)
      add_job(originals, owners[i], 1, static_cast<int>(i));
    id_positions ids;
    for (const std::int32_t id : owners) {
      const auto first = std::find_if(originals.begin(), originals.end(),
                                      [id](const auto& job) { return job->StaffJobID == id; });
      ASSERT_EQ(ids.first_with(originals, id), first->get()) << "id " << id;
    }
    EXPECT_EQ(ids.first_with(originals, 12345), nullptr);
  }
}

// Appends and erases the index is told of, and changes it is not told of: each look-up finds
// what a walk through the vector finds.
TEST(owner_positions, follows_every_change_told_or_not) {
  std::mt19937 random(11);
  record_vector<qor_staff_job> jobs;
  for (int id = 1; id <= 40; ++id)
    add_job(jobs, id, static_cast<std::int32_t>(random() % 6));
  owner_positions index;
  int next_id = 100;
  for (int step = 0; step < 400; ++step) {
    const auto owner = static_cast<std::int32_t>(random() % 6);
    switch (random() % 6) {
      case 0:
      case 1:
        add_job(jobs, next_id++, owner);
        index.appended(jobs);
        break;
      case 2:
        if (!jobs.empty()) {
          const auto at = static_cast<std::uint32_t>(random() % jobs.size());
          if (jobs[at]) {
            const std::int32_t erased_owner = jobs[at]->StaffJobStaff;
            jobs.erase(jobs.begin() + at);
            index.erased(jobs, at, erased_owner);
          }
        }
        break;
      case 3:  // behind its back: an item appended
        add_job(jobs, next_id++, owner);
        break;
      case 4:  // behind its back: two items change places
        if (jobs.size() > 1)
          std::swap(jobs[random() % jobs.size()], jobs[random() % jobs.size()]);
        break;
      default: {  // behind its back: the vector replaced by another of the same size
        record_vector<qor_staff_job> copy;
        for (const auto& job : jobs)
          copy.push_back(job ? std::make_unique<qor_staff_job>(*job) : nullptr);
        jobs = std::move(copy);
        break;
      }
    }
    for (std::int32_t asked = 0; asked < 6; ++asked)
      ASSERT_EQ(indexed(index, jobs, asked), walked(jobs, asked)) << "step " << step;
  }
}

TEST(id_positions, finds_the_first_record_of_an_id_after_any_change) {
  record_vector<qor_staff_job> originals;
  add_job(originals, 5, 1, 1);
  add_job(originals, 9, 1, 2);
  originals.push_back(nullptr);
  add_job(originals, 5, 2, 3);
  id_positions index;
  EXPECT_EQ(index.first_with(originals, 5), originals[0].get());
  EXPECT_EQ(index.first_with(originals, 9), originals[1].get());
  EXPECT_EQ(index.first_with(originals, 6), nullptr);

  std::reverse(originals.begin(), originals.end());
  EXPECT_EQ(index.first_with(originals, 5)->StaffJobRating, 3);
  EXPECT_EQ(index.first_with(originals, 9)->StaffJobRating, 2);
  // Emptied and filled again to the same size, in the same storage.
  originals.clear();
  for (const std::int32_t id : {6, 7, 8, 9})
    add_job(originals, id, 1);
  EXPECT_EQ(index.first_with(originals, 5), nullptr);
  EXPECT_EQ(index.first_with(originals, 6), originals[0].get());
  EXPECT_EQ(index.first_with(originals, 9), originals[3].get());
}

// By rating only, so that many items tie and only their order before decides.
constexpr auto by_rating = [](const qor_staff_job& job) { return int{job.StaffJobRating}; };

std::vector<const qor_staff_job*> order_of(const record_vector<qor_staff_job>& jobs) {
  std::vector<const qor_staff_job*> order;
  for (const auto& job : jobs)
    order.push_back(job.get());
  return order;
}

// What sorting the whole vector gives: ratings rising, ties in their order, nulls last.
std::vector<const qor_staff_job*> stable_sorted(const record_vector<qor_staff_job>& jobs) {
  std::vector<const qor_staff_job*> order = order_of(jobs);
  std::stable_sort(order.begin(), order.end(), [](const qor_staff_job* a, const qor_staff_job* b) {
    return a != nullptr && (b == nullptr || a->StaffJobRating < b->StaffJobRating);
  });
  return order;
}

// The editor's life between two shows: the owner on screen gets items edited, added and
// deleted; any item may go; now and then something changes that the index is not told of. After
// every show the vector stands as a sort of the whole vector would leave it.
TEST(keep_in_order, leaves_the_vector_as_a_stable_sort_of_the_whole_would) {
  std::mt19937 random(5);
  record_vector<qor_staff_job> jobs;
  for (int id = 1; id <= 60; ++id)
    add_job(jobs, id, static_cast<std::int32_t>(random() % 8), static_cast<int>(random() % 5));
  owner_positions index;
  std::int32_t shown = 0;
  int next_id = 100;
  for (int step = 0; step < 500; ++step) {
    switch (random() % 8) {
      case 0:
      case 1:
      case 2:
        for (const std::uint32_t at : index.of(jobs, shown)) {
          if (random() % 2 == 0)
            jobs[at]->StaffJobRating = static_cast<std::int8_t>(random() % 5);
        }
        break;
      case 3:
        add_job(jobs, next_id++, shown, static_cast<int>(random() % 5));
        index.appended(jobs);
        break;
      case 4:
        if (!jobs.empty()) {
          const auto at = static_cast<std::uint32_t>(random() % jobs.size());
          if (jobs[at]) {
            const std::int32_t owner = jobs[at]->StaffJobStaff;
            jobs.erase(jobs.begin() + at);
            index.erased(jobs, at, owner);
          }
        }
        break;
      case 5:
        if (random() % 4 == 0)
          jobs.push_back(nullptr);  // not told
        break;
      default:
        break;
    }
    const std::vector<const qor_staff_job*> expected = stable_sorted(jobs);
    shown = static_cast<std::int32_t>(random() % 8);
    keep_in_order(jobs, index, by_rating, shown);
    ASSERT_EQ(order_of(jobs), expected) << "step " << step;
    // The index follows the sort, so the look-ups of the record shown next need no new read.
    ASSERT_TRUE(index.holds(jobs)) << "step " << step;
    for (std::int32_t owner = 0; owner < 8; ++owner)
      ASSERT_EQ(indexed(index, jobs, owner), walked(jobs, owner)) << "step " << step;
  }
}

TEST(keep_in_order, sorts_the_whole_vector_once_and_then_only_looks_at_the_watched_items) {
  record_vector<qor_staff_job> jobs;
  for (int id = 1; id <= 10000; ++id)
    add_job(jobs, id, id % 1000)->StaffJobJob = 10000 - id;
  owner_positions index;
  int reads = 0;
  const auto counting = [&reads](const qor_staff_job& job) {
    ++reads;
    return job.StaffJobJob;
  };
  // A debug build reads every key twice more to check the order after each sort.
  const auto checking_reads = [&jobs] {
    return order_checked_after_sorting ? 2 * static_cast<int>(jobs.size()) : 0;
  };
  keep_in_order(jobs, index, counting, 7);
  EXPECT_GE(reads, 10000) << "the first call sorts the whole vector";
  reads = 0;
  keep_in_order(jobs, index, counting, 8);
  EXPECT_LE(reads, 4 * 10 + checking_reads()) << "only the neighbours of owner 7's ten items";
  EXPECT_EQ(index.watched_owners(), std::vector<std::int32_t>{8});

  // An item added to a full vector moves its storage; the index, told of it, still knows the
  // order and places the new item (after the item of its key that was there first) without
  // sorting the whole vector.
  jobs.shrink_to_fit();
  add_job(jobs, 50000, 8)->StaffJobJob = 5000;
  index.appended(jobs);
  reads = 0;
  keep_in_order(jobs, index, counting, 9);
  EXPECT_LT(reads, 1000 + checking_reads()) << "owner 8's eleven items placed among the others";
  EXPECT_EQ(jobs[5000]->StaffJobID, 5000);
  EXPECT_EQ(jobs[5001]->StaffJobID, 50000);
}

// Dates read in another order sort differently, so an order kept under one is no order under
// another.
TEST(keep_in_order, sorts_the_whole_vector_again_under_another_date_order) {
  record_vector<qor_staff_job> jobs;
  for (int id = 1; id <= 1000; ++id)
    add_job(jobs, id, id % 100)->StaffJobJob = 1000 - id;
  owner_positions index;
  int reads = 0;
  const auto counting = [&reads](const qor_staff_job& job) {
    ++reads;
    return job.StaffJobJob;
  };
  keep_in_order(jobs, index, counting, 7, "dd_mm_yyyy");
  reads = 0;
  keep_in_order(jobs, index, counting, 7, "mm_dd_yyyy");
  EXPECT_GE(reads, 1000);
  EXPECT_TRUE(index.kept_in_order("mm_dd_yyyy"));
  EXPECT_FALSE(index.kept_in_order("dd_mm_yyyy"));
}

// Only a vector kept in order needs to know whose items were added since; a kind whose list
// never sorts would gather an owner for every item added.
TEST(keep_in_order, watches_the_owners_of_added_items_only_in_a_vector_kept_in_order) {
  record_vector<qor_staff_job> jobs;
  add_job(jobs, 1, 5);
  owner_positions index;
  index.read(jobs);
  for (const std::int32_t owner : {5, 6, 7}) {
    add_job(jobs, 10 + owner, owner);
    index.appended(jobs);
  }
  EXPECT_TRUE(index.watched_owners().empty());

  keep_in_order(
      jobs, index, [](const qor_staff_job& job) { return job.StaffJobID; }, 5);
  for (const std::int32_t owner : {6, 6, 7}) {
    add_job(jobs, 20 + owner, owner);
    index.appended(jobs);
  }
  EXPECT_EQ(index.watched_owners(), (std::vector<std::int32_t>{5, 6, 7}));
}

}  // namespace
