#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "fixed_text.h"
#include "item_index.h"
#include "item_records.h"
#include "record_blocks.h"
#include "record_ids.h"
#include "record_pointer.h"
#include "staff_record.h"

class system_locale;

// The program's whole data set in memory. For the staff and for each item kind one vector of
// the records being edited and one of the records as first exported (the originals). Vectors
// own their records; an entry may be null and every operation skips null entries. A record and
// its original are separate records matched by id; a record made in the editor has none.
template <class Record>
using record_vector = std::vector<record_pointer<Record>>;

// A zero-filled record in the blocks, as its constructor would make it: the blocks' bytes are
// zero already, and records are plain structures that any bytes make.
template <class Record>
record_pointer<Record> make_block_record(record_blocks& blocks) {
  static_assert(std::is_trivially_copyable_v<Record> && std::is_trivially_destructible_v<Record>);
  std::byte* bytes = blocks.allocate(sizeof(Record), alignof(Record));
  return record_pointer<Record>(reinterpret_cast<Record*>(bytes),
                                record_deleter<Record>::for_block_record());
}

// As make_block_record, but the record is only whole once `bytes` is zero_fill-ed.
template <class Record>
record_pointer<Record> make_unzeroed_block_record(record_blocks& blocks, unzeroed_bytes& bytes) {
  static_assert(std::is_trivially_copyable_v<Record> && std::is_trivially_destructible_v<Record>);
  bytes = blocks.allocate_unzeroed(sizeof(Record), alignof(Record));
  return record_pointer<Record>(reinterpret_cast<Record*>(bytes.bytes),
                                record_deleter<Record>::for_block_record());
}

// A copy of the record in the blocks; the copy writes every byte, so none is zeroed first.
template <class Record>
record_pointer<Record> copy_to_block(record_blocks& blocks, const Record& record) {
  unzeroed_bytes bytes;
  record_pointer<Record> copy = make_unzeroed_block_record<Record>(blocks, bytes);
  std::memcpy(static_cast<void*>(copy.get()), &record, sizeof record);
  return copy;
}

struct record_store {
  // The records a load read, most of those in the vectors.
  record_blocks blocks;

  record_vector<qor_staff> staff_list;
  record_vector<qor_staff> staff_orig_list;
  record_vector<qor_staff_favourite_disliked_staff> staff_favourite_staff_list;
  record_vector<qor_staff_favourite_disliked_staff> staff_favourite_staff_orig_list;
  record_vector<qor_staff_favourite_disliked_staff> staff_disliked_staff_list;
  record_vector<qor_staff_favourite_disliked_staff> staff_disliked_staff_orig_list;
  record_vector<qor_staff_favourite_disliked_club> staff_favourite_club_list;
  record_vector<qor_staff_favourite_disliked_club> staff_favourite_club_orig_list;
  record_vector<qor_staff_favourite_disliked_club> staff_disliked_club_list;
  record_vector<qor_staff_favourite_disliked_club> staff_disliked_club_orig_list;
  record_vector<qor_staff_history> staff_history_list;
  record_vector<qor_staff_history> staff_history_orig_list;
  record_vector<qor_staff_language> staff_language_list;
  record_vector<qor_staff_language> staff_language_orig_list;
  record_vector<qor_staff_ppm> staff_ppm_list;
  record_vector<qor_staff_ppm> staff_ppm_orig_list;
  record_vector<qor_staff_non_player_history> staff_non_player_history_list;
  record_vector<qor_staff_non_player_history> staff_non_player_history_orig_list;
  record_vector<qor_staff_injury> staff_injury_list;
  record_vector<qor_staff_injury> staff_injury_orig_list;
  record_vector<qor_staff_job> staff_job_list;
  record_vector<qor_staff_job> staff_job_orig_list;
  record_vector<qor_staff_contract_clauses> staff_contract_clauses_list;
  record_vector<qor_staff_contract_clauses> staff_contract_clauses_orig_list;
  record_vector<qor_staff_achievements> staff_achievements_list;
  record_vector<qor_staff_achievements> staff_achievements_orig_list;
  record_vector<qor_staff_npt> staff_npt_list;
  record_vector<qor_staff_npt> staff_npt_orig_list;
  record_vector<qor_staff_days_at_club_nation> staff_days_at_club_nation_list;
  record_vector<qor_staff_days_at_club_nation> staff_days_at_club_nation_orig_list;
  record_vector<qor_staff_retirement> staff_retirement_list;
  record_vector<qor_staff_retirement> staff_retirement_orig_list;
  record_vector<qor_staff_unavailability> staff_unavailability_list;
  record_vector<qor_staff_unavailability> staff_unavailability_orig_list;
  record_vector<qor_staff_long_term_career> staff_long_term_career_list;
  record_vector<qor_staff_long_term_career> staff_long_term_career_orig_list;

  // Next id to try for a record made in the editor (see next_temporary_id).
  std::int32_t temporary_id_counter = 50000;

  // Items by owner and originals by id, kept beside the vectors (item_index.h).
  mutable store_indexes indexes;
};

// What the last load found in the file, kept until the next successful load.
struct file_settings {
  std::string file_name;       // the path last loaded or saved
  fixed_text<21> first_line;   // the file's first line (after "IMPORTED"), cut to 20 characters
  fixed_text<101> file_title;  // the club's name, or a legacy file's first line
  std::int32_t file_club_id = 0;
  std::int32_t club_star_players_from = 0;
  std::int32_t club_star_players_to = 0;
  std::int32_t club_first_team_players_from = 0;
  std::int32_t club_first_team_players_to = 0;
  std::string file_date_order;      // order name of the file's dates; empty when unknown
  char file_decimal_separator = 0;  // ',' or '.'; 0 when the file stated none
};

// The locale's conventions as the last load probed them, and the texts of the date edits.
struct locale_settings {
  std::string locale_date_order;  // empty until the first load
  std::string date_format = "dd/mm/yyyy";
  std::string no_date_text = "00/00/0000";
  std::string blank_date_text = "  /  /    ";
  char locale_decimal_separator = '.';
};

// Everything one load replaces. A load parses into a fresh data_set and moves it over the
// current one only when the whole file was read, so a failed load changes nothing.
struct data_set {
  record_store records;
  file_settings file;
  locale_settings locale;
};

// The one data set of the program, read and edited by the window.
data_set& current_data();
inline record_store& store() {
  return current_data().records;
}
inline file_settings& file_data() {
  return current_data().file;
}
inline locale_settings& locale_data() {
  return current_data().locale;
}

// The date-edit texts for the system's date separator, before any file is loaded.
void init_locale_settings(locale_settings& settings, const system_locale& locale);

// Frees every record of the vector and empties it.
template <class Record>
void delete_all_records(record_vector<Record>& records) {
  records.clear();
}

// Frees and removes the first record whose id is `id`; nothing happens when none has it.
template <class Record>
void delete_record_by_id(record_vector<Record>& records, std::int32_t id) {
  for (auto it = records.begin(); it != records.end(); ++it) {
    if (*it && record_id(**it) == id) {
      records.erase(it);
      return;
    }
  }
}

// Empties all thirty-six vectors and gives back the blocks of their records.
void delete_all_records(record_store& records);

// The start value of the temporary-id counter after a load: one above the highest id among the
// current records and items that have no original (50001 when there is none, 55001 when that
// id is above 60000).
std::int32_t first_temporary_id(const record_store& records);

// The ids of the current records of one kind, staff or item, and of its originals.
struct kind_ids {
  std::vector<std::int32_t> current;
  std::vector<std::int32_t> original;
};

// The same from the ids of every kind, which a load gathers as it reads the records: the staff
// first, then the item kinds in file order.
std::int32_t first_temporary_id(const std::vector<kind_ids>& kinds);

// After a load, from the ids it gathered: sets the counter to first_temporary_id and keeps each
// kind's ids for next_temporary_id, so the first new record does not read them all again.
void start_temporary_ids(record_store& records, std::vector<kind_ids> kinds);

// What next_temporary_id makes an id for when it is not an item: a staff record.
struct staff_kind_t {};
inline constexpr staff_kind_t staff_kind{};

// The id for a record being made in the editor, a staff record or an item of one kind: the
// counter's next value, skipping every id that a current or original record of the same kind
// holds (records are looked up by id within their kind). Ids run up to 60000, searched once more
// from 50000 when the counter has passed the end; when every one of them is held in the kind,
// the lowest id above 60000 that no record of the kind holds. Only a kind holding every id up to
// the highest there is gets none: then a message is stored with set_last_error and -1 returned.
std::int32_t next_temporary_id(record_store& records, staff_kind_t);
std::int32_t next_temporary_id(record_store& records, item_kind kind);
// On the current data set.
std::int32_t next_temporary_id(staff_kind_t);
std::int32_t next_temporary_id(item_kind kind);

// True for classification 2 (player) and 3 (player and non-player).
bool is_player(const qor_staff& staff);
