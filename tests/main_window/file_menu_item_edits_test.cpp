// Items added, deleted and marked in every kind of the example file, saved and read back.
#include <QAbstractButton>
#include <QCheckBox>
#include <algorithm>
#include <filesystem>
#include <set>
#include <vector>

#include "../sub_records/item_panel_views.h"
#include "change_tracking/compared_fields.h"
#include "change_tracking/item_matching.h"
#include "file_menu_test_support.h"
#include "record_form/editor_state.h"
#include "record_form/item_selection.h"
#include "sub_records/item_list_kinds.h"
#include "sub_records/item_list_places.h"

namespace fs = std::filesystem;

namespace {

using item_edits = file_menu_test;

template <item_kind Kind>
bool same_item(const item_record<Kind>& a, const item_record<Kind>& b) {
  return record_id(a) == record_id(b) && item_owner_id(a) == item_owner_id(b) &&
         !any_compared_field_differs(record_bytes(a), record_bytes(b), compared_item_fields(Kind));
}

template <item_kind Kind>
const item_record<Kind>* find_item(const record_vector<item_record<Kind>>& items, std::int32_t id) {
  for (const auto& item : items) {
    if (item && record_id(*item) == id)
      return item.get();
  }
  return nullptr;
}

std::vector<item_kind> all_kinds() {
  std::vector<item_kind> kinds;
  for (std::size_t kind = 0; kind < item_kind_count; ++kind)
    kinds.push_back(static_cast<item_kind>(kind));
  return kinds;
}

// What was done to one kind: the exported item marked and the new item kept.
struct kind_edits {
  std::int32_t marked = 0;
  std::int32_t kept = 0;
  std::int32_t deleted = 0;
};

// The whole road for every kind: on a staff member whose first item of the kind is exported,
// tick its "Marked For Deletion" (Yes), add two items and delete the second; save and read the
// file back. Exactly those changes are kept: the marked item, one new item of that staff
// member, no deleted one, every other item as it was.
TEST_F(item_edits, added_deleted_and_marked_items_of_every_kind_are_saved) {
  const fs::path path = copy_to_folder(example_club_file());
  open_through_menu(path);
  form_controls& controls = window.controls();
  std::vector<kind_edits> edits(item_kind_count);

  for (item_kind kind : all_kinds()) {
    item_panel_views::visit_kind(kind, [&](auto shown_kind) {
      constexpr item_kind Kind = decltype(shown_kind)::value;
      const item_list_place& place = place_of(Kind);
      SCOPED_TRACE(place.list);
      // A staff member whose first listed item of the kind is exported and not marked.
      std::set<std::int32_t> owners;
      for (const auto& item : items_of<Kind>()) {
        if (find_original_item<Kind>(item.get()) != nullptr)
          owners.insert(item_owner_id(*item));
      }
      ASSERT_FALSE(owners.empty()) << "the example has no exported item of the kind";
      for (std::int32_t owner : owners) {
        environment.dialogs.clear();
        select_staff(owner);
        const item_record<Kind>* first = selected_item<Kind>().current;
        if (selected_item<Kind>().original != nullptr &&
            (first->*item_list_kind<Kind>::marked).view() != "True") {
          break;
        }
      }
      item_record<Kind>* exported = selected_item<Kind>().current;
      ASSERT_NE(selected_item<Kind>().original, nullptr);
      kind_edits& done = edits[static_cast<std::size_t>(Kind)];
      done.marked = record_id(*exported);
      environment.dialogs.clear();
      environment.dialogs.queue_answer(dialog_answer::yes);
      controls.get<QCheckBox>(place.mark_box)->click();
      ASSERT_EQ((exported->*item_list_kind<Kind>::marked).view(), "True");

      auto* add = controls.get<QAbstractButton>(place.add_button);
      add->click();
      done.kept = record_id(*selected_item<Kind>().current);
      add->click();
      done.deleted = record_id(*selected_item<Kind>().current);
      if (item_list_kind<Kind>::grid)
        environment.dialogs.queue_answer(dialog_answer::ok);
      controls.get<QAbstractButton>(place.delete_button)->click();
      EXPECT_EQ(find_item<Kind>(items_of<Kind>(), done.deleted), nullptr);
      EXPECT_TRUE(environment.dialogs.all_as_scripted());
    });
  }

  environment.dialogs.clear();
  window.menu_save->trigger();
  EXPECT_EQ(environment.dialogs.shown_texts(), std::vector<QString>{"Data written to file."});
  data_set saved;
  ASSERT_TRUE(reload_file(path, saved));
  data_set exported;
  ASSERT_TRUE(reload_file(example_club_file(), exported));

  for (item_kind kind : all_kinds()) {
    item_panel_views::visit_kind(kind, [&](auto shown_kind) {
      constexpr item_kind Kind = decltype(shown_kind)::value;
      SCOPED_TRACE(place_of(Kind).list);
      const kind_edits& done = edits[static_cast<std::size_t>(Kind)];
      const auto& now = saved.records.*item_store<Kind>::current;
      const auto& before = exported.records.*item_store<Kind>::current;
      EXPECT_EQ(find_item<Kind>(now, done.deleted), nullptr);
      const item_record<Kind>* kept = find_item<Kind>(now, done.kept);
      ASSERT_NE(kept, nullptr);
      EXPECT_EQ(item_owner_id(*kept), item_owner_id(*find_item<Kind>(now, done.marked)));
      EXPECT_EQ((kept->*item_list_kind<Kind>::marked).view(), "False");
      EXPECT_EQ(find_item<Kind>(saved.records.*item_store<Kind>::originals, done.kept), nullptr);
      ASSERT_EQ(now.size(), before.size() + 1);
      for (const auto& old : before) {
        const item_record<Kind>* after = find_item<Kind>(now, record_id(*old));
        ASSERT_NE(after, nullptr) << record_id(*old);
        if (record_id(*old) == done.marked) {
          // Marked as the panel stores it: the edit writes the panel's flags, so a flag the
          // file left empty is saved as "False" with it.
          EXPECT_EQ((after->*item_list_kind<Kind>::marked).view(), "True");
          EXPECT_TRUE(same_item<Kind>(*after, *find_item<Kind>(items_of<Kind>(), done.marked)));
        } else {
          EXPECT_TRUE(same_item<Kind>(*after, *old)) << record_id(*old);
        }
      }
      const auto& originals = saved.records.*item_store<Kind>::originals;
      ASSERT_EQ(originals.size(), (exported.records.*item_store<Kind>::originals).size());
      for (const auto& old : exported.records.*item_store<Kind>::originals) {
        const item_record<Kind>* after = find_item<Kind>(originals, record_id(*old));
        ASSERT_NE(after, nullptr);
        EXPECT_TRUE(same_item<Kind>(*after, *old));
      }
    });
  }
}

}  // namespace
