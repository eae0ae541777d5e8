#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "records/item_kinds.h"
#include "records/item_records.h"
#include "records/item_vectors.h"
#include "records/record_line.h"
#include "records/record_store.h"
#include "records/staff_fields.h"
#include "records/staff_record.h"
#include "records_test_support.h"

namespace {

// A record's line as write_record_line writes it, or the column it refuses.
struct written_line {
  std::string text;
  const field_descriptor* refused = nullptr;
};

written_line write_line(const std::byte* record, std::size_t record_size,
                        const record_layout& layout) {
  std::string room(record_line_room(layout), '\0');
  char* end = room.data();
  const field_descriptor* refused = write_record_line(end, record, record_size, layout);
  room.resize(static_cast<std::size_t>(end - room.data()));
  return {room, refused};
}

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
  // A text is cut to the field's five characters before it is tested.
  const boolean_case cases[] = {{"TRUE", "TRUE"},   {"false", "false"}, {"yes", "False"},
                                {"", "False"},      {"True ", "False"}, {"tru", "False"},
                                {"fAlSe", "fAlSe"}, {"falsey", "false"}};
  for (const auto& [text, normalised] : cases) {
    const qor_staff staff = read_staff({{nation_declared, text}, {slow_retirement, text}});
    EXPECT_EQ(staff.StaffNationDeclared.view(), normalised) << text;
    EXPECT_EQ(staff.StaffSlowRetirement.view(), std::string_view(text).substr(0, 5))
        << "copied as read";
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
  auto [out, refused] = write_line(record_bytes(staff), sizeof staff, staff_layout());
  ASSERT_EQ(refused, nullptr);
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

// A zero-filled record of the staff (kind -1) or of an item kind, owned by the store.
std::byte* new_record(record_store& store, int kind) {
  if (kind < 0) {
    return record_bytes(*store.staff_list.emplace_back(std::make_unique<qor_staff>()));
  }
  return append_new_item(store, static_cast<item_kind>(kind), false);
}

// Bytes after a line that may be read let its last fields be read in whole words; whatever they
// hold, the record is the one read from the line alone.
TEST(RecordLine, BytesReadableAfterTheLineChangeNothing) {
  const std::string values[] = {"",
                                "7",
                                "-12345",
                                "1234567890",
                                "-987654321",
                                "12345678901",
                                "True",
                                "31/12/1999 14:05:09",
                                "1,85",
                                std::string(15, 'a'),
                                std::string(16, 'a'),
                                std::string(17, 'a'),
                                std::string(31, 'b'),
                                std::string(32, 'b'),
                                std::string(33, 'c'),
                                std::string(48, 'c'),
                                std::string(49, 'c'),
                                std::string(99, 'd'),
                                std::string(100, 'd')};
  const std::string noises[] = {std::string(128, '9'), std::string(128, '"'), std::string(128, 'x'),
                                std::string(128, '\r'), std::string(128, '\0')};
  record_store store;
  for (const std::string& value : values) {
    for (int kind = -1; kind < static_cast<int>(item_kind_count); ++kind) {
      const record_layout& layout =
          kind < 0 ? staff_layout() : item_layout(static_cast<item_kind>(kind));
      const int columns = static_cast<int>(layout.columns.size());
      // The value in each of the last few columns up to the end, so each kind of field ends a
      // line.
      for (int first = std::max(1, columns - 3); first <= columns; ++first) {
        std::vector<std::pair<int, std::string>> fields;
        for (int column = first; column <= columns; ++column) {
          fields.emplace_back(column, value);
        }
        const std::string line = kind < 0 ? staff_line(fields) : item_line(kind, fields);
        std::byte* alone = new_record(store, kind);
        ASSERT_TRUE(read_record_line(line, layout, alone));
        for (const std::string& noise : noises) {
          const std::string followed_line = line + noise;
          std::byte* followed = new_record(store, kind);
          ASSERT_TRUE(read_record_line(std::string_view(followed_line).substr(0, line.size()),
                                       layout, followed, nullptr, noise.size()));
          for (const field_descriptor& field : layout.fields) {
            ASSERT_TRUE(same_field_value(alone, followed, field))
                << field.name << " of kind " << kind << ", value " << value;
          }
        }
      }
    }
  }
}

TEST(RecordLine, TextsThatWouldBreakTheLineAreRefused) {
  for (const char* text : {"say \"hi\"", "two\nlines", "cr\r"}) {
    qor_staff staff;
    staff.StaffID = 5;
    staff.StaffNickName = text;
    const written_line line = write_line(record_bytes(staff), sizeof staff, staff_layout());
    ASSERT_NE(line.refused, nullptr) << text;
    EXPECT_EQ(line.refused->name, "StaffNickName");
    EXPECT_EQ(line.text, "") << "nothing is written";
  }
}

// The fields of a written line, without their quotes.
std::vector<std::string> fields_of(std::string_view line) {
  line = line.substr(1, line.size() - 3);  // the first quote, the last and the line feed
  std::vector<std::string> fields;
  for (std::size_t start = 0;;) {
    const std::size_t end = line.find("\";\"", start);
    fields.emplace_back(line.substr(start, end - start));
    if (end == std::string_view::npos) {
      return fields;
    }
    start = end + 3;
  }
}

// Texts are copied and checked a block of bytes at a time: every text column of every record
// type, with texts that end within, at and after a block, fill their field to its last byte, or
// lie at the record's end. A text ends at its first zero byte whatever follows it in the field;
// a byte that would break the line refuses the record wherever it is in the text.
template <class Record>
void check_text_columns(const record_layout& layout) {
  for (std::size_t column = 0; column < layout.steps.size(); ++column) {
    const column_step& step = layout.steps[column];
    if (step.text_capacity == 0) {
      continue;  // a number
    }
    for (const std::size_t length : {0, 1, 5, 15, 16, 17, 31, 32, 33, 50, 99, 100, 101}) {
      if (length > step.text_capacity) {
        continue;
      }
      std::string text;
      for (std::size_t i = 0; i < length; ++i) {
        text += static_cast<char>('a' + i % 26);
      }
      // What follows the text's zero byte in the field is never written.
      std::string field(step.text_capacity, '"');
      field.replace(0, length, text);
      if (length < field.size()) {
        field[length] = '\0';
      }
      // The other fields all full, so that only the field's own end can end a text filling it.
      Record record;
      std::memset(record_bytes(record), 'z', sizeof record);
      std::memcpy(record_bytes(record) + step.text_offset, field.data(), field.size());
      const written_line line = write_line(record_bytes(record), sizeof record, layout);
      const std::string name(layout.columns[column]->name);
      ASSERT_EQ(line.refused, nullptr) << name << ", " << length;
      EXPECT_EQ(fields_of(line.text).at(column), text) << name;
      if (length > 0) {
        field[length - 1] = "\"\r\n"[length % 3];
        std::memcpy(record_bytes(record) + step.text_offset, field.data(), field.size());
        const written_line refused = write_line(record_bytes(record), sizeof record, layout);
        EXPECT_EQ(refused.refused, layout.columns[column]) << name << ", " << length;
        EXPECT_EQ(refused.text, "");
      }
    }
  }
}

TEST(RecordLine, EveryTextIsWrittenUpToItsEndAndCheckedThroughout) {
  check_text_columns<qor_staff>(staff_layout());
  record_store store;
  for_each_item_kind(store, [](auto kind, const auto& current, const auto&) {
    using item = typename std::remove_cvref_t<decltype(current)>::value_type::element_type;
    check_text_columns<item>(item_layout(kind));
  });
}

}  // namespace
