#pragma once

#include <cstdint>
#include <string_view>

#include "records/staff_record.h"

// Staff records of a small invented club, built in code into the current data set.

inline constexpr std::int32_t home_club_id = 100;
inline constexpr std::int32_t away_club_id = 200;
inline constexpr std::int32_t loan_club_id = 300;

// The file's club and title, the club list naming the three clubs, and the locale's date order
// as a load would leave them.
void set_up_home_club_file();

// Appends a record of the home club (a player) to the staff list; with an identical original
// unless `is_new`.
qor_staff& add_test_staff(std::int32_t id, std::string_view second_name,
                          std::string_view first_name, bool is_new = false);

class Tfrm_main;

// Lists the staff vector by display name, as opening a file does, and selects the first entry.
void list_by_name_and_select_first(Tfrm_main& window);

// Shows and enables the pages, the staff list and the page controls, as opening a file does.
void show_pages_as_after_opening(Tfrm_main& window);

// Selects the entry as a click on it does.
void click_entry(Tfrm_main& window, int index);

// The record an entry stands for.
const qor_staff* entry_record(const Tfrm_main& window, int index);
