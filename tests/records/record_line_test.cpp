#include <gtest/gtest.h>

#include "records/item_records.h"
#include "records/record_line.h"
#include "records/staff_fields.h"
#include "records/staff_record.h"
#include "records_test_support.h"

namespace {

qor_staff read_staff(const std::vector<std::pair<int, std::string>>& values) {
  qor_staff staff;
  EXPECT_TRUE(read_record_line(staff_line(values), staff_layout(), record_bytes(staff)));
  return staff;
}

// Column numbers of the staff line used below.
constexpr int first_name = 4, international_apps = 13, estimated_wage = 29, height = 169,
              weight = 172, nation_declared = 10, slow_retirement = 208, year_of_birth = 8,
              current_ability = 96;

struct integer_case {
  const char* text;
  int expected;
};

TEST(RecordLine, IntegersKeepTheLowBitsOfTheirWidth) {
  const integer_case cases[] = {{"300", 44}, {"-1", -1}, {" 12abc", 12}, {"", 0},
                                {"x7", 0},   {"+5", 5},  {"128", -128},  {"9999999", 15}};
  for (const auto& [text, expected] : cases) {
    const qor_staff staff = read_staff({{international_apps, text}});
    EXPECT_EQ(staff.StaffInternationalApps, expected) << text;
    EXPECT_EQ(staff.StaffInternationalAppsText.view(), std::string_view(text).substr(0, 4));
  }
  EXPECT_EQ(read_staff({{year_of_birth, "70000"}}).StaffYearOfBirth, 4464);
  EXPECT_EQ(read_staff({{current_ability, "150"}}).StaffPlayerCurrentAbility, 150);
}

TEST(RecordLine, NumberOfAPairIsParsedFromTheStoredText) {
  const qor_staff staff = read_staff({{estimated_wage, "1,500"}});
  EXPECT_EQ(staff.StaffEstimatedWageText.view(), "1,500");
  EXPECT_EQ(staff.StaffEstimatedWage, 1);  // the parse stops at the ','
  // A five-digit count is cut to four characters before the number is taken from it.
  EXPECT_EQ(read_staff({{international_apps, "12345"}}).StaffInternationalApps,
            static_cast<std::int8_t>(1234));
}

TEST(RecordLine, HeightAndWeightTakeEitherDecimalSeparator) {
  const qor_staff comma = read_staff({{height, "1,85"}, {weight, "75.5"}});
  EXPECT_EQ(comma.StaffPlayerHeightAmountText.view(), "1,85");
  EXPECT_FLOAT_EQ(comma.StaffPlayerHeightAmount, 1.85f);
  EXPECT_FLOAT_EQ(comma.StaffPlayerWeightAmount, 75.5f);
  EXPECT_FLOAT_EQ(read_staff({{height, "1.85"}}).StaffPlayerHeightAmount, 1.85f);
}

TEST(RecordLine, OnlyNormalisedBooleanColumnsBecomeFalse) {
  struct boolean_case {
    const char* text;
    const char* normalised;
  };
  const boolean_case cases[] = {
      {"TRUE", "TRUE"}, {"false", "false"}, {"yes", "False"}, {"", "False"}, {"True ", "False"}};
  for (const auto& [text, normalised] : cases) {
    const qor_staff staff = read_staff({{nation_declared, text}, {slow_retirement, text}});
    EXPECT_EQ(staff.StaffNationDeclared.view(), normalised) << text;
    EXPECT_EQ(staff.StaffSlowRetirement.view(), text) << "copied as read";
  }
  // The two staff injury flags have no column and are normalised all the same.
  const qor_staff staff = read_staff({});
  EXPECT_EQ(staff.StaffPermanentInjury.view(), "False");
  EXPECT_EQ(staff.StaffFuturePermanentInjury.view(), "False");
  EXPECT_TRUE(staff.StaffUnder23Manager.empty());
  EXPECT_TRUE(staff.ClubCaptain.empty());
}

TEST(RecordLine, LongFieldsAreCutToTheTokenizerAndTheFieldCapacity) {
  const std::string long_name(150, 'n');
  const qor_staff staff = read_staff({{first_name, long_name}, {3, long_name}});
  EXPECT_EQ(staff.StaffFirstName.view(), long_name.substr(0, 50));
  EXPECT_EQ(staff.Researcher.view(), long_name.substr(0, 100));
}

TEST(RecordLine, LineWithTooFewFieldsIsRefused) {
  qor_staff staff;
  std::string line = staff_line({});
  line.erase(line.rfind(";\""));  // drop the last column
  EXPECT_FALSE(read_record_line(line, staff_layout(), record_bytes(staff)));
  EXPECT_FALSE(read_record_line("ORIG_DATA ", staff_layout(), record_bytes(staff)));
}

TEST(RecordLine, DislikedStaffColumnsLandInTheSharedMembers) {
  qor_staff_favourite_disliked_staff item;
  const int disliked = static_cast<int>(item_kind::disliked_staff);
  ASSERT_TRUE(read_record_line(item_line(disliked, {{1, "9"}, {2, "30"}, {3, "77"}, {4, "Rival"}}),
                               item_layout(item_kind::disliked_staff), record_bytes(item)));
  EXPECT_EQ(item.StaffFavouriteStaffStaffID, 77);
  EXPECT_EQ(item.StaffFavouriteStaffLikedStaff.view(), "Rival");
  EXPECT_EQ(item.StaffFavouriteStaffReason, 0);
}

TEST(RecordLine, WrittenLineReadsBackToTheSameRecord) {
  const qor_staff staff = read_staff({{1, "42"},
                                      {first_name, "Jan"},
                                      {international_apps, "300"},
                                      {height, "1,85"},
                                      {nation_declared, "True"}});
  std::string out;
  ASSERT_EQ(append_record_line(out, record_bytes(staff), staff_layout()), nullptr);
  ASSERT_EQ(out.back(), '\n');
  out.pop_back();
  // The pair writes its text, not the truncated number.
  EXPECT_NE(out.find("\"300\""), std::string::npos);
  qor_staff again;
  ASSERT_TRUE(read_record_line(out, staff_layout(), record_bytes(again)));
  for (const field_descriptor& field : staff_fields()) {
    EXPECT_TRUE(same_field_value(record_bytes(staff), record_bytes(again), field)) << field.name;
  }
}

TEST(RecordLine, TextsThatWouldBreakTheLineAreRefused) {
  for (const char* text : {"say \"hi\"", "two\nlines", "cr\r"}) {
    qor_staff staff;
    staff.StaffID = 5;
    staff.StaffNickName = text;
    std::string out = "kept";
    const field_descriptor* refused = append_record_line(out, record_bytes(staff), staff_layout());
    ASSERT_NE(refused, nullptr) << text;
    EXPECT_EQ(refused->name, "StaffNickName");
    EXPECT_EQ(out, "kept");
  }
}

}  // namespace
