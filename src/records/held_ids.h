#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "fetch_ahead.h"
#include "record_ids.h"

// The ids the records of one kind hold, current and original, from which new ids are handed out.
// It is read from the ids a load gathered, or from the kind's vectors when it does not describe
// them, and kept up to date as records come: records appended behind the last it saw are added,
// and an id handed out counts as held from then on. Records that go leave their ids counted
// until the vectors are read again, which happens when the current vector is shorter than it
// saw it, the original vector is another, or a sample record holds an id the set lacks.
class held_ids {
 public:
  template <class Vector>
  void check(const Vector& current, const Vector& original) {
    if (!read_ || original.data() != original_data_ || original.size() != original_size_ ||
        current.size() < current_size_) {
      read(current, original);
      return;
    }
    for (std::size_t i = current_size_; i < current.size(); ++i) {
      if (current[i])
        take(record_id(*current[i]));
    }
    current_size_ = current.size();
    if (!samples_held(current) || !samples_held(original))
      read(current, original);
  }

  // The lowest id from `from` up that no record holds; none when every id up to the highest
  // there is is held.
  std::optional<std::int32_t> lowest_free_from(std::int32_t from) const;

  // Counts an id as held, as the id of a record about to be made.
  void take(std::int32_t id);

  // Reads the ids from what a walk through the kind's vectors that had other work to do
  // gathered: the ids of their records that are not null.
  template <class Vector>
  void read(std::vector<std::int32_t> current_ids, const std::vector<std::int32_t>& original_ids,
            const Vector& current, const Vector& original) {
    current_ids.insert(current_ids.end(), original_ids.begin(), original_ids.end());
    keep(std::move(current_ids));
    read_ = true;
    current_size_ = current.size();
    original_data_ = original.data();
    original_size_ = original.size();
  }

 private:
  template <class Vector>
  void read(const Vector& current, const Vector& original) {
    std::vector<std::int32_t> ids;
    ids.reserve(current.size() + original.size());
    for (const Vector* records : {&current, &original}) {
      for (std::size_t i = 0; i < records->size(); ++i) {
        fetch_ahead(*records, i);
        if ((*records)[i])
          ids.push_back(record_id(*(*records)[i]));
      }
    }
    read(std::move(ids), {}, current, original);
  }

  // Keeps the ids, however many times and in whatever order they come.
  void keep(const std::vector<std::int32_t>& ids);

  // Whether the first, middle and last records of the vector hold ids of the set: a vector
  // emptied and filled again in the same storage to the same size is caught here.
  template <class Vector>
  bool samples_held(const Vector& records) const {
    if (records.empty())
      return true;
    for (const std::size_t i : {std::size_t{0}, records.size() / 2, records.size() - 1}) {
      if (records[i] && !holds(record_id(*records[i])))
        return false;
    }
    return true;
  }
  bool holds(std::int32_t id) const;

  std::vector<std::int32_t> ids_;  // rising, each once
  bool read_ = false;
  std::size_t current_size_ = 0;
  const void* original_data_ = nullptr;
  std::size_t original_size_ = 0;
};
