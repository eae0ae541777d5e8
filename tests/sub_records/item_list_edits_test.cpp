#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QTest>
#include <algorithm>
#include <string>
#include <string_view>

#include "change_tracking/item_matching.h"
#include "item_list_editing_fixture.h"
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

    const QString question =
        QString(place.delete_question) +
        (grid ? named<string_grid>(place.list)->cell(0, entry_of<Kind>(added)) : QString()) + "? ";
    if (grid)
      dialogs.queue_answer(dialog_answer::ok);
    press(place.delete_button);

    ASSERT_EQ(items_of<Kind>().size(), 1u);
    EXPECT_EQ(selected_item<Kind>().current, &exported);
    EXPECT_NE(selected_item<Kind>().original, nullptr);
    EXPECT_FALSE(visible(place.delete_button));
    EXPECT_EQ(caption(place.count_label), count_text<Kind>(1, 1));
    expect_list_holds_only_stored_items<Kind>();
    // Drawing the list and an edit reach the items left only.
    draw_every_entry(Kind);
    item_list_kind<Kind>::process_edit(controls);
    if (grid) {
      ASSERT_EQ(dialogs.shown().size(), 1u);
      EXPECT_EQ(dialogs.last().buttons, message_buttons::ok_cancel);
      EXPECT_EQ(dialogs.last().text, question);
      EXPECT_EQ(place.delete_question,
                std::string(Kind == item_kind::history ? "Delete season " : "Delete entry "));
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
    // Read back: freed, it would be a read of freed memory under the address sanitizer.
    EXPECT_EQ(record_id(exported), 1);
    draw_every_entry(Kind);
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
    // Nothing is selected: drawing the list and an edit reach no item.
    editor().data_modified = false;
    draw_every_entry(Kind);
    item_list_kind<Kind>::process_edit(controls);
    EXPECT_FALSE(editor().data_modified);
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

// Writes `text` into every flag the kind's panel shows.
template <item_kind Kind>
void write_panel_flags(item_record<Kind>& item, std::string_view text) {
  const std::string_view panel = item_panel_name(Kind);
  for (const page_spec& page : record_page_specs()) {
    for (const control_spec& row : page.controls) {
      if (row.container != nullptr && panel == row.container &&
          row.binding.kind == binding_kind::flag &&
          row.binding.field.template belongs_to<item_record<Kind>>()) {
        write_text(slot_of(row.binding.field, item), text);
      }
    }
  }
}

// Marking copies the whole panel into the item, but a box standing in for a flag it cannot show
// (empty, as a season's "On Loan" often is in a file, or any other text) keeps the stored text:
// only the marked flag changes.
TEST_P(every_kind, marking_an_item_whose_flags_are_empty_changes_only_its_marked_flag) {
  visit_kind(GetParam(), [&](auto kind) {
    constexpr item_kind Kind = decltype(kind)::value;
    constexpr auto marked = item_list_kind<Kind>::marked;
    item_record<Kind>& exported = add_item<Kind>(1);
    auto* box = named<QCheckBox>(place_of(Kind).mark_box);
    for (const std::string_view unreadable : {"", "Yes"}) {
      write_panel_flags<Kind>(exported, unreadable);
      exported.*marked = "False";
      const item_record<Kind> before = exported;
      show_items();
      focus_on(box);

      dialogs.queue_answer(dialog_answer::yes);
      box->click();

      item_record<Kind> expected = before;
      expected.*marked = "True";
      EXPECT_EQ(marked_text<Kind>(exported), "True");
      EXPECT_FALSE(item_differs<Kind>(exported, expected)) << "flags read \"" << unreadable << '"';
    }
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

// The Del button belongs to the item selected, on show and on select, whatever it showed
// before: offered for an item made in the editor, hidden for an exported one.
TEST_P(every_kind, the_del_button_follows_the_selected_item_on_show_and_on_select) {
  visit_kind(GetParam(), [&](auto kind) {
    constexpr item_kind Kind = decltype(kind)::value;
    const char* del = place_of(Kind).delete_button;
    item_record<Kind>& exported = add_item<Kind>(1);
    control(del)->show();
    show_items();
    EXPECT_FALSE(visible(del));

    item_record<Kind>& made = add_new_item<Kind>(2);
    show_items();
    EXPECT_EQ(visible(del), selected_item<Kind>().current == &made);
    for (int click = 0; click < 2; ++click) {
      item_record<Kind>* other = selected_item<Kind>().current == &made ? &exported : &made;
      click_entry(Kind, entry_of<Kind>(other));
      ASSERT_EQ(selected_item<Kind>().current, other);
      EXPECT_EQ(visible(del), other == &made);
    }
  });
}

// Each entry is drawn in its item's state: unchanged plain, changed against its original,
// made in the editor green, marked for deletion silver on grey whether selected or not.
TEST_P(every_kind, entries_are_coloured_by_the_state_of_their_items) {
  visit_kind(GetParam(), [&](auto kind) {
    constexpr item_kind Kind = decltype(kind)::value;
    constexpr auto marked = item_list_kind<Kind>::marked;
    constexpr bool grid = item_list_kind<Kind>::grid;
    item_record<Kind>& unchanged = add_item<Kind>(1);
    unchanged.*marked = "False";
    const_cast<item_record<Kind>*>(find_original_item<Kind>(&unchanged))->*marked = "False";
    // Its original is marked, the item not: they differ in that one field.
    item_record<Kind>& changed = add_item<Kind>(2);
    changed.*marked = "False";
    item_record<Kind>& made = add_new_item<Kind>(3);
    item_record<Kind>& gone = add_item<Kind>(4);
    show_items();

    const QPalette palette = QApplication::palette();
    const QColor window = palette.color(QPalette::Base);
    const QColor highlight = palette.color(QPalette::Highlight);
    const QColor text = palette.color(QPalette::Text);
    const QColor maroon(0x80, 0, 0), red(0xFF, 0, 0), green(0, 0x80, 0), lime(0, 0xFF, 0);
    const QColor silver(0xC0, 0xC0, 0xC0), grey(0x80, 0x80, 0x80), sky_blue(0xA6, 0xCA, 0xF0);
    struct expected_look {
      const void* item;
      bool selected;
      QColor text;
      QColor background;
    };
    const expected_look looks[] = {
        {&unchanged, false, text, window},
        {&unchanged, true, window, highlight},
        {&changed, false, maroon, window},
        {&changed, true, grid ? red : maroon, grid ? highlight : sky_blue},
        {&made, false, green, window},
        {&made, true, lime, highlight},
        {&gone, false, silver, grey},
        {&gone, true, silver, grey},
    };
    for (const expected_look& look : looks) {
      const QImage image = draw_entry(Kind, entry_of<Kind>(look.item), look.selected, "IIII");
      SCOPED_TRACE(::testing::Message()
                   << "item " << record_id(*static_cast<const item_record<Kind>*>(look.item))
                   << (look.selected ? " selected" : ""));
      EXPECT_GT(pixels_of(image, look.text), 10);
      EXPECT_GT(pixels_of(image, look.background), 10);
    }
  });
}

// Showing another file forgets every list: no entry, row or selection is left pointing at the
// items freed with the store, so drawing the lists and the panels' edits reach none of them.
TEST_P(every_kind, a_new_file_leaves_nothing_pointing_at_the_items_it_freed) {
  visit_kind(GetParam(), [&](auto kind) {
    constexpr item_kind Kind = decltype(kind)::value;
    add_item<Kind>(1);
    add_new_item<Kind>(2);
    show_items();
    forget_item_lists(controls);
    store() = record_store{};

    EXPECT_TRUE(listed<Kind>().empty());
    EXPECT_EQ(selected_item<Kind>().current, nullptr);
    EXPECT_EQ(selected_item<Kind>().original, nullptr);
    EXPECT_EQ(selected_item<Kind>().index, -1);
    EXPECT_FALSE(visible(item_panel_name(Kind)));
    EXPECT_FALSE(visible(place_of(Kind).delete_button));
    EXPECT_EQ(caption(place_of(Kind).count_label), count_text<Kind>(0, 0));
    draw_every_entry(Kind);
    item_list_kind<Kind>::process_edit(controls);
    EXPECT_FALSE(editor().data_modified);
  });
}

INSTANTIATE_TEST_SUITE_P(kinds, every_kind, ::testing::ValuesIn(all_item_kinds),
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
TEST_F(item_list_editing, an_add_into_a_kind_holding_every_temporary_id_takes_one_above_them) {
  for (std::int32_t id = 50000; id <= 60000; ++id)
    add_item<item_kind::ppm>(id);
  show_items();
  const std::size_t before = items_of<item_kind::ppm>().size();
  press("add_ppm_btn");
  ASSERT_EQ(items_of<item_kind::ppm>().size(), before + 1);
  EXPECT_EQ(record_id(*items_of<item_kind::ppm>().back()), 60001);
  EXPECT_TRUE(dialogs.shown().empty());
}

}  // namespace
