#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "file_menu_test_support.h"

class QWidget;
struct control_spec;
struct record_layout;

// A page row whose control sits in one of the item detail panels.
bool in_an_item_panel(const control_spec& row);

// Byte copies of every current and original record of a store, to tell whether a walk through
// the window changed any of them.
struct record_copy {
  std::string name;
  const record_layout* layout;
  std::string bytes;
};

// Every current and original record, in store order.
std::vector<record_copy> copy_of_store(const record_store& records);
// The records of a file, ordered by name: the item lists are shown, and so saved, in an order of
// their own.
std::vector<record_copy> records_in_file(const std::filesystem::path& path);
// Each record the same bytes as before; a difference names the record and its fields.
void expect_same_records(const std::vector<record_copy>& before,
                         const std::vector<record_copy>& after);

// The main window walked through as a user would look at a whole file: every staff record, each
// of its pages through its tab, each item through its entry in its list; then back to the first
// record and over to the "Analysis" page and back, so that every move that commits has run.
class every_page_walk : public file_menu_test {
 protected:
  // `on_page` runs with each page in front, then with each item shown (with its kind's panel).
  using page_visit = std::function<void(QWidget* page, const char* panel)>;
  void show_everything(const page_visit& on_page = {});

  int records_shown = 0;
  int items_shown = 0;

 private:
  void click_tab(int index);
  void click_every_item(QWidget* page, const page_visit& on_page);
};
