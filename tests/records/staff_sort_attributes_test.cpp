#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "records/lookup.h"
#include "records/lookup_lists.h"
#include "records/staff_sort.h"
#include "records/staff_sort_attributes.h"

namespace {

TEST(staff_sort_attribute_names, rows_carry_their_attribute_except_128_and_129) {
  const auto& names = staff_sort_attribute_names();
  ASSERT_EQ(names.size(), 139u);
  EXPECT_EQ(names[0], "FirstName; 0");
  EXPECT_EQ(names[69], "PlayerSquadNumber; 69");
  EXPECT_EQ(names[128], "ClubCaptain; 129");
  EXPECT_EQ(names[129], "MediaJob; 128");
  EXPECT_EQ(names[138], "PlayerWearkerFoot; 138");
  EXPECT_EQ(lookup_name(names[128]), "ClubCaptain");
  std::set<int> attributes;
  for (std::size_t row = 0; row < names.size(); ++row) {
    const int attribute = lookup_code(names[row]);
    attributes.insert(attribute);
    if (row != 128 && row != 129) {
      EXPECT_EQ(attribute, static_cast<int>(row)) << names[row];
    }
    EXPECT_EQ(lookup_name(names[row]), find_staff_sort_attribute(attribute)->name);
  }
  EXPECT_EQ(attributes.size(), 139u);
  EXPECT_EQ(*attributes.begin(), 0);
  EXPECT_EQ(*attributes.rbegin(), 138);
}

TEST(staff_sort_attribute_names, only_minus_one_to_141_have_an_order) {
  EXPECT_EQ(find_staff_sort_attribute(-2), nullptr);
  EXPECT_EQ(find_staff_sort_attribute(142), nullptr);
  EXPECT_NE(find_staff_sort_attribute(-1), nullptr);
  EXPECT_EQ(find_staff_sort_attribute(139)->name, "Physical Rating");
  EXPECT_EQ(find_staff_sort_attribute(141)->name, "Pressure/Determination Rating");
}

TEST(table_item_text, reads_only_inside_the_table) {
  EXPECT_EQ(table_item_text(media_job_texts, 9), "Author");
  EXPECT_EQ(table_item_text(media_job_texts, 0), "Not set");
  EXPECT_EQ(table_item_text(media_job_texts, 10), "");
  EXPECT_EQ(table_item_text(media_job_texts, -1), "");
  EXPECT_EQ(char_to_int(static_cast<std::int8_t>(255)), -1);
  EXPECT_EQ(char_to_int(127), 127);
}

std::string position_codes_from_nickname(const qor_staff& staff) {
  return "codes " + std::string(staff.StaffNickName.view());
}

class staff_sort_attribute_text_test : public testing::Test {
 protected:
  void SetUp() override {
    saved_ = lookups();
    lookups().jobs_list = {"Manager; 1", "Player; 11"};
  }
  void TearDown() override { lookups() = saved_; }

 private:
  lookup_lists saved_;
};

struct text_case {
  const char* what;
  int attribute;
  std::function<void(qor_staff&)> set;
  const char* text;
};

TEST_F(staff_sort_attribute_text_test, value_texts_of_each_kind) {
  const std::int32_t file_club = 7;
  const text_case cases[] = {
      {"stored text", 0, [](qor_staff& s) { s.StaffFirstName = "Ana"; }, "Ana"},
      {"second name although it orders by display name", 1,
       [](qor_staff& s) {
         s.StaffSecondName = "Silva";
         s.StaffCommonName = "Kaka";
       },
       "Silva"},
      {"empty common name", 2, [](qor_staff&) {}, ""},
      {"date as stored", 3, [](qor_staff& s) { s.StaffDateOfBirth = "5/3/1990"; }, "5/3/1990"},
      {"signed 16-bit", 4, [](qor_staff& s) { s.StaffYearOfBirth = -12; }, "-12"},
      {"unsigned byte", 7, [](qor_staff& s) { s.StaffInternationalApps = -1; }, "255"},
      {"club id, not its name", 11, [](qor_staff& s) { s.StaffClubContracted = 123; }, "123"},
      {"job name", 12, [](qor_staff& s) { s.StaffJobForClub = 11; }, "Player"},
      {"unknown job", 12, [](qor_staff& s) { s.StaffJobForClub = 5; }, ""},
      {"contract type 0", 16, [](qor_staff&) {}, "Not Set"},
      {"contract type 13", 16, [](qor_staff& s) { s.StaffContractType = 13; }, ""},
      {"negative contract type", 16, [](qor_staff& s) { s.StaffContractType = -1; }, ""},
      {"column-less fee", 17, [](qor_staff&) {}, "0"},
      {"signed byte", 19, [](qor_staff& s) { s.StaffAdaptability = -5; }, "-5"},
      {"classification 3", 28, [](qor_staff& s) { s.StaffClassification = 3; },
       "Non-player & Player"},
      {"range code as stored", 30, [](qor_staff& s) { s.StaffNonPlayerPotentialAbility = -4; },
       "-4"},
      {"column-less coaching technique", 41, [](qor_staff&) {}, "0"},
      {"squad number at the file's club", 69,
       [](qor_staff& s) {
         s.StaffClubContracted = 7;
         s.StaffClubOnLoanTo = 7;
         s.StaffPlayerSquadNumber = 9;
         s.StaffPlayerLoanSquadNumber = 4;
       },
       "9"},
      {"loan squad number of a loanee", 69,
       [](qor_staff& s) {
         s.StaffClubContracted = 8;
         s.StaffClubOnLoanTo = 7;
         s.StaffPlayerSquadNumber = 9;
         s.StaffPlayerLoanSquadNumber = 4;
       },
       "4"},
      {"own squad number at an unrelated club, player or not", 69,
       [](qor_staff& s) {
         s.StaffClubContracted = 8;
         s.StaffPlayerSquadNumber = -3;
         s.StaffPlayerLoanSquadNumber = 4;
       },
       "-3"},
      {"player potential as stored", 71, [](qor_staff& s) { s.StaffPlayerPotentialAbility = -10; },
       "-10"},
      {"media job 9", 128, [](qor_staff& s) { s.StaffMediaJob = 9; }, "Author"},
      {"media job 10", 128, [](qor_staff& s) { s.StaffMediaJob = 10; }, ""},
      {"column-less captain", 129, [](qor_staff&) {}, ""},
      {"position codes", 137, [](qor_staff& s) { s.StaffNickName = "D RL"; }, "codes D RL"},
      {"weaker left foot", 138,
       [](qor_staff& s) {
         s.StaffPlayerLeftFoot = 12;
         s.StaffPlayerRightFoot = 20;
       },
       "12'L'"},
      {"weaker right foot", 138,
       [](qor_staff& s) {
         s.StaffPlayerLeftFoot = 20;
         s.StaffPlayerRightFoot = 12;
       },
       "12'R'"},
      {"equal feet give the right", 138,
       [](qor_staff& s) {
         s.StaffPlayerLeftFoot = 15;
         s.StaffPlayerRightFoot = 15;
       },
       "15'R'"},
      {"staff id has no text", -1, [](qor_staff& s) { s.StaffID = 4; }, ""},
      {"computed ratings have no text", 139, [](qor_staff& s) { s.StaffPlayerPace = 20; }, ""},
      {"past the ratings", 142, [](qor_staff&) {}, ""},
      {"far below", -1000, [](qor_staff&) {}, ""},
  };
  const staff_position_texts positions{position_codes_from_nickname, nullptr};
  for (const text_case& c : cases) {
    qor_staff staff;
    c.set(staff);
    EXPECT_EQ(staff_sort_attribute_text(staff, c.attribute, file_club, positions), c.text)
        << c.what;
    EXPECT_EQ(staff_sort_attribute_texts(c.attribute, file_club, positions)(staff), c.text)
        << c.what;
  }
}

TEST_F(staff_sort_attribute_text_test, the_texts_of_many_records_keep_each_job_to_its_code) {
  staff_sort_attribute_texts job_names(12, 7);
  const std::pair<std::int32_t, const char*> jobs[] = {
      {11, "Player"}, {5, ""}, {11, "Player"}, {1, "Manager"}, {5, ""}};
  for (const auto& [code, name] : jobs) {
    qor_staff staff;
    staff.StaffJobForClub = code;
    EXPECT_EQ(job_names(staff), name) << code;
  }
}

TEST_F(staff_sort_attribute_text_test, position_codes_are_empty_without_the_ability_model) {
  qor_staff staff;
  staff.StaffNickName = "D RL";
  EXPECT_EQ(staff_sort_attribute_text(staff, 137, 7), "");
}

int descriptions = 0;

std::string describe_nickname(const qor_staff& staff) {
  ++descriptions;
  return "set " + std::string(staff.StaffNickName.view());
}

std::string key_of_nickname(const qor_staff& staff) {
  ++descriptions;
  return "key " + std::string(staff.StaffNickName.view());
}

unsigned long set_from_year(const qor_staff& staff) {
  return static_cast<unsigned long>(staff.StaffYearOfBirth);
}

// The staff id stands for sets past the table of small set numbers.
unsigned long set_from_id(const qor_staff& staff) {
  return static_cast<unsigned long>(staff.StaffID);
}

TEST(position_set_texts, describe_each_set_once_in_each_style_and_every_record_without_sets) {
  // The nickname stands for the description, the id for the set it follows from.
  const auto staff_of = [](const char* nickname, std::int32_t set) {
    qor_staff staff;
    staff.StaffNickName = nickname;
    staff.StaffID = set;
    return staff;
  };
  for (const std::int32_t large : {0, 70000}) {
    descriptions = 0;
    position_set_texts by_set({describe_nickname, key_of_nickname, set_from_id});
    EXPECT_EQ(by_set.sort_key(staff_of("A", large + 1)), "key A") << large;
    EXPECT_EQ(by_set.sort_key(staff_of("B", large + 2)), "key B") << large;
    EXPECT_EQ(by_set.code_text(staff_of("A", large + 1)), "set A") << large;
    EXPECT_EQ(by_set.sort_key(staff_of("A", large + 1)), "key A") << large;
    EXPECT_EQ(by_set.code_text(staff_of("A", large + 1)), "set A") << large;
    EXPECT_EQ(descriptions, 3) << large;
  }

  position_set_texts without_sets({describe_nickname, key_of_nickname, nullptr});
  EXPECT_EQ(without_sets.code_text(staff_of("C", 1)), "set C");
  EXPECT_EQ(without_sets.code_text(staff_of("D", 1)), "set D");
  EXPECT_EQ(without_sets.sort_key(staff_of("D", 1)), "key D");
  EXPECT_EQ(position_set_texts({nullptr, key_of_nickname, set_from_id}).code_text(staff_of("E", 1)),
            "");
}

// A sort by positions and the value texts after it share the descriptions of the sets.
TEST(position_set_texts, a_sort_leaves_its_descriptions_to_the_value_texts) {
  std::vector<std::unique_ptr<qor_staff>> owned;
  std::vector<qor_staff*> staff;
  const std::pair<const char*, std::int16_t> records[] = {{"B", 2}, {"A", 1}, {"B", 2}};
  for (const auto& [nickname, set] : records) {
    owned.push_back(std::make_unique<qor_staff>());
    owned.back()->StaffNickName = nickname;
    owned.back()->StaffYearOfBirth = set;
    staff.push_back(owned.back().get());
  }
  const staff_position_texts positions{describe_nickname, key_of_nickname, set_from_year};
  position_set_texts described(positions);
  staff_sort_context context{"dd_mm_yyyy", 7, positions};
  context.described_positions = &described;
  descriptions = 0;
  ASSERT_TRUE(sort_staff(staff, 137, false, context));
  EXPECT_EQ(staff.front()->StaffNickName.view(), "A");
  EXPECT_EQ(descriptions, 2);

  staff_sort_attribute_texts texts(137, 7, positions, &described);
  for (const qor_staff* record : staff)
    EXPECT_EQ(texts(*record), "set " + std::string(record->StaffNickName.view()));
  EXPECT_EQ(descriptions, 4);
}

TEST(staff_sort_attribute_suffix, wraps_the_text_or_says_empty) {
  EXPECT_EQ(staff_sort_attribute_suffix("Author"), " (Author)");
  EXPECT_EQ(staff_sort_attribute_suffix(""), " (empty)");
}

}  // namespace
