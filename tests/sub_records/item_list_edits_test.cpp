#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QTest>
#include <algorithm>
#include <string>

#include "change_tracking/item_matching.h"
#include "item_panel_fixture.h"
#include "item_panel_views.h"
#include "platform/item_objects.h"
#include "platform/owner_drawn_list_box.h"
#include "platform/string_grid.h"
#include "record_form/grid_text.h"
#include "records/staff_record.h"
#include "sub_records/item_list_edits.h"
#include "sub_records/item_list_kinds.h"
#include "sub_records/item_list_places.h"
#include "sub_records/item_list_selection.h"

namespace {

using item_panel_views::view_of;
using item_panel_views::visit_kind;

// The form with the list selection and editing bound as the main window binds them, and the
// staff member shown as current_staff.
class item_list_editing : public item_panel_form {
 protected:
  item_list_editing() {
    install_item_list_selection(controls);
    install_item_list_editing(controls);
    editor().current_staff = &staff;
  }

  template <class Widget = QWidget>
  Widget* named(const char* name) {
    auto* widget = qobject_cast<Widget*>(control(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }

  void press(const char* button) { named<QAbstractButton>(button)->click(); }

  QString caption(const char* label) { return named<QLabel>(label)->text(); }

  bool visible(const char* name) { return !control(name)->isHidden(); }

  // The items the kind's list shows (history: through its hidden list), in their order.
  template <item_kind Kind>
  std::vector<const void*> listed() {
    std::vector<const void*> items;
    const item_list_place& place = place_of(Kind);
    if (Kind == item_kind::history) {
      auto* lines = named<owner_drawn_list_box>(history_lines);
      for (int line = 0; line < lines->count(); ++line)
        items.push_back(entry_object_raw(lines, line));
    } else if (auto* grid = qobject_cast<string_grid*>(control(place.list))) {
      for (int row = 1; row < grid->row_count(); ++row) {
        if (const void* item = row_object_raw(grid, row))
          items.push_back(item);
      }
    } else {
      auto* list = named<owner_drawn_list_box>(place.list);
      for (int index = 0; index < list->count(); ++index)
        items.push_back(entry_object_raw(list, index));
    }
    return items;
  }

  // Every entry of the list points at an item the store holds.
  template <item_kind Kind>
  void expect_list_holds_only_stored_items() {
    for (const void* item : listed<Kind>()) {
      const auto& items = items_of<Kind>();
      EXPECT_TRUE(std::any_of(items.begin(), items.end(), [item](const auto& held) {
        return held.get() == item;
      })) << place_of(Kind).list;
    }
  }

  template <item_kind Kind>
  QString count_text(int selected, int count) {
    const std::string n = std::to_string(count);
    if (!item_list_kind<Kind>::grid)
      return QString::fromStdString(n + " items");
    return QString::fromStdString(std::to_string(selected) + " of " + n + " items");
  }

  template <item_kind Kind>
  std::string marked_text(const item_record<Kind>& item) {
    return std::string((item.*item_list_kind<Kind>::marked).view());
  }
};

class every_kind : public item_list_editing, public ::testing::WithParamInterface<item_kind> {};

// Every kind: Add makes a new item of the shown staff member at the end of its list, selected,
// shown and offered for deletion; Del frees it (grids after the question) and selects the
// exported item again, whose deletion is refused however it is asked for.
TEST_P(every_kind, adds_deletes_a_new_item_and_refuses_to_delete_an_exported_one) {
  visit_kind(GetParam(), [&](auto kind) {
    constexpr item_kind Kind = decltype(kind)::value;
    const item_list_place& place = place_of(Kind);
    constexpr bool grid = item_list_kind<Kind>::grid;
    item_record<Kind>& exported = add_item<Kind>(1);
    show_items();
    ASSERT_EQ(selected_item<Kind>().current, &exported);
    EXPECT_FALSE(visible(place.delete_button));

    press(place.add_button);

    ASSERT_EQ(items_of<Kind>().size(), 2u);
    item_record<Kind>* added = items_of<Kind>().back().get();
    EXPECT_GE(record_id(*added), 50000);
    EXPECT_EQ(item_owner_id(*added), shown_staff);
    EXPECT_EQ(marked_text<Kind>(*added), "False");
    EXPECT_EQ(std::string(added->DateUpdated.view()), grid ? stamp : "");
    EXPECT_EQ(selected_item<Kind>().current, added);
    EXPECT_EQ(selected_item<Kind>().original, nullptr);
    EXPECT_EQ(listed<Kind>().back(), added);
    EXPECT_TRUE(visible(place.delete_button));
    EXPECT_TRUE(visible(item_panel_name(Kind)));
    EXPECT_EQ(caption(place.count_label), count_text<Kind>(2, 2));
    EXPECT_TRUE(editor().data_modified);

    if (grid)
      dialogs.queue_answer(dialog_answer::ok);
    press(place.delete_button);

    ASSERT_EQ(items_of<Kind>().size(), 1u);
    EXPECT_EQ(selected_item<Kind>().current, &exported);
    EXPECT_NE(selected_item<Kind>().original, nullptr);
    EXPECT_FALSE(visible(place.delete_button));
    EXPECT_EQ(caption(place.count_label), count_text<Kind>(1, 1));
    expect_list_holds_only_stored_items<Kind>();
    if (grid) {
      ASSERT_EQ(dialogs.shown().size(), 1u);
      EXPECT_EQ(dialogs.last().buttons, message_buttons::ok_cancel);
      EXPECT_TRUE(dialogs.last().text.startsWith(Kind == item_kind::history ? "Delete season "
                                                                            : "Delete entry "));
      EXPECT_TRUE(dialogs.last().text.endsWith("? "));
    } else {
      EXPECT_TRUE(dialogs.shown().empty());
    }

    // The button's state is no licence: an exported item stays.
    control(place.delete_button)->show();
    if (grid)
      dialogs.queue_answer(dialog_answer::ok);
    press(place.delete_button);
    EXPECT_EQ(items_of<Kind>().size(), 1u);
    EXPECT_EQ(selected_item<Kind>().current, &exported);
  });
}

// Adding to a kind without items shows the panel with the one item; deleting it hides the
// panel and the Del button again and leaves the list empty.
TEST_P(every_kind, adding_to_and_emptying_a_kind_shows_and_hides_its_panel) {
  visit_kind(GetParam(), [&](auto kind) {
    constexpr item_kind Kind = decltype(kind)::value;
    const item_list_place& place = place_of(Kind);
    constexpr bool grid = item_list_kind<Kind>::grid;
    show_items();
    EXPECT_FALSE(visible(item_panel_name(Kind)));

    press(place.add_button);
    EXPECT_TRUE(visible(item_panel_name(Kind)));
    EXPECT_EQ(caption(place.count_label), count_text<Kind>(1, 1));
    EXPECT_TRUE(control(place.list)->isEnabled());

    if (grid) {
      dialogs.queue_answer(dialog_answer::cancel);
      press(place.delete_button);
      EXPECT_EQ(items_of<Kind>().size(), 1u) << "cancelled";
    }

    if (grid)
      dialogs.queue_answer(dialog_answer::ok);
    press(place.delete_button);
    EXPECT_TRUE(items_of<Kind>().empty());
    EXPECT_EQ(selected_item<Kind>().current, nullptr);
    EXPECT_EQ(selected_item<Kind>().index, -1);
    EXPECT_FALSE(visible(item_panel_name(Kind)));
    EXPECT_FALSE(visible(place.delete_button));
    EXPECT_EQ(caption(place.count_label), count_text<Kind>(0, 0));
    EXPECT_TRUE(listed<Kind>().empty());
    EXPECT_TRUE(dialogs.all_as_scripted());
  });
}

// Ticking "Marked For Deletion" asks first: No unticks the box and keeps "False", Yes stores
// "True"; unticking asks nothing and stores "False".
TEST_P(every_kind, marking_asks_and_stores_the_answer) {
  visit_kind(GetParam(), [&](auto kind) {
    constexpr item_kind Kind = decltype(kind)::value;
    item_record<Kind>& exported = add_item<Kind>(1);
    (exported.*item_list_kind<Kind>::marked) = "False";
    show_items();
    auto* box = named<QCheckBox>(place_of(Kind).mark_box);
    focus_on(box);

    dialogs.queue_answer(dialog_answer::no);
    box->click();
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(marked_text<Kind>(exported), "False");

    dialogs.queue_answer(dialog_answer::yes);
    box->click();
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(marked_text<Kind>(exported), "True");

    box->click();
    EXPECT_EQ(marked_text<Kind>(exported), "False");
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.last().text, "Are you sure you want this item marked for deletion?");
    EXPECT_EQ(dialogs.last().buttons, message_buttons::yes_no);
    EXPECT_TRUE(dialogs.all_as_scripted());
  });
}

// Insert adds; Delete deletes a new item and leaves an exported one.
TEST_P(every_kind, the_insert_and_delete_keys_add_and_delete_new_items_only) {
  visit_kind(GetParam(), [&](auto kind) {
    constexpr item_kind Kind = decltype(kind)::value;
    constexpr bool grid = item_list_kind<Kind>::grid;
    add_item<Kind>(1);
    show_items();
    QWidget* list = control(place_of(Kind).list);
    focus_on(list);

    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(items_of<Kind>().size(), 1u);

    QTest::keyClick(list, Qt::Key_Insert);
    ASSERT_EQ(items_of<Kind>().size(), 2u);
    EXPECT_EQ(selected_item<Kind>().current, items_of<Kind>().back().get());

    if (grid)
      dialogs.queue_answer(dialog_answer::ok);
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(items_of<Kind>().size(), 1u);
    EXPECT_TRUE(dialogs.all_as_scripted());
  });
}

INSTANTIATE_TEST_SUITE_P(kinds, every_kind,
                         ::testing::Values(item_kind::favourite_staff, item_kind::disliked_staff,
                                           item_kind::favourite_club, item_kind::disliked_club,
                                           item_kind::history, item_kind::language, item_kind::ppm,
                                           item_kind::non_player_history, item_kind::injury,
                                           item_kind::job, item_kind::contract_clauses,
                                           item_kind::achievements, item_kind::npt,
                                           item_kind::days_at_club_nation, item_kind::retirement,
                                           item_kind::unavailability, item_kind::long_term_career),
                         [](const auto& info) { return std::string(item_panel_name(info.param)); });

// Deleting from the middle selects the item that moved into the place; from the end, the one
// before it. The list and the store stay in step, with no entry left pointing at a freed item.
TEST_F(item_list_editing, a_delete_selects_the_item_taking_the_place_or_the_one_before) {
  show_items();
  for (int i = 0; i < 3; ++i) {
    press("add_language_btn");
    press("add_job_button");
  }
  auto* languages = named<owner_drawn_list_box>("staff_language");
  languages->set_item_index(1);
  QTest::mouseClick(languages->viewport(), Qt::LeftButton, {},
                    languages->visualItemRect(languages->item(1)).center());
  const void* third_language = entry_object_raw(languages, 2);
  press("del_language_btn");
  EXPECT_EQ(selected_item<item_kind::language>().current, third_language);
  EXPECT_EQ(selected_item<item_kind::language>().index, 1);
  press("del_language_btn");
  EXPECT_EQ(selected_item<item_kind::language>().index, 0);
  EXPECT_EQ(languages->count(), 1);
  expect_list_holds_only_stored_items<item_kind::language>();

  // The last job row is selected after the adds: its delete selects the row before.
  auto* jobs = named<string_grid>("staff_job_string_grid");
  const void* second_job = row_object_raw(jobs, 2);
  dialogs.queue_answer(dialog_answer::ok);
  press("delete_job_btn");
  EXPECT_EQ(selected_item<item_kind::job>().current, second_job);
  EXPECT_EQ(jobs->row(), 2);
  EXPECT_EQ(caption("staff_job_count"), "2 of 2 items");
  expect_list_holds_only_stored_items<item_kind::job>();
}

// A staff member with every temporary id taken gets the store's message and no item.
TEST_F(item_list_editing, an_add_without_a_free_id_shows_why_and_adds_nothing) {
  for (std::int32_t id = 50000; id <= 60000; ++id)
    add_item<item_kind::ppm>(id);
  show_items();
  const std::size_t before = items_of<item_kind::ppm>().size();
  press("add_ppm_btn");
  EXPECT_EQ(items_of<item_kind::ppm>().size(), before);
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.last().type, message_type::error);
  EXPECT_TRUE(dialogs.last().text.contains("no record can be added"));
}

// Forgetting the lists, as a new file does, leaves no entry, row or selection behind.
TEST_F(item_list_editing, forgetting_the_lists_leaves_nothing_pointing_at_items) {
  add_item<item_kind::history>(1);
  add_item<item_kind::favourite_club>(2);
  add_item<item_kind::injury>(3);
  show_items();
  forget_item_lists(controls);
  store() = record_store{};
  EXPECT_TRUE(listed<item_kind::history>().empty());
  EXPECT_TRUE(listed<item_kind::favourite_club>().empty());
  EXPECT_TRUE(listed<item_kind::injury>().empty());
  EXPECT_EQ(selected_item<item_kind::history>().current, nullptr);
  EXPECT_EQ(selected_item<item_kind::favourite_club>().current, nullptr);
  EXPECT_EQ(selected_item<item_kind::injury>().current, nullptr);
  EXPECT_FALSE(visible("edit_staff_injury_panel"));
  EXPECT_EQ(caption("staff_injury_count"), "0 of 0 items");
}

}  // namespace
