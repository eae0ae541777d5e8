#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "platform/app_locale.h"
#include "platform/scripted_dialog_service.h"
#include "records/lookup_lists.h"
#include "records/record_store.h"
#include "records/system_locale.h"

// A locale with fixed conventions: dates in `order` joined by `separator`, ',' between thousands.
class item_test_locale : public system_locale {
 public:
  explicit item_test_locale(std::string order = "dd_mm_yyyy", char separator = '/')
      : order_(std::move(order)), separator_(separator) {}

  std::string format_short_date(int year, int month, int day) const override {
    char buffer[32];
    if (order_ == "dd_mm_yyyy")
      std::snprintf(buffer, sizeof buffer, "%02d%c%02d%c%04d", day, separator_, month, separator_,
                    year);
    else if (order_ == "mm_dd_yyyy")
      std::snprintf(buffer, sizeof buffer, "%02d%c%02d%c%04d", month, separator_, day, separator_,
                    year);
    else
      std::snprintf(buffer, sizeof buffer, "%04d%c%02d%c%02d", year, separator_, month, separator_,
                    day);
    return buffer;
  }
  std::string format_date_time(const date_time& t) const override {
    return format_short_date(t.year, t.month, t.day);
  }
  char date_separator() const override { return separator_; }
  char time_separator() const override { return ':'; }
  char decimal_separator() const override { return '.'; }
  std::string thousands_separator() const override { return ","; }

 private:
  std::string order_;
  char separator_;
};

// Appends a zero-filled item with that id and owner and returns it for the test to fill in.
template <class Item>
Item& add_item(record_vector<Item>& items, std::int32_t id, std::int32_t owner) {
  auto item = std::make_unique<Item>();
  std::memcpy(reinterpret_cast<char*>(item.get()), &id, sizeof id);
  std::memcpy(reinterpret_cast<char*>(item.get()) + sizeof id, &owner, sizeof owner);
  items.push_back(std::move(item));
  return *items.back();
}

// The id of a grid row's or list entry's object; -1 for none.
template <class Item>
int object_id(const void* object) {
  return object != nullptr ? record_id(*static_cast<const Item*>(object)) : -1;
}

// Small lookup lists, a day-first locale and scripted dialogs for every test; the program's
// lookup lists are put back afterwards.
class item_list_test : public ::testing::Test {
 protected:
  item_list_test() : saved_lookups_(lookups()), locale_(std::make_shared<item_test_locale>()) {
    lookup_lists& l = lookups();
    l = lookup_lists{};
    l.club_list = {"Tolvan United;1;2;3;4;101", "Estr\xE9la FC;0;0;0;0;102"};
    l.currency_list = {"Pound;1", "Euro;2"};
    l.retirement_type_list = {"Retired;1", "Coaching;2"};
    l.unavailability_type_list = {"Suspended;1"};
    l.club_comps_list = {"First Division;10"};
    l.nation_comps_list = {"World Cup;20"};
    l.jobs_list = {"Manager;1", "Coach;2"};
    l.staff_jobs_list = {"Scout;5", "Physio;6"};
    l.injury_list = {"Broken Leg;1", "Knee;2"};
    l.contract_clauses_type_list = {"Relegation Release;3", "Next Sale Percentage;9"};
    l.stage_names_list = {"Final;4"};
    l.staff_history_draft_types_list = {"Regular;1"};
    l.favourite_staff_reason_list = {"Mentor;1"};
    l.favourite_club_reason_list = {"Supporter;2"};
    l.ppm_list = {"Dives Into Tackles;7"};
    l.npt_list = {"Plays Youth;8"};
  }
  ~item_list_test() override { lookups() = saved_lookups_; }

  lookup_lists saved_lookups_;
  scoped_app_locale locale_;
  scoped_scripted_dialogs dialogs_;
  record_store store_;
};
