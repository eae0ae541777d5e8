#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "records/item_fields.h"
#include "records/item_records.h"
#include "records/record_layout.h"
#include "records/staff_fields.h"
#include "records/staff_record.h"

namespace {

TEST(StaffRecord, StartsZeroFilledAndCutsLongTexts) {
  qor_staff staff;
  EXPECT_EQ(staff.StaffID, 0);
  EXPECT_TRUE(staff.StaffNationDeclared.empty());  // empty, not "False", until written
  EXPECT_EQ(staff.StaffPlayerHeightAmount, 0.0f);
  const std::string sixty(60, 'x');
  staff.StaffFirstName = sixty;
  EXPECT_EQ(staff.StaffFirstName.view(), sixty.substr(0, 50));
}

TEST(StaffRecord, CopyEqualsTheOriginalInEveryField) {
  qor_staff staff;
  staff.StaffID = 7;
  staff.StaffNationIndex = 3;  // index fields, not in the file, are copied too
  staff.rca_ca_difference = -4;
  staff.StaffPlayerWeightAmount = 75.5f;
  const qor_staff copy = staff;
  for (const field_descriptor& field : staff_fields()) {
    EXPECT_TRUE(same_field_value(record_bytes(staff), record_bytes(copy), field)) << field.name;
  }
}

// Each table lists every member once, in memory order, without overlaps.
void expect_table_covers_record(std::span<const field_descriptor> fields, std::size_t record_size,
                                const char* name) {
  std::size_t end = 0;
  for (const field_descriptor& field : fields) {
    EXPECT_GE(field.offset, end) << name << " " << field.member;
    end = field.offset + field.size;
    if (field.is_pair()) {
      EXPECT_GE(field.text_offset, end) << name << " " << field.member;
      end = field.text_offset + field.text_size;
    }
  }
  EXPECT_LE(end, record_size) << name;
  EXPECT_GT(end + 4, record_size) << name << ": a member is missing at the end";
}

TEST(ColumnTables, CoverEveryMemberInMemoryOrder) {
  expect_table_covers_record(staff_fields(), sizeof(qor_staff), "qor_staff");
  const std::size_t sizes[] = {sizeof(qor_staff_favourite_disliked_staff),
                               sizeof(qor_staff_favourite_disliked_staff),
                               sizeof(qor_staff_favourite_disliked_club),
                               sizeof(qor_staff_favourite_disliked_club),
                               sizeof(qor_staff_history),
                               sizeof(qor_staff_language),
                               sizeof(qor_staff_ppm),
                               sizeof(qor_staff_non_player_history),
                               sizeof(qor_staff_injury),
                               sizeof(qor_staff_job),
                               sizeof(qor_staff_contract_clauses),
                               sizeof(qor_staff_achievements),
                               sizeof(qor_staff_npt),
                               sizeof(qor_staff_days_at_club_nation),
                               sizeof(qor_staff_retirement),
                               sizeof(qor_staff_unavailability),
                               sizeof(qor_staff_long_term_career)};
  for (std::size_t i = 0; i < item_kind_count; ++i) {
    expect_table_covers_record(item_fields(static_cast<item_kind>(i)), sizes[i],
                               std::to_string(i).c_str());
  }
}

TEST(ColumnTables, SectionsHaveTheirColumnCounts) {
  EXPECT_EQ(staff_layout().columns.size(), 249u);
  const std::size_t counts[] = {10, 9, 9, 8, 22, 7, 6, 10, 13, 7, 16, 14, 7, 11, 7, 11, 12};
  for (std::size_t i = 0; i < item_kind_count; ++i) {
    EXPECT_EQ(item_layout(static_cast<item_kind>(i)).columns.size(), counts[i]) << i;
  }
}

TEST(ColumnTables, HeadersNameTheColumnsInFileOrder) {
  EXPECT_TRUE(staff_layout().header.starts_with("[StaffID][DateUpdated];[Researcher];"));
  EXPECT_TRUE(staff_layout().accepted_header.starts_with("[StaffID];[DateUpdated];"));
  EXPECT_TRUE(staff_layout().header.ends_with(
      ";[StaffNonPlayerCoachingStyle];[StaffMLSDiscoveryPlayerAtCurrentClub]"));
  EXPECT_EQ(item_layout(item_kind::disliked_staff).header,
            "[StaffDislikedStaffID];[StaffDislikedStaffStaff];[StaffDislikedStaffStaffID];"
            "[StaffDislikedStaffDislikedStaff];[StaffDislikedStaffRating];[DateUpdated];"
            "[Researcher];[StaffDislikedStaffPermanent];[StaffDislikedStaffMarkedForDeletion]");
  EXPECT_TRUE(item_layout(item_kind::achievements)
                  .header.ends_with(";[StaffAchievementsPromotionOrRelegation]"));
  EXPECT_NE(
      item_layout(item_kind::days_at_club_nation).header.find("[StaffDaysAtClubNation15-21Only]"),
      std::string::npos);
}

TEST(ColumnTables, SharedTypesMapTheDislikedColumnsToTheFavouriteMembers) {
  const record_layout& disliked = item_layout(item_kind::disliked_staff);
  EXPECT_EQ(disliked.columns[2]->member, "StaffFavouriteStaffStaffID");
  EXPECT_EQ(disliked.columns[3]->member, "StaffFavouriteStaffLikedStaff");
  const auto reason = std::ranges::find(
      disliked.fields, std::string_view("StaffFavouriteStaffReason"), &field_descriptor::member);
  ASSERT_NE(reason, disliked.fields.end());
  EXPECT_FALSE(reason->in_file());
}

TEST(ColumnTables, PassListsHoldTheirFields) {
  const record_layout& staff = staff_layout();
  EXPECT_EQ(staff.dates.size(), 19u);  // two injury dates have no column but are re-ordered
  EXPECT_EQ(staff.unread_booleans.size(), 2u);  // the two staff injury flags have no column
  EXPECT_EQ(item_layout(item_kind::history).derived_indices.size(), 2u);
  EXPECT_EQ(item_layout(item_kind::long_term_career).derived_indices.size(), 1u);
}

TEST(HeaderTest, ComparesTheLineWithoutItsLastCharacter) {
  const std::string& header = staff_layout().header;
  const std::pair<std::string, bool> cases[] = {
      {header, true},
      {"[staffid][dateupdated]", true},
      {header.substr(0, 40), true},
      {header + ";", true},  // one character more is never compared
      {header + " ", true},
      {"[StaffID][DateUpdatedX", true},
      {"", false},  // empty and one-character lines stay refused
      {"[", false},
      {"x", false},
      {"# comment", false},
      {"[StaffID]X[DateUpdated]", false},
      {header + ";;", false},
      {header + ";[Extra]", false},
  };
  for (const auto& [line, accepted] : cases) {
    EXPECT_EQ(header_matches(line, header), accepted) << line;
  }
}

}  // namespace
