#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "analysis/check_list_facts.h"

namespace {

record_vector<qor_staff_history> history_of(std::int32_t owner, std::vector<int> years) {
  record_vector<qor_staff_history> items;
  for (const int year : years) {
    auto item = std::make_unique<qor_staff_history>();
    item->StaffHistoryID = static_cast<std::int32_t>(items.size()) + 1;
    item->StaffHistoryStaff = owner;
    item->StaffHistoryYear = year;
    items.push_back(std::move(item));
  }
  return items;
}

std::vector<int> years_in_store_order(const record_vector<qor_staff_history>& history) {
  std::vector<int> years;
  for (const auto& item : history)
    years.push_back(item->StaffHistoryYear);
  return years;
}

TEST(check_list_facts, missing_history_years_list_gaps_and_2012_once) {
  struct years_case {
    std::vector<int> years;
    std::vector<std::string> missing;
  };
  const years_case cases[] = {
      {{}, {"2012"}},
      {{2013, 2010}, {"2011", "2012"}},  // the gap lists 2012; it is not listed again
      {{2012, 2012, 2013}, {}},
      {{2008, 2010, 2012}, {"2009", "2011"}},
      {{2015, 2016}, {"2012"}},
      {{-3, 1}, {"-2", "-1", "0", "2012"}},
      {{0, 5}, {"2012"}},  // no year held before 5
  };
  for (const years_case& test : cases) {
    auto history = history_of(5, test.years);
    const std::vector<int> order_before = years_in_store_order(history);
    EXPECT_EQ(missing_history_years(history, 5), test.missing);
    EXPECT_EQ(years_in_store_order(history), order_before) << "the store keeps its order";
  }
  auto others = history_of(6, {2000, 2020});
  EXPECT_EQ(missing_history_years(others, 5), std::vector<std::string>{"2012"});
}

TEST(check_list_facts, a_wide_gap_of_years_takes_one_line) {
  constexpr int lowest = std::numeric_limits<int>::min();
  constexpr int highest = std::numeric_limits<int>::max();
  struct years_case {
    std::vector<int> years;
    std::vector<std::string> missing;
  };
  const years_case cases[] = {
      {{2011, 2012, 2000000000}, {"2013 to 1999999999"}},
      {{2011, 2012, 2012000}, {"2013 to 2011999"}},
      {{lowest, highest}, {"-2147483647 to 2147483646"}},  // 2012 lies inside
      {{lowest, 2012, highest}, {"-2147483647 to 2011", "2013 to 2147483646"}},
      {{highest - 1, highest}, {"2012"}},
      {{1800, 2002}, {"1801 to 2001", "2012"}},  // 201 years
  };
  for (const years_case& test : cases)
    EXPECT_EQ(missing_history_years(history_of(5, test.years), 5), test.missing);

  // The widest gap still listed year by year: 200 years.
  const std::vector<std::string> lines = missing_history_years(history_of(5, {1800, 2001}), 5);
  ASSERT_EQ(lines.size(), 201U);
  EXPECT_EQ(lines.front(), "1801");
  EXPECT_EQ(lines[199], "2000");
  EXPECT_EQ(lines.back(), "2012");
}

TEST(check_list_facts, record_facts) {
  qor_staff player;
  player.StaffClassification = 2;
  EXPECT_FALSE(has_height_and_weight(player));
  EXPECT_FALSE(has_appearance_details(player));
  player.StaffPlayerHeightAmount = 180.0F;
  player.StaffPlayerWeightAmount = 75.0F;
  player.StaffHairColour = 1;
  player.StaffSkinTone = 3;
  EXPECT_TRUE(has_height_and_weight(player));
  EXPECT_FALSE(has_appearance_details(player));
  player.StaffEthnicity = 2;
  EXPECT_TRUE(has_appearance_details(player));

  qor_staff coach;
  coach.StaffClassification = 1;
  EXPECT_TRUE(has_height_and_weight(coach));
  EXPECT_TRUE(has_appearance_details(coach));

  player.StaffPlayerLeftFoot = 20;
  player.StaffPlayerRightFoot = 1;
  EXPECT_TRUE(has_strong_foot(player));
  player.StaffPlayerLeftFoot = 19;
  player.StaffPlayerRightFoot = 19;
  EXPECT_FALSE(has_strong_foot(player));

  EXPECT_TRUE(has_loan_squad_number_if_on_loan(player));
  player.StaffClubOnLoanTo = 12;
  EXPECT_FALSE(has_loan_squad_number_if_on_loan(player));
  player.StaffPlayerLoanSquadNumber = 23;
  EXPECT_TRUE(has_loan_squad_number_if_on_loan(player));
}

TEST(check_list_facts, dates_of_today_and_before_are_past) {
  const date_time today{2024, 5, 10, 14, 30, 0};
  struct date_case {
    const char* text;
    const char* order;
    bool past;
  };
  const date_case cases[] = {
      {"10/05/2024", "dd_mm_yyyy", true},  {"09/05/2024", "dd_mm_yyyy", true},
      {"11/05/2024", "dd_mm_yyyy", false}, {"05/11/2024", "mm_dd_yyyy", false},
      {"05/09/2024", "mm_dd_yyyy", true},  {"2024/05/10", "yyyy_mm_dd", true},
      {"00/00/0000", "dd_mm_yyyy", false}, {"31/02/2020", "dd_mm_yyyy", false},
      {"", "dd_mm_yyyy", false},
  };
  for (const date_case& test : cases)
    EXPECT_EQ(date_text_in_past(test.text, "00/00/0000", test.order, today), test.past)
        << test.text << " " << test.order;
}

TEST(check_list_facts, rating_words_and_listed_names) {
  EXPECT_EQ(position_rating_word(20), ": (Natural)");
  EXPECT_EQ(position_rating_word(15), ": (Accomplished)");
  EXPECT_EQ(position_rating_word(14), ": (Competent)");
  EXPECT_EQ(position_rating_word(9), ": (Unconvincing)");
  EXPECT_EQ(position_rating_word(8), ": (Awkward)");
  EXPECT_EQ(position_rating_word(1), ": (Ineffectual)");
  EXPECT_EQ(position_rating_word(0), "");
  EXPECT_EQ(position_rating_words().size(), 6U);

  EXPECT_EQ(listed_field_name("staff_pl_corners", false), "corners");
  EXPECT_EQ(listed_field_name("staff_np_tempo", false), "tempo");
  EXPECT_EQ(listed_field_name("staff_ambition", true), "ambition");
  EXPECT_EQ(count_text(3, 15), "3/15");
}

TEST(check_list_facts, item_counts_take_marked_items_too) {
  record_vector<qor_staff_ppm> ppms;
  for (const std::int32_t owner : {4, 4, 5}) {
    auto ppm = std::make_unique<qor_staff_ppm>();
    ppm->StaffPPMStaff = owner;
    ppm->StaffPPMMarkedForDeletion = "True";
    ppms.push_back(std::move(ppm));
  }
  EXPECT_EQ(count_staff_items(ppms, 4), 2);
  EXPECT_EQ(count_staff_items(ppms, 6), 0);
}

}  // namespace
