// The order of every item list through record switches, edits, additions and deletions, and in
// the saved file. Showing a record sorts only what can have moved since the last show, so each
// switch is checked against the plain rule it stands for: every sorting kind's whole vector
// ends as a stable sort of it by the kind's order would leave it.
#include <QAbstractButton>
#include <QLineEdit>
#include <algorithm>
#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "../sub_records/item_panel_views.h"
#include "analysis/error_check_flags.h"
#include "file_menu_test_support.h"
#include "platform/item_objects.h"
#include "platform/owner_drawn_list_view.h"
#include "record_form/editor_state.h"
#include "record_form/form_text.h"
#include "record_form/item_details.h"
#include "record_form/item_selection.h"
#include "staff_file_generator.h"
#include "sub_records/item_list_kinds.h"
#include "sub_records/item_list_places.h"
#include "sub_records/item_panel_handlers.h"
#include "sub_records/item_sorts.h"

namespace fs = std::filesystem;

namespace {

using item_panel_views::visit_kind;
using enum item_kind;

// The kinds whose lists sort.
constexpr item_kind sorted_kinds[] = {
    favourite_staff,
    disliked_staff,
    favourite_club,
    disliked_club,
    history,
    non_player_history,
    injury,
    job,
    contract_clauses,
    achievements,
    days_at_club_nation,
    retirement,
    unavailability,
    long_term_career,
};

int date_order(std::string_view a, std::string_view b) {
  return compare_date_texts(a, b, current_formats().locale_date_order);
}

// Each kind's order as a test of whether `a` sorts ahead of `b`.
template <item_kind Kind>
bool before(const item_record<Kind>& a, const item_record<Kind>& b) {
  if constexpr (Kind == favourite_staff || Kind == disliked_staff) {
    return a.StaffFavouriteStaffRating > b.StaffFavouriteStaffRating;
  } else if constexpr (Kind == favourite_club || Kind == disliked_club) {
    return a.StaffFavouriteClubsRating > b.StaffFavouriteClubsRating;
  } else if constexpr (Kind == history) {
    if (a.StaffHistoryYear != b.StaffHistoryYear)
      return a.StaffHistoryYear < b.StaffHistoryYear;
    if (a.StaffHistoryYearOrder != b.StaffHistoryYearOrder)
      return a.StaffHistoryYearOrder < b.StaffHistoryYearOrder;
    return a.StaffHistoryID < b.StaffHistoryID;
  } else if constexpr (Kind == retirement) {
    const int dates = date_order(a.StaffRetirementDate.view(), b.StaffRetirementDate.view());
    return dates != 0 ? dates < 0 : a.StaffRetirementID < b.StaffRetirementID;
  } else if constexpr (Kind == unavailability) {
    const int dates =
        date_order(a.StaffUnavailabilityDateFrom.view(), b.StaffUnavailabilityDateFrom.view());
    return dates != 0 ? dates < 0 : a.StaffUnavailabilityID < b.StaffUnavailabilityID;
  } else if constexpr (Kind == non_player_history) {
    const int dates = date_order(a.StaffNonPlayerHistoryDateJoined.view(),
                                 b.StaffNonPlayerHistoryDateJoined.view());
    return dates != 0 ? dates < 0 : a.StaffNonPlayerHistoryID < b.StaffNonPlayerHistoryID;
  } else if constexpr (Kind == achievements) {
    if (a.StaffAchievementsYear != b.StaffAchievementsYear)
      return a.StaffAchievementsYear < b.StaffAchievementsYear;
    return date_order(a.StaffAchievementsDate.view(), b.StaffAchievementsDate.view()) < 0;
  } else if constexpr (Kind == job) {
    if (a.StaffJobRating != b.StaffJobRating)
      return a.StaffJobRating > b.StaffJobRating;
    return a.StaffJobID < b.StaffJobID;
  } else {
    return record_id(a) > record_id(b);  // the newest id first
  }
}

using item_order = std::vector<const void*>;

template <item_kind Kind>
item_order order_now() {
  item_order order;
  for (const auto& item : items_of<Kind>())
    order.push_back(item.get());
  return order;
}

// The vector as sorting it whole leaves it.
template <item_kind Kind>
item_order sorted_whole() {
  using Item = item_record<Kind>;
  std::vector<const Item*> items;
  for (const auto& item : items_of<Kind>())
    items.push_back(item.get());
  std::stable_sort(items.begin(), items.end(), [](const Item* a, const Item* b) {
    return a != nullptr && (b == nullptr || before<Kind>(*a, *b));
  });
  return {items.begin(), items.end()};
}

bool is_grid(item_kind kind) {
  bool grid = false;
  visit_kind(kind,
             [&](auto shown_kind) { grid = item_list_kind<decltype(shown_kind)::value>::grid; });
  return grid;
}

// One sort key of a kind typed into its panel, three values in turn.
struct key_edit {
  item_kind kind;
  const char* control;
  std::array<const char*, 3> values;
};

constexpr key_edit key_edits[] = {
    {favourite_staff, "staff_favourite_staff_rating", {"0", "12", "20"}},
    {disliked_staff, "staff_disliked_staff_rating", {"7", "0", "7"}},
    {favourite_club, "staff_favourite_club_rating", {"20", "3", "3"}},
    {disliked_club, "staff_disliked_club_rating", {"5", "5", "19"}},
    {history, "staff_history_year", {"2001", "1996", "2011"}},
    {job, "staff_job_rating", {"1", "20", "9"}},
    {achievements, "staff_achievements_year", {"2004", "1999", "2010"}},
    {achievements, "staff_achievements_date", {"01/02/2005", "15/06/1999", "30/11/2010"}},
    {retirement, "staff_retirement_date", {"01/02/2005", "15/06/1999", "30/11/2010"}},
    {unavailability, "staff_unavailability_date_from", {"01/02/2005", "00/00/0000", "30/11/2010"}},
    {non_player_history,
     "staff_non_player_history_date_joined",
     {"01/02/2005", "15/06/1999", "00/00/0000"}},
};

class item_order_test : public file_menu_test {
 protected:
  // Types the value into the control and leaves it, as the user does; nothing while its panel
  // shows no item.
  void type_key(const key_edit& edit, const char* value) {
    auto* shown = window.controls().find(item_panel_name(edit.kind));
    auto* control = window.controls().get<QLineEdit>(edit.control);
    ASSERT_NE(control, nullptr) << edit.control;
    if (shown == nullptr || shown->isHidden())
      return;
    control->setText(QString::fromLatin1(value));
    for (const panel_handler& handler : item_panel_handlers()) {
      if (handler.event == panel_event::exit && std::string_view(handler.control) == edit.control)
        handler.action(control, window.controls());
    }
  }

  void press(const char* button) {
    if (button != nullptr)
      window.controls().get<QAbstractButton>(button)->click();
  }

  // What was asked or told so far, for a failure's message.
  std::string dialog_texts() const {
    std::string texts;
    for (const QString& text : environment.dialogs.shown_texts())
      texts += text.toStdString() + " | ";
    return texts;
  }

  // What a user does to the record on screen in one visit: edits the sort keys of its selected
  // items, adds items to some kinds and deletes some of them again.
  void work_on_record(int visit) {
    for (const key_edit& edit : key_edits)
      type_key(edit, edit.values[static_cast<std::size_t>(visit) % edit.values.size()]);
    for (std::size_t k = 0; k < std::size(sorted_kinds); ++k) {
      if ((k + static_cast<std::size_t>(visit)) % 3 != 0)
        continue;
      const item_list_place& place = place_of(sorted_kinds[k]);
      press(place.add_button);
      // Deleted again at every other visit; the button shows only for a new item.
      auto* remove = window.controls().get<QAbstractButton>(place.delete_button);
      if (visit % 2 == 0 && !remove->isHidden()) {
        if (is_grid(sorted_kinds[k]))
          environment.dialogs.queue_answer(dialog_answer::ok);
        remove->click();
      }
    }
  }

  // The staff member's items as the kind's list shows them, and as the vector holds them.
  template <item_kind Kind>
  void expect_listed_in_vector_order(std::int32_t staff_id) {
    const item_list_place& place = place_of(Kind);
    item_order listed;
    if constexpr (Kind == history) {
      auto* lines = window.controls().get<owner_drawn_list_box>(history_lines);
      for (int line = 0; line < lines->count(); ++line)
        listed.push_back(entry_object_raw(lines, line));
    } else if constexpr (item_list_kind<Kind>::grid) {
      auto* grid = window.controls().get<string_grid>(place.list);
      for (int row = 1; row < grid->row_count() && row_object_raw(grid, row) != nullptr; ++row)
        listed.push_back(row_object_raw(grid, row));
    } else {
      auto* list = window.controls().get<owner_drawn_list_box>(place.list);
      for (int entry = 0; entry < list->count(); ++entry)
        listed.push_back(entry_object_raw(list, entry));
    }
    item_order owned;
    for (const auto& item : items_of<Kind>()) {
      if (item && item_owner_id(*item) == staff_id)
        owned.push_back(item.get());
    }
    EXPECT_EQ(listed, owned) << place.list;
  }

  // Switches to the record and checks every sorting kind against a sort of its whole vector.
  void switch_to(std::int32_t staff_id) {
    std::array<item_order, item_kind_count> expected;
    for (const item_kind kind : sorted_kinds) {
      visit_kind(kind, [&](auto shown_kind) {
        constexpr item_kind Kind = decltype(shown_kind)::value;
        expected[static_cast<std::size_t>(Kind)] = sorted_whole<Kind>();
      });
    }
    select_staff(staff_id);
    ASSERT_EQ(editor().current_staff->StaffID, staff_id) << dialog_texts();
    for (const item_kind kind : sorted_kinds) {
      visit_kind(kind, [&](auto shown_kind) {
        constexpr item_kind Kind = decltype(shown_kind)::value;
        EXPECT_EQ(order_now<Kind>(), expected[static_cast<std::size_t>(Kind)])
            << place_of(Kind).list;
        expect_listed_in_vector_order<Kind>(staff_id);
      });
    }
  }

  // Visits records all over the staff list, some of them twice, working on each; then saves
  // right after a switch. Each section of the saved file lists its items in the vector's order,
  // the kind's order for the sorting kinds.
  void visit_records_and_save(const fs::path& path) {
    open_through_menu(path);
    ASSERT_TRUE(environment.dialogs.all_as_scripted());
    const int listed = window.list_box->count();
    ASSERT_GT(listed, 3);
    for (int visit = 0; visit < 12; ++visit) {
      work_on_record(visit);
      const int entry = (visit * 7 + 1) % listed;
      ASSERT_NO_FATAL_FAILURE(switch_to(entry_object<qor_staff>(window.list_box, entry)->StaffID))
          << "visit " << visit;
    }
    EXPECT_TRUE(environment.dialogs.all_as_scripted()) << dialog_texts();

    environment.dialogs.clear();
    window.menu_save->trigger();
    ASSERT_EQ(environment.dialogs.shown_texts(), std::vector<QString>{"Data written to file."});
    data_set saved;
    ASSERT_TRUE(reload_file(path, saved));
    for (std::size_t kind = 0; kind < item_kind_count; ++kind) {
      visit_kind(static_cast<item_kind>(kind), [&](auto shown_kind) {
        constexpr item_kind Kind = decltype(shown_kind)::value;
        std::vector<std::int32_t> in_file;
        for (const auto& item : saved.records.*item_store<Kind>::current)
          in_file.push_back(record_id(*item));
        std::vector<std::int32_t> in_store;
        for (const auto& item : items_of<Kind>())
          in_store.push_back(record_id(*item));
        EXPECT_EQ(in_file, in_store) << place_of(Kind).list;
      });
    }
    for (const item_kind kind : sorted_kinds) {
      visit_kind(kind, [&](auto shown_kind) {
        constexpr item_kind Kind = decltype(shown_kind)::value;
        const auto& in_file = saved.records.*item_store<Kind>::current;
        EXPECT_TRUE(
            std::is_sorted(in_file.begin(), in_file.end(),
                           [](const auto& a, const auto& b) { return before<Kind>(*a, *b); }))
            << place_of(Kind).list;
      });
    }
  }
};

TEST_F(item_order_test, the_example_keeps_every_list_in_order_through_switches_and_edits) {
  visit_records_and_save(copy_to_folder(example_club_file()));
}

// Generated records of 40 items each, with ties in every order and dates of every kind; the
// record checks are off, as generated records would stop at each of them.
TEST_F(item_order_test, a_generated_file_keeps_every_list_in_order_through_switches_and_edits) {
  const error_check_flags checks = error_checks();
  error_checks() = error_check_flags{false, false, false, false, false, false};
  staff_file_options options;
  options.seed = 17;
  options.staff_count = 30;
  options.items_per_staff = 40;
  options.variations = false;
  const fs::path path = folder.path() / "Generated.staff";
  ASSERT_TRUE(write_generated_staff_file(path, options));
  visit_records_and_save(path);
  error_checks() = checks;
}

}  // namespace
