#pragma once

#include <memory>

// Deletes a record made on its own, as make_unique makes it. A record of a load's blocks
// (record_blocks) goes with its blocks instead, so deleting it frees nothing.
template <class Record>
class record_deleter {
 public:
  record_deleter() = default;
  record_deleter(std::default_delete<Record>) {
  }  // NOLINT: records from make_unique join as they are

  static record_deleter for_block_record() {
    record_deleter deleter;
    deleter.in_block_ = true;
    return deleter;
  }

  void operator()(Record* record) const {
    if (!in_block_) {
      delete record;
    }
  }

 private:
  bool in_block_ = false;
};

template <class Record>
using record_pointer = std::unique_ptr<Record, record_deleter<Record>>;
