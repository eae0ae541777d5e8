#include "record_store.h"

#include <algorithm>

#include "dates.h"
#include "item_vectors.h"
#include "last_error.h"

namespace {

constexpr std::int32_t lowest_temporary_id = 50000;
constexpr std::int32_t highest_temporary_id = 60000;
constexpr std::int32_t restart_temporary_id = 55000;

// The ids of a set of records, for many lookups. Ids in one file lie close together, so a bit
// per possible id usually takes less time than sorting them; scattered ids are sorted.
class id_lookup {
 public:
  explicit id_lookup(std::vector<std::int32_t> ids) : ids_(std::move(ids)) {
    if (ids_.empty()) {
      return;
    }
    const auto [lowest, highest] = std::ranges::minmax(ids_);
    const auto range = static_cast<std::uint64_t>(std::int64_t{highest} - lowest) + 1;
    if (range / 64 > ids_.size()) {
      std::ranges::sort(ids_);
      return;
    }
    lowest_ = lowest;
    bits_.assign(static_cast<std::size_t>(range / 64 + 1), 0);
    for (const std::int32_t id : ids_) {
      const std::uint64_t bit = offset_of(id);
      bits_[bit / 64] |= std::uint64_t{1} << (bit % 64);
    }
  }

  bool contains(std::int32_t id) const {
    if (bits_.empty()) {
      return std::ranges::binary_search(ids_, id);
    }
    const std::uint64_t bit = offset_of(id);
    return bit / 64 < bits_.size() && (bits_[bit / 64] >> (bit % 64) & 1) != 0;
  }

 private:
  // Ids below the lowest wrap around to offsets beyond every bit.
  std::uint64_t offset_of(std::int32_t id) const {
    return static_cast<std::uint64_t>(std::int64_t{id} - lowest_);
  }

  std::vector<std::int32_t> ids_;    // sorted when `bits_` is empty
  std::vector<std::uint64_t> bits_;  // bit i: whether lowest_ + i is one of the ids
  std::int32_t lowest_ = 0;
};

template <class Record>
std::vector<std::int32_t> ids_of(const record_vector<Record>& records) {
  std::vector<std::int32_t> ids;
  ids.reserve(records.size());
  for (const auto& record : records) {
    if (record) {
      ids.push_back(record_id(*record));
    }
  }
  return ids;
}

// Which of the ids from `lowest` up to the highest temporary id some record holds: a bit for each,
// where a set of every id of a large file took a hash for each of its hundreds of thousands of
// records on every Add.
class ids_in_range {
 public:
  explicit ids_in_range(std::int32_t lowest)
      : lowest_(lowest), taken_(static_cast<std::size_t>(highest_temporary_id - lowest + 1)) {}

  void add(std::int32_t id) {
    if (id >= lowest_ && id <= highest_temporary_id) {
      taken_[static_cast<std::size_t>(id - lowest_)] = true;
    }
  }
  bool contains(std::int32_t id) const {
    return id >= lowest_ && id <= highest_temporary_id &&
           taken_[static_cast<std::size_t>(id - lowest_)];
  }

 private:
  std::int32_t lowest_;
  std::vector<bool> taken_;
};

template <class Record>
void collect_ids(const record_vector<Record>& records, ids_in_range& ids) {
  for (std::size_t i = 0; i < records.size(); ++i) {
    fetch_ahead(records, i);
    if (records[i]) {
      ids.add(record_id(*records[i]));
    }
  }
}

}  // namespace

data_set& current_data() {
  static data_set data;
  return data;
}

void init_locale_settings(locale_settings& settings, const system_locale& locale) {
  // Before any load the edits follow day-first order with the system's separator.
  date_texts texts = date_texts_for_order(date_order_dd_mm_yyyy, locale.date_separator());
  settings.date_format = std::move(texts.date_format);
  settings.no_date_text = std::move(texts.no_date_text);
  settings.blank_date_text = std::move(texts.blank_date_text);
}

void delete_all_records(record_store& records) {
  delete_all_records(records.staff_list);
  delete_all_records(records.staff_orig_list);
  for_each_item_kind(records, [](auto, auto& current, auto& original) {
    delete_all_records(current);
    delete_all_records(original);
  });
  records.indexes = {};
}

std::int32_t first_temporary_id(const record_store& records) {
  std::vector<kind_ids> kinds;
  kinds.push_back({ids_of(records.staff_list), ids_of(records.staff_orig_list)});
  for_each_item_kind(records, [&](auto, const auto& current, const auto& original) {
    kinds.push_back({ids_of(current), ids_of(original)});
  });
  return first_temporary_id(std::move(kinds));
}

std::int32_t first_temporary_id(std::vector<kind_ids> kinds) {
  // The highest id among the current records that have no original of the same id.
  std::int32_t highest = -1;
  for (kind_ids& kind : kinds) {
    const id_lookup originals(std::move(kind.original));
    for (const std::int32_t id : kind.current) {
      if (id > highest && !originals.contains(id)) {
        highest = id;
      }
    }
  }
  if (highest == -1) {
    highest = lowest_temporary_id;
  }
  if (highest > highest_temporary_id) {
    highest = restart_temporary_id;
  }
  return highest + 1;
}

std::int32_t next_temporary_id(record_store& records) {
  // The counter is shared by every kind; an id in use by any record, current or original, is
  // skipped so that lookups by id never find two records.
  // Only the ids the search below can hand out matter: from the counter, or the range's start
  // when that is lower, up to the range's end. A load starts the counter at 1 at the least.
  ids_in_range ids_in_use(std::max(0, std::min(records.temporary_id_counter, lowest_temporary_id)));
  collect_ids(records.staff_list, ids_in_use);
  collect_ids(records.staff_orig_list, ids_in_use);
  for_each_item_kind(records, [&](auto, const auto& current, const auto& original) {
    collect_ids(current, ids_in_use);
    collect_ids(original, ids_in_use);
  });
  // From the counter up to the end of the range, then once more from its start, so ids freed
  // by deleting new records can be handed out again.
  for (int round = 0; round < 2; ++round) {
    while (records.temporary_id_counter <= highest_temporary_id) {
      const std::int32_t candidate = records.temporary_id_counter++;
      if (!ids_in_use.contains(candidate)) {
        return candidate;
      }
    }
    records.temporary_id_counter = lowest_temporary_id;
  }
  records.temporary_id_counter = highest_temporary_id + 1;
  set_last_error(
      "next_temporary_id: every id from 50000 to 60000 is taken, no record can be added");
  return -1;
}

std::int32_t next_temporary_id() {
  return next_temporary_id(store());
}

bool is_player(const qor_staff& staff) {
  return staff.StaffClassification == 2 || staff.StaffClassification == 3;
}
