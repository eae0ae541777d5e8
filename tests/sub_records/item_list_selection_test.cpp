#include <QLabel>
#include <QTest>
#include <cstring>
#include <ostream>
#include <string>
#include <string_view>

#include "../support/user_typing.h"
#include "change_tracking/item_matching.h"
#include "item_panel_fixture.h"
#include "item_panel_views.h"
#include "platform/item_objects.h"
#include "platform/owner_drawn_list_box.h"
#include "platform/string_grid.h"
#include "record_form/field_slot.h"
#include "record_form/record_binding.h"
#include "sub_records/item_list_selection.h"

namespace {

using item_panel_views::kind_view;
using item_panel_views::view_of;
using item_panel_views::visit_kind;

// A kind, and an edit of one of its panel fields as the user makes it with what the edited item
// then holds (give_value leaves code combos at code 2, index combos at 1, numbers at 7).
struct selection_case {
  item_kind kind;
  const char* control;
  user_action action;
  const char* typed;
  int chosen;
  bool (*holds)(const void* item);
};

void PrintTo(const selection_case& edit, std::ostream* out) {
  *out << item_panel_name(edit.kind);
}

template <class Item>
const Item& as(const void* item) {
  return *static_cast<const Item*>(item);
}

const selection_case cases[] = {
    {item_kind::favourite_staff, "staff_favourite_staff_rating", user_action::type, "15", 0,
     [](const void* item) {
       return as<qor_staff_favourite_disliked_staff>(item).StaffFavouriteStaffRating == 15;
     }},
    {item_kind::disliked_staff, "staff_disliked_staff_staff", user_action::type, "Jones", 0,
     [](const void* item) {
       return as<qor_staff_favourite_disliked_staff>(item).StaffFavouriteStaffLikedStaff == "Jones";
     }},
    {item_kind::favourite_club, "staff_favourite_club_club", user_action::choose, nullptr, 1,
     [](const void* item) {
       return as<qor_staff_favourite_disliked_club>(item).StaffFavouriteClubsClub == 1;
     }},
    {item_kind::disliked_club, "staff_disliked_club_rating", user_action::type, "9", 0,
     [](const void* item) {
       return as<qor_staff_favourite_disliked_club>(item).StaffFavouriteClubsRating == 9;
     }},
    {item_kind::history, "staff_history_apps", user_action::type, "33", 0,
     [](const void* item) {
       const auto& history = as<qor_staff_history>(item);
       return history.StaffHistoryAppsText == "33" && history.StaffHistoryApps == 33;
     }},
    {item_kind::language, "staff_language_type", user_action::choose, nullptr, 0,
     [](const void* item) { return as<qor_staff_language>(item).StaffLanguagesType == 1; }},
    {item_kind::ppm, "staff_ppm_move", user_action::choose, nullptr, 1,
     [](const void* item) { return as<qor_staff_ppm>(item).StaffPPMPrefferedMove == 1; }},
    {item_kind::non_player_history, "staff_non_player_history_job_for_club", user_action::choose,
     nullptr, 1,
     [](const void* item) {
       return as<qor_staff_non_player_history>(item).StaffNonPlayerHistoryJobForClub == 1;
     }},
    {item_kind::injury, "staff_injury_severity", user_action::type, "25", 0,
     [](const void* item) {
       return as<qor_staff_injury>(item).StaffInjuriesSeverityPermanentInjury == 25;
     }},
    {item_kind::job, "staff_job_rating", user_action::type, "18", 0,
     [](const void* item) { return as<qor_staff_job>(item).StaffJobRating == 18; }},
    {item_kind::contract_clauses, "staff_contract_clauses_cash_currency", user_action::choose,
     nullptr, 1,
     [](const void* item) {
       return as<qor_staff_contract_clauses>(item).StaffContractClausesCashCurrency == 1;
     }},
    {item_kind::achievements, "staff_achievements_placing", user_action::choose, nullptr, 2,
     [](const void* item) {
       return as<qor_staff_achievements>(item).StaffAchievementsPlacing == 2;
     }},
    {item_kind::npt, "staff_npt_rating", user_action::type, "11", 0,
     [](const void* item) { return as<qor_staff_npt>(item).StaffNPTRating == 11; }},
    {item_kind::days_at_club_nation, "staff_days_at_club_nation_days", user_action::type, "40", 0,
     [](const void* item) {
       return as<qor_staff_days_at_club_nation>(item).StaffDaysAtClubNationDays == 40;
     }},
    {item_kind::retirement, "staff_retirement_date", user_action::type, "01/02/2010", 0,
     [](const void* item) {
       return as<qor_staff_retirement>(item).StaffRetirementDate == "01/02/2010";
     }},
    {item_kind::unavailability, "staff_unavailability_number_of_games", user_action::type, "12", 0,
     [](const void* item) {
       return as<qor_staff_unavailability>(item).StaffUnavailabilityNumberOfGames == 12;
     }},
    {item_kind::long_term_career, "staff_long_term_career_scope", user_action::choose, nullptr, 1,
     [](const void* item) {
       return as<qor_staff_long_term_career>(item).StaffLongTermCareerScope == 1;
     }},
};

// The kind's count label: "staff_job_count" under "staff_job_string_grid", "staff_ppm_count"
// under "staff_ppm".
std::string count_label_of(const kind_view& view) {
  std::string name = view.list;
  if (const std::size_t grid = name.find("_string_grid"); grid != std::string::npos)
    name.erase(grid);
  return name + "_count";
}

const char* delete_button_of(item_kind kind) {
  switch (kind) {
    case item_kind::favourite_staff:
      return "del_favourite_staff_btn";
    case item_kind::disliked_staff:
      return "del_disliked_staff_btn";
    case item_kind::favourite_club:
      return "del_favourite_club_btn";
    case item_kind::disliked_club:
      return "del_disliked_club_btn";
    case item_kind::history:
      return "del_history_btn";
    case item_kind::language:
      return "del_language_btn";
    case item_kind::ppm:
      return "del_ppm_btn";
    case item_kind::npt:
      return "del_npt_btn";
    case item_kind::non_player_history:
      return "delete_non_player_history_btn";
    default:
      return nullptr;
  }
}

template <item_kind Kind, class Visit>
void for_each_panel_row(Visit visit) {
  const std::string_view panel = item_panel_name(Kind);
  for (const page_spec& page : record_page_specs()) {
    for (const control_spec& row : page.controls) {
      if (row.container != nullptr && panel == row.container &&
          row.binding.field.template belongs_to<item_record<Kind>>()) {
        visit(row);
      }
    }
  }
}

// The panels of every kind with the list selection bound as the main window binds it.
class item_list_form : public item_panel_form {
 protected:
  item_list_form() { install_item_list_selection(controls); }

  // Two items of the kind: id 1 exported, id 2 made in the editor and not marked for deletion,
  // so that the panel and the Del button tell them apart.
  template <item_kind Kind>
  void add_two_items() {
    add_item<Kind>(1);
    item_record<Kind>& second = add_item<Kind>(2, false);
    for_each_panel_row<Kind>([&](const control_spec& row) {
      if (std::string_view(row.name).ends_with("_marked_for_deletion"))
        write_text(slot_of(row.binding.field, second), "False");
    });
  }

  // The list entry (grid: row) whose item is not the selected one; -1 when there is none.
  template <item_kind Kind>
  int other_entry() {
    const kind_view& view = view_of(Kind);
    const void* current = selected_item<Kind>().current;
    if (Kind == item_kind::history) {
      auto* lines = static_cast<owner_drawn_list_box*>(control("staff_history"));
      for (int line = 0; line < lines->count(); ++line) {
        if (entry_object_raw(lines, line) != current)
          return line + 1;
      }
    } else if (view.grid) {
      auto* grid = static_cast<string_grid*>(control(view.list));
      for (int row = 1; row < grid->row_count(); ++row) {
        if (row_object_raw(grid, row) != current)
          return row;
      }
    } else {
      auto* list = static_cast<owner_drawn_list_box*>(control(view.list));
      for (int index = 0; index < list->count(); ++index) {
        if (entry_object_raw(list, index) != current)
          return index;
      }
    }
    return -1;
  }

  // The item of a list entry or grid row.
  template <item_kind Kind>
  item_record<Kind>* item_of(int entry) {
    const kind_view& view = view_of(Kind);
    void* item = nullptr;
    if (Kind == item_kind::history)
      item =
          entry_object_raw(static_cast<owner_drawn_list_box*>(control("staff_history")), entry - 1);
    else if (view.grid)
      item = row_object_raw(static_cast<string_grid*>(control(view.list)), entry);
    else
      item = entry_object_raw(static_cast<owner_drawn_list_box*>(control(view.list)), entry);
    return static_cast<item_record<Kind>*>(item);
  }

  // The user clicks a list entry or grid row.
  void click_entry(const kind_view& view, int entry) {
    focus_on(control(view.list));
    click_list_entry(control(view.list), entry);
  }

  void act(const selection_case& edit) {
    item_panel_form::act(edit.control, edit.action, edit.typed, edit.chosen);
  }

  QString caption_of(const std::string& name) {
    auto* label = qobject_cast<QLabel*>(control(name.c_str()));
    return label != nullptr ? label->text() : QString();
  }

  // Every panel control shows its field of `item` exactly: taking it back changes nothing.
  template <item_kind Kind>
  void expect_panel_shows(const item_record<Kind>& item) {
    item_record<Kind> copy = item;
    for_each_panel_row<Kind>([&](const control_spec& row) {
      EXPECT_FALSE(apply_bound_control(row, controls.find(row.name), &copy, current_formats()))
          << row.name;
    });
    EXPECT_EQ(std::memcmp(&copy, &item, sizeof copy), 0) << item_panel_name(Kind);
  }
};

class item_list_selection : public item_list_form,
                            public ::testing::WithParamInterface<selection_case> {};

// Every kind: clicking the other item's entry selects it with its original and index, shows it
// in the panel, offers Del only for an item made in the editor, counts a grid's rows, and the
// panel's edits then reach that item and not the one shown before. Clicking the first entry
// again goes back to it.
TEST_P(item_list_selection, clicking_another_entry_selects_and_shows_its_item) {
  const selection_case& edit = GetParam();
  visit_kind(edit.kind, [&](auto kind) {
    constexpr item_kind Kind = decltype(kind)::value;
    const kind_view& view = view_of(Kind);
    add_two_items<Kind>();
    show_items();
    item_record<Kind>* first = selected_item<Kind>().current;
    ASSERT_NE(first, nullptr);
    const int entry = other_entry<Kind>();
    ASSERT_GE(entry, 0);
    item_record<Kind>* second = item_of<Kind>(entry);
    const item_record<Kind> first_before = *first;

    click_entry(view, entry);

    const item_selection<Kind>& selection = selected_item<Kind>();
    ASSERT_EQ(selection.current, second);
    EXPECT_EQ(selection.original, find_original_item<Kind>(second));
    EXPECT_EQ(selection.original == nullptr, record_id(*second) == 2);
    EXPECT_EQ(selection.index, Kind == item_kind::history ? entry - 1 : entry);
    expect_panel_shows<Kind>(*second);
    EXPECT_EQ(caption_of(count_label_of(view)), view.grid ? "2 of 2 items" : "2 items");
    if (const char* button = delete_button_of(Kind)) {
      EXPECT_EQ(control(button)->isHidden(), selection.original != nullptr);
    }

    act(edit);
    EXPECT_TRUE(edit.holds(second));
    EXPECT_FALSE(edit.holds(first));
    EXPECT_EQ(std::memcmp(&first_before, first, sizeof first_before), 0);

    click_entry(view, view.grid ? 1 : 0);
    EXPECT_EQ(selected_item<Kind>().current, first);
    EXPECT_EQ(selected_item<Kind>().index, view.grid && Kind != item_kind::history ? 1 : 0);
    expect_panel_shows<Kind>(*first);
    if (view.grid) {
      EXPECT_EQ(caption_of(count_label_of(view)), "1 of 2 items");
    }
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.last().text.toStdString();
  });
}

// While a panel is being filled, a click changes nothing.
TEST_P(item_list_selection, a_click_while_filling_selects_nothing) {
  visit_kind(GetParam().kind, [&](auto kind) {
    constexpr item_kind Kind = decltype(kind)::value;
    add_two_items<Kind>();
    show_items();
    const item_selection<Kind> before = selected_item<Kind>();
    editor().filling_controls = true;
    click_entry(view_of(Kind), other_entry<Kind>());
    editor().filling_controls = false;
    EXPECT_EQ(selected_item<Kind>().current, before.current);
    EXPECT_EQ(selected_item<Kind>().index, before.index);
    expect_panel_shows<Kind>(*before.current);
  });
}

// A panel field holding a value its check refuses, and one it takes.
struct refused_case {
  item_kind kind;
  const char* control;
  const char* refused;
  const char* accepted;
};

void PrintTo(const refused_case& edit, std::ostream* out) {
  *out << item_panel_name(edit.kind);
}

// A list box, a grid and the history grid with its hidden list.
const refused_case refused_cases[] = {
    {item_kind::favourite_staff, "staff_favourite_staff_rating", "25", "12"},
    {item_kind::injury, "staff_injury_severity", "99", "20"},
    {item_kind::history, "staff_history_apps", "99", "33"},
};

class refused_item_edit : public item_list_form,
                          public ::testing::WithParamInterface<refused_case> {
 protected:
  // The entry the list shows as selected (grids: the row).
  int chosen_entry(const kind_view& view) {
    if (view.grid)
      return static_cast<string_grid*>(control(view.list))->row();
    return static_cast<owner_drawn_list_box*>(control(view.list))->item_index();
  }
};

// Clicking another entry while the field refuses its value shows the refusal once and stops
// the click: the selection, the item and the focus stay. Mended, the click goes through and
// the value reaches the item left.
TEST_P(refused_item_edit, stops_the_click_on_another_entry) {
  const refused_case& edit_made = GetParam();
  visit_kind(edit_made.kind, [&](auto kind) {
    constexpr item_kind Kind = decltype(kind)::value;
    const kind_view& view = view_of(Kind);
    add_two_items<Kind>();
    show_items();
    item_record<Kind>* first = selected_item<Kind>().current;
    ASSERT_NE(first, nullptr);
    const item_record<Kind> first_before = *first;
    const int shown_entry = chosen_entry(view);
    const int entry = other_entry<Kind>();
    ASSERT_GE(entry, 0);
    item_record<Kind>* second = item_of<Kind>(entry);
    focus_on(edit_made.control);
    type_over(edit(edit_made.control), edit_made.refused);

    click_list_entry(control(view.list), entry);
    EXPECT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(selected_item<Kind>().current, first);
    EXPECT_EQ(chosen_entry(view), shown_entry);
    EXPECT_EQ(QApplication::focusWidget(), control(edit_made.control));
    EXPECT_EQ(std::memcmp(&first_before, first, sizeof first_before), 0);

    type_over(edit(edit_made.control), edit_made.accepted);
    click_list_entry(control(view.list), entry);
    EXPECT_EQ(selected_item<Kind>().current, second);
    EXPECT_NE(std::memcmp(&first_before, first, sizeof first_before), 0);
    EXPECT_EQ(dialogs.shown().size(), 1u);
  });
}

INSTANTIATE_TEST_SUITE_P(list_and_grids, refused_item_edit, ::testing::ValuesIn(refused_cases),
                         [](const auto& info) {
                           return std::string(item_panel_name(info.param.kind));
                         });

INSTANTIATE_TEST_SUITE_P(every_kind, item_list_selection, ::testing::ValuesIn(cases),
                         [](const auto& info) {
                           return std::string(item_panel_name(info.param.kind));
                         });

// Moving with the arrow keys selects as a click does, in list boxes and grids alike.
TEST_F(item_list_form, the_arrow_keys_select_the_next_entry) {
  add_two_items<item_kind::language>();
  add_two_items<item_kind::job>();
  add_two_items<item_kind::history>();
  show_items();
  for (const char* name :
       {"staff_language", "staff_job_string_grid", "staff_history_string_grid"}) {
    focus_on(name);
    QTest::keyClick(control(name), Qt::Key_Down);
  }
  EXPECT_EQ(selected_item<item_kind::language>().index, 1);
  EXPECT_EQ(selected_item<item_kind::language>().current, item_of<item_kind::language>(1));
  EXPECT_EQ(selected_item<item_kind::job>().index, 2);
  EXPECT_EQ(selected_item<item_kind::job>().current, item_of<item_kind::job>(2));
  EXPECT_EQ(selected_item<item_kind::history>().index, 1);
  EXPECT_EQ(selected_item<item_kind::history>().current, item_of<item_kind::history>(2));
  EXPECT_EQ(caption_of("staff_history_count"), "2 of 2 items");
}

// Clicking the entry already selected neither refills the panel nor moves the selection: a
// choice the program made in the panel is left as it is.
TEST_F(item_list_form, clicking_the_selected_entry_again_does_nothing) {
  add_two_items<item_kind::ppm>();
  add_two_items<item_kind::job>();
  show_items();
  combo("staff_ppm_move")->setCurrentIndex(0);
  combo("staff_job_job")->setCurrentIndex(0);
  click_entry(view_of(item_kind::ppm), 0);
  click_entry(view_of(item_kind::job), 1);
  EXPECT_EQ(combo("staff_ppm_move")->currentIndex(), 0);
  EXPECT_EQ(combo("staff_job_job")->currentIndex(), 0);
  EXPECT_EQ(selected_item<item_kind::job>().index, 1);
}

// A shown clause opens the controls its type uses: cash for type 1, none for a clause of no type.
TEST_F(item_list_form, a_shown_clause_enables_the_controls_of_its_type) {
  constexpr item_kind clauses = item_kind::contract_clauses;
  add_item<clauses>(1).StaffContractClausesType = 0;
  add_item<clauses>(2).StaffContractClausesType = 1;
  show_items();
  const auto expect_controls_of_shown_type = [&] {
    const bool cash = shown<clauses>().StaffContractClausesType == 1;
    EXPECT_EQ(control("staff_contract_clauses_cash")->isEnabled(), cash);
    EXPECT_EQ(control("staff_contract_clauses_cash_currency")->isEnabled(), cash);
    EXPECT_FALSE(control("staff_contract_clauses_percentage")->isEnabled());
    EXPECT_FALSE(control("staff_contract_clauses_club")->isEnabled());
  };
  expect_controls_of_shown_type();
  const int first_type = shown<clauses>().StaffContractClausesType;
  click_entry(view_of(clauses), other_entry<clauses>());
  ASSERT_NE(shown<clauses>().StaffContractClausesType, first_type);
  expect_controls_of_shown_type();
}

}  // namespace
