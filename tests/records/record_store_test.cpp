#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <optional>

#include "records/last_error.h"
#include "records/record_store.h"

namespace {

template <class Record>
Record* add(record_vector<Record>& records, std::int32_t id) {
  records.push_back(std::make_unique<Record>());
  std::memcpy(static_cast<void*>(records.back().get()), &id, sizeof id);
  return records.back().get();
}

TEST(DeleteRecords, DeleteAllSkipsNullEntriesAndEmptiesTheVector) {
  record_vector<qor_staff_job> jobs;
  add(jobs, 1);
  jobs.push_back(nullptr);
  add(jobs, 2);
  delete_all_records(jobs);
  EXPECT_TRUE(jobs.empty());
}

TEST(DeleteRecords, DeleteByIdRemovesOnlyTheFirstMatch) {
  record_vector<qor_staff_job> jobs;
  jobs.push_back(nullptr);
  add(jobs, 4)->StaffJobRating = 1;
  add(jobs, 4)->StaffJobRating = 2;
  add(jobs, 5);
  delete_record_by_id(jobs, 4);
  ASSERT_EQ(jobs.size(), 3u);
  EXPECT_EQ(jobs[1]->StaffJobRating, 2);
  delete_record_by_id(jobs, 99);  // no such id: nothing happens
  EXPECT_EQ(jobs.size(), 3u);
}

TEST(DeleteRecords, DeleteAllOfAStoreEmptiesEveryVector) {
  record_store records;
  add(records.staff_list, 1);
  add(records.staff_long_term_career_orig_list, 2);
  delete_all_records(records);
  EXPECT_TRUE(records.staff_list.empty());
  EXPECT_TRUE(records.staff_long_term_career_orig_list.empty());
}

TEST(FirstTemporaryId, StartsAboveTheHighestRecordWithoutOriginal) {
  record_store records;
  EXPECT_EQ(first_temporary_id(records), 50001);  // nothing at all

  add(records.staff_list, 700);
  add(records.staff_orig_list, 700);
  EXPECT_EQ(first_temporary_id(records), 50001);  // every record has an original

  add(records.staff_job_list, 1234);  // below 50000 still counts
  EXPECT_EQ(first_temporary_id(records), 1235);

  add(records.staff_history_list, 50017);
  EXPECT_EQ(first_temporary_id(records), 50018);

  add(records.staff_list, 61234);  // past the range: restarts in its upper half
  EXPECT_EQ(first_temporary_id(records), 55001);
}

TEST(NextTemporaryId, HandsOutConsecutiveIdsUpTo60000) {
  record_store records;
  records.temporary_id_counter = 50001;
  EXPECT_EQ(next_temporary_id(records, staff_kind), 50001);
  EXPECT_EQ(next_temporary_id(records, staff_kind), 50002);
  EXPECT_EQ(next_temporary_id(records, item_kind::job), 50003);
  EXPECT_EQ(records.temporary_id_counter, 50004);
  records.temporary_id_counter = 60000;
  EXPECT_EQ(next_temporary_id(records, staff_kind), 60000);
  EXPECT_EQ(records.temporary_id_counter, 60001);
}

TEST(NextTemporaryId, SkipsOnlyIdsHeldInTheKindBeingAdded) {
  record_store records;
  records.temporary_id_counter = 55001;
  add(records.staff_job_orig_list, 55001);  // an exported job with that id
  add(records.staff_job_list, 55002);
  add(records.staff_list, 55003);
  add(records.staff_ppm_list, 55004);
  add(records.staff_disliked_staff_list, 55005);  // shares its record type with favourite staff
  EXPECT_EQ(next_temporary_id(records, item_kind::job), 55003);
  EXPECT_EQ(next_temporary_id(records, staff_kind), 55004);
  EXPECT_EQ(next_temporary_id(records, item_kind::ppm), 55005);
  EXPECT_EQ(next_temporary_id(records, item_kind::favourite_staff), 55006);
  EXPECT_EQ(next_temporary_id(records, item_kind::disliked_staff), 55007);

  // A counter a load started below the range skips the ids in use there too.
  record_store low;
  low.temporary_id_counter = 1234;
  add(low.staff_history_orig_list, 1234);
  add(low.staff_history_list, 1235);
  add(low.staff_history_list, 1233);   // below the counter: never handed out anyway
  add(low.staff_history_list, 70000);  // beyond the range
  EXPECT_EQ(next_temporary_id(low, item_kind::history), 1236);
  EXPECT_EQ(next_temporary_id(low, item_kind::history), 1237);
}

TEST(NextTemporaryId, PastAFullRangeHandsOutTheLowestIdAboveItThatTheKindLacks) {
  record_store records;
  records.temporary_id_counter = 60001;
  EXPECT_EQ(next_temporary_id(records, staff_kind), 50000);  // searched again from the start

  for (std::int32_t id = 50000; id <= 60000; ++id)
    add(records.staff_language_list, id);
  add(records.staff_language_orig_list, 60001);
  add(records.staff_language_list, 60003);
  add(records.staff_list, 60002);  // another kind's
  records.temporary_id_counter = 50000;
  EXPECT_EQ(next_temporary_id(records, item_kind::language), 60002);
  EXPECT_EQ(next_temporary_id(records, item_kind::language), 60004);
  EXPECT_EQ(next_temporary_id(records, item_kind::language), 60005);
  // The other kinds still take the range's ids.
  EXPECT_EQ(next_temporary_id(records, item_kind::injury), 50000);
  EXPECT_EQ(next_temporary_id(records, staff_kind), 50001);
}

// Between two adds records come and go: records are appended, a new record is deleted, vectors
// are filled again.
TEST(NextTemporaryId, FollowsTheRecordsOfItsKindBetweenAdds) {
  record_store records;
  add(records.staff_job_orig_list, 50003);
  for (std::int32_t id = 50020; id < 50025; ++id)
    add(records.staff_job_list, id);
  records.temporary_id_counter = 50001;
  EXPECT_EQ(next_temporary_id(records, item_kind::job), 50001);
  add(records.staff_job_list, 50002);  // appended without asking for an id
  add(records.staff_job_list, 50001);
  EXPECT_EQ(next_temporary_id(records, item_kind::job), 50004);  // the add was given up

  delete_record_by_id(records.staff_job_list, 50001);
  records.temporary_id_counter = 50000;
  EXPECT_EQ(next_temporary_id(records, item_kind::job), 50000);
  EXPECT_EQ(next_temporary_id(records, item_kind::job), 50001);  // free again

  // Emptied and filled to the same size in the same storage, with other ids.
  records.staff_job_list.clear();
  for (std::int32_t id = 50010; id < 50016; ++id)
    add(records.staff_job_list, id);
  records.temporary_id_counter = 50010;
  EXPECT_EQ(next_temporary_id(records, item_kind::job), 50016);
  records.staff_job_orig_list.clear();
  add(records.staff_job_orig_list, 50017);
  EXPECT_EQ(next_temporary_id(records, item_kind::job), 50018);
}

TEST(HeldIds, TheLowestFreeIdFromAnyStart) {
  constexpr std::int32_t highest = std::numeric_limits<std::int32_t>::max();
  record_vector<qor_staff_job> current;
  record_vector<qor_staff_job> original;
  for (const std::int32_t id : {-3, 7, 8, 9, 12, highest - 1, highest})
    add(current, id);
  for (const std::int32_t id : {10, 9, -2})  // out of order, one shared with the current
    add(original, id);
  held_ids held;
  held.check(current, original);
  const std::pair<std::int32_t, std::optional<std::int32_t>> cases[] = {{-3, -1},
                                                                        {0, 0},
                                                                        {7, 11},
                                                                        {8, 11},
                                                                        {11, 11},
                                                                        {12, 13},
                                                                        {highest - 2, highest - 2},
                                                                        {highest - 1, std::nullopt},
                                                                        {highest, std::nullopt}};
  for (const auto& [from, free] : cases)
    EXPECT_EQ(held.lowest_free_from(from), free) << from;
  held.take(11);
  EXPECT_EQ(held.lowest_free_from(7), 13);
}

TEST(IsPlayer, OnlyClassificationsTwoAndThree) {
  qor_staff staff;
  const std::pair<int, bool> cases[] = {{0, false}, {1, false}, {2, true},
                                        {3, true},  {4, false}, {-2, false}};
  for (const auto& [classification, player] : cases) {
    staff.StaffClassification = static_cast<std::int8_t>(classification);
    EXPECT_EQ(is_player(staff), player) << classification;
  }
}

}  // namespace
