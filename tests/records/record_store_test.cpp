#include <gtest/gtest.h>

#include <cstring>

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
  EXPECT_EQ(next_temporary_id(records), 50001);
  EXPECT_EQ(next_temporary_id(records), 50002);
  EXPECT_EQ(next_temporary_id(records), 50003);
  EXPECT_EQ(records.temporary_id_counter, 50004);
  records.temporary_id_counter = 60000;
  EXPECT_EQ(next_temporary_id(records), 60000);
  EXPECT_EQ(records.temporary_id_counter, 60001);
}

TEST(NextTemporaryId, SkipsIdsThatAnyCurrentOrOriginalRecordHolds) {
  record_store records;
  records.temporary_id_counter = 55001;
  add(records.staff_job_orig_list, 55001);  // an exported job with that id
  add(records.staff_list, 55002);
  add(records.staff_ppm_list, 55003);
  EXPECT_EQ(next_temporary_id(records), 55004);

  // A counter a load started below the range skips the ids in use there too.
  record_store low;
  low.temporary_id_counter = 1234;
  add(low.staff_history_orig_list, 1234);
  add(low.staff_list, 1235);
  add(low.staff_list, 1233);   // below the counter: never handed out anyway
  add(low.staff_list, 70000);  // beyond the range
  EXPECT_EQ(next_temporary_id(low), 1236);
  EXPECT_EQ(next_temporary_id(low), 1237);
}

TEST(NextTemporaryId, ReusesFreedIdsAndFailsOnlyWhenTheRangeIsFull) {
  record_store records;
  records.temporary_id_counter = 60001;
  EXPECT_EQ(next_temporary_id(records), 50000);  // the range is searched again from its start

  for (std::int32_t id = 50000; id <= 60000; ++id) {
    add(records.staff_language_list, id);
  }
  records.temporary_id_counter = 50000;
  set_last_error("");
  EXPECT_EQ(next_temporary_id(records), -1);
  EXPECT_NE(get_last_error().find("60000"), std::string::npos);
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
