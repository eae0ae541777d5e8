#include "record_line_queue.h"

#include <algorithm>
#include <cstring>
#include <system_error>

#include "record_line.h"
#include "staff_file_lines.h"

namespace {

// A batch is handed on at this many lines or bytes: enough to make the hand-over's cost small
// beside the reading, few enough that every thread soon has one.
constexpr std::size_t batch_lines = 2048;
constexpr std::size_t batch_text_bytes = 256 * 1024;
// Room for a full batch's last line with its line feed, and the bytes that may be read after it.
constexpr std::size_t batch_text_room = batch_text_bytes + staff_file_lines::max_line_length + 1 +
                                        staff_file_lines::readable_after_line;
// More threads than this only wait on the memory the records go to.
constexpr int most_workers = 7;

}  // namespace

record_line_queue::batch::batch() : text(std::make_unique<char[]>(batch_text_room)) {
  lines.reserve(batch_lines);
}

bool record_line_queue::batch::add(std::string_view line_text, const queued_line& line) {
  queued_line& added = lines.emplace_back(line);
  added.text_offset = static_cast<std::uint32_t>(text_used);
  added.text_length = static_cast<std::uint32_t>(line_text.size());
  std::memcpy(text.get() + text_used, line_text.data(), line_text.size());
  text_used += line_text.size();
  text[text_used++] = '\n';
  return lines.size() == batch_lines || text_used >= batch_text_bytes;
}

void record_line_queue::batch::clear() {
  text_used = 0;
  lines.clear();
  done = out_of_memory = false;
}

record_line_queue::record_line_queue(const date_order_conversion* dates, int workers)
    : dates_(dates), wanted_workers_(std::clamp(workers, 0, most_workers)) {
  // Each thread, the caller's included, can be reading a batch while the caller fills two more.
  ring_.resize(2 * static_cast<std::size_t>(wanted_workers_) + 2);
}

record_line_queue::~record_line_queue() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  work_waiting_.notify_all();
  workers_.clear();  // joins them
}

int record_line_queue::default_workers() {
  const int threads = static_cast<int>(std::thread::hardware_concurrency());
  return std::clamp(threads - 1, 0, most_workers);
}

void record_line_queue::submit_filling(bool last) {
  batch& submitted = filling();
  if (workers_.empty() && !last && wanted_workers_ > 0) {
    start_workers();
  }
  if (workers_.empty()) {
    read(submitted, indices_);
    submitted.done = true;
  } else {
    {
      const std::lock_guard lock(mutex_);
      waiting_.push_back(&submitted);
    }
    work_waiting_.notify_one();
  }
  ++in_flight_;
}

void record_line_queue::start_workers() {
  try {
    for (int i = 0; i < wanted_workers_; ++i) {
      workers_.emplace_back([this] { work(); });
    }
  } catch (const std::system_error&) {
    // The threads that did start share the work; with none the caller reads every batch.
  }
}

void record_line_queue::work() {
  derived_index_finder indices;
  for (;;) {
    batch* next = nullptr;
    {
      std::unique_lock lock(mutex_);
      work_waiting_.wait(lock, [&] { return stopping_ || !waiting_.empty(); });
      if (stopping_) {
        return;
      }
      next = waiting_.front();
      waiting_.pop_front();
    }
    read(*next, indices);
    {
      const std::lock_guard lock(mutex_);
      next->done = true;
    }
    batch_done_.notify_all();
  }
}

record_line_queue::batch& record_line_queue::wait_for_oldest() {
  batch& oldest = *ring_[oldest_];
  std::unique_lock lock(mutex_);
  while (!oldest.done) {
    if (waiting_.empty()) {
      batch_done_.wait(lock);
      continue;
    }
    // Rather than wait, the caller reads a batch no thread has taken yet.
    batch* next = waiting_.front();
    waiting_.pop_front();
    lock.unlock();
    read(*next, indices_);
    lock.lock();
    next->done = true;
  }
  if (oldest.out_of_memory) {
    throw std::bad_alloc();
  }
  return oldest;
}

void record_line_queue::read(batch& lines, derived_index_finder& indices) const {
  try {
    for (queued_line& line : lines.lines) {
      line.record.zero_fill();
      const std::optional<int> replaced =
          read_record_line({lines.text.get() + line.text_offset, line.text_length}, *line.layout,
                           line.record.bytes, dates_, staff_file_lines::readable_after_line);
      if (!replaced) {
        line.replaced = -1;
        return;  // the load ends at this line: those after it are never handed over
      }
      line.replaced = *replaced;
      std::memcpy(&line.id, line.record.bytes, sizeof line.id);  // every record begins with its id
      if (!line.layout->derived_indices.empty()) {
        indices.derive(line.record.bytes, *line.layout);
      }
    }
  } catch (const std::bad_alloc&) {
    // Only the finder's first index of a list takes memory; the caller reports it.
    lines.out_of_memory = true;
  }
}
