#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "form_test_support.h"
#include "platform/control_tag.h"
#include "platform/win1252.h"
#include "record_form/control_binding.h"
#include "records/fixed_text.h"
#include "records/lookup_lists.h"

namespace {

QStringList items_of(const std::vector<std::string>& entries) {
  QStringList items;
  for (const std::string& entry : entries)
    items << from_win1252(entry);
  return items;
}

class combo_binding : public ::testing::Test {
 protected:
  combo_binding() {
    saved_ = lookups();
    lookups().club_list = {"Not set; 0; 0; 0; 0; 0", "Alder Town; 10; 20; 30; 40; 7",
                           "Birch Rovers; 10; 20; 30; 40; 12"};
    lookups().city_list = {"Not set; 0", "Ashby; 4", "Broken; x", "Corby; 9"};
    combo.setObjectName("staff_club_contracted");
  }
  ~combo_binding() override { lookups() = saved_; }

  void use_items(const std::vector<std::string>& entries) {
    combo.clear();
    combo.addItems(items_of(entries));
  }

  QComboBox combo;
  scoped_scripted_dialogs dialogs;

 private:
  lookup_lists saved_;
};

TEST_F(combo_binding, a_nation_is_found_ignoring_case_and_taken_back_unchanged) {
  use_items({"Not set", "England", "Wales"});
  fixed_text<51> nation("england");
  fill_control(&combo, nation.view(), text_value_tag);
  EXPECT_EQ(combo.currentIndex(), 1);
  EXPECT_FALSE(apply_from_control(&combo, slot(nation)));
  EXPECT_EQ(nation.view(), "england");
  combo.setCurrentIndex(2);
  EXPECT_TRUE(apply_from_control(&combo, slot(nation)));
  EXPECT_EQ(nation.view(), "Wales");
}

// Showing and taking back compare alike for every letter of the code page, so a name stored in
// another letter case than its item is shown as that item and never rewritten by a commit.
TEST_F(combo_binding, every_windows_1252_letter_matches_its_other_case_on_show_and_commit) {
  const std::pair<char, char> capitals_and_small[] = {
      {'E', 'e'},       {'\x8A', '\x9A'}, {'\x8C', '\x9C'}, {'\x8E', '\x9E'}, {'\x9F', '\xFF'},
      {'\xC0', '\xE0'}, {'\xC9', '\xE9'}, {'\xD6', '\xF6'}, {'\xD8', '\xF8'}, {'\xDE', '\xFE'},
  };
  for (const auto& [capital, small] : capitals_and_small) {
    for (const auto& [listed, stored] : {std::pair{capital, small}, std::pair{small, capital}}) {
      SCOPED_TRACE(static_cast<int>(static_cast<unsigned char>(stored)));
      use_items({"Not set", std::string(1, listed) + "ire", "Wales"});
      fixed_text<51> nation(std::string(1, stored) + "ire");
      fill_control(&combo, nation.view(), text_value_tag);
      EXPECT_EQ(combo.currentIndex(), 1);
      EXPECT_FALSE(apply_from_control(&combo, slot(nation)));
      EXPECT_EQ(nation.view(), std::string(1, stored) + "ire");
    }
  }
  // Signs and letters without a partner in the code page match only themselves.
  for (const auto& [listed, stored] :
       {std::pair{'\xD7', '\xF7'}, std::pair{'\xDF', '\xFF'}, std::pair{'\xB5', '\xCC'}}) {
    use_items({"Not set", std::string(1, listed) + "ire"});
    fill_control(&combo, std::string(1, stored) + "ire", text_value_tag);
    EXPECT_EQ(combo.currentIndex(), 0) << static_cast<int>(static_cast<unsigned char>(stored));
  }
}

TEST_F(combo_binding, tag_minus_ten_compares_the_name_part_of_an_entry) {
  use_items({"Not set; 0", "General; 1", "Goalkeeping; 2"});
  fill_control(&combo, "goalkeeping", item_index_value_tag);
  EXPECT_EQ(combo.currentIndex(), 2);
  fill_control(&combo, "goalkeeping", text_value_tag);  // the whole text does not match
  EXPECT_EQ(combo.currentIndex(), 0);
}

TEST_F(combo_binding, a_nation_missing_from_the_list_is_not_written_back_as_item_zero) {
  use_items({"Not set", "England", "Wales"});
  fixed_text<51> nation("Atlantis");
  fill_control(&combo, nation.view(), text_value_tag);
  EXPECT_EQ(combo.currentIndex(), 0);
  EXPECT_FALSE(apply_from_control(&combo, slot(nation)));
  EXPECT_EQ(nation.view(), "Atlantis");
  combo.setCurrentIndex(1);  // the user's choice is taken
  EXPECT_TRUE(apply_from_control(&combo, slot(nation)));
  EXPECT_EQ(nation.view(), "England");

  // The user's choice stands even when it goes back to the item the stand-in showed.
  nation = "Atlantis";
  fill_control(&combo, nation.view(), text_value_tag);
  for (int chosen : {2, 0}) {
    combo.setCurrentIndex(chosen);
    emit combo.activated(chosen);
  }
  EXPECT_TRUE(apply_from_control(&combo, slot(nation)));
  EXPECT_EQ(nation.view(), "Not set");
}

TEST_F(combo_binding, clubs_are_shown_and_taken_by_their_club_list_id) {
  use_items(lookups().club_list);
  std::int32_t club = 12;
  fill_club_control(&combo, club, text_value_tag);
  EXPECT_EQ(combo.currentIndex(), 2);
  EXPECT_FALSE(apply_club_from_control(&combo, slot(club)));
  combo.setCurrentIndex(1);
  EXPECT_TRUE(apply_club_from_control(&combo, slot(club)));
  EXPECT_EQ(club, 7);
  combo.setCurrentIndex(0);  // item 0 over a club id: no club
  EXPECT_TRUE(apply_club_from_control(&combo, slot(club)));
  EXPECT_EQ(club, 0);
  EXPECT_FALSE(apply_club_from_control(&combo, slot(club)));  // item 0 over 0: no change
}

TEST_F(combo_binding, a_club_missing_from_the_list_keeps_its_id) {
  use_items(lookups().club_list);
  std::int32_t club = 999;
  fill_club_control(&combo, club, text_value_tag);
  EXPECT_EQ(combo.currentIndex(), 0);
  EXPECT_FALSE(apply_club_from_control(&combo, slot(club)));
  EXPECT_EQ(club, 999);
}

TEST_F(combo_binding, coded_combos_select_by_code_and_store_it) {
  use_items({"Not set; 0", "Manager; 3", "Coach; 5"});
  struct code_case {
    long long code;
    int index;
  };
  const code_case cases[] = {{5, 2}, {3, 1}, {0, 0}, {-5, 0}, {42, 0}};
  for (const code_case& c : cases) {
    fill_control_by_code(&combo, c.code, text_value_tag);
    EXPECT_EQ(combo.currentIndex(), c.index) << c.code;
  }

  std::int32_t job = 0;
  fill_control_by_code(&combo, job, text_value_tag);
  EXPECT_FALSE(apply_code_from_control(&combo, slot(job)));
  combo.setCurrentIndex(2);
  EXPECT_TRUE(apply_code_from_control(&combo, slot(job)));
  EXPECT_EQ(job, 5);

  // A code no item carries, a negative one too, stays as it was.
  for (const std::int8_t stored : {42, -18}) {
    std::int8_t future_job = stored;
    fill_control_by_code(&combo, future_job, text_value_tag);
    EXPECT_FALSE(apply_code_from_control(&combo, slot(future_job)));
    EXPECT_EQ(future_job, stored);
  }
}

TEST_F(combo_binding, a_tagged_coded_combo_stores_its_index_under_tag_minus_ten) {
  use_items({"Not set; 0", "General; 1", "Goalkeeping; 20"});
  std::int32_t style = 0;
  combo.setCurrentIndex(2);
  set_control_tag(&combo, item_index_value_tag);
  EXPECT_TRUE(apply_code_from_control(&combo, slot(style), true));
  EXPECT_EQ(style, 2);
  set_control_tag(&combo, text_value_tag);
  EXPECT_TRUE(apply_code_from_control(&combo, slot(style), true));
  EXPECT_EQ(style, 20);
}

TEST_F(combo_binding, list_coded_combos_read_codes_from_their_lookup_list) {
  use_items(lookups().city_list);
  std::int32_t city = 9;
  fill_control_using_id(&combo, city, lookups().city_list, text_value_tag);
  EXPECT_EQ(combo.currentIndex(), 3);
  EXPECT_FALSE(apply_list_code_from_control(&combo, slot(city), lookups().city_list));
  combo.setCurrentIndex(-1);  // no selection keeps the value
  city = 4;
  EXPECT_FALSE(apply_list_code_from_control(&combo, slot(city), lookups().city_list));
  EXPECT_EQ(city, 4);
}

// A malformed entry has no code. No stored code, -1 included, selects it; chosen, it is
// reported and the field keeps its value, as no code can be taken from it.
TEST_F(combo_binding, a_malformed_entry_matches_no_code_and_gives_none) {
  lookups().club_list.push_back("Broken Town; 10; 20; 30; 40; x");
  const std::vector<std::string> club_items = lookups().club_list;
  const std::vector<std::string>& city_items = lookups().city_list;  // "Broken; x" at 2
  struct binding_case {
    const std::vector<std::string>* items;
    int malformed;
    std::function<void(std::int32_t&)> fill;
    std::function<bool(std::int32_t&)> apply;
    const char* message;
  };
  const binding_case cases[] = {
      {&city_items, 2,
       [&](std::int32_t& code) { fill_control_by_code(&combo, code, text_value_tag); },
       [&](std::int32_t& code) { return apply_code_from_control(&combo, slot(code)); }, "Long"},
      {&city_items, 2,
       [&](std::int32_t& code) { fill_control_by_code(&combo, code, text_value_tag); },
       [&](std::int32_t& code) { return apply_code_from_control(&combo, slot(code), true); },
       "Long"},
      {&city_items, 2,
       [&](std::int32_t& code) { fill_control_using_id(&combo, code, city_items, text_value_tag); },
       [&](std::int32_t& code) {
         return apply_list_code_from_control(&combo, slot(code), city_items);
       },
       "Long"},
      {&club_items, 3, [&](std::int32_t& code) { fill_club_control(&combo, code, text_value_tag); },
       [&](std::int32_t& code) { return apply_club_from_control(&combo, slot(code)); },
       "AnsiString"},
  };
  for (const binding_case& c : cases) {
    SCOPED_TRACE(c.malformed * 10 + static_cast<int>(&c - cases));
    use_items(*c.items);
    for (std::int32_t stored : {-1, 9}) {
      std::int32_t code = stored;
      c.fill(code);
      EXPECT_NE(combo.currentIndex(), c.malformed) << stored;
      combo.setCurrentIndex(c.malformed);
      dialogs.clear();
      EXPECT_FALSE(c.apply(code));
      EXPECT_EQ(code, stored);
      ASSERT_EQ(dialogs.shown().size(), 1u) << stored;
      EXPECT_TRUE(dialogs.last().text.contains(c.message)) << dialogs.last().text.toStdString();
    }
  }
}

TEST_F(combo_binding, index_combos_store_the_index_and_keep_a_value_they_cannot_show) {
  use_items({"Not set", "Full-Time", "Part-Time"});
  std::int8_t contract = 2;
  fill_control_by_index(&combo, contract, text_value_tag);
  EXPECT_EQ(combo.currentIndex(), 2);
  EXPECT_FALSE(apply_index_from_control(&combo, slot(contract)));
  combo.setCurrentIndex(1);
  EXPECT_TRUE(apply_index_from_control(&combo, slot(contract)));
  EXPECT_EQ(contract, 1);

  std::int8_t out_of_range = 40;
  fill_control_by_index(&combo, out_of_range, text_value_tag);
  EXPECT_EQ(combo.currentIndex(), 0);
  EXPECT_FALSE(apply_index_from_control(&combo, slot(out_of_range)));
  set_combo_index_direct(&combo, out_of_range);
  EXPECT_EQ(combo.currentIndex(), -1);
  EXPECT_FALSE(apply_index_from_control(&combo, slot(out_of_range)));
  EXPECT_EQ(out_of_range, 40);
}

TEST_F(combo_binding, a_combo_without_a_selection_is_reported) {
  use_items({"Not set; 0", "Manager; 3"});
  combo.setCurrentIndex(-1);
  std::int32_t job = 3;
  fixed_text<51> nation("Wales");
  EXPECT_FALSE(apply_code_from_control(&combo, slot(job)));
  EXPECT_FALSE(apply_from_control(&combo, slot(nation)));
  const std::vector<QString> texts = dialogs.shown_texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0],
            "apply_from_control(..): Error casting from Long in combobox: staff_club_contracted");
  EXPECT_EQ(texts[1],
            "apply_from_control(..): Error casting from AnsiString in combobox: "
            "staff_club_contracted");
}

TEST(check_box_binding, ticks_for_true_in_any_case_and_counts_only_a_different_meaning) {
  QCheckBox box;
  struct flag_case {
    const char* stored;
    bool ticked;
  };
  const flag_case cases[] = {{"True", true}, {"TRUE", true}, {"true", true},
                             {"yes", false}, {"1", false},   {"", false}};
  for (const flag_case& c : cases) {
    fixed_text<6> flag(c.stored);
    fill_control(&box, slot(flag));
    EXPECT_EQ(box.isChecked(), c.ticked) << c.stored;
    EXPECT_FALSE(apply_from_control(&box, slot(flag))) << c.stored;
    EXPECT_EQ(flag.view(), c.stored);
  }
  fixed_text<6> female("true");
  box.setChecked(false);
  EXPECT_TRUE(apply_from_control(&box, slot(female)));
  EXPECT_EQ(female.view(), "False");
  box.setChecked(true);
  EXPECT_TRUE(apply_from_control(&box, slot(female)));
  EXPECT_EQ(female.view(), "True");
}

}  // namespace
