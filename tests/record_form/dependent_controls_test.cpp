#include <gtest/gtest.h>

#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

#include "field_rules_fixture.h"
#include "platform/combo_helpers.h"
#include "record_form/classification_rules.h"
#include "record_form/dependent_controls.h"
#include "records/item_records.h"

namespace {

// ---- Jobs and classification ----

TEST(classification_rules, each_job_implies_a_classification) {
  struct job_case {
    int code;
    int classification;
  };
  const job_case cases[] = {{0, 1},   {1, 1},   {5, 1},   {11, 2},  {12, 3},  {15, 3}, {16, 1},
                            {19, 3},  {22, 1},  {44, 3},  {45, 1},  {56, 3},  {63, 3}, {127, 1},
                            {128, 3}, {152, 3}, {153, 1}, {156, 3}, {157, 1}, {-1, 1}};
  for (const job_case& c : cases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(classification_of_job(c.code), c.classification);
  }
  for (int code = 0; code < 200; ++code)
    EXPECT_EQ(is_manager_job(code), code == 5 || code == 12 || code == 22 || code == 40) << code;
}

// ---- Detail panels of items ----

class detail_panels : public field_rules_form {
 protected:
  bool enabled(const char* name) { return controls.find(name)->isEnabled(); }
};

TEST_F(detail_panels, a_long_term_career_item_enables_what_its_first_set_place_allows) {
  struct career_case {
    int continent;
    const char* nation;
    int division;
    int club;
    bool continent_on, nation_on, division_on, club_on, scope_on;
  };
  const career_case cases[] = {
      {2, "", 0, 7, true, false, false, false, true},
      {0, "Wales", 3, 7, false, true, false, false, true},
      {0, "", 3, 7, false, false, true, false, true},
      {0, "", 0, 0, true, true, true, true, true},
      {0, "", 0, 7, false, false, false, true, false},
  };
  for (const career_case& c : cases) {
    SCOPED_TRACE(c.continent * 1000 + c.division * 10 + c.club);
    qor_staff_long_term_career item;
    item.StaffLongTermCareerContinent = c.continent;
    item.StaffLongTermCareerNation = c.nation;
    item.StaffLongTermCareerDivision = c.division;
    item.StaffLongTermCareerClub = c.club;
    EXPECT_TRUE(enable_long_term_career_controls(&item, controls));
    EXPECT_EQ(enabled("staff_long_term_career_continent"), c.continent_on);
    EXPECT_EQ(enabled("staff_long_term_career_nation"), c.nation_on);
    EXPECT_EQ(enabled("staff_long_term_career_division"), c.division_on);
    EXPECT_EQ(enabled("staff_long_term_career_club"), c.club_on);
    EXPECT_EQ(enabled("find_staff_long_term_career_club_btn"), c.club_on);
    EXPECT_EQ(enabled("staff_long_term_career_scope"), c.scope_on);
  }
  EXPECT_FALSE(enable_long_term_career_controls(nullptr, controls));
}

TEST_F(detail_panels, a_contract_clause_enables_the_details_its_type_uses) {
  struct clause_case {
    int type;
    int loan_or_future;
    const char* enabled;  // c cash, p percentage, k club, n number, l level, m competition, s stage
  };
  const clause_case cases[] = {
      {1, 0, "c"},      {33, 0, "c"},  {6, 0, "p"},    {9, 0, "cpk"},  {39, 0, "ckn"},
      {14, 0, "ck"},    {20, 0, "k"},  {38, 0, "k"},   {21, 0, "cp"},  {21, 2, "cp"},
      {21, 1, ""},      {23, 0, ""},   {26, 2, "n"},   {26, 1, ""},    {27, 0, "cpn"},
      {30, 0, "cnlms"}, {34, 0, "pk"}, {40, 0, "pkn"}, {43, 0, "cnl"}, {0, 0, ""},
  };
  const std::pair<char, std::vector<const char*>> groups[] = {
      {'c', {"staff_contract_clauses_cash", "staff_contract_clauses_cash_currency"}},
      {'p', {"staff_contract_clauses_percentage"}},
      {'k', {"staff_contract_clauses_club", "find_contract_clauses_club_btn"}},
      {'n', {"staff_contract_clauses_number"}},
      {'l', {"staff_contract_clauses_win_or_qualify"}},
      {'m', {"staff_contract_clauses_competition"}},
      {'s', {"staff_contract_clauses_stage"}},
  };
  for (const clause_case& c : cases) {
    SCOPED_TRACE(c.type * 10 + c.loan_or_future);
    qor_staff_contract_clauses clause;
    clause.StaffContractClausesType = c.type;
    clause.StaffContractClausesLoanOrFuture = c.loan_or_future;
    EXPECT_TRUE(enable_contract_clause_controls(&clause, controls));
    for (const auto& [letter, names] : groups) {
      for (const char* name : names)
        EXPECT_EQ(enabled(name), std::string(c.enabled).find(letter) != std::string::npos) << name;
    }
  }
  EXPECT_FALSE(enabled("staff_contract_clauses_order")) << "a clause of no type has no order";
  qor_staff_contract_clauses typed;
  typed.StaffContractClausesType = 2;
  enable_contract_clause_controls(&typed, controls);
  EXPECT_TRUE(enabled("staff_contract_clauses_order")) << "a typed clause has its order again";
}

TEST_F(detail_panels, a_clause_type_of_no_known_kind_leaves_the_details_as_they_were) {
  qor_staff_contract_clauses clause;
  clause.StaffContractClausesType = 9;
  enable_contract_clause_controls(&clause, controls);
  for (int type : {22, -1, 44}) {
    clause.StaffContractClausesType = type;
    enable_contract_clause_controls(&clause, controls);
    EXPECT_TRUE(enabled("staff_contract_clauses_club")) << type;
    EXPECT_FALSE(enabled("staff_contract_clauses_number")) << type;
  }
}

TEST_F(detail_panels, a_non_player_history_item_lets_club_or_nation_be_set_not_both) {
  struct history_case {
    int club, nation;
    bool club_on, nation_on;
  };
  const history_case cases[] = {
      {1, 1, true, true}, {0, 1, false, true}, {1, 0, true, false}, {0, 0, true, true}};
  const qor_staff_non_player_history item;
  for (const history_case& c : cases) {
    combo("staff_non_player_history_club")->setCurrentIndex(c.club);
    combo("staff_non_player_history_nation")->setCurrentIndex(c.nation);
    EXPECT_TRUE(enable_non_player_history_controls(&item, controls));
    EXPECT_EQ(enabled("staff_non_player_history_club"), c.club_on);
    EXPECT_EQ(enabled("staff_non_player_history_nation"), c.nation_on);
  }
}

// ---- Classification, job and pages ----

class classification_form : public field_rules_form {
 protected:
  bool page_shown(const char* name) {
    return pc_staff->isTabVisible(pc_staff->indexOf(controls.find(name)));
  }
  std::vector<bool> seven_pages() {
    std::vector<bool> shown;
    for (const char* name : {"tabsheet_staff_np1", "tabsheet_staff_pl1", "tabsheet_staff_pl2",
                             "tabsheet_staff_pl_ppms", "tabsheet_staff_pl_histories",
                             "tabsheet_staff_np_histories", "tabsheet_staff_npt"}) {
      shown.push_back(page_shown(name));
    }
    return shown;
  }
  int classification_shown(const char* name) { return combo(name)->currentIndex(); }
  int job_shown() { return combo("staff_club_job_for")->currentIndex(); }
};

TEST_F(classification_form, not_set_is_refused_on_either_page_and_the_stored_one_returns) {
  for (const char* name : {"staff_classification", "staff_classification2"}) {
    dialogs.clear();
    choose(name, 0);
    EXPECT_EQ(shown(), std::vector<QString>{"Cannot set a 'not set' classification."});
    EXPECT_EQ(classification_shown("staff_classification"), 2) << name;
    EXPECT_EQ(classification_shown("staff_classification2"), 2) << name;
  }
}

TEST_F(classification_form, the_player_job_makes_a_player) {
  choose("staff_classification", 1);
  ASSERT_EQ(seven_pages(), (std::vector<bool>{true, false, false, false, true, true, true}));
  choose("staff_club_job_for", 3);  // code 11
  EXPECT_EQ(classification_shown("staff_classification"), 2);
  EXPECT_EQ(classification_shown("staff_classification2"), 2);
  EXPECT_EQ(seven_pages(), (std::vector<bool>{false, true, true, true, true, false, false}));
  EXPECT_FALSE(box("radiobutton_staff_nation_contract")->isEnabled());
  EXPECT_TRUE(edit("staff_club_date_joined")->isEnabled());
  EXPECT_TRUE(shown().empty());
}

TEST_F(classification_form, a_second_manager_is_warned_about_and_both_kinds_shows_every_page) {
  auto manager = std::make_unique<qor_staff>();
  manager->StaffJobForClub = 5;
  store().staff_list.push_back(std::move(manager));
  choose("staff_classification", 2);
  choose("staff_club_job_for", 4);  // code 12, a manager who also plays
  EXPECT_EQ(shown(), std::vector<QString>{"Mananger already exist for this club"});
  EXPECT_EQ(job_shown(), 4) << "the new job stays";
  EXPECT_EQ(classification_shown("staff_classification"), 3);
  EXPECT_EQ(classification_shown("staff_classification2"), 3);
  EXPECT_EQ(seven_pages(), std::vector<bool>(7, true));
  EXPECT_TRUE(box("radiobutton_staff_nation_contract")->isEnabled());
}

TEST_F(classification_form, the_job_follows_a_chosen_classification) {
  struct job_case {
    int job_before;  // combo index
    int classification;
    int job_after;
  };
  const job_case cases[] = {
      {2, 2, 0},  // a manager chosen as player loses the job
      {3, 2, 3},  // the player job stays
      {0, 3, 3},  // both kinds without a job become a player
      {2, 3, 2},  // both kinds keep a job they have
      {3, 1, 0},  // a non-player cannot hold the player job
      {6, 1, 6},
  };
  for (const job_case& c : cases) {
    SCOPED_TRACE(c.job_before * 10 + c.classification);
    combo("staff_club_job_for")->setCurrentIndex(c.job_before);
    choose("staff_classification2", c.classification);
    EXPECT_EQ(job_shown(), c.job_after);
    EXPECT_EQ(classification_shown("staff_classification"), c.classification);
  }
  EXPECT_TRUE(shown().empty());
  // The job chosen by the rule is committed like the user's own choice.
  apply_staff(staff, controls);
  EXPECT_EQ(staff->StaffJobForClub, 16);
  EXPECT_EQ(staff->StaffClassification, 1);
}

TEST_F(classification_form, ticking_caretaker_manager_shows_every_page) {
  choose("staff_classification", 2);
  box("staff_caretaker_manager")->setChecked(false);
  box("staff_caretaker_manager")->setChecked(true);
  EXPECT_EQ(seven_pages(), std::vector<bool>(7, true));
  box("staff_caretaker_manager")->setChecked(false);
  EXPECT_EQ(seven_pages(), std::vector<bool>(7, true)) << "unticking changes nothing";
}

// ---- Check boxes ----

using flag_form = field_rules_form;

// The user's click sets the box to the state wanted.
void click_to(QAbstractButton* box, bool ticked) {
  if (box->isChecked() != ticked)
    box->click();
}

// A click leaves one declared nation and one kind of permanent injury; the program's own ticks,
// as showing a stored record makes them, untick nothing.
TEST_F(flag_form, a_clicked_declared_nation_is_the_only_declared_one) {
  QAbstractButton* first = box("staff_nation_declared");
  QAbstractButton* second = box("staff_second_nation_declared");
  QAbstractButton* third = box("staff_third_nation_declared");
  for (QAbstractButton* declared : {first, second, third})
    declared->setChecked(false);
  click_to(first, true);
  click_to(third, true);
  EXPECT_FALSE(first->isChecked());
  EXPECT_FALSE(second->isChecked());
  EXPECT_TRUE(third->isChecked());
  click_to(second, true);
  EXPECT_FALSE(third->isChecked());
  click_to(first, true);
  EXPECT_FALSE(second->isChecked());
  third->setChecked(true);
  EXPECT_TRUE(first->isChecked()) << "the program's tick unticks nothing";
  click_to(first, false);
  EXPECT_FALSE(third->isChecked()) << "unticking the first box also unticks the third";

  QAbstractButton* permanent = box("staff_permanent_injury");
  QAbstractButton* future = box("staff_future_permanent_injury");
  permanent->setChecked(false);
  future->setChecked(false);
  click_to(permanent, true);
  click_to(future, true);
  EXPECT_FALSE(permanent->isChecked());
  click_to(permanent, true);
  EXPECT_FALSE(future->isChecked());
  future->setChecked(true);
  EXPECT_TRUE(permanent->isChecked()) << "the program's tick unticks nothing";
}

TEST_F(flag_form, a_confirmed_flag_stays_ticked_only_on_yes) {
  struct flag_case {
    const char* box;
    const char* question;
  };
  const flag_case flags[] = {
      {"staff_marked_for_deletion", "Are you sure want to mark this player for deletion?"},
      {"staff_not_for_extraction",
       "Are you sure want to mark this player as 'not for extraction'?"},
      {"staff_female", "Are you sure want to mark this player as 'female'?"},
  };
  const std::pair<dialog_answer, bool> answers[] = {
      {dialog_answer::yes, true}, {dialog_answer::no, false}, {dialog_answer::cancel, false}};
  for (const flag_case& flag : flags) {
    for (const auto& [answer, stays] : answers) {
      SCOPED_TRACE(std::string(flag.box) + " " + std::to_string(static_cast<int>(answer)));
      box(flag.box)->setChecked(false);
      dialogs.clear();
      dialogs.queue_answer(answer);
      box(flag.box)->setChecked(true);
      ASSERT_EQ(shown(), std::vector<QString>{flag.question});
      EXPECT_EQ(dialogs.last().buttons, message_buttons::yes_no_cancel);
      EXPECT_EQ(box(flag.box)->isChecked(), stays);
    }
  }
  // No on "female": the record keeps "False".
  apply_staff(staff, controls);
  EXPECT_EQ(staff->StaffFemale, "False");
  EXPECT_EQ(staff->StaffMarkedForDeletion, "False");
}

TEST_F(flag_form, showing_or_unticking_a_confirmed_flag_asks_nothing) {
  box("staff_female")->setChecked(false);
  {
    filling_guard filling;
    box("staff_female")->setChecked(true);
  }
  EXPECT_TRUE(box("staff_female")->isChecked());
  box("staff_female")->setChecked(false);
  EXPECT_TRUE(shown().empty());
}

// ---- Recursive enabling ----

TEST(child_controls, panels_and_pages_are_descended_into_and_group_boxes_are_leaves) {
  QWidget window;
  auto* panel = new QFrame(&window);
  auto* edit = new QLineEdit(panel);
  auto* inner = new QFrame(panel);
  auto* inner_edit = new QLineEdit(inner);
  auto* tabs = new QTabWidget(panel);
  auto* page = new QWidget;
  auto* page_edit = new QLineEdit(page);
  tabs->addTab(page, "Page");
  auto* group = new QGroupBox("Group", panel);
  auto* group_edit = new QLineEdit(group);
  auto* label = new QLabel("Caption", panel);

  disable_child_controls(panel);
  EXPECT_TRUE(panel->isEnabled()) << "the container's own state is left alone";
  const std::vector<QWidget*> set_one_by_one = {edit, inner,     inner_edit, tabs,
                                                page, page_edit, group,      label};
  for (QWidget* w : set_one_by_one)
    EXPECT_TRUE(w->testAttribute(Qt::WA_ForceDisabled)) << w->metaObject()->className();
  EXPECT_FALSE(group_edit->isEnabled());
  EXPECT_FALSE(group_edit->testAttribute(Qt::WA_ForceDisabled)) << "a group box is a leaf";

  enable_child_controls(panel);
  for (QWidget* w : std::vector<QWidget*>{edit, inner_edit, page_edit, group_edit})
    EXPECT_TRUE(w->isEnabled());
}

// ---- Commit of the coaching page ----

using coach_form = field_rules_form;

TEST_F(coach_form, free_roles_and_squad_rotation_are_both_committed) {
  edit("staff_np_free_roles")->setText("13");
  edit("staff_np_squad_rotation")->setText("4");
  apply_staff(staff, controls);
  EXPECT_EQ(staff->StaffNonPlayerFreeRoles, 13);
  EXPECT_EQ(staff->StaffNonPlayerSquadRotation, 4);
}

// ---- Exits that do more than check ----

TEST_F(coach_form, leaving_the_reputation_or_a_foot_commits_the_form_first) {
  type_into("staff_pl_current_reputation", "150");
  focus_on("staff_pl_home_reputation");
  EXPECT_EQ(staff->StaffPlayerCurrentReputation, 150);
  EXPECT_EQ(guided_reputation, 150);

  type_into("staff_pl_left_foot", "18");
  edit("staff_pl_right_foot")->setText("6");
  focus_on("staff_pl_pace");
  EXPECT_EQ(staff->StaffPlayerLeftFoot, 18);
  EXPECT_EQ(controls.get<QLabel>("staff_pl_preferred_feet_label")->text(), "Left only");
}

// ---- Region lists ----

using region_form = field_rules_form;

TEST_F(region_form, each_region_list_opens_out_to_the_windows_right_edge) {
  window.resize(1500, 840);
  for (const char* name : {"staff_local_region_of_birth", "staff_first_name_local_region",
                           "staff_second_name_local_region", "staff_local_region_of_residence"}) {
    SCOPED_TRACE(name);
    auto* combo = controls.get<QComboBox>(name);
    ASSERT_NE(combo, nullptr);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Shift, Qt::NoModifier);
    QApplication::sendEvent(combo, &key);
    EXPECT_EQ(dropped_width(combo), window.width() - combo->mapTo(&window, QPoint(0, 0)).x());
  }
}

}  // namespace
