#include <QAbstractButton>
#include <QComboBox>
#include <QStringListModel>
#include <array>
#include <utility>

#include "change_tracking/item_matching.h"
#include "display_staff_fixture.h"
#include "platform/item_objects.h"
#include "platform/owner_drawn_list_box.h"
#include "platform/string_grid.h"
#include "record_form/binding_support.h"
#include "record_form/item_details.h"
#include "record_form/record_binding.h"
#include "sub_records/display_staff.h"

namespace {

constexpr std::int32_t shown_staff = 4711;
constexpr std::int32_t other_staff = 99;

// Where each kind's items are listed, in item_kind order. Grids and the history list caption
// "row of rows items"; the other lists "n items".
struct kind_controls {
  const char* list;
  bool grid;
  const char* count_label;
  const char* delete_button;  // null: not offered by the display
};
constexpr std::array<kind_controls, item_kind_count> kind_controls_of = {{
    {"staff_favourite_staff", false, "staff_favourite_staff_count", "del_favourite_staff_btn"},
    {"staff_disliked_staff", false, "staff_disliked_staff_count", "del_disliked_staff_btn"},
    {"staff_favourite_clubs", false, "staff_favourite_clubs_count", "del_favourite_club_btn"},
    {"staff_disliked_clubs", false, "staff_disliked_clubs_count", "del_disliked_club_btn"},
    {"staff_history", false, "staff_history_count", "del_history_btn"},
    {"staff_language", false, "staff_language_count", "del_language_btn"},
    {"staff_ppm", false, "staff_ppm_count", "del_ppm_btn"},
    {"staff_non_player_history_string_grid", true, "staff_non_player_history_count",
     "delete_non_player_history_btn"},
    {"staff_injury_string_grid", true, "staff_injury_count", nullptr},
    {"staff_job_string_grid", true, "staff_job_count", nullptr},
    {"staff_contract_clauses_string_grid", true, "staff_contract_clauses_count", nullptr},
    {"staff_achievements_string_grid", true, "staff_achievements_count", nullptr},
    {"staff_npt", false, "staff_npt_count", "del_npt_btn"},
    {"staff_days_at_club_nation_string_grid", true, "staff_days_at_club_nation_count", nullptr},
    {"staff_retirement_string_grid", true, "staff_retirement_count", nullptr},
    {"staff_unavailability_string_grid", true, "staff_unavailability_count", nullptr},
    {"staff_long_term_career_string_grid", true, "staff_long_term_career_count", nullptr},
}};

template <item_kind Kind>
bool in_panel(const control_spec& row) {
  return row.container != nullptr && std::string_view(row.container) == item_panel_name(Kind) &&
         row.binding.field.template belongs_to<item_record<Kind>>();
}

template <item_kind Kind, class Visit>
void for_each_panel_row(Visit visit) {
  for (const page_spec& page : record_page_specs()) {
    for (const control_spec& row : page.controls) {
      if (in_panel<Kind>(row))
        visit(row);
    }
  }
}

// An item of `owner` whose every field on the panel holds a value its control can show.
template <item_kind Kind>
item_record<Kind>& add_item(std::int32_t id, std::int32_t owner, bool exported) {
  auto item = std::make_unique<item_record<Kind>>();
  std::memcpy(static_cast<void*>(item.get()), &id, sizeof id);
  std::memcpy(reinterpret_cast<char*>(item.get()) + sizeof id, &owner, sizeof owner);
  for_each_panel_row<Kind>(
      [&](const control_spec& row) { real_pages_fixture::give_value(row, *item); });
  if constexpr (Kind == item_kind::language)
    item->StaffLanguagesType = 2;
  if (exported) {
    (store().*item_store<Kind>::originals).push_back(std::make_unique<item_record<Kind>>(*item));
  }
  auto& items = store().*item_store<Kind>::current;
  items.push_back(std::move(item));
  return *items.back();
}

template <std::size_t... Kinds>
void add_items_of_every_kind(bool exported, std::index_sequence<Kinds...>) {
  (add_item<static_cast<item_kind>(Kinds)>(1000 + 10 * Kinds + 1, shown_staff, exported), ...);
  (add_item<static_cast<item_kind>(Kinds)>(1000 + 10 * Kinds + 2, shown_staff, exported), ...);
  (add_item<static_cast<item_kind>(Kinds)>(1000 + 10 * Kinds + 3, other_staff, exported), ...);
}

class display_item_lists : public display_staff_form {
 protected:
  display_item_lists() { staff.StaffID = shown_staff; }

  template <item_kind Kind>
  void expect_first_item_selected_and_shown() {
    using Item = item_record<Kind>;
    const kind_controls& names = kind_controls_of[static_cast<std::size_t>(Kind)];
    const std::string kind = item_panel_name(Kind);
    const item_selection<Kind>& selection = selected_item<Kind>();
    ASSERT_NE(selection.current, nullptr) << kind;
    EXPECT_EQ(item_owner_id(*selection.current), shown_staff) << kind;
    EXPECT_EQ(selection.original, find_original_item<Kind>(selection.current)) << kind;
    if (names.grid) {
      auto* grid = control<string_grid>(names.list);
      EXPECT_EQ(selection.index, 1) << kind;
      EXPECT_EQ(row_object<Item>(grid, 1), selection.current) << kind;
      EXPECT_TRUE(grid->isEnabled()) << kind;
    } else {
      auto* list = control<owner_drawn_list_box>(names.list);
      EXPECT_EQ(selection.index, 0) << kind;
      EXPECT_EQ(list->item_index(), 0) << kind;
      EXPECT_EQ(entry_object<Item>(list, 0), selection.current) << kind;
    }
    const bool framed = names.grid || Kind == item_kind::history;
    EXPECT_EQ(caption_of(names.count_label), framed ? "1 of 2 items" : "2 items") << kind;
    if (names.delete_button != nullptr) {
      EXPECT_EQ(control<QWidget>(names.delete_button)->isHidden(), selection.original != nullptr)
          << kind;
    }
    EXPECT_FALSE(control<QWidget>(item_panel_name(Kind))->isHidden()) << kind;

    // Each panel control shows its field exactly: taking it back changes nothing.
    Item copy = *selection.current;
    for_each_panel_row<Kind>([&](const control_spec& row) {
      QWidget* widget = controls.find(row.name);
      EXPECT_FALSE(shows_unshown_value(widget)) << row.name;
      EXPECT_FALSE(apply_bound_control(row, widget, &copy, current_formats())) << row.name;
      if (auto* box = qobject_cast<QAbstractButton*>(widget)) {
        EXPECT_TRUE(box->isChecked()) << row.name;
      }
      if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        EXPECT_GT(combo->currentIndex(), 0) << row.name;
      }
    });
    EXPECT_EQ(std::memcmp(&copy, selection.current, sizeof copy), 0) << kind;
  }

  template <std::size_t... Kinds>
  void expect_every_first_item_shown(std::index_sequence<Kinds...>) {
    (expect_first_item_selected_and_shown<static_cast<item_kind>(Kinds)>(), ...);
  }

  template <item_kind Kind>
  void expect_nothing_selected() {
    const kind_controls& names = kind_controls_of[static_cast<std::size_t>(Kind)];
    const std::string kind = item_panel_name(Kind);
    EXPECT_EQ(selected_item<Kind>().current, nullptr) << kind;
    EXPECT_EQ(selected_item<Kind>().original, nullptr) << kind;
    EXPECT_EQ(selected_item<Kind>().index, -1) << kind;
    EXPECT_TRUE(control<QWidget>(item_panel_name(Kind))->isHidden()) << kind;
    const bool framed = names.grid || Kind == item_kind::history;
    EXPECT_EQ(caption_of(names.count_label), framed ? "0 of 0 items" : "0 items") << kind;
    if (names.grid) {
      EXPECT_FALSE(control<QWidget>(names.list)->isEnabled()) << kind;
    }
    if (names.delete_button != nullptr) {
      EXPECT_TRUE(control<QWidget>(names.delete_button)->isHidden()) << kind;
    }
  }

  template <std::size_t... Kinds>
  void expect_nothing_selected_of_any_kind(std::index_sequence<Kinds...>) {
    (expect_nothing_selected<static_cast<item_kind>(Kinds)>(), ...);
  }

  qor_staff staff;
};

constexpr auto every_kind = std::make_index_sequence<item_kind_count>();

TEST_F(display_item_lists, the_first_item_of_every_kind_is_selected_and_shown_in_its_panel) {
  add_items_of_every_kind(true, every_kind);
  ASSERT_TRUE(display_staff(&staff, controls));
  expect_every_first_item_shown(every_kind);
  EXPECT_FALSE(editor().filling_controls);
  EXPECT_TRUE(dialogs.shown().empty()) << dialogs.last().text.toStdString();
}

TEST_F(display_item_lists, items_made_in_the_editor_offer_their_delete_button) {
  add_items_of_every_kind(false, every_kind);
  display_staff(&staff, controls);
  expect_every_first_item_shown(every_kind);
  for (const char* button : {"del_favourite_staff_btn", "del_history_btn", "del_npt_btn",
                             "delete_non_player_history_btn"}) {
    EXPECT_FALSE(control<QWidget>(button)->isHidden()) << button;
  }
}

// A staff member without items shows empty lists, and nothing of the member shown before stays
// selected for a later edit to land in.
TEST_F(display_item_lists, kinds_without_items_hide_their_panels_and_select_nothing) {
  add_items_of_every_kind(true, every_kind);
  display_staff(&staff, controls);
  qor_staff without_items;
  without_items.StaffID = 5;
  ASSERT_TRUE(display_staff(&without_items, controls));
  expect_nothing_selected_of_any_kind(every_kind);
  // The hidden history list must not keep the previous member's items behind an empty grid.
  EXPECT_EQ(control<owner_drawn_list_box>("staff_history")->count(), 0);
}

// A flag that reads neither true nor false shows unticked, not as the item before left the box.
TEST_F(display_item_lists, flags_of_the_favourite_kinds_tick_for_true_only) {
  auto& first = add_item<item_kind::favourite_staff>(1, shown_staff, true);
  first.StaffFavouriteStaffPermanent = "True";
  display_staff(&staff, controls);
  auto* permanent = control<QAbstractButton>("staff_favourite_staff_permanent");
  EXPECT_TRUE(permanent->isChecked());

  first.StaffFavouriteStaffPermanent = "";
  fill_staff_favourite_staff_details(&first, controls);
  EXPECT_FALSE(permanent->isChecked());
  first.StaffFavouriteStaffPermanent = "false";
  fill_staff_favourite_staff_details(&first, controls);
  EXPECT_FALSE(permanent->isChecked());

  auto& club = add_item<item_kind::favourite_club>(2, shown_staff, true);
  club.StaffFavouriteClubsMarkedForDeletion = "TRUE";
  fill_staff_favourite_club_details(&club, controls);
  EXPECT_TRUE(control<QAbstractButton>("staff_favourite_club_marked_for_deletion")->isChecked());
  club.StaffFavouriteClubsMarkedForDeletion = "yes";
  fill_staff_favourite_club_details(&club, controls);
  EXPECT_FALSE(control<QAbstractButton>("staff_favourite_club_marked_for_deletion")->isChecked());
}

// Levels 1 to 6 stand one place below their number; an unset or unknown level shows "Not Set"
// (the seventh entry), never "Never".
TEST_F(display_item_lists, a_language_type_shows_one_entry_below_it_and_not_set_otherwise) {
  controls.choice_model("staff_language_type")
      ->setStringList({"Mother Tongue", "Fluent", "Good", "Basic", "None", "Never", "Not Set"});
  auto& language = add_item<item_kind::language>(1, shown_staff, true);
  auto* type = control<QComboBox>("staff_language_type");
  for (auto [stored, shown] : {std::pair{2, 1}, {1, 0}, {6, 5}, {0, 6}, {9, 6}, {-3, 6}}) {
    language.StaffLanguagesType = stored;
    fill_staff_language_details(&language, controls);
    EXPECT_EQ(type->currentIndex(), shown) << stored;
  }
}

// The career and non-player history panels open only the controls the entry shown uses.
TEST_F(display_item_lists, career_and_non_player_history_panels_open_what_their_entry_uses) {
  auto& career = add_item<item_kind::long_term_career>(1, shown_staff, true);
  auto& history = add_item<item_kind::non_player_history>(2, shown_staff, true);
  history.StaffNonPlayerHistoryClubContracted = 0;
  display_staff(&staff, controls);
  EXPECT_TRUE(control<QWidget>("staff_long_term_career_continent")->isEnabled());
  EXPECT_TRUE(control<QWidget>("staff_long_term_career_scope")->isEnabled());
  EXPECT_FALSE(control<QWidget>("staff_long_term_career_club")->isEnabled());
  EXPECT_FALSE(control<QWidget>("staff_non_player_history_club")->isEnabled());
  EXPECT_TRUE(control<QWidget>("staff_non_player_history_nation")->isEnabled());

  career.StaffLongTermCareerContinent = 0;
  career.StaffLongTermCareerNation = "";
  career.StaffLongTermCareerDivision = 0;
  fill_staff_long_term_career_details(&career, controls);
  EXPECT_FALSE(control<QWidget>("staff_long_term_career_continent")->isEnabled());
  EXPECT_TRUE(control<QWidget>("staff_long_term_career_club")->isEnabled());
}

// A detail fill on its own sets the flag while it runs and leaves it as it found it; a null
// item changes nothing.
TEST_F(display_item_lists, detail_fills_leave_filling_controls_as_they_found_it) {
  auto& job = add_item<item_kind::job>(1, shown_staff, true);
  EXPECT_FALSE(fill_staff_job_details(nullptr, controls));
  EXPECT_TRUE(fill_staff_job_details(&job, controls));
  EXPECT_FALSE(editor().filling_controls);
  editor().filling_controls = true;
  fill_staff_job_details(&job, controls);
  EXPECT_TRUE(editor().filling_controls);
}

}  // namespace
