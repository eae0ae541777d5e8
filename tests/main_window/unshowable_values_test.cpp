#include <QAction>
#include <QApplication>
#include <QTabBar>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "change_tracking/item_store.h"
#include "file_menu_test_support.h"
#include "platform/app_locale.h"
#include "platform/owner_drawn_list_box.h"
#include "platform/page_control.h"
#include "platform/string_grid.h"
#include "record_form/editor_state.h"
#include "record_form/field_help.h"
#include "record_form/field_slot.h"
#include "record_form/page_table.h"
#include "records/item_vectors.h"
#include "records/record_layout.h"
#include "records/staff_writer.h"
#include "sub_records/item_list_places.h"

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

// The records of a store as bytes, with a name for each, to compare a later state with.
struct record_copy {
  std::string name;
  const record_layout* layout;
  std::string bytes;
};

template <class Record>
record_copy copy_of(std::string name, const record_layout& layout, const Record& record) {
  return {std::move(name), &layout,
          std::string(reinterpret_cast<const char*>(&record), sizeof record)};
}

// Every current and original record, in store order.
std::vector<record_copy> copy_of_store(const record_store& records) {
  std::vector<record_copy> all;
  for (const auto* staff_list : {&records.staff_list, &records.staff_orig_list}) {
    const std::string side = staff_list == &records.staff_list ? "staff " : "original staff ";
    for (const auto& staff : *staff_list)
      all.push_back(copy_of(side + std::to_string(staff->StaffID), staff_layout(), *staff));
  }
  for_each_item_kind(records, [&](auto kind, const auto& current, const auto& originals) {
    const std::string name = "kind " + std::to_string(static_cast<int>(kind.value));
    for (const auto& item : current)
      all.push_back(
          copy_of(name + " item " + std::to_string(record_id(*item)), item_layout(kind), *item));
    for (const auto& item : originals)
      all.push_back(copy_of(name + " original " + std::to_string(record_id(*item)),
                            item_layout(kind), *item));
  });
  return all;
}

// The fields whose bytes differ between two copies of a record.
std::string changed_fields(const record_copy& before, const record_copy& after) {
  std::string names;
  const auto differs = [&](std::size_t offset, std::size_t size) {
    return before.bytes.compare(offset, size, after.bytes, offset, size) != 0;
  };
  for (const field_descriptor& field : before.layout->fields) {
    if (differs(field.offset, field.size) ||
        (field.is_pair() && differs(field.text_offset, field.text_size))) {
      names += std::string(field.name) + " ";
    }
  }
  return names;
}

void expect_same_records(const std::vector<record_copy>& before,
                         const std::vector<record_copy>& after) {
  ASSERT_EQ(after.size(), before.size());
  for (std::size_t i = 0; i < before.size(); ++i) {
    ASSERT_EQ(after[i].name, before[i].name);
    EXPECT_TRUE(after[i].bytes == before[i].bytes)
        << before[i].name << ": " << changed_fields(before[i], after[i]);
  }
}

// The records of a file, ordered by name: the item lists are shown, and so saved, in an order of
// their own.
std::vector<record_copy> records_in_file(const fs::path& path) {
  data_set data;
  EXPECT_TRUE(reload_file(path, data));
  std::vector<record_copy> records = copy_of_store(data.records);
  std::ranges::sort(records, {}, &record_copy::name);
  return records;
}

// A file in which every field of every staff record and item that the record pages show holds a
// value its control cannot show: codes no list carries, numbers outside the ranges the pages
// check, dates outside them, flags that read neither true nor false, nations no list names.
// Every record is shown on every page, every item in its panel, and each is committed by the
// moves that leave it; nothing may change, be stamped or be marked modified.
class unshowable_values : public file_menu_test {
 protected:
  static void write_data(data_set& data, const fs::path& path) {
    std::FILE* out = std::fopen(path.string().c_str(), "wb");
    ASSERT_NE(out, nullptr);
    EXPECT_TRUE(write_staff_file(out, data, app_locale()));
    std::fclose(out);
  }

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
    // Written, read and written again: the file as the program itself would save it.
    const fs::path path = folder.path() / "Spoiled.staff";
    write_data(data, path);
    data_set read;
    EXPECT_TRUE(reload_file(path, read));
    write_data(read, path);
    return path;
  }

  void click_tab(int index) {
    QTabBar* bar = window.pc_staff->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
  }

  // Clicks every entry of the item lists on the page in front.
  void click_every_item(const QWidget* page) {
    for (const item_list_place& place : item_list_places()) {
      QWidget* list = window.controls().find(place.list);
      if (list == nullptr || !page->isAncestorOf(list) || !list->isVisible())
        continue;
      if (auto* grid = qobject_cast<string_grid*>(list)) {
        for (int row = 1; row < grid->row_count(); ++row) {
          QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                            grid->visualRect(grid->model()->index(row, 0)).center());
          EXPECT_EQ(grid->currentRow(), row) << place.list;
          ++items_shown;
        }
      } else if (auto* box = qobject_cast<owner_drawn_list_box*>(list)) {
        for (int entry = 0; entry < box->count(); ++entry) {
          box->scrollToItem(box->item(entry));
          QTest::mouseClick(box->viewport(), Qt::LeftButton, {},
                            box->visualItemRect(box->item(entry)).center());
          EXPECT_EQ(box->item_index(), entry) << place.list;
          ++items_shown;
        }
      }
    }
  }

  // Each record in list order, each of its pages through its tab, each item through its entry.
  void show_everything() {
    for (int entry = 0; entry < window.list_box->count(); ++entry) {
      click_staff_entry(entry);
      for (int page = 0; page < window.pc_staff->count(); ++page) {
        if (!window.pc_staff->isTabVisible(page))
          continue;
        click_tab(page);
        EXPECT_EQ(window.pc_staff->currentIndex(), page) << "staff entry " << entry;
        click_every_item(window.pc_staff->widget(page));
      }
      ++records_shown;
    }
    click_staff_entry(0);
    // Leaving the "Staff" page commits as well.
    QTabBar* main_tabs = window.main_page_control->tabBar();
    QTest::mouseClick(main_tabs, Qt::LeftButton, {}, main_tabs->tabRect(1).center());
    QTest::mouseClick(main_tabs, Qt::LeftButton, {}, main_tabs->tabRect(0).center());
  }

  int records_shown = 0;
  int items_shown = 0;
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
