#include "record_store.h"

#include <algorithm>
#include <optional>

#include "dates.h"
#include "id_bits.h"
#include "item_vectors.h"
#include "last_error.h"

namespace {

constexpr std::int32_t lowest_temporary_id = 50000;
constexpr std::int32_t highest_temporary_id = 60000;
constexpr std::int32_t restart_temporary_id = 55000;

// The ids of a set of records, for many lookups: a bit per id where they lie close together,
// else sorted.
class id_lookup {
 public:
  explicit id_lookup(const std::vector<std::int32_t>& ids) : bits_(id_bits::of(ids)) {
    if (!bits_) {
      sorted_ = ids;
      std::ranges::sort(sorted_);
    }
  }

  bool contains(std::int32_t id) const {
    return bits_ ? bits_->contains(id) : std::ranges::binary_search(sorted_, id);
  }

 private:
  std::optional<id_bits> bits_;
  std::vector<std::int32_t> sorted_;  // when there are no bits
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

// The id for a new record of the kind whose ids `held` holds, from the counter shared by
// every kind.
template <class Record>
std::int32_t next_id_of_kind(record_store& records, held_ids& held,
                             const record_vector<Record>& current,
                             const record_vector<Record>& original) {
  held.check(current, original);
  std::int32_t& counter = records.temporary_id_counter;
  std::optional<std::int32_t> id;
  // From the counter up to the end of the range, then once more from its start, so ids freed
  // by deleting new records can be handed out again.
  for (int round = 0; round < 2 && !id; ++round) {
    if (counter <= highest_temporary_id) {
      id = held.lowest_free_from(counter);
      if (id && *id > highest_temporary_id)
        id.reset();
    }
    counter = id ? *id + 1 : lowest_temporary_id;
  }
  if (!id) {
    // A national file's items can hold the whole range; past it the ids are only this kind's.
    counter = highest_temporary_id + 1;
    id = held.lowest_free_from(counter);
  }
  if (!id) {
    set_last_error("next_temporary_id: every id is taken, no record can be added");
    return -1;
  }
  held.take(*id);
  return *id;
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
  records.blocks = {};  // no record of theirs is left
}

std::int32_t first_temporary_id(const record_store& records) {
  std::vector<kind_ids> kinds;
  kinds.push_back({ids_of(records.staff_list), ids_of(records.staff_orig_list)});
  for_each_item_kind(records, [&](auto, const auto& current, const auto& original) {
    kinds.push_back({ids_of(current), ids_of(original)});
  });
  return first_temporary_id(kinds);
}

std::int32_t first_temporary_id(const std::vector<kind_ids>& kinds) {
  // The highest id among the current records that have no original of the same id.
  std::int32_t highest = -1;
  for (const kind_ids& kind : kinds) {
    const id_lookup originals(kind.original);
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

void start_temporary_ids(record_store& records, std::vector<kind_ids> kinds) {
  records.temporary_id_counter = first_temporary_id(kinds);
  records.indexes.staff_ids.read(std::move(kinds[0].current), std::move(kinds[0].original),
                                 records.staff_list, records.staff_orig_list);
  for_each_item_kind(records, [&](auto kind, const auto& current, const auto& original) {
    const auto index = static_cast<std::size_t>(decltype(kind)::value);
    kind_ids& ids = kinds[1 + index];
    records.indexes.item_ids[index].read(std::move(ids.current), std::move(ids.original), current,
                                         original);
  });
}

std::int32_t next_temporary_id(record_store& records, staff_kind_t) {
  return next_id_of_kind(records, records.indexes.staff_ids, records.staff_list,
                         records.staff_orig_list);
}

std::int32_t next_temporary_id(record_store& records, item_kind kind) {
  std::int32_t id = -1;
  for_each_item_kind(records, [&](auto each_kind, const auto& current, const auto& original) {
    constexpr item_kind Kind = decltype(each_kind)::value;
    if (Kind == kind)
      id = next_id_of_kind(records, records.indexes.item_ids[static_cast<std::size_t>(Kind)],
                           current, original);
  });
  return id;
}

std::int32_t next_temporary_id(staff_kind_t) {
  return next_temporary_id(store(), staff_kind);
}

std::int32_t next_temporary_id(item_kind kind) {
  return next_temporary_id(store(), kind);
}

bool is_player(const qor_staff& staff) {
  return staff.StaffClassification == 2 || staff.StaffClassification == 3;
}
