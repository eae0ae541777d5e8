#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <cstring>
#include <ostream>
#include <string>

#include "item_panel_fixture.h"
#include "item_panel_views.h"
#include "platform/item_objects.h"
#include "platform/owner_drawn_list_box.h"
#include "platform/string_grid.h"
#include "record_form/item_apply.h"
#include "sub_records/item_panel_edits.h"

namespace {

using item_panel_views::view_of;
using item_panel_views::visit_kind;

// One edit of one panel field as the user makes it, and what the item then holds.
struct edit_case {
  item_kind kind;
  const char* control;
  user_action action;
  const char* typed = nullptr;
  int chosen = 0;
  bool (*holds)() = nullptr;
  // Favourite and disliked staff and clubs, moves and tendencies stamp only for their flags.
  bool stamps = true;
};

void PrintTo(const edit_case& edit, std::ostream* out) {
  *out << edit.control;
}

// give_value leaves code combos at code 2, index combos at 1, numbers at 7 and texts at "Text"
// or "12"; each case moves its field to another value.
const edit_case edit_cases[] = {
    {item_kind::favourite_staff, "staff_favourite_staff_rating", user_action::type, "15", 0,
     [] { return shown<item_kind::favourite_staff>().StaffFavouriteStaffRating == 15; }, false},
    {item_kind::disliked_staff, "staff_disliked_staff_staff", user_action::type, "Jones", 0,
     [] { return shown<item_kind::disliked_staff>().StaffFavouriteStaffLikedStaff == "Jones"; },
     false},
    {item_kind::favourite_club, "staff_favourite_club_club", user_action::choose, nullptr, 1,
     [] { return shown<item_kind::favourite_club>().StaffFavouriteClubsClub == 1; }, false},
    {item_kind::disliked_club, "staff_disliked_club_rating", user_action::type, "9", 0,
     [] { return shown<item_kind::disliked_club>().StaffFavouriteClubsRating == 9; }, false},
    {item_kind::history, "staff_history_apps", user_action::type, "33", 0,
     [] {
       const qor_staff_history& item = shown<item_kind::history>();
       return item.StaffHistoryAppsText == "33" && item.StaffHistoryApps == 33;
     }},
    {item_kind::language, "staff_language_type", user_action::choose, nullptr, 0,
     [] { return shown<item_kind::language>().StaffLanguagesType == 1; }},
    {item_kind::ppm, "staff_ppm_move", user_action::choose, nullptr, 1,
     [] { return shown<item_kind::ppm>().StaffPPMPrefferedMove == 1; }, false},
    {item_kind::non_player_history, "staff_non_player_history_job_for_club", user_action::choose,
     nullptr, 1,
     [] { return shown<item_kind::non_player_history>().StaffNonPlayerHistoryJobForClub == 1; }},
    {item_kind::injury, "staff_injury_severity", user_action::type, "25", 0,
     [] { return shown<item_kind::injury>().StaffInjuriesSeverityPermanentInjury == 25; }},
    {item_kind::job, "staff_job_rating", user_action::type, "18", 0,
     [] { return shown<item_kind::job>().StaffJobRating == 18; }},
    {item_kind::contract_clauses, "staff_contract_clauses_cash_currency", user_action::choose,
     nullptr, 1,
     [] {
       const qor_staff_contract_clauses& clause = shown<item_kind::contract_clauses>();
       return clause.StaffContractClausesCashCurrency == 1 &&
              clause.StaffContractClausesCashCurrencyIndex == 1;
     }},
    {item_kind::achievements, "staff_achievements_placing", user_action::choose, nullptr, 2,
     [] { return shown<item_kind::achievements>().StaffAchievementsPlacing == 2; }},
    {item_kind::npt, "staff_npt_rating", user_action::type, "11", 0,
     [] { return shown<item_kind::npt>().StaffNPTRating == 11; }, false},
    {item_kind::days_at_club_nation, "staff_days_at_club_nation_fifteen_twentyone",
     user_action::click, nullptr, 0,
     [] {
       return shown<item_kind::days_at_club_nation>().StaffDaysAtClubNation15_21Only == "False";
     }},
    {item_kind::retirement, "staff_retirement_date", user_action::type, "01/02/2010", 0,
     [] { return shown<item_kind::retirement>().StaffRetirementDate == "01/02/2010"; }},
    {item_kind::unavailability, "staff_unavailability_number_of_games", user_action::type, "12", 0,
     [] { return shown<item_kind::unavailability>().StaffUnavailabilityNumberOfGames == 12; }},
    {item_kind::long_term_career, "staff_long_term_career_scope", user_action::choose, nullptr, 1,
     [] { return shown<item_kind::long_term_career>().StaffLongTermCareerScope == 1; }},
};

class item_panel_edits : public item_panel_form, public ::testing::WithParamInterface<edit_case> {
 protected:
  void act(const edit_case& edit) {
    item_panel_form::act(edit.control, edit.action, edit.typed, edit.chosen);
  }

  // The edited list shows what a fresh fill of the same items shows.
  void expect_list_refreshed(item_kind kind, const void* item) {
    const item_panel_views::kind_view& view = view_of(kind);
    if (view.grid) {
      auto* grid = static_cast<string_grid*>(control(view.list));
      string_grid fresh;
      view.fill_fresh(&fresh);
      ASSERT_EQ(grid->row_count(), fresh.row_count());
      for (int row = 1; row < fresh.row_count(); ++row) {
        for (int col = 0; col < fresh.col_count(); ++col)
          EXPECT_EQ(grid->cell(col, row), fresh.cell(col, row)) << col << "," << row;
      }
      return;
    }
    auto* list = static_cast<owner_drawn_list_box*>(control(view.list));
    owner_drawn_list_box fresh;
    fresh.setObjectName(view.list);
    view.fill_fresh(&fresh);
    for (int index = 0; index < fresh.count(); ++index) {
      if (entry_object_raw(&fresh, index) == item) {
        EXPECT_EQ(list->item(list->item_index())->text(), fresh.item(index)->text());
      }
    }
    EXPECT_EQ(entry_object_raw(list, list->item_index()), item);
  }
};

// Every kind: showing an item, editing one of its fields through the field's own handler
// changes the item, stamps it and marks the file modified where the field counts, and refreshes
// its entry; a grid keeps its selected cell.
TEST_P(item_panel_edits, an_edit_reaches_the_item_stamps_it_and_refreshes_its_entry) {
  const edit_case& edit = GetParam();
  visit_kind(edit.kind, [&](auto kind) {
    constexpr item_kind Kind = decltype(kind)::value;
    add_item<Kind>(1);
    add_item<Kind>(2);
    show_items();
    ASSERT_NE(selected_item<Kind>().current, nullptr);
    const item_record<Kind> before = shown<Kind>();
    const item_panel_views::kind_view& view = view_of(Kind);
    auto* grid = view.grid ? static_cast<string_grid*>(control(view.list)) : nullptr;
    if (grid != nullptr)
      grid->set_col(1);
    const int row = grid != nullptr ? grid->row() : -1;

    act(edit);

    EXPECT_TRUE(edit.holds()) << edit.control;
    EXPECT_EQ(shown<Kind>().DateUpdated, edit.stamps ? stamp : "01/01/2020 10:00:00")
        << edit.control;
    EXPECT_EQ(editor().data_modified, edit.stamps) << edit.control;
    EXPECT_NE(std::memcmp(&before, &shown<Kind>(), sizeof before), 0);
    expect_list_refreshed(Kind, &shown<Kind>());
    if (grid != nullptr) {
      EXPECT_EQ(grid->row(), row);
      EXPECT_EQ(grid->col(), 1);
    }
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.last().text.toStdString();
  });
}

INSTANTIATE_TEST_SUITE_P(every_kind, item_panel_edits, ::testing::ValuesIn(edit_cases),
                         [](const auto& info) { return std::string(info.param.control); });

// Processing a panel that shows its item unchanged (every field shown exactly) writes nothing,
// stamps nothing and leaves the file unmodified.
TEST_F(item_panel_form, an_edit_that_changes_nothing_stamps_nothing) {
  using process_step = void (*)(form_controls&);
  constexpr process_step process[] = {
      process_staff_favourite_staff_edit,
      process_staff_disliked_staff_edit,
      process_staff_favourite_club_edit,
      process_staff_disliked_club_edit,
      process_staff_history_edit,
      process_staff_language_edit,
      process_staff_ppm_edit,
      process_staff_non_player_history_edit,
      process_staff_injury_edit,
      process_staff_job_edit,
      process_staff_contract_clauses_edit,
      process_staff_achievements_edit,
      process_staff_non_player_tendency_edit,
      process_staff_days_at_club_nation_edit,
      process_staff_retirement_edit,
      process_staff_unavailability_edit,
      process_staff_long_term_career_edit,
  };
  for (std::size_t k = 0; k < item_kind_count; ++k) {
    visit_kind(static_cast<item_kind>(k), [&](auto kind) {
      constexpr item_kind Kind = decltype(kind)::value;
      add_item<Kind>(1);
      show_items();
      const item_record<Kind> before = shown<Kind>();
      process[k](controls);
      EXPECT_EQ(std::memcmp(&before, &shown<Kind>(), sizeof before), 0) << item_panel_name(Kind);
    });
  }
  EXPECT_FALSE(editor().data_modified);
  // Leaving an edit without typing changes nothing either.
  focus_on("staff_job_rating");
  leave();
  EXPECT_EQ(shown<item_kind::job>().DateUpdated, "01/01/2020 10:00:00");
  EXPECT_FALSE(editor().data_modified);
  EXPECT_TRUE(dialogs.shown().empty()) << dialogs.last().text.toStdString();
}

}  // namespace
