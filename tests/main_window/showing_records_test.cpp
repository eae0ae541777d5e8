#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QStringListModel>
#include <QTest>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "../record_form/real_pages_fixture.h"
#include "../support/click_focus.h"
#include "main_window/main_window.h"
#include "platform/item_objects.h"
#include "platform/owner_drawn_list_box.h"
#include "platform/owner_drawn_list_view.h"
#include "platform/win1252.h"
#include "record_form/editor_state.h"
#include "record_form/field_slot.h"
#include "record_form/item_details.h"
#include "record_form/record_pages.h"
#include "records/item_kinds.h"
#include "records/item_records.h"
#include "records/lookup_lists.h"
#include "records/record_store.h"
#include "staff_list_test_records.h"
#include "sub_records/item_list_places.h"
#include "window_test_support.h"

namespace {

// The records of a store shown one after another by the record switch of a real window, whose
// every page has its field checks, field rules and item panel handlers bound, and committed
// again by the switch that leaves them.
class showing_records : public testing::Test {
 protected:
  showing_records() {
    window.show();
    set_up_home_club_file();
    form_controls& controls = window.controls();
    real_pages_fixture::fill_choice_lists(record_page_specs(), controls);
    for (std::vector<std::string>* list :
         {&lookups().club_comps_list, &lookups().nation_comps_list,
          &lookups().staff_history_draft_types_list, &lookups().favourite_staff_reason_list,
          &lookups().favourite_club_reason_list}) {
      *list = real_pages_fixture::coded_entries;
    }
    controls.choice_model("classification")
        ->setStringList({"Not set", "Non-player", "Player", "Non-player & Player"});
    controls.choice_model("skin_colour_list")
        ->setStringList({"255;255;255;0", "255;232;214;1", "250;224;200;2"});
    // A nation whose name starts with a letter outside A-Z.
    controls.choice_model("nation_list")
        ->setStringList({"Not set", "England", from_win1252("\xC9ire"), "Wales"});
  }

  // Adds the record with an identical original, as a loaded file has it.
  qor_staff& add(const qor_staff& record) {
    store().staff_orig_list.push_back(std::make_unique<qor_staff>(record));
    return *store().staff_list.emplace_back(std::make_unique<qor_staff>(record));
  }

  template <class Item>
  Item& add_item(record_vector<Item>& items, const Item& item) {
    return *items.emplace_back(std::make_unique<Item>(item));
  }

  // Shows every record in list order through the list's clicks, then goes back to the first, so
  // that each record has been shown and then committed by the switch that left it.
  void show_every_record() {
    list_by_name_and_select_first(window);
    for (int index = 1; index < window.list_box->count(); ++index)
      click_entry(window, index);
    click_entry(window, 0);
  }

  window_test_environment environment;
  Tfrm_main window;
};

qor_staff plain_staff(std::int32_t id, const char* second_name) {
  qor_staff staff;
  staff.StaffID = id;
  staff.StaffSecondName = second_name;
  staff.StaffClassification = 2;
  staff.DateUpdated = "01/01/2020 10:00:00";
  return staff;
}

TEST_F(showing_records, showing_and_committing_every_record_changes_none) {
  qor_staff every_field = real_pages_fixture::fixture_staff(record_page_specs());
  every_field.StaffSecondName = "Adams";
  every_field.StaffClassification = 3;
  // Boxes that the user's clicks keep exclusive, ticked together as a stored record may have
  // them.
  qor_staff two_declared = plain_staff(2, "Brown");
  two_declared.StaffNationDeclared = "True";
  two_declared.StaffSecondNationDeclared = "True";
  two_declared.StaffThirdNationDeclared = "False";
  two_declared.StaffPermanentInjury = "True";
  two_declared.StaffFuturePermanentInjury = "True";
  // A name matched in another letter case beyond A-Z.
  qor_staff accented = plain_staff(3, "Clark");
  accented.StaffNation = "\xE9ire";
  accented.StaffSecondNation = "\xC9IRE";
  qor_staff empty = plain_staff(4, "Davis");

  std::vector<const qor_staff*> records;
  for (const qor_staff& record : {every_field, two_declared, accented, empty})
    records.push_back(&add(record));

  // Items whose panels cannot show every value, and injury flags ticked together.
  qor_staff_favourite_disliked_staff liked;
  liked.StaffFavouriteStaffID = 1;
  liked.StaffFavouriteStaffStaff = 2;
  liked.StaffFavouriteStaffPermanent = "";
  liked.StaffFavouriteStaffReason = 99;
  liked.DateUpdated = "01/01/2020 10:00:00";
  qor_staff_injury injury;
  injury.StaffInjuriesID = 1;
  injury.StaffInjuriesStaff = 2;
  injury.StaffInjuriesInjury = 2;
  injury.StaffInjuriesPermanentInjury = "True";
  injury.StaffInjuriesFuturePermanentInjury = "True";
  injury.DateUpdated = "01/01/2020 10:00:00";
  const auto& shown_liked = add_item(store().staff_favourite_staff_list, liked);
  const auto& shown_injury = add_item(store().staff_injury_list, injury);

  std::vector<qor_staff> before;
  for (const qor_staff* record : records)
    before.push_back(*record);

  show_every_record();

  ASSERT_EQ(window.list_box->count(), static_cast<int>(records.size()));
  ASSERT_EQ(editor().current_staff, entry_record(window, 0));
  for (std::size_t i = 0; i < records.size(); ++i) {
    SCOPED_TRACE(records[i]->StaffSecondName.view());
    EXPECT_EQ(std::memcmp(records[i], &before[i], sizeof before[i]), 0);
    EXPECT_EQ(records[i]->DateUpdated.view(), before[i].DateUpdated.view());
    EXPECT_EQ(records[i]->StaffSecondNationDeclared.view(),
              before[i].StaffSecondNationDeclared.view());
    EXPECT_EQ(records[i]->StaffFuturePermanentInjury.view(),
              before[i].StaffFuturePermanentInjury.view());
    EXPECT_EQ(records[i]->StaffNation.view(), before[i].StaffNation.view());
  }
  EXPECT_EQ(std::memcmp(&shown_liked, &liked, sizeof liked), 0);
  EXPECT_EQ(std::memcmp(&shown_injury, &injury, sizeof injury), 0);
  EXPECT_FALSE(editor().data_modified);
  EXPECT_FALSE(editor().filling_controls);
  EXPECT_TRUE(environment.dialogs.shown().empty()) << environment.dialogs.last().text.toStdString();
}

// An item's flag that reads neither "True" nor "False" shows unticked, whatever the item shown
// before left in the box, and stays as it is until the user sets the box.
TEST_F(showing_records, an_item_flag_neither_true_nor_false_shows_unticked) {
  add(plain_staff(2, "Brown"));
  struct flag_case {
    item_kind kind;
    const char* box;
    const char* unshowable;
    bool touched;  // the user sets the box afterwards
  };
  const flag_case cases[] = {
      {item_kind::favourite_staff, "staff_favourite_staff_permanent", "", true},
      {item_kind::disliked_staff, "staff_disliked_staff_permanent", "Maybe", true},
      {item_kind::favourite_club, "staff_favourite_club_permanent", "", true},
      {item_kind::disliked_club, "staff_disliked_club_permanent", "", false},
      {item_kind::favourite_staff, "staff_favourite_staff_marked_for_deletion", "", false},
      {item_kind::disliked_staff, "staff_disliked_staff_marked_for_deletion", "x", false},
  };
  // Per case an item whose flag is "True" and one whose flag the box cannot show.
  struct shown_pair {
    const std::byte* ticked;
    const std::byte* unshowable;
  };
  std::vector<shown_pair> pairs;
  std::int32_t next_id = 1;
  const auto add_flagged = [&](const flag_case& c, const char* flag) {
    std::byte* item = append_new_item(store(), c.kind, false);
    const std::int32_t ids[] = {next_id++, 2};
    std::memcpy(item, ids, sizeof ids);
    // Values the panel's checks accept, so that the user may go from one item to the other.
    for (const page_spec& page : record_page_specs()) {
      for (const control_spec& row : page.controls) {
        if (row.container != nullptr && std::string_view(row.container) == item_panel_name(c.kind))
          real_pages_fixture::give_value(row, *item);
      }
    }
    const field_ref& field = find_control_spec(c.box)->binding.field;
    write_text({field.locate(item), field.type, field.capacity}, flag);
    return item;
  };
  for (const flag_case& c : cases) {
    const std::byte* ticked = add_flagged(c, "True");
    pairs.push_back({ticked, add_flagged(c, c.unshowable)});
  }
  const auto flag_of = [](const flag_case& c, const std::byte* item) {
    const field_ref& field = find_control_spec(c.box)->binding.field;
    return std::string(
        read_text({field.locate(const_cast<std::byte*>(item)), field.type, field.capacity}));
  };
  show_pages_as_after_opening(window);
  list_by_name_and_select_first(window);

  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const flag_case& c = cases[i];
    SCOPED_TRACE(c.box);
    auto* list = window.controls().get<owner_drawn_list_box>(place_of(c.kind).list);
    auto* box = window.controls().get<QAbstractButton>(c.box);
    ASSERT_NE(list, nullptr);
    ASSERT_NE(box, nullptr);
    focus_as_by_click(list);
    const auto click_item = [&](const std::byte* item) {
      for (int entry = 0; entry < list->count(); ++entry) {
        if (entry_object_raw(list, entry) == item) {
          QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                            list->visualItemRect(list->item(entry)).center());
          return;
        }
      }
      ADD_FAILURE() << "no entry for the item";
    };
    click_item(pairs[i].ticked);
    EXPECT_TRUE(box->isChecked());
    click_item(pairs[i].unshowable);
    EXPECT_FALSE(box->isChecked());
    click_item(pairs[i].ticked);
    click_item(pairs[i].unshowable);
    EXPECT_EQ(flag_of(c, pairs[i].unshowable), c.unshowable);
    if (c.touched) {
      QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
      EXPECT_EQ(flag_of(c, pairs[i].unshowable), "True");
    }
  }
  EXPECT_TRUE(environment.dialogs.shown().empty()) << environment.dialogs.last().text.toStdString();
}

}  // namespace
