#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTabWidget>
#include <set>
#include <string>
#include <vector>

#include "../support/click_focus.h"
#include "analysis/attribute_groups.h"
#include "main_window/main_window.h"
#include "platform/owner_drawn_list_box.h"
#include "platform/page_control.h"
#include "record_form/editor_state.h"
#include "record_form/pages/page_specs.h"
#include "record_form/record_pages.h"
#include "records/record_store.h"
#include "staff_list_test_records.h"
#include "window_test_support.h"

namespace {

constexpr int player_entry = 0;
constexpr int coach_entry = 1;

// A player and a coach of the home club with a few attributes set; listed Able, Baker.
void add_player_and_coach() {
  qor_staff& player = add_test_staff(1, "Able", "Ann");
  player.StaffPlayerAgility = 12;
  player.StaffPlayerInjuryProneness = 5;
  player.StaffControversy = 4;
  player.StaffPlayerCorners = 10;
  player.StaffPlayerCrossing = 16;
  player.StaffPlayerDirtiness = 20;
  player.StaffPlayerReflexes = 14;
  player.StaffPlayerHandling = 8;
  *store().staff_orig_list.back() = player;

  qor_staff& coach = add_test_staff(2, "Baker", "Bob");
  coach.StaffClassification = 1;
  coach.StaffNonPlayerTempo = 20;
  coach.StaffNonPlayerDiscipline = 7;
  coach.StaffNonPlayerYoungsters = 8;
  coach.StaffNonPlayerCoaching = 15;  // the old coaching value, which no mean counts
  *store().staff_orig_list.back() = coach;
}

struct shown_mean {
  const char* label;
  const char* text;
  const char* bar;  // null: no bar
  int width;
};

class attribute_groups_window : public testing::Test {
 protected:
  attribute_groups_window() {
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    QApplication::processEvents();
    set_up_home_club_file();
    add_player_and_coach();
    list_by_name_and_select_first(window);
    show_pages_as_after_opening(window);
  }

  qor_staff& record(int entry) { return *store().staff_list[static_cast<std::size_t>(entry)]; }

  QLineEdit* edit(const char* name) {
    auto* found = window.controls().get<QLineEdit>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  QString text(const char* name) { return edit(name)->text(); }
  QString mean(const char* label) { return window.controls().get<QLabel>(label)->text(); }
  int bar_width(const char* bar) { return window.controls().find(bar)->width(); }
  QAbstractButton* button(const char* name) { return window.controls().get<QAbstractButton>(name); }
  void tick(const char* box, bool ticked = true) { button(box)->setChecked(ticked); }
  void untick_every_box() {
    for (const attribute_group_spec& group : attribute_group_specs()) {
      if (group.selection_box != nullptr)
        tick(group.selection_box, false);
    }
    tick("abs_filter_tb", false);
    tick("rel_filter_tb", false);
  }

  void expect_means(std::initializer_list<shown_mean> means) {
    for (const shown_mean& expected : means) {
      EXPECT_EQ(mean(expected.label).toStdString(), expected.text) << expected.label;
      if (expected.bar != nullptr) {
        EXPECT_EQ(bar_width(expected.bar), expected.width) << expected.bar;
      }
    }
  }

  // Moves the focus as the user does, showing the control's page first.
  void focus_on(const char* name) { focus_as_by_click(window.controls().find(name)); }
  void type_and_leave(const char* name, const char* typed, const char* next) {
    focus_on(name);
    edit(name)->setText(typed);
    focus_on(next);
  }

  window_test_environment environment;
  Tfrm_main window;
};

TEST_F(attribute_groups_window, showing_a_record_shows_all_thirteen_means_and_bars) {
  // Inverted attributes count as 20 minus their value; unset ones not at all.
  expect_means({{"avg_mental_traits", "16.00", nullptr, 0},
                {"avg_phys", "13.50", "phys_bar", 65},
                {"avg_technical", "13.00", "tec_bar", 63},
                {"avg_mental", "0.00", "mental_bar", 0},
                {"avg_gk", "11.00", "gk_overall_bar", 53},
                {"avg_pl_abs", "9.25", "pl_abs_bar", 44},
                {"avg_pl_rel", "16.00", "pl_rel_bar", 77},
                {"avg_pl_overall", "10.60", "pl_overall_bar", 51},
                {"avg_gk_abs", "14.00", "gk_abs_bar", 67},
                {"avg_gk_rel", "8.00", "gk_rel_bar", 38},
                {"avg_np_tactical", "0.00", "avg_tactical_bar", 0}});

  click_entry(window, coach_entry);
  expect_means({{"avg_np_tactical", "20.00", "avg_tactical_bar", 97},
                {"avg_np_non_tactical", "7.50", "avg_non_tactical_bar", 36},
                {"avg_np_coaching", "0.00", "avg_coaching_bar", 0},
                {"avg_phys", "0.00", "phys_bar", 0},
                {"avg_mental_traits", "0.00", nullptr, 0}});

  click_entry(window, player_entry);
  expect_means({{"avg_phys", "13.50", "phys_bar", 65},
                {"avg_np_non_tactical", "0.00", "avg_non_tactical_bar", 0}});
}

// Qt's warnings while alive, such as the one a negative widget size gives.
class caught_warnings {
 public:
  caught_warnings() {
    texts().clear();
    previous_ = qInstallMessageHandler(&caught_warnings::note);
  }
  ~caught_warnings() { qInstallMessageHandler(previous_); }
  caught_warnings(const caught_warnings&) = delete;
  caught_warnings& operator=(const caught_warnings&) = delete;
  static QStringList& texts() {
    static QStringList noted;
    return noted;
  }

 private:
  static void note(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtWarningMsg)
      texts() << text;
  }
  QtMessageHandler previous_;
};

// A file may hold values outside 0 to 20: the bar still stays within its background.
TEST_F(attribute_groups_window, a_mean_out_of_range_keeps_its_bar_within_the_background) {
  const int full = window.controls().find("phy_bar_bg")->width();
  ASSERT_GT(full, 0);
  struct bar_case {
    std::int8_t tempo;  // the coach's only tactical value, so the mean
    int width;
  };
  const bar_case cases[] = {{25, full}, {100, full}, {-5, 0}, {10, full / 2}, {20, full}};
  caught_warnings warnings;
  for (const bar_case& test : cases) {
    record(coach_entry).StaffNonPlayerTempo = test.tempo;
    click_entry(window, coach_entry);
    EXPECT_EQ(mean("avg_np_tactical").toDouble(), test.tempo);
    EXPECT_EQ(bar_width("avg_tactical_bar"), test.width) << int{test.tempo};
    click_entry(window, player_entry);
  }
  EXPECT_TRUE(caught_warnings::texts().filter("Negative").isEmpty())
      << caught_warnings::texts().join('\n').toStdString();
}

TEST_F(attribute_groups_window, a_mean_reads_a_text_that_is_no_number_as_unset) {
  click_entry(window, coach_entry);
  focus_on("staff_np_tempo");
  edit("staff_np_attacking")->setText("x7");
  edit("staff_np_depth")->setText("10");
  focus_on("staff_np_width");
  EXPECT_EQ(mean("avg_np_tactical"), "15.00");
}

struct exit_case {
  int entry;
  const char* edit;
  const char* typed;
  const char* next;  // where the focus goes
  const char* label;
  const char* mean;
};

TEST_F(attribute_groups_window, leaving_an_attribute_refreshes_the_means_that_count_it) {
  const exit_case cases[] = {
      {player_entry, "staff_pl_pace", "20", "staff_pl_agility", "avg_phys", "15.67"},
      {player_entry, "staff_pl_finishing", "10", "staff_pl_corners", "avg_pl_rel", "13.00"},
      {player_entry, "staff_pl_gk_kicking", "20", "staff_pl_reflexes", "avg_gk_rel", "14.00"},
      {player_entry, "staff_ambition", "10", "staff_loyalty", "avg_mental_traits", "13.00"},
      {coach_entry, "staff_np_team_tactical_focus", "10", "staff_np_width", "avg_np_tactical",
       "15.00"},
      {coach_entry, "staff_np_coaching_mental", "12", "staff_np_coaching_gks", "avg_np_coaching",
       "12.00"},
      {coach_entry, "staff_np_coaching_gks", "6", "staff_np_coaching_mental", "avg_np_coaching",
       "9.00"},
      {coach_entry, "staff_np_dirtiness_allowance", "12", "staff_np_discipline",
       "avg_np_non_tactical", "9.00"},
  };
  for (const exit_case& test : cases) {
    SCOPED_TRACE(test.edit);
    click_entry(window, test.entry);
    type_and_leave(test.edit, test.typed, test.next);
    EXPECT_EQ(mean(test.label).toStdString(), test.mean);
  }
  // The player's exits end in the weighted view, which commits the form.
  EXPECT_EQ(record(player_entry).StaffPlayerPace, 20);
  EXPECT_TRUE(environment.dialogs.shown().empty());
}

TEST_F(attribute_groups_window, a_refused_value_refreshes_nothing) {
  type_and_leave("staff_pl_pace", "21", "staff_pl_agility");
  EXPECT_EQ(environment.dialogs.shown_texts(), std::vector<QString>{"Valid value range is 0 - 20"});
  EXPECT_EQ(mean("avg_phys"), "13.50");
  EXPECT_EQ(record(player_entry).StaffPlayerPace, 0);
}

struct step_case {
  bool coach;       // on the coach's record, else the player's
  const char* box;  // ticked alone; null: none
  const char* button;
  const char* edit;
  const char* before;
  const char* after;
};

const step_case step_cases[] = {
    // Player attributes: 1..20, 0 not set; the inverted ones never move.
    {false, "rb_inc_dec_flag_physical", "staff_pl_inc_1_2", "staff_pl_pace", "1", "2"},
    {false, "rb_inc_dec_flag_physical", "staff_pl_inc_1_2", "staff_pl_pace", "19", "20"},
    {false, "rb_inc_dec_flag_physical", "staff_pl_inc_1_2", "staff_pl_pace", "20", "20"},
    {false, "rb_inc_dec_flag_physical", "staff_pl_inc_1_2", "staff_pl_pace", "0", "0"},
    {false, "rb_inc_dec_flag_physical", "staff_pl_inc_1_2", "staff_pl_injury_proneness", "5", "5"},
    {false, "rb_inc_dec_flag_mental", "staff_pl_dec_1_2", "staff_pl_dirtiness", "5", "5"},
    {false, "rb_inc_dec_flag_physical", "staff_pl_dec_1_2", "staff_pl_pace", "2", "1"},
    {false, "rb_inc_dec_flag_physical", "staff_pl_dec_1_2", "staff_pl_pace", "1", "1"},
    {false, "rb_inc_dec_flag_physical", "staff_pl_dec_1_2", "staff_pl_pace", "0", "0"},
    {false, "rb_inc_dec_flag_physical", "staff_pl_inc_1_2", "staff_pl_corners", "10", "10"},
    {false, nullptr, "staff_pl_inc_1_2", "staff_pl_pace", "10", "10"},
    {false, "rb_inc_dec_flag_gk", "staff_pl_dec_1_2", "staff_pl_gk_penalty_saving", "9", "8"},
    {false, "rb_inc_dec_flag_pref_foot", "staff_pl_inc_1_2", "staff_pl_left_foot", "10", "11"},
    {false, "rb_inc_dec_flag_physical", "staff_pl_inc_1_2", "staff_pl_current_ability2", "90",
     "90"},
    // Non-player values: 0..20, abilities and reputations to 200, the potential ability from -10.
    {true, "cb_inc_dec_flag_tactical", "staff_np_dec_1", "staff_np_tactics", "20", "19"},
    {true, "cb_inc_dec_flag_tactical", "staff_np_dec_1", "staff_np_tactics", "1", "1"},
    {true, "cb_inc_dec_flag_tactical", "staff_np_inc_1", "staff_np_tactics", "20", "20"},
    {true, "cb_inc_dec_flag_tactical", "staff_np_inc_1", "staff_np_tactics", "0", "0"},
    {true, "cb_inc_dec_flag_general", "staff_np_inc_1", "staff_np_current_ability", "199", "200"},
    {true, "cb_inc_dec_flag_general", "staff_np_inc_1", "staff_np_potential_ability", "200", "200"},
    {true, "cb_inc_dec_flag_general", "staff_np_inc_1", "staff_np_potential_ability", "-2", "-2"},
    {true, "cb_inc_dec_flag_general", "staff_np_dec_1", "staff_np_potential_ability", "1", "1"},
    {true, "cb_inc_dec_flag_general", "staff_np_dec_1", "staff_np_potential_ability", "-1", "-1"},
    {true, "cb_inc_dec_flag_general", "staff_np_dec_1", "staff_np_world_reputation", "200", "199"},
    {true, "cb_inc_dec_flag_chairman", "staff_np_inc_1", "staff_np_business", "7", "8"},
    {true, "cb_inc_dec_flag_physio", "staff_np_inc_1", "staff_np_physiotherapy", "7", "8"},
    {true, "cb_inc_dec_flag_coaching", "staff_np_dec_1", "staff_np_coaching_gks", "7", "6"},
    {true, "cb_inc_dec_flag_non_tactical", "staff_np_inc_1", "staff_np_youngsters", "7", "8"},
    {true, "cb_inc_dec_flag_coaching", "staff_np_inc_1", "staff_np_coaching", "7", "7"},
    {true, "cb_inc_dec_flag_general", "staff_np_inc_1", "staff_np_tactics", "7", "7"},
    // Beside the position ratings: abilities and reputations, never the squad number.
    {false, nullptr, "staff_pl_inc_1_1", "staff_pl_home_reputation", "199", "200"},
    {false, nullptr, "staff_pl_inc_1_1", "staff_pl_current_reputation", "200", "200"},
    {false, nullptr, "staff_pl_dec_1_1", "staff_pl_world_reputation", "1", "1"},
    {false, nullptr, "staff_pl_dec_1_1", "staff_pl_current_ability", "2", "1"},
    {false, nullptr, "staff_pl_inc_1_1", "staff_pl_potential_ability", "-5", "-5"},
    {false, nullptr, "staff_pl_inc_1_1", "staff_pl_squad_number", "10", "10"},
    // Traits: controversy never moves.
    {false, nullptr, "staff_ment_inc", "staff_adaptability", "19", "20"},
    {false, nullptr, "staff_ment_dec", "staff_ambition", "1", "1"},
    {false, nullptr, "staff_ment_dec", "staff_professionalism", "20", "19"},
    {false, nullptr, "staff_ment_inc", "staff_controversy", "5", "5"},
};

TEST_F(attribute_groups_window, each_step_button_moves_set_values_within_their_range) {
  for (const step_case& test : step_cases) {
    SCOPED_TRACE(std::string(test.button) + " " + test.edit + " " + test.before);
    click_entry(window, test.coach ? coach_entry : player_entry);
    untick_every_box();
    if (test.box != nullptr)
      tick(test.box);
    edit(test.edit)->setText(test.before);
    button(test.button)->click();
    EXPECT_EQ(text(test.edit).toStdString(), test.after);
  }
  EXPECT_TRUE(environment.dialogs.shown().empty());
}

struct round_trip_set {
  bool coach;
  const char* box;
  const char* down;
  const char* up;
  std::vector<const char*> edits;
};

TEST_F(attribute_groups_window, minus_one_then_plus_one_never_erases_a_value) {
  const round_trip_set sets[] = {
      {false,
       "rb_inc_dec_flag_physical",
       "staff_pl_dec_1_2",
       "staff_pl_inc_1_2",
       {"staff_pl_pace", "staff_pl_agility", "staff_pl_balance", "staff_pl_jumping",
        "staff_pl_stamina"}},
      {true,
       "cb_inc_dec_flag_tactical",
       "staff_np_dec_1",
       "staff_np_inc_1",
       {"staff_np_attacking", "staff_np_depth", "staff_np_directness", "staff_np_flexibility",
        "staff_np_marking"}},
      {true,
       "cb_inc_dec_flag_general",
       "staff_np_dec_1",
       "staff_np_inc_1",
       {"staff_np_home_reputation", "staff_np_current_ability", "staff_np_world_reputation",
        "staff_np_board_confidence", "staff_np_potential_ability"}},
      {false,
       nullptr,
       "staff_pl_dec_1_1",
       "staff_pl_inc_1_1",
       {"staff_pl_home_reputation", "staff_pl_current_reputation", "staff_pl_world_reputation",
        "staff_pl_current_ability", "staff_pl_potential_ability"}},
      {false,
       nullptr,
       "staff_ment_dec",
       "staff_ment_inc",
       {"staff_adaptability", "staff_ambition", "staff_determination", "staff_loyalty",
        "staff_pressure"}},
  };
  // Each edit of a set starts at one of these and ends at the value beside it.
  const std::pair<const char*, const char*> values[] = {
      {"0", "0"}, {"1", "2"}, {"2", "2"}, {"10", "10"}, {"20", "20"}};
  for (const round_trip_set& set : sets) {
    SCOPED_TRACE(set.down);
    click_entry(window, set.coach ? coach_entry : player_entry);
    untick_every_box();
    if (set.box != nullptr)
      tick(set.box);
    for (std::size_t index = 0; index < set.edits.size(); ++index)
      edit(set.edits[index])->setText(values[index].first);
    button(set.down)->click();
    button(set.up)->click();
    for (std::size_t index = 0; index < set.edits.size(); ++index)
      EXPECT_EQ(text(set.edits[index]).toStdString(), values[index].second) << set.edits[index];
  }
  // A negative potential ability is a code of its own: neither button touches it.
  edit("staff_pl_potential_ability")->setText("-3");
  button("staff_pl_dec_1_1")->click();
  button("staff_pl_inc_1_1")->click();
  EXPECT_EQ(text("staff_pl_potential_ability"), "-3");
}

TEST_F(attribute_groups_window, steps_skip_texts_that_are_no_number_and_refresh_the_means) {
  click_entry(window, coach_entry);
  tick("cb_inc_dec_flag_tactical");
  edit("staff_np_attacking")->setText("x7");
  edit("staff_np_tempo")->setText("10");
  button("staff_np_inc_1")->click();
  EXPECT_EQ(text("staff_np_attacking"), "x7");
  EXPECT_EQ(text("staff_np_tempo"), "11");
  EXPECT_EQ(mean("avg_np_tactical"), "11.00");
  EXPECT_EQ(bar_width("avg_tactical_bar"), 53);

  // With no box ticked nothing moves, but the means are still refreshed.
  untick_every_box();
  edit("staff_np_tempo")->setText("15");
  button("staff_np_dec_1")->click();
  EXPECT_EQ(text("staff_np_tempo"), "15");
  EXPECT_EQ(mean("avg_np_tactical"), "15.00");
}

TEST_F(attribute_groups_window, select_all_ticks_its_groups_and_a_keyword_filter_limits_steps) {
  button("staff_pl_inc_dec_all_button")->click();
  button("staff_pl_inc_dec_all_button")->click();
  for (const char* box : {"rb_inc_dec_flag_physical", "rb_inc_dec_flag_technical",
                          "rb_inc_dec_flag_mental", "rb_inc_dec_flag_gk"}) {
    EXPECT_TRUE(button(box)->isChecked()) << box;
  }
  EXPECT_FALSE(button("rb_inc_dec_flag_pref_foot")->isChecked());

  button("staff_np_inc_dec_all_button")->click();
  for (const attribute_group_spec& group : attribute_group_specs()) {
    if (group.steps == step_set::non_player) {
      EXPECT_TRUE(button(group.selection_box)->isChecked()) << group.selection_box;
    }
  }

  tick("rb_inc_dec_flag_pref_foot");
  tick("abs_filter_tb");
  edit("staff_pl_left_foot")->setText("10");
  button("staff_pl_inc_1_2")->click();
  EXPECT_EQ(text("staff_pl_corners"), "11");   // absolute
  EXPECT_EQ(text("staff_pl_crossing"), "16");  // relative
  EXPECT_EQ(text("staff_pl_left_foot"), "10");

  tick("rel_filter_tb");
  EXPECT_FALSE(button("abs_filter_tb")->isChecked());
  button("staff_pl_inc_1_2")->click();
  EXPECT_EQ(text("staff_pl_corners"), "11");
  EXPECT_EQ(text("staff_pl_crossing"), "17");
  EXPECT_EQ(mean("avg_pl_rel"), "17.00");
}

TEST_F(attribute_groups_window, a_step_reaches_the_record_and_its_stamp_as_typing_does) {
  // Typing into the coach and leaving him commits and stamps his record.
  click_entry(window, coach_entry);
  type_and_leave("staff_np_tempo", "19", "staff_np_width");
  click_entry(window, player_entry);
  const std::string typed_stamp(record(coach_entry).DateUpdated.view());
  ASSERT_FALSE(typed_stamp.empty());
  editor().data_modified = false;

  // The player's step commits at once, through the weighted view.
  tick("rb_inc_dec_flag_physical");
  button("staff_pl_inc_1_2")->click();
  EXPECT_EQ(record(player_entry).StaffPlayerAgility, 13);
  EXPECT_EQ(record(player_entry).DateUpdated.view(), typed_stamp);
  EXPECT_TRUE(editor().data_modified);

  // The coach's step waits for the next commit, as a typed value does.
  click_entry(window, coach_entry);
  record(coach_entry).DateUpdated = "";
  tick("cb_inc_dec_flag_non_tactical");
  button("staff_np_dec_1")->click();
  EXPECT_EQ(record(coach_entry).StaffNonPlayerDiscipline, 7);
  click_entry(window, player_entry);
  EXPECT_EQ(record(coach_entry).StaffNonPlayerDiscipline, 6);
  EXPECT_EQ(record(coach_entry).StaffNonPlayerYoungsters, 7);
  EXPECT_EQ(record(coach_entry).DateUpdated.view(), typed_stamp);
}

// The group table and the page tables agree: every member stands in its group's box with a
// checked range, and every whole-number edit of those boxes is a member.
TEST(attribute_group_tables, members_and_page_rows_agree) {
  std::set<std::string> members;
  std::set<std::string> containers;
  for (const attribute_member& member : attribute_members()) {
    members.insert(member.edit);
    const control_spec* row = find_control_spec(member.edit);
    ASSERT_NE(row, nullptr) << member.edit;
    EXPECT_STREQ(row->container, group_spec_of(member.group).container) << member.edit;
    EXPECT_EQ(row->check, check_kind::int_range) << member.edit;
  }
  for (const attribute_group_spec& group : attribute_group_specs())
    containers.insert(group.container);
  for (const page_spec& page : record_page_specs()) {
    for (const control_spec& row : page.controls) {
      if (row.container == nullptr || containers.count(row.container) == 0 ||
          row.check != check_kind::int_range) {
        continue;
      }
      EXPECT_EQ(members.count(row.name), 1U) << row.name;
    }
  }
}

}  // namespace
