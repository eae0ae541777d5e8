#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <new>
#include <string_view>
#include <thread>
#include <vector>

#include "dates.h"
#include "derived_indices.h"
#include "record_blocks.h"
#include "record_layout.h"

// A data line waiting to be read into its record, and what the reading gave.
struct queued_line {
  unzeroed_bytes record;  // zeroed by the reading
  const record_layout* layout = nullptr;
  std::int64_t line_number = 0;  // in the file, for the message if the line is refused
  int place = 0;                 // the queuer's own note of where the line belongs
  // Set by the reading:
  std::int32_t id = 0;  // the record's id, its first field
  int replaced = 0;     // texts whose carriage returns became blanks; -1 when refused
  // Where the line's copy lies in its batch.
  std::uint32_t text_offset = 0;
  std::uint32_t text_length = 0;
};

// Reads the data lines of a load into their records, several batches at once on worker threads,
// and hands each line's outcome back in the order the lines were queued, so that what a load
// makes of the outcomes (ids, messages, warnings) is what reading them one by one would make. A
// file that fills no batch is read on the calling thread, without starting any thread.
//
// The reading is read_record_line's; each record is zeroed before it is read into, on the thread
// that reads it, so that the zeroing of a large file's records is shared out too.
class record_line_queue {
 public:
  // `workers` threads besides the caller's; default_workers() suits the machine.
  record_line_queue(const date_order_conversion* dates, int workers);
  ~record_line_queue();
  record_line_queue(const record_line_queue&) = delete;
  record_line_queue& operator=(const record_line_queue&) = delete;

  static int default_workers();

  // Queues a copy of `text` to be read into `line.record`. Outcomes reach `take` (a call
  // `bool take(const queued_line&)`) in queue order, some of them during this call; false when
  // `take` refused one, after which nothing more is read or handed back.
  template <class Take>
  bool push(std::string_view text, const queued_line& line, Take&& take) {
    if (refused_) {
      return false;
    }
    if (!filling().add(text, line)) {
      return true;
    }
    submit_filling(false);
    return !oldest_must_go() || hand_over_oldest(take);
  }

  // Reads what is still queued and hands every outcome to `take`; false when it refused one.
  template <class Take>
  bool finish(Take&& take) {
    if (refused_) {
      return false;
    }
    if (!filling().lines.empty()) {
      submit_filling(true);
    }
    while (in_flight_ > 0) {
      if (!hand_over_oldest(take)) {
        return false;
      }
    }
    return true;
  }

 private:
  struct batch {
    std::unique_ptr<char[]> text;  // the lines' copies, each followed by a line feed
    std::size_t text_used = 0;
    std::vector<queued_line> lines;
    bool done = false;
    bool out_of_memory = false;

    batch();
    // Copies the line in; true when the batch is full.
    bool add(std::string_view line_text, const queued_line& line);
    void clear();
  };

  // The batch after those in flight. Batches are made as they are first needed: a small file's
  // load needs one.
  batch& filling() {
    std::unique_ptr<batch>& slot = ring_[(oldest_ + in_flight_) % ring_.size()];
    if (!slot) {
      slot = std::make_unique<batch>();
    }
    return *slot;
  }
  // Reads the filling batch or gives it to the workers, and moves on to the next. The last
  // batch of a load starts no threads.
  void submit_filling(bool last);
  // True when the batch to fill next still holds outcomes not handed over.
  bool oldest_must_go() const { return in_flight_ == ring_.size(); }
  // Waits for the oldest batch, reading waiting batches meanwhile; throws std::bad_alloc when its
  // reading ran out of memory.
  batch& wait_for_oldest();
  void read(batch& lines, derived_index_finder& indices) const;
  void start_workers();
  void work();

  template <class Take>
  bool hand_over_oldest(Take& take) {
    batch& done = wait_for_oldest();
    for (const queued_line& line : done.lines) {
      if (!take(line)) {
        refused_ = true;
        return false;
      }
    }
    done.clear();
    oldest_ = (oldest_ + 1) % ring_.size();
    --in_flight_;
    return true;
  }

  const date_order_conversion* dates_;
  int wanted_workers_;
  derived_index_finder indices_;  // the calling thread's
  std::vector<std::unique_ptr<batch>> ring_;
  std::size_t oldest_ = 0;     // the batch submitted first of those not handed over
  std::size_t in_flight_ = 0;  // batches submitted and not handed over
  bool refused_ = false;       // whether `take` refused an outcome

  std::mutex mutex_;
  std::condition_variable work_waiting_;
  std::condition_variable batch_done_;
  std::deque<batch*> waiting_;  // submitted and not yet taken by a thread
  bool stopping_ = false;
  // Last, so that the threads are stopped before anything they use goes.
  std::vector<std::jthread> workers_;
};
