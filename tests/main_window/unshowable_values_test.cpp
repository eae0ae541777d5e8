#include <QAction>
#include <cstring>
#include <filesystem>
#include <vector>

#include "every_page_walk.h"
#include "record_form/editor_state.h"
#include "record_form/field_help.h"
#include "record_form/field_slot.h"
#include "record_form/page_table.h"
#include "records/item_vectors.h"

namespace fs = std::filesystem;

namespace {

// Values the pages cannot show as they are stored, on one side of what they show or the other.
enum class side { below, beyond };

// The first candidate the field holds at its width.
long long fitting(const field_slot& field, std::initializer_list<long long> candidates) {
  for (const long long value : candidates) {
    if (cut_to_width(field, value) == value)
      return value;
  }
  return 0;
}

// Outside the range the row checks (or outside any sensible one when it checks none).
long long number_outside(const control_spec& row, const field_slot& field, side way) {
  const bool ranged = row.check != check_kind::none && row.min < row.max;
  if (way == side::below)
    return fitting(field, {ranged ? row.min - 1LL : -7LL, -1});
  return fitting(field, {ranged ? row.max + 1LL : 99LL, 127});
}

// A code no lookup or choice list carries, and an index past every list.
long long unlisted_code(const field_slot& field, side way) {
  if (way == side::below)
    return -18;
  return fitting(field, {2147483647LL, 32767, 127});
}

// Gives the row's field (and the number beside it) a value its control cannot show.
void spoil(const control_spec& row, void* record, side way) {
  const field_slot field{row.binding.field.locate(record), row.binding.field.type,
                         row.binding.field.capacity};
  const field_slot companion =
      row.binding.companion.bound()
          ? field_slot{row.binding.companion.locate(record), row.binding.companion.type,
                       row.binding.companion.capacity}
          : field_slot{};
  const bool low = way == side::below;
  switch (row.binding.kind) {
    case binding_kind::text:
      if (companion.is_integer()) {
        write_text(field, low ? "-3" : "70000");
        write_integer(companion, low ? -3 : 70000);
      }
      break;
    case binding_kind::money_text:
      write_text(field, low ? "-5" : "2000000000");
      if (companion.is_integer())
        write_integer(companion, low ? -5 : 2000000000);
      break;
    case binding_kind::money_number:
      write_integer(field, low ? -5 : 2000000000);
      break;
    case binding_kind::date_text:
      write_text(field, low ? "01/01/1801" : "31/12/2099");
      break;
    case binding_kind::number:
      write_integer(field, number_outside(row, field, way));
      break;
    case binding_kind::decimal:
      write_decimal(field, low ? -1.5 : 999.25);
      break;
    case binding_kind::flag:
      write_text(field, low ? "" : "Maybe");
      break;
    case binding_kind::name_combo:
      write_text(field, "Atlantis");
      break;
    case binding_kind::club_combo:
    case binding_kind::code_combo:
    case binding_kind::code_combo_tagged:
    case binding_kind::list_code_combo:
    case binding_kind::index_combo:
    case binding_kind::index_combo_direct:
      write_integer(field, unlisted_code(field, way));
      break;
    case binding_kind::none:
      break;
  }
}

// Spoils every field of the record that some page row binds, but its id and its owner's.
template <class Record>
void spoil_record(Record& record, side way) {
  char ids[8];
  std::memcpy(ids, &record, sizeof ids);
  for (const page_spec& page : field_pages()) {
    for (const control_spec& row : page.controls) {
      if (row.binding.field.template belongs_to<Record>())
        spoil(row, &record, way);
    }
  }
  std::memcpy(static_cast<void*>(&record), ids, sizeof ids);
}

// A file in which every field of every staff record and item that the record pages show holds a
// value its control cannot show: codes no list carries, numbers outside the ranges the pages
// check, dates outside them, flags that read neither true nor false, nations no list names.
// Every record is shown on every page, every item in its panel, and each is committed by the
// moves that leave it; nothing may change, be stamped or be marked modified.
class unshowable_values : public every_page_walk {
 protected:
  fs::path write_spoiled_file() {
    data_set data;
    EXPECT_TRUE(reload_file(fixture_file("every_section.staff"), data));
    int index = 0;
    for (auto& staff : data.records.staff_list) {
      const side way = index++ % 2 == 0 ? side::below : side::beyond;
      spoil_record(*staff, way);
      // Every page is shown for a caretaker, whatever the classification.
      staff->StaffCaretakerManager = "True";
    }
    for_each_item_kind(data.records, [&](auto, auto& current, auto&) {
      int item_index = 0;
      for (auto& item : current)
        spoil_record(*item, item_index++ % 2 == 0 ? side::beyond : side::below);
    });
    return write_as_saved(data, "Spoiled.staff");
  }
};

TEST_F(unshowable_values, showing_every_record_on_every_page_changes_nothing) {
  const fs::path path = write_spoiled_file();
  const fs::path loaded = copy_to_folder(path, "Loaded.staff");
  open_through_menu(path);
  ASSERT_EQ(store().staff_list.size(), 3u);
  const std::vector<record_copy> before = copy_of_store(store());
  environment.dialogs.clear();

  show_everything();

  EXPECT_EQ(records_shown, 3);
  EXPECT_GE(items_shown, static_cast<int>(item_kind_count));
  expect_same_records(before, copy_of_store(store()));
  EXPECT_FALSE(editor().data_modified);
  EXPECT_TRUE(environment.dialogs.shown().empty()) << environment.dialogs.last().text.toStdString();

  window.menu_save->trigger();
  expect_same_records(records_in_file(loaded), records_in_file(path));
}

}  // namespace
