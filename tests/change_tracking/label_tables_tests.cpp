#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <string_view>

#include "change_tracking/label_tables.h"
#include "records/item_fields.h"
#include "records/item_records.h"
#include "records/staff_fields.h"
#include "records/staff_record.h"

namespace {

const label_row& staff_row(std::string_view label) {
  for (const label_row& row : staff_label_rows()) {
    if (row.label == label)
      return row;
  }
  ADD_FAILURE() << "no row " << label;
  return staff_label_rows().front();
}

const label_row& item_row(item_kind kind, std::string_view label) {
  for (const label_row& row : item_label_rows(kind)) {
    if (row.label == label)
      return row;
  }
  ADD_FAILURE() << "no row " << label;
  return item_label_rows(kind).front();
}

template <class Record>
label_difference compare(const Record& current, const Record& original, const label_row& row) {
  return compare_label_row(record_bytes(current), record_bytes(original), row);
}

}  // namespace

// Every written row finds its field: a row left out would leave its caption plain for good.
TEST(LabelTables, EveryRowFindsItsFieldAndEveryCaptionIsNamedOnce) {
  EXPECT_EQ(staff_label_rows().size(), 263u);
  const std::size_t per_kind[item_kind_count] = {6, 5,  5,  4, 18, 3, 2, 6, 9,
                                                 3, 12, 10, 3, 7,  3, 7, 8};
  std::set<std::string_view> labels;
  for (const label_row& row : staff_label_rows())
    EXPECT_TRUE(labels.insert(row.label).second) << row.label;
  for (std::size_t k = 0; k < item_kind_count; ++k) {
    EXPECT_EQ(item_label_rows(static_cast<item_kind>(k)).size(), per_kind[k]) << "kind " << k;
    for (const label_row& row : item_label_rows(static_cast<item_kind>(k)))
      EXPECT_TRUE(labels.insert(row.label).second) << row.label;
  }
  EXPECT_EQ(staff_caption_rows().size(), 10u);
}

// The id, the owner and the update stamp are no field of the record's content.
TEST(LabelTables, NoCaptionShowsAnIdOrTheUpdateStamp) {
  const std::set<std::string_view> never = {"StaffID", "DateUpdated", "Researcher",
                                            "StaffLoanPlayerWagesCurrency"};
  for (const label_row& row : staff_label_rows())
    EXPECT_FALSE(never.count(row.field.name)) << row.label;
  for (std::size_t k = 0; k < item_kind_count; ++k) {
    const auto kind = static_cast<item_kind>(k);
    const auto fields = item_fields(kind);
    for (const label_row& row : item_label_rows(kind)) {
      EXPECT_FALSE(never.count(row.field.name)) << row.label;
      EXPECT_NE(row.field.offset, fields[0].offset) << row.label;  // own id
      EXPECT_NE(row.field.offset, fields[1].offset) << row.label;  // owner
    }
  }
}

TEST(LabelTables, QuantitiesTellHigherFromLowerAtTheirWidthAndSign) {
  struct quantity_case {
    const char* label;
    std::int32_t original;
    std::int32_t current;
    label_difference expected;
  };
  // Signed fields of one, two and four bytes, and the counts kept in a signed byte.
  const quantity_case cases[] = {
      {"staff_label_pl_pace", 15, 12, label_difference::lower},
      {"staff_label_pl_pace", 12, 15, label_difference::higher},
      {"staff_label_pl_pace", 12, 12, label_difference::none},
      {"staff_label_pl_current_ability", 120, 130, label_difference::higher},
      {"staff_label_pl_current_ability2", 120, 130, label_difference::higher},
      {"staff_label_np_potential_ability", -5, -10, label_difference::lower},
      {"staff_label_estimated_wage", 1000, 500, label_difference::lower},
      {"staff_label_estimated_wage4", 1000, 5000, label_difference::higher},
      {"staff_label_int_apps", 100, 200, label_difference::higher},
      {"staff_label_u21_goals", 200, 100, label_difference::lower},
      {"staff_label_draft_pick", 127, 128, label_difference::higher},
  };
  for (const quantity_case& c : cases) {
    const label_row& row = staff_row(c.label);
    qor_staff original;
    qor_staff current;
    write_integer(record_bytes(original), row.field.offset, row.field.size, c.original);
    write_integer(record_bytes(current), row.field.offset, row.field.size, c.current);
    EXPECT_EQ(compare(current, original, row), c.expected)
        << c.label << " " << c.original << " -> " << c.current;
  }
}

TEST(LabelTables, ItemQuantitiesIncludeUnsignedCountsAndANumberHeldAsText) {
  qor_staff_history history;
  history.StaffHistoryApps = 100;
  qor_staff_history more = history;
  more.StaffHistoryApps = static_cast<std::int8_t>(200);
  const label_row& apps = item_row(item_kind::history, "staff_history_apps_label");
  EXPECT_EQ(compare(more, history, apps), label_difference::higher);
  EXPECT_EQ(compare(history, more, apps), label_difference::lower);
  // A club is a code: any change is red, never green.
  more = history;
  more.StaffHistoryClub = 99;
  EXPECT_EQ(compare(more, history, item_row(item_kind::history, "staff_history_club_label")),
            label_difference::changed);

  const label_row& promotion =
      item_row(item_kind::achievements, "staff_achievements_promotion_or_relegation_label");
  struct text_case {
    const char* original;
    const char* current;
    label_difference expected;
  };
  const text_case cases[] = {
      {"-1", "2", label_difference::higher},  {"10", "9", label_difference::lower},
      {"", "1", label_difference::higher},    {"3", "3", label_difference::none},
      {"+1", "1", label_difference::changed},
  };
  for (const text_case& c : cases) {
    qor_staff_achievements original;
    original.StaffAchievementsPromotionOrRelegation = c.original;
    qor_staff_achievements current;
    current.StaffAchievementsPromotionOrRelegation = c.current;
    EXPECT_EQ(compare(current, original, promotion), c.expected)
        << c.original << " -> " << c.current;
  }
}

TEST(LabelTables, TextsCompareWithCaseFlagsWithoutAndNationsWithTheirDeclaredFlag) {
  qor_staff original;
  original.StaffFirstName = "Jon";
  original.StaffFemale = "false";
  original.StaffThirdNation = "Wales";
  original.StaffThirdNationDeclared = "True";
  qor_staff current = original;
  current.StaffFirstName = "jon";
  current.StaffFemale = "False";
  EXPECT_EQ(compare(current, original, staff_row("staff_label_first_name")),
            label_difference::changed);
  EXPECT_EQ(compare(current, original, staff_row("staff_label_female")), label_difference::none);

  current.StaffThirdNationDeclared = "False";
  EXPECT_EQ(compare(current, original, staff_row("staff_label_third_nation")),
            label_difference::none);
  EXPECT_EQ(compare(current, original, staff_row("staff_label_third_nation_declared")),
            label_difference::changed);
  EXPECT_EQ(compare(current, original, staff_row("staff_third_nation_declared")),
            label_difference::changed);
}

TEST(LabelTables, HeightComparesItsNumberNotItsText) {
  const label_row& height = staff_row("staff_label_pl_height_amount");
  qor_staff original;
  original.StaffPlayerHeightAmount = 1.8f;
  original.StaffPlayerHeightAmountText = "1.80";
  qor_staff current = original;
  current.StaffPlayerHeightAmountText = "1.8";
  EXPECT_EQ(compare(current, original, height), label_difference::none);
  current.StaffPlayerHeightAmount = 1.9f;
  EXPECT_EQ(compare(current, original, height), label_difference::changed);
}
