#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "records/lookup_lists.h"
#include "records/staff_sort.h"

namespace {

using setter = std::function<void(qor_staff&)>;

// Stands in for the ability model's position letter key: the nickname is taken as the key.
std::string nickname_as_position_key(const qor_staff& staff) {
  return std::string(staff.StaffNickName.view());
}

const staff_sort_context test_context{"dd_mm_yyyy", 7, {nullptr, nickname_as_position_key}};

// Record i is labelled 'A' + i; an order is written as the labels in sequence.
std::vector<qor_staff> make_records(const std::vector<setter>& setters) {
  std::vector<qor_staff> records(setters.size());
  for (std::size_t i = 0; i < setters.size(); ++i) {
    records[i].StaffID = static_cast<std::int32_t>(i + 1);
    setters[i](records[i]);
  }
  return records;
}

std::string sorted_labels(std::vector<qor_staff>& records, int attribute, bool descending) {
  std::vector<qor_staff*> staff;
  for (qor_staff& record : records) {
    staff.push_back(&record);
  }
  EXPECT_TRUE(sort_staff(staff, attribute, descending, test_context));
  std::string labels;
  for (const qor_staff* record : staff) {
    labels += static_cast<char>('A' + (record - records.data()));
  }
  return labels;
}

setter player(setter more) {
  return [more](qor_staff& s) {
    s.StaffClassification = 2;
    more(s);
  };
}

class staff_sort_with_clubs : public testing::Test {
 protected:
  void SetUp() override {
    saved_ = lookups();
    // A code named twice keeps its first name; a malformed entry names no club, not even -1.
    lookups().club_list = {"Broken; x", "Zeta FC;1;2;3;4;10", "alpha; 20",   "Alpha; 30",
                           "Beta; 40",  "Beta; 50",           "Aardvark; 10"};
  }
  void TearDown() override { lookups() = saved_; }

 private:
  lookup_lists saved_;
};

struct sort_case {
  const char* rule;
  int attribute;
  std::vector<setter> records;
  const char* ascending;
  const char* descending;
};

TEST_F(staff_sort_with_clubs, every_order_rule_in_both_directions) {
  const sort_case cases[] = {
      {"staff id",
       -1,
       {[](qor_staff& s) { s.StaffID = 30; }, [](qor_staff& s) { s.StaffID = 10; },
        [](qor_staff& s) { s.StaffID = 20; }},
       "BCA",
       "ACB"},
      {"first name ignoring case, ties by display name",
       0,
       {[](qor_staff& s) {
          s.StaffFirstName = "bob";
          s.StaffSecondName = "Zed";
        },
        [](qor_staff& s) {
          s.StaffFirstName = "Al";
          s.StaffSecondName = "Young";
        },
        [](qor_staff& s) {
          s.StaffFirstName = "BOB";
          s.StaffSecondName = "Adam";
        }},
       "BCA",
       "CAB"},
      {"display name: common name before second name, ignoring case",
       1,
       {[](qor_staff& s) { s.StaffSecondName = "smith"; },
        [](qor_staff& s) {
          s.StaffCommonName = "Jones";
          s.StaffSecondName = "Aaron";
        },
        [](qor_staff& s) { s.StaffSecondName = "adams"; }},
       "CBA",
       "ABC"},
      {"common name, ties by second then first name",
       2,
       {[](qor_staff& s) { s.StaffSecondName = "Zorro"; },
        [](qor_staff& s) {
          s.StaffCommonName = "Kaka";
          s.StaffSecondName = "Leite";
          s.StaffFirstName = "Ricardo";
        },
        [](qor_staff& s) {
          s.StaffCommonName = "kaka";
          s.StaffSecondName = "Leite";
          s.StaffFirstName = "Antonio";
        },
        [](qor_staff& s) {
          s.StaffCommonName = "KAKA";
          s.StaffSecondName = "Alves";
          s.StaffFirstName = "Zeca";
        }},
       "ADCB",
       "BCDA"},
      {"nation by character codes: capitals first",
       5,
       {[](qor_staff& s) { s.StaffNation = "england"; },
        [](qor_staff& s) { s.StaffNation = "Wales"; },
        [](qor_staff& s) { s.StaffNation = "England"; }},
       "CBA",
       "ABC"},
      {"dates: empty and unreadable first, same day is a tie",
       3,
       {[](qor_staff& s) {
          s.StaffDateOfBirth = "05/03/1990";
          s.StaffSecondName = "Berg";
        },
        [](qor_staff& s) { s.StaffSecondName = "Zed"; },
        [](qor_staff& s) {
          s.StaffDateOfBirth = "17/11/1985";
          s.StaffSecondName = "Cole";
        },
        [](qor_staff& s) {
          s.StaffDateOfBirth = "5-3-1990";
          s.StaffSecondName = "Adler";
        },
        [](qor_staff& s) {
          s.StaffDateOfBirth = "31/02/1990";
          s.StaffSecondName = "Able";
        }},
       "EBCDA",
       "DACEB"},
      {"signed byte, ties by display name also descending",
       19,
       {[](qor_staff& s) {
          s.StaffAdaptability = 5;
          s.StaffSecondName = "Berg";
        },
        [](qor_staff& s) { s.StaffAdaptability = -3; },
        [](qor_staff& s) { s.StaffAdaptability = 12; },
        [](qor_staff& s) {
          s.StaffAdaptability = 5;
          s.StaffSecondName = "Aalto";
        }},
       "BDAC",
       "CDAB"},
      {"signed 32-bit",
       18,
       {[](qor_staff& s) { s.StaffEstimatedWage = 1000000; },
        [](qor_staff& s) { s.StaffEstimatedWage = -1; },
        [](qor_staff& s) { s.StaffEstimatedWage = 70000; }},
       "BCA",
       "ACB"},
      {"unsigned byte: a stored -1 is 255",
       7,
       {[](qor_staff& s) { s.StaffInternationalApps = -1; },
        [](qor_staff& s) { s.StaffInternationalApps = 3; },
        [](qor_staff& s) { s.StaffInternationalApps = static_cast<std::int8_t>(200); }},
       "BCA",
       "ACB"},
      {"club names by character codes, equal names tie",
       11,
       {[](qor_staff& s) { s.StaffClubContracted = 10; },
        [](qor_staff& s) { s.StaffClubContracted = 20; },
        [](qor_staff& s) { s.StaffClubContracted = 30; },
        [](qor_staff& s) { s.StaffClubContracted = 99; },
        [](qor_staff& s) {
          s.StaffClubContracted = 50;
          s.StaffSecondName = "Bell";
        },
        [](qor_staff& s) {
          s.StaffClubContracted = 40;
          s.StaffSecondName = "Cox";
        },
        [](qor_staff& s) { s.StaffClubContracted = -1; }},
       "DGCEFAB",
       "BAEFCDG"},
      {"ability ranges for everyone",
       30,
       {[](qor_staff& s) { s.StaffNonPlayerPotentialAbility = -4; },
        [](qor_staff& s) { s.StaffNonPlayerPotentialAbility = 60; },
        [](qor_staff& s) { s.StaffNonPlayerPotentialAbility = 70; },
        [](qor_staff& s) { s.StaffNonPlayerPotentialAbility = -11; },
        [](qor_staff& s) { s.StaffNonPlayerPotentialAbility = 0; }},
       "DEBAC",
       "CABED"},
      {"player only: others count as 0",
       70,
       {player([](qor_staff& s) { s.StaffPlayerCurrentAbility = 50; }),
        [](qor_staff& s) {
          s.StaffPlayerCurrentAbility = 90;
          s.StaffSecondName = "Brown";
        },
        player([](qor_staff& s) { s.StaffSecondName = "Adams"; })},
       "CBA",
       "ACB"},
      {"player ability ranges",
       71,
       {player([](qor_staff& s) { s.StaffPlayerPotentialAbility = -4; }),
        player([](qor_staff& s) { s.StaffPlayerPotentialAbility = 60; }),
        player([](qor_staff& s) { s.StaffPlayerPotentialAbility = 70; }),
        [](qor_staff& s) { s.StaffPlayerPotentialAbility = -4; }},
       "DBAC",
       "CABD"},
      {"squad number at the file's club",
       69,
       {player([](qor_staff& s) {
          s.StaffClubContracted = 7;
          s.StaffPlayerSquadNumber = 9;
        }),
        player([](qor_staff& s) {
          s.StaffClubContracted = 8;
          s.StaffClubOnLoanTo = 7;
          s.StaffPlayerSquadNumber = 30, s.StaffPlayerLoanSquadNumber = 4;
        }),
        player([](qor_staff& s) {
          s.StaffClubContracted = 8;
          s.StaffPlayerSquadNumber = 1;
          s.StaffSecondName = "Cole";
        }),
        [](qor_staff& s) {
          s.StaffClubContracted = 7;
          s.StaffPlayerSquadNumber = 2;
          s.StaffSecondName = "Dean";
        }},
       "CDBA",
       "ABCD"},
      {"position key by codes, ties by second name",
       137,
       {[](qor_staff& s) {
          s.StaffNickName = "C A";
          s.StaffSecondName = "Zico";
        },
        [](qor_staff& s) { s.StaffNickName = "BI"; },
        [](qor_staff& s) {
          s.StaffNickName = "C A";
          s.StaffSecondName = "Alves";
        },
        [](qor_staff&) {}},
       "DBCA",
       "ACBD"},
      {"weaker foot of players",
       138,
       {player([](qor_staff& s) {
          s.StaffPlayerLeftFoot = 12;
          s.StaffPlayerRightFoot = 20;
        }),
        player([](qor_staff& s) {
          s.StaffPlayerLeftFoot = 15;
          s.StaffPlayerRightFoot = 15;
        }),
        [](qor_staff& s) {
          s.StaffPlayerLeftFoot = 1;
          s.StaffPlayerRightFoot = 1;
        }},
       "CAB",
       "BAC"},
      {"physical rating",
       139,
       {player([](qor_staff& s) {
          s.StaffPlayerAcceleration = s.StaffPlayerAgility = s.StaffPlayerBalance = 10;
          s.StaffPlayerJumping = s.StaffPlayerNaturalFitness = s.StaffPlayerPace = 10;
          s.StaffPlayerStamina = s.StaffPlayerStrength = s.StaffPlayerInjuryProneness = 10;
        }),                                                              // (80 + 20 - 10) / 9 = 10
        player([](qor_staff& s) { s.StaffPlayerAcceleration = 20; }),    // 20
        player([](qor_staff& s) { s.StaffPlayerInjuryProneness = 5; }),  // 15
        [](qor_staff& s) {
          s.StaffPlayerPace = 20;
          s.StaffSecondName = "Dee";
        },
        player([](qor_staff& s) { s.StaffSecondName = "Eel"; })},  // 0
       "DEACB",
       "BCADE"},
      {"technical rating",
       140,
       {player([](qor_staff& s) {
          s.StaffPlayerCorners = 10;
          s.StaffPlayerCrossing = 20;
          s.StaffSecondName = "Bb";
        }),
        player([](qor_staff&) {}),  // all fifteen 0
        player([](qor_staff& s) {
          s.StaffPlayerCorners = 30;
          s.StaffPlayerTackling = -10;
        }),
        player([](qor_staff& s) {
          s.StaffPlayerCorners = 15;
          s.StaffPlayerVersatility = 15;
          s.StaffSecondName = "Aa";
        })},
       "BDAC",
       "CDAB"},
      {"pressure and determination rating",
       141,
       {player([](qor_staff& s) {
          s.StaffPressure = 10;
          s.StaffDetermination = 20;
        }),
        player([](qor_staff& s) { s.StaffPressure = -5; }), player([](qor_staff&) {}),
        player([](qor_staff& s) {
          s.StaffPressure = 20;
          s.StaffDetermination = -30;
        })},
       "DBCA",
       "ACBD"},
  };
  for (const sort_case& c : cases) {
    std::vector<qor_staff> records = make_records(c.records);
    EXPECT_EQ(sorted_labels(records, c.attribute, false), c.ascending) << c.rule;
    EXPECT_EQ(sorted_labels(records, c.attribute, true), c.descending) << c.rule;
  }
}

TEST(staff_sort, numbers_without_an_order_leave_the_vector_alone) {
  std::vector<qor_staff> records =
      make_records({[](qor_staff& s) { s.StaffID = 9; }, [](qor_staff& s) { s.StaffID = 3; }});
  std::vector<qor_staff*> staff = {&records[0], &records[1]};
  for (int attribute : {-2, 142, 1000}) {
    for (bool descending : {false, true}) {
      EXPECT_FALSE(sort_staff(staff, attribute, descending, test_context)) << attribute;
      EXPECT_EQ(staff[0], &records[0]);
      EXPECT_FALSE(compare_staff(records[1], records[0], attribute, descending, test_context));
    }
  }
}

TEST(staff_sort, null_entries_go_last_in_both_kinds_of_vector) {
  record_vector<qor_staff> owned;
  owned.push_back(nullptr);
  for (std::int32_t id : {5, 2}) {
    owned.push_back(std::make_unique<qor_staff>());
    owned.back()->StaffID = id;
  }
  ASSERT_TRUE(sort_staff(owned, -1, false, test_context));
  EXPECT_EQ(owned[0]->StaffID, 2);
  EXPECT_EQ(owned[1]->StaffID, 5);
  EXPECT_EQ(owned[2], nullptr);

  std::vector<qor_staff*> plain = {nullptr, owned[0].get(), nullptr, owned[1].get()};
  ASSERT_TRUE(sort_staff(plain, -1, true, test_context));
  EXPECT_EQ(plain[0]->StaffID, 5);
  EXPECT_EQ(plain[1]->StaffID, 2);
  EXPECT_EQ(plain[2], nullptr);
  EXPECT_EQ(plain[3], nullptr);
}

TEST(staff_sort, without_position_texts_the_position_order_falls_back_on_names) {
  std::vector<qor_staff> records = make_records({[](qor_staff& s) {
                                                   s.StaffNickName = "A";
                                                   s.StaffSecondName = "Young";
                                                 },
                                                 [](qor_staff& s) {
                                                   s.StaffNickName = "B";
                                                   s.StaffSecondName = "Old";
                                                 }});
  std::vector<qor_staff*> staff = {&records[0], &records[1]};
  const staff_sort_context no_positions{"dd_mm_yyyy", 7, {}};
  ASSERT_TRUE(sort_staff(staff, 137, false, no_positions));
  EXPECT_EQ(staff[0], &records[1]);
}

TEST(staff_sort, equal_display_names_stand_together_descending) {
  const char* const names[] = {"Smith", "jones", "SMITH", "Jones", "brown", "smith", "Brown"};
  std::vector<qor_staff> records(40);
  std::vector<qor_staff*> staff;
  for (std::size_t i = 0; i < records.size(); ++i) {
    records[i].StaffSecondName = names[(i * 5) % std::size(names)];
    staff.push_back(&records[i]);
  }
  ASSERT_TRUE(sort_staff(staff, 1, true, test_context));
  std::string groups;
  for (const qor_staff* record : staff) {
    const char initial = fold_ascii_case(record->StaffSecondName.view())[0];
    if (groups.empty() || groups.back() != initial) {
      groups += initial;
    }
  }
  EXPECT_EQ(groups, "SJB");
}

TEST(staff_sort, records_equal_in_value_and_name_keep_their_order) {
  std::vector<qor_staff> records(6);
  std::vector<qor_staff*> staff;
  for (qor_staff& record : records) {
    record.StaffID = 3;
    record.StaffSecondName = "Same";
    staff.push_back(&record);
  }
  std::reverse(staff.begin(), staff.end());
  const std::vector<qor_staff*> before = staff;
  for (int attribute : {-1, 1, 4}) {
    ASSERT_TRUE(sort_staff(staff, attribute, true, test_context));
    EXPECT_EQ(staff, before) << attribute;
  }
}

TEST(staff_sort, pointer_comparators) {
  std::vector<qor_staff> records = make_records({
      [](qor_staff& s) {
        s.StaffID = 4;
        s.StaffSecondName = "baker";
        s.rca_ca_difference = 7;
      },
      [](qor_staff& s) {
        s.StaffID = 4;
        s.StaffCommonName = "Able";
        s.rca_ca_difference = 7;
      },
      [](qor_staff& s) {
        s.StaffID = 2;
        s.StaffSecondName = "BAKER";
        s.rca_ca_difference = 9;
      },
  });
  const qor_staff* a = &records[0];
  const qor_staff* b = &records[1];
  const qor_staff* c = &records[2];
  EXPECT_TRUE(compare_staff_display_name(b, a));
  EXPECT_TRUE(compare_staff_display_name_desc(a, b));
  EXPECT_FALSE(compare_staff_display_name(a, c));
  EXPECT_FALSE(compare_staff_display_name_desc(a, c));
  EXPECT_TRUE(compare_staff_id_asc(c, a));
  EXPECT_TRUE(compare_staff_id_desc(a, c));
  EXPECT_TRUE(compare_staff_id_asc(b, a));  // a repeated id falls back on the display name
  EXPECT_TRUE(compare_staff_id_desc(b, a));
  EXPECT_TRUE(compare_staff_display_name(a, nullptr));
  EXPECT_FALSE(compare_staff_display_name(nullptr, a));
}

TEST(staff_sort, ability_range_value_maps_only_the_ten_codes) {
  const std::pair<std::int16_t, int> cases[] = {
      {-1, 10},  {-2, 25},  {-3, 45},   {-4, 65}, {-5, 85},   {-6, 105},  {-7, 125},
      {-8, 145}, {-9, 165}, {-10, 185}, {0, 0},   {-11, -11}, {150, 150}, {-300, -300}};
  for (const auto& [value, expected] : cases) {
    EXPECT_EQ(ability_range_value(value), expected) << value;
  }
}

// Random records drawn from few values, so that ties are common.
qor_staff random_record(std::mt19937& random) {
  const auto pick = [&random](auto const& values) {
    return values[std::uniform_int_distribution<std::size_t>(0, std::size(values) - 1)(random)];
  };
  const auto small = [&random](int low, int high) {
    return static_cast<std::int8_t>(std::uniform_int_distribution<int>(low, high)(random));
  };
  const char* const names[] = {"", "ann", "Ann", "BOB", "bob", "Zed", "\xC9lan"};
  const char* const dates[] = {"", "01/02/1990", "1/2/1990", "31/02/1990", "15.07.1985", "x"};
  const std::int32_t clubs[] = {0, 7, 10, 20, 30, 40, 50, 99};
  qor_staff s;
  s.StaffID = std::uniform_int_distribution<std::int32_t>(1, 15)(random);
  s.StaffFirstName = pick(names);
  s.StaffSecondName = pick(names);
  s.StaffCommonName = pick(names);
  s.StaffNation = pick(names);
  s.StaffNickName = pick(names);
  s.ClubCaptain = pick(names);
  for (fixed_text<26>* date : {&s.StaffDateOfBirth, &s.StaffDateJoinedClub,
                               &s.StaffDateSignedLastContract, &s.StaffContractExpiresClub}) {
    *date = pick(dates);
  }
  s.StaffClassification = small(0, 3);
  s.StaffClubContracted = pick(clubs);
  s.StaffClubOnLoanTo = pick(clubs);
  s.StaffInternationalApps = small(-128, 127);
  s.StaffNonPlayerPotentialAbility = small(-12, 3);
  s.StaffPlayerPotentialAbility = small(-12, 3);
  s.StaffEstimatedWage = small(-3, 3);
  for (std::int8_t* value :
       {&s.StaffPlayerSquadNumber, &s.StaffPlayerLoanSquadNumber, &s.StaffPlayerLeftFoot,
        &s.StaffPlayerRightFoot, &s.StaffPlayerAcceleration, &s.StaffPlayerInjuryProneness,
        &s.StaffPlayerCorners, &s.StaffPlayerTackling, &s.StaffPressure, &s.StaffDetermination,
        &s.StaffAdaptability, &s.StaffPlayerPace}) {
    *value = small(-2, 3);
  }
  s.rca_ca_difference = small(-2, 2);
  return s;
}

TEST_F(staff_sort_with_clubs, every_order_is_a_strict_weak_order) {
  std::mt19937 random(20240611);
  std::vector<qor_staff> records;
  for (int i = 0; i < 24; ++i) {
    records.push_back(random_record(random));
  }
  for (int attribute = -1; attribute <= last_staff_sort_attribute; ++attribute) {
    const staff_sort_attribute* sort_attribute = find_staff_sort_attribute(attribute);
    ASSERT_NE(sort_attribute, nullptr) << attribute;
    staff_sort_key_maker make_key(*sort_attribute, test_context);
    std::vector<staff_sort_key> keys;
    for (const qor_staff& record : records) {
      keys.push_back(make_key(record));
    }
    for (bool descending : {false, true}) {
      const staff_key_order before(sort_attribute->order, descending);
      const auto equivalent = [&](const staff_sort_key& a, const staff_sort_key& b) {
        return !before(a, b) && !before(b, a);
      };
      for (const staff_sort_key& a : keys) {
        ASSERT_FALSE(before(a, a)) << attribute;
        for (const staff_sort_key& b : keys) {
          for (const staff_sort_key& c : keys) {
            if (before(a, b) && before(b, c)) {
              ASSERT_TRUE(before(a, c)) << attribute << " " << descending;
            }
            if (equivalent(a, b) && equivalent(b, c)) {
              ASSERT_TRUE(equivalent(a, c)) << attribute << " " << descending;
            }
          }
        }
      }
      std::vector<qor_staff*> staff;
      for (qor_staff& record : records) {
        staff.push_back(&record);
      }
      ASSERT_TRUE(sort_staff(staff, attribute, descending, test_context));
      for (std::size_t i = 1; i < staff.size(); ++i) {
        ASSERT_FALSE(compare_staff(*staff[i], *staff[i - 1], attribute, descending, test_context))
            << attribute << " " << descending;
      }
    }
  }
}

}  // namespace
