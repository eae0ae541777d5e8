#include "analysis/rca_list.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "ability/position_weightings.h"
#include "ability/staff_attributes.h"
#include "analysis/recommended_ability_cache.h"
#include "analysis_records.h"

namespace {

qor_staff rca_player(std::int32_t id, const char* second_name, const char* common_name = "") {
  qor_staff staff = ::complete_player(id, common_name);
  staff.StaffSecondName = second_name;
  return staff;
}

std::vector<std::int32_t> listed_ids(const record_vector<qor_staff>& staff) {
  std::vector<std::int32_t> ids;
  for (const auto& record : staff)
    ids.push_back(record ? record->StaffID : -1);
  return ids;
}

// Greatest difference first; equal differences by display name (the common name where there is
// one) ignoring case; a non-player keeps the difference he holds, takes his place by it and is
// not listed; a missing record goes last.
TEST(list_rca_ca_difference, orders_by_difference_then_display_name) {
  record_vector<qor_staff> staff = make_staff({
      {rca_player(1, "Brown"), nullptr},
      {rca_player(2, "adams"), nullptr},
      {rca_player(3, "Zed", "Bob"), nullptr},
      {rca_player(4, "Young"),
       [](qor_staff& s) {
         s.StaffClassification = 1;
         s.rca_ca_difference = 15;
       }},
      {rca_player(5, "Carter"), nullptr},
  });
  staff.insert(staff.begin() + 2, nullptr);
  // Current ability 100 each: differences 10, 10, 10, 20 for the four players.
  const std::map<std::int32_t, int> recommended{{1, 110}, {2, 110}, {3, 110}, {5, 120}};
  const std::vector<rca_line> lines = list_rca_ca_difference(
      staff, [&](const qor_staff& record) { return recommended.at(record.StaffID); });

  EXPECT_EQ(listed_ids(staff), (std::vector<std::int32_t>{5, 4, 2, 3, 1, -1}));
  std::vector<std::string> texts;
  for (const rca_line& line : lines)
    texts.push_back(line.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"Carter, 100, 120, 20", "adams, 100, 110, 10",
                                             "Zed, 100, 110, 10", "Brown, 100, 110, 10"}));
  EXPECT_EQ(lines.front().staff, staff.front().get());
}

// A striker weighed on finishing, heading and pace, so that those attributes move his value.
POSITION_WEIGHTINGS striker_weightings(int finishing_weight) {
  POSITION_WEIGHTINGS table;
  constexpr int striker = 12;
  table.set_weighting(striker, 27, finishing_weight);
  table.set_weighting(striker, 28, 40);
  table.set_weighting(striker, 64, 50);
  return table;
}

qor_staff weighed_striker(std::int32_t id) {
  qor_staff staff = ::complete_player(id);
  staff.StaffPlayerGoalkeeper = 0;
  staff.StaffPlayerAttackerCentral = 20;
  staff.StaffPlayerFinishing = 10;
  staff.StaffPlayerHeading = 12;
  staff.StaffPlayerPace = 14;
  return staff;
}

int recommended_afresh(const qor_staff& staff, const POSITION_WEIGHTINGS& table) {
  return fitted_playing_data(staff, table).recommended_current_ability(staff, table);
}

// A kept value is given only while the record's figures and the weightings are those it was
// worked out from: after any change it equals the value worked out afresh.
TEST(recommended_ability_cache, gives_the_value_of_the_figures_as_they_are_now) {
  recommended_ability_cache cache;
  const POSITION_WEIGHTINGS table = striker_weightings(90);
  qor_staff staff = weighed_striker(1);
  cache.start_list(table);
  const int before = cache.recommended(staff);
  EXPECT_EQ(before, recommended_afresh(staff, table));
  EXPECT_GT(before, 0);

  struct change {
    const char* what;
    void (*apply)(qor_staff&);
  };
  // The current ability is kept with the figures too, though it moves the value only in the
  // rare case of a foot above 20 that the fit may bring down.
  const change changes[] = {
      {"a foot", [](qor_staff& s) { s.StaffPlayerLeftFoot = 20; }},
      {"a rating", [](qor_staff& s) { s.StaffPlayerSweeper = 18; }},
      {"an attribute", [](qor_staff& s) { s.StaffPlayerFinishing = 14; }},
  };
  for (const change& each : changes) {
    const int old_value = recommended_afresh(staff, table);
    each.apply(staff);
    cache.start_list(table);
    EXPECT_NE(recommended_afresh(staff, table), old_value) << each.what << " should move the value";
    EXPECT_EQ(cache.recommended(staff), recommended_afresh(staff, table)) << each.what;
  }

  const POSITION_WEIGHTINGS reweighed = striker_weightings(10);
  ASSERT_NE(recommended_afresh(staff, reweighed), recommended_afresh(staff, table));
  cache.start_list(reweighed);
  EXPECT_EQ(cache.recommended(staff), recommended_afresh(staff, reweighed));
}

}  // namespace
