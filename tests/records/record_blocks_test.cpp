#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "records/record_blocks.h"
#include "records/record_store.h"

namespace {

// More records than one block holds, so that the records run on into further blocks.
constexpr std::size_t record_size = 300;
constexpr std::size_t record_count = 60000;

TEST(RecordBlocks, RecordsAreZeroAlsoInTheBlocksOfAStoreThatWent) {
  {
    record_blocks first;
    for (std::size_t i = 0; i < record_count; ++i) {
      std::memset(first.allocate(record_size, 4), 0xab, record_size);
    }
  }  // its blocks serve the next store
  record_blocks second;
  for (std::size_t i = 0; i < record_count; ++i) {
    const std::byte* record = second.allocate(record_size, 4);
    ASSERT_TRUE(
        std::all_of(record, record + record_size, [](std::byte b) { return b == std::byte{0}; }))
        << "record " << i;
  }
}

TEST(RecordBlocks, RecordsAreAlignedAndApart) {
  struct request {
    std::size_t size;
    std::size_t alignment;
  };
  const request requests[] = {{1, 1}, {3, 4}, {7, 8}, {300, 4}, {5, 16}, {2, 2}, {9, 16}};
  record_blocks blocks;
  const std::byte* previous_end = nullptr;
  for (int round = 0; round < 3; ++round) {
    for (const auto& [size, alignment] : requests) {
      const std::byte* record = blocks.allocate(size, alignment);
      EXPECT_EQ(reinterpret_cast<std::uintptr_t>(record) % alignment, 0u) << size;
      EXPECT_GE(record, previous_end) << size;
      previous_end = record + size;
    }
  }
}

// A store mixes the records of a load, which go with its blocks, and records made alone, which
// are freed one by one; deleting either kind leaves the others whole.
TEST(RecordBlocks, StoreDeletesRecordsOfBothKinds) {
  record_store records;
  for (std::int32_t id = 1; id <= 3; ++id) {
    records.staff_list.push_back(make_block_record<qor_staff>(records.blocks));
    records.staff_list.back()->StaffID = id;
  }
  records.staff_list.push_back(std::make_unique<qor_staff>());
  records.staff_list.back()->StaffID = 4;
  records.staff_orig_list.push_back(copy_to_block(records.blocks, *records.staff_list[3]));
  delete_record_by_id(records.staff_list, 2);
  delete_record_by_id(records.staff_list, 4);
  ASSERT_EQ(records.staff_list.size(), 2u);
  EXPECT_EQ(records.staff_list[1]->StaffID, 3);
  EXPECT_EQ(records.staff_orig_list[0]->StaffID, 4);
  delete_all_records(records);
  EXPECT_EQ(records.blocks.bytes(), 0u);
}

}  // namespace
