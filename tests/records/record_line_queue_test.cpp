#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "records/dates.h"
#include "records/derived_indices.h"
#include "records/item_kinds.h"
#include "records/record_blocks.h"
#include "records/record_layout.h"
#include "records/record_line.h"
#include "records/record_line_queue.h"
#include "records/staff_file_lines.h"
#include "records_test_support.h"

// The queue reads a load's lines on several threads; what it gives must be what reading the
// lines one by one gives, handed back in the order they were queued.

namespace {

// A data line of a generated file and the layout of the section it stands in.
struct data_line {
  std::string text;
  const record_layout* layout;
};

// The data lines of a generated file (the writer's own keywords, no comments) by section.
std::vector<data_line> data_lines_of(const std::string& file) {
  std::vector<data_line> lines;
  const record_layout* layout = &staff_layout();
  std::istringstream in(file);
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with('"')) {
      lines.push_back({line, layout});
      continue;
    }
    for (const item_kind_info& info : item_kind_infos()) {
      if (line == info.keyword || line == info.orig_keyword) {
        layout = &item_layout(info.kind);
      }
    }
  }
  return lines;
}

std::size_t layout_record_bytes(const record_layout& layout) {
  const field_descriptor& last = layout.fields.back();
  return last.offset + last.size;
}

struct outcome {
  std::vector<std::byte> record;
  std::int32_t id = 0;
  int replaced = 0;

  bool operator==(const outcome&) const = default;
};

// The lines read one at a time into zero-filled records, each with readable bytes after it.
std::vector<outcome> read_one_by_one(const std::vector<data_line>& lines,
                                     const date_order_conversion& dates) {
  std::vector<outcome> read;
  derived_index_finder indices;
  for (const data_line& line : lines) {
    std::string text = line.text;
    text.append(staff_file_lines::readable_after_line, '\0');
    outcome result;
    result.record.resize(layout_record_bytes(*line.layout));
    const std::optional<int> replaced =
        read_record_line({text.data(), line.text.size()}, *line.layout, result.record.data(),
                         &dates, staff_file_lines::readable_after_line);
    result.replaced = replaced.value_or(-1);
    if (replaced) {
      std::memcpy(&result.id, result.record.data(), sizeof result.id);
      indices.derive(result.record.data(), *line.layout);
    }
    read.push_back(std::move(result));
  }
  return read;
}

// The lines queued into records of the blocks, and the outcomes in the order `take` saw them.
struct queued_reading {
  std::vector<outcome> taken;
  bool all_taken = false;
};

queued_reading read_queued(const std::vector<data_line>& lines, const date_order_conversion& dates,
                           int workers, record_blocks& blocks) {
  queued_reading reading;
  const auto take = [&](const queued_line& line) {
    outcome result;
    result.record.assign(line.record.bytes, line.record.bytes + line.record.size);
    result.id = line.id;
    result.replaced = line.replaced;
    EXPECT_EQ(line.line_number, static_cast<std::int64_t>(reading.taken.size()) + 1);
    reading.taken.push_back(std::move(result));
    return line.replaced >= 0;
  };
  record_line_queue queue(&dates, workers);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    queued_line line;
    line.record = blocks.allocate_unzeroed(layout_record_bytes(*lines[i].layout), 8);
    line.layout = lines[i].layout;
    line.line_number = static_cast<std::int64_t>(i) + 1;
    if (!queue.push(lines[i].text, line, take)) {
      return reading;
    }
  }
  reading.all_taken = queue.finish(take);
  return reading;
}

// Blocks whose memory held other records before, as a second load's do.
record_blocks used_blocks() {
  {
    record_blocks earlier;
    for (int i = 0; i < 100000; ++i) {
      std::memset(earlier.allocate(256, 8), 0x5a, 256);
    }
  }
  return record_blocks();
}

class RecordLineQueue : public testing::Test {
 protected:
  void SetUp() override {
    lines = data_lines_of(many_batch_file(7));
    ASSERT_GT(lines.size(), 10000u) << "several batches of lines";
  }

  std::vector<data_line> lines;
  // The generated dates are day-first; the records take them year-first.
  const date_order_conversion dates{date_order_dd_mm_yyyy, date_order_yyyy_mm_dd, '-'};
};

TEST_F(RecordLineQueue, GivesWhatReadingLineByLineGivesInQueueOrderWhateverTheThreads) {
  // Texts with carriage returns, here and there, count as the reading counts them.
  for (std::size_t i = 37; i < lines.size(); i += 1013) {
    insert_carriage_return_in_first_text(lines[i].text, *lines[i].layout);
  }
  const std::vector<outcome> expected = read_one_by_one(lines, dates);
  ASSERT_TRUE(std::ranges::any_of(expected, [](const outcome& read) { return read.replaced > 0; }));
  for (const int workers : {0, 1, 3, 7}) {
    record_blocks blocks = used_blocks();
    const queued_reading reading = read_queued(lines, dates, workers, blocks);
    EXPECT_TRUE(reading.all_taken) << workers << " workers";
    EXPECT_TRUE(reading.taken == expected) << workers << " workers";
  }
}

TEST_F(RecordLineQueue, StopsAtTheFirstRefusedLineHavingHandedBackAllBefore) {
  const std::size_t early = 3000, late = lines.size() - 20;
  for (const std::size_t refused : {early, late}) {
    std::vector<data_line> faulty = lines;
    faulty[refused].text = "\"1\";\"2\"";
    faulty[refused + 5].text = "\"3\"";  // refused as well, but never reached
    const std::vector<outcome> expected = read_one_by_one(faulty, dates);
    for (const int workers : {0, 3}) {
      record_blocks blocks = used_blocks();
      const queued_reading reading = read_queued(faulty, dates, workers, blocks);
      EXPECT_FALSE(reading.all_taken);
      ASSERT_EQ(reading.taken.size(), refused + 1) << workers << " workers";
      EXPECT_EQ(reading.taken.back().replaced, -1);
      EXPECT_TRUE(std::equal(reading.taken.begin(), reading.taken.end() - 1, expected.begin()));
    }
  }
}

}  // namespace
