#include "every_page_walk.h"

#include <QTabBar>
#include <QTest>
#include <algorithm>

#include "change_tracking/item_store.h"
#include "platform/owner_drawn_list_box.h"
#include "platform/owner_drawn_list_view.h"
#include "platform/page_control.h"
#include "platform/string_grid.h"
#include "record_form/item_details.h"
#include "record_form/page_table.h"
#include "records/item_vectors.h"
#include "records/record_layout.h"
#include "sub_records/item_list_places.h"

namespace fs = std::filesystem;

namespace {

template <class Record>
record_copy copy_of(std::string name, const record_layout& layout, const Record& record) {
  return {std::move(name), &layout,
          std::string(reinterpret_cast<const char*>(&record), sizeof record)};
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

}  // namespace

bool in_an_item_panel(const control_spec& row) {
  for (std::size_t kind = 0; kind < item_kind_count; ++kind) {
    if (row.container != nullptr &&
        std::string_view(row.container) == item_panel_name(static_cast<item_kind>(kind))) {
      return true;
    }
  }
  return false;
}

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

std::vector<record_copy> records_in_file(const fs::path& path) {
  data_set data;
  EXPECT_TRUE(reload_file(path, data));
  std::vector<record_copy> records = copy_of_store(data.records);
  std::ranges::sort(records, {}, &record_copy::name);
  return records;
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

void every_page_walk::click_tab(int index) {
  QTabBar* bar = window.pc_staff->tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

void every_page_walk::click_every_item(QWidget* page, const page_visit& on_page) {
  for (const item_list_place& place : item_list_places()) {
    QWidget* list = window.controls().find(place.list);
    // A list the user cannot click (the clauses of a staff member without a club contract) is
    // seen through the first item its staff member shows.
    if (list == nullptr || !page->isAncestorOf(list) || !list->isVisible() || !list->isEnabled())
      continue;
    const char* panel = item_panel_name(place.kind);
    if (auto* grid = qobject_cast<string_grid*>(list)) {
      for (int row = 1; row < grid->row_count(); ++row) {
        const QModelIndex cell = grid->model()->index(row, 0);
        grid->scrollTo(cell);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell).center());
        EXPECT_EQ(grid->currentRow(), row) << place.list;
        ++items_shown;
        if (on_page)
          on_page(page, panel);
      }
    } else if (auto* box = qobject_cast<owner_drawn_list_box*>(list)) {
      for (int entry = 0; entry < box->count(); ++entry) {
        box->scrollToItem(box->item(entry));
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {},
                          box->visualItemRect(box->item(entry)).center());
        EXPECT_EQ(box->item_index(), entry) << place.list;
        ++items_shown;
        if (on_page)
          on_page(page, panel);
      }
    }
  }
}

void every_page_walk::show_everything(const page_visit& on_page) {
  for (int entry = 0; entry < window.list_box->count(); ++entry) {
    click_staff_entry(entry);
    for (int page = 0; page < window.pc_staff->count(); ++page) {
      if (!window.pc_staff->isTabVisible(page))
        continue;
      click_tab(page);
      EXPECT_EQ(window.pc_staff->currentIndex(), page) << "staff entry " << entry;
      if (on_page)
        on_page(window.pc_staff->widget(page), nullptr);
      click_every_item(window.pc_staff->widget(page), on_page);
    }
    ++records_shown;
  }
  click_staff_entry(0);
  // Leaving the "Staff" page commits as well.
  QTabBar* main_tabs = window.main_page_control->tabBar();
  QTest::mouseClick(main_tabs, Qt::LeftButton, {}, main_tabs->tabRect(1).center());
  QTest::mouseClick(main_tabs, Qt::LeftButton, {}, main_tabs->tabRect(0).center());
}
