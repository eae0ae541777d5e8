// New records' ids in a file whose records already hold the temporary range: each kind takes an
// id no record of its own kind holds, past the range when the kind fills it.
#include <QAbstractButton>
#include <cstring>
#include <filesystem>
#include <set>

#include "file_menu_test_support.h"
#include "platform/app_locale.h"
#include "record_form/editor_state.h"
#include "record_form/item_selection.h"
#include "records/item_vectors.h"
#include "records/staff_writer.h"
#include "sub_records/item_list_kinds.h"
#include "sub_records/item_list_places.h"

namespace fs = std::filesystem;

namespace {

using temporary_ids = file_menu_test;

constexpr std::int32_t owner = 30;  // a staff member of every_section.staff

// Appends an exported record: the record and its original.
template <class Record>
void add_exported(record_vector<Record>& current, record_vector<Record>& originals, std::int32_t id,
                  std::int32_t owner_id) {
  auto record = std::make_unique<Record>();
  std::memcpy(static_cast<void*>(record.get()), &id, sizeof id);
  if constexpr (!std::is_same_v<Record, qor_staff>)
    std::memcpy(reinterpret_cast<char*>(record.get()) + sizeof id, &owner_id, sizeof owner_id);
  originals.push_back(std::make_unique<Record>(*record));
  current.push_back(std::move(record));
}

// Every record as exported: its originals copies of the records.
template <class Record>
void export_all(const record_vector<Record>& current, record_vector<Record>& originals) {
  originals.clear();
  for (const auto& record : current)
    originals.push_back(std::make_unique<Record>(*record));
}

// The records of every_section.staff, all exported, and exported records in the temporary range:
// injuries on every id from 50000 to 60000, languages on 50000 to 50005 and staff on 50006 and
// 50007.
void write_file_with_a_full_range(const fs::path& path) {
  data_set data;
  ASSERT_TRUE(reload_file(fixture_file("every_section.staff"), data));
  record_store& records = data.records;
  export_all(records.staff_list, records.staff_orig_list);
  for_each_item_kind(
      records, [](auto, const auto& current, auto& originals) { export_all(current, originals); });
  for (std::int32_t id = 50000; id <= 60000; ++id)
    add_exported(records.staff_injury_list, records.staff_injury_orig_list, id, owner);
  for (std::int32_t id = 50000; id <= 50005; ++id)
    add_exported(records.staff_language_list, records.staff_language_orig_list, id, owner);
  for (const std::int32_t id : {50006, 50007})
    add_exported(records.staff_list, records.staff_orig_list, id, 0);
  std::string backup_warning;
  ASSERT_TRUE(save_data(path.string(), data, {app_locale(), app_clock()}, backup_warning));
}

template <class Record>
std::multiset<std::int32_t> ids_of(const record_vector<Record>& records) {
  std::multiset<std::int32_t> ids;
  for (const auto& record : records)
    ids.insert(record_id(*record));
  return ids;
}

struct new_ids {
  std::int32_t injury;
  std::int32_t language;
  std::int32_t staff;
};

TEST_F(temporary_ids, every_kind_adds_with_an_id_of_its_own_before_and_after_a_save) {
  const fs::path path = folder.path() / "Full.staff";
  write_file_with_a_full_range(path);
  const auto add_each_kind = [&] {
    select_staff(owner);
    environment.dialogs.clear();
    new_ids added{};
    window.controls().get<QAbstractButton>(place_of(item_kind::injury).add_button)->click();
    added.injury = record_id(*selected_item<item_kind::injury>().current);
    window.controls().get<QAbstractButton>(place_of(item_kind::language).add_button)->click();
    added.language = record_id(*selected_item<item_kind::language>().current);
    window.menu_new->trigger();
    added.staff = editor().current_staff->StaffID;
    EXPECT_TRUE(environment.dialogs.shown().empty());
    for (const auto& ids : {ids_of(store().staff_injury_list), ids_of(store().staff_language_list),
                            ids_of(store().staff_list)}) {
      for (const std::int32_t id : ids)
        EXPECT_EQ(ids.count(id), 1u) << id;
    }
    return added;
  };

  open_through_menu(path);
  ASSERT_EQ(store().temporary_id_counter, 50001);
  const new_ids first = add_each_kind();
  EXPECT_EQ(first.injury, 60001);    // past the range the injuries fill
  EXPECT_EQ(first.language, 50006);  // the staff and injuries holding it are other kinds
  EXPECT_EQ(first.staff, 50008);

  environment.dialogs.clear();
  window.menu_save->trigger();
  ASSERT_EQ(environment.dialogs.shown_texts().back(), "Data written to file.");
  open_through_menu(path);
  // The new injury's id, above the range, restarts the counter in its upper half.
  ASSERT_EQ(store().temporary_id_counter, 55001);
  const new_ids second = add_each_kind();
  EXPECT_EQ(second.injury, 60002);
  EXPECT_EQ(second.language, 50007);
  EXPECT_EQ(second.staff, 50009);
}

}  // namespace
