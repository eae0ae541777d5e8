#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QValidator>
#include <cstring>
#include <string>
#include <tuple>

#include "ability/position_weightings.h"
#include "ability_views/ability_exits.h"
#include "ability_views/expected_potential_view.h"
#include "ability_views/weighted_attributes.h"
#include "display_staff_fixture.h"
#include "invented_players.h"
#include "platform/focus_tracker.h"
#include "record_form/dependent_controls.h"
#include "record_form/editor_state.h"
#include "sub_records/display_staff.h"

namespace {

// The real pages showing one invented player, with the invented weightings in place.
class weighted_view : public display_staff_form {
 protected:
  weighted_view() : saved_weightings_(weightings()) { weightings() = invented_weightings(); }
  ~weighted_view() override {
    weightings() = saved_weightings_;
    editor().current_staff = nullptr;
  }

  void show(const qor_staff& record) {
    staff = record;
    staff.StaffClassification = 2;
    editor().current_staff = &staff;
    display_staff(&staff, controls);
    update_weighted_attributes(&staff, controls);
  }

  QLineEdit* fitted(const char* stem) {
    return control<QLineEdit>(("staff_pl_" + std::string(stem) + "_w").c_str());
  }
  QString weighting(const char* stem) {
    return caption_of(("staff_pl_" + std::string(stem) + "_weighting").c_str());
  }
  QString recommended() { return text_of("staff_pl_recommended_current_ability_b"); }

  qor_staff staff;

 private:
  POSITION_WEIGHTINGS saved_weightings_;
};

TEST_F(weighted_view, the_page_holds_a_fitted_edit_and_a_weighting_label_per_attribute) {
  ASSERT_EQ(weighted_attributes().size(), 53u);
  for (const weighted_attribute& attribute : weighted_attributes()) {
    const std::string stem = std::string("staff_pl_") + attribute.stem;
    auto* edit = control<QLineEdit>(stem.c_str());
    auto* fitted_edit = control<QLineEdit>((stem + "_w").c_str());
    auto* label = control<QLabel>((stem + "_weighting").c_str());
    ASSERT_TRUE(edit && fitted_edit && label) << stem;
    EXPECT_TRUE(fitted_edit->isReadOnly()) << stem;
    EXPECT_EQ(fitted_edit->parentWidget(), edit->parentWidget()) << stem;
    EXPECT_EQ(fitted_edit->parentWidget()->objectName(), attribute.group) << stem;
    EXPECT_EQ(label->parentWidget(), edit->parentWidget()) << stem;
  }
}

TEST_F(weighted_view, a_keeper_sees_his_group_and_four_technical_fitted_values) {
  show(keeper());
  EXPECT_EQ(fitted("handling")->text(), "13");
  EXPECT_EQ(fitted("finishing")->text(), "8");
  EXPECT_EQ(recommended(), "189");
  EXPECT_FALSE(fitted("handling")->isHidden());
  EXPECT_FALSE(fitted("passing")->isHidden());
  EXPECT_TRUE(fitted("finishing")->isHidden());
  EXPECT_FALSE(fitted("pace")->isHidden());
  EXPECT_FALSE(control<QLineEdit>("staff_pl_recommended_current_ability_b")->isHidden());
  // Rated 20 at the one position: 10 x 80 x 0.1 = 80, curved to 80 x 81 / 2.
  EXPECT_EQ(weighting("handling"), "3240.00");
  EXPECT_EQ(weighting("finishing"), "0.00");
  EXPECT_EQ(weighting("versatility"), "55.00");  // 10 x 10 x 0.1 = 10, curved
}

TEST_F(weighted_view, an_outfield_player_sees_all_but_the_goalkeeper_group) {
  show(striker());
  EXPECT_EQ(fitted("finishing")->text(), "16");
  EXPECT_EQ(recommended(), "194");
  EXPECT_FALSE(fitted("finishing")->isHidden());
  EXPECT_FALSE(fitted("left_foot")->isHidden());
  EXPECT_TRUE(fitted("handling")->isHidden());
}

TEST_F(weighted_view, no_ability_or_no_rated_position_hides_the_fitted_values_only) {
  qor_staff without_ability = striker();
  without_ability.StaffPlayerCurrentAbility = 0;
  show(without_ability);
  EXPECT_TRUE(fitted("finishing")->isHidden());
  EXPECT_TRUE(control<QLineEdit>("staff_pl_recommended_current_ability_b")->isHidden());
  EXPECT_NE(weighting("finishing"), "0.00");  // the weights still show

  qor_staff unrated = striker();
  unrated.StaffPlayerAttackerCentral = 0;
  unrated.StaffPlayerAttackingMidfielderCentral = 0;
  show(unrated);
  EXPECT_TRUE(fitted("finishing")->isHidden());
  EXPECT_EQ(weighting("finishing"), "0.00");

  // Any rated position counts, the last one included.
  unrated.StaffPlayerWingBackRightSide = 3;
  show(unrated);
  EXPECT_FALSE(fitted("finishing")->isHidden());
}

TEST_F(weighted_view, an_attribute_left_to_chance_has_no_fitted_value) {
  qor_staff record = striker();
  record.StaffPlayerFinishing = 0;
  show(record);
  EXPECT_EQ(fitted("finishing")->text(), "");
  EXPECT_NE(fitted("pace")->text(), "");
}

TEST_F(weighted_view, without_a_record_on_screen_nothing_changes) {
  show(keeper());
  editor().current_staff = nullptr;
  qor_staff other = striker();
  update_weighted_attributes(&other, controls);
  update_expected_potential_ability(&other, controls);
  EXPECT_EQ(recommended(), "189");
  update_weighted_attributes(nullptr, controls);
  EXPECT_EQ(recommended(), "189");
}

TEST_F(weighted_view, the_display_shows_age_and_expected_potential_ability) {
  qor_staff young = striker();
  young.StaffYearOfBirth = 2005;  // 20 on 3 July 2025, the fixture's today
  young.StaffPlayerCurrentAbility = 100;
  show(young);
  EXPECT_EQ(text_of("staff_age"), "20");
  EXPECT_EQ(text_of("staff_pl_expected_potential_ability"), "142");

  qor_staff unknown = young;  // a date that cannot be read: the year counts
  std::strcpy(unknown.StaffDateOfBirth.data, "31/02/2005");
  show(unknown);
  EXPECT_EQ(text_of("staff_age"), "20");
  EXPECT_EQ(text_of("staff_pl_expected_potential_ability"), "142");
  unknown.StaffYearOfBirth = 0;
  show(unknown);
  EXPECT_EQ(text_of("staff_age"), "0");
  EXPECT_EQ(text_of("staff_pl_expected_potential_ability"), "0");
}

// The exits, as the window binds them.
class ability_exits : public weighted_view {
 protected:
  bool leave(const char* name, const char* text) {
    auto* edit = control<QLineEdit>(name);
    edit->setText(QString::fromLatin1(text));
    if (std::string(name) == "staff_pl_current_ability")
      return staff_pl_current_abilityExit(edit, controls);
    if (std::string(name) == "staff_pl_potential_ability")
      return staff_pl_potential_abilityExit(edit, controls);
    if (std::string(name) == "staff_pl_current_ability2")
      return staff_pl_current_ability2Exit(edit, controls);
    if (std::string(name) == "staff_pl_height_amount")
      return staff_pl_height_amountExit(edit, controls);
    if (std::string(name).starts_with("staff_pl_"))
      return staff_pl_rating_exit(edit, controls);
    return staff_birth_exit(edit, controls);
  }
};

TEST_F(ability_exits, leaving_a_rating_commits_and_refreshes_the_view) {
  show(striker());
  EXPECT_TRUE(leave("staff_pl_attacker_central", "0"));
  EXPECT_EQ(staff.StaffPlayerAttackerCentral, 0);
  EXPECT_NE(recommended(), "194");
  EXPECT_FALSE(leave("staff_pl_attacker_central", "21"));
  EXPECT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(staff.StaffPlayerAttackerCentral, 0);
}

TEST_F(ability_exits, leaving_the_height_commits_and_refreshes_the_view) {
  show(striker());
  control<QLineEdit>("staff_pl_attacker_central")->setText("0");
  EXPECT_TRUE(leave("staff_pl_height_amount", "1.85"));
  EXPECT_FLOAT_EQ(staff.StaffPlayerHeightAmount, 1.85F);
  EXPECT_EQ(staff.StaffPlayerAttackerCentral, 0);
  EXPECT_NE(recommended(), "194");
  EXPECT_FALSE(leave("staff_pl_height_amount", "9.5"));
  EXPECT_FLOAT_EQ(staff.StaffPlayerHeightAmount, 1.85F);
}

TEST_F(ability_exits, current_ability_above_the_potential_ability_asks) {
  qor_staff record = striker();
  record.StaffPlayerPotentialAbility = 140;
  show(record);
  make_active("tabsheet_staff_pl2");
  dialogs.queue_answer(dialog_answer::yes);
  EXPECT_FALSE(leave("staff_pl_current_ability", "150"));
  EXPECT_EQ(active_page(), "tabsheet_staff_pl1");
  EXPECT_EQ(staff.StaffPlayerCurrentAbility, 160);  // nothing recomputed, nothing committed
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_TRUE(dialogs.last().text.startsWith("The staff member has higher playing current"));

  dialogs.queue_answer(dialog_answer::no);
  EXPECT_TRUE(leave("staff_pl_current_ability", "150"));
  EXPECT_EQ(staff.StaffPlayerCurrentAbility, 150);
  EXPECT_EQ(text_of("staff_pl_current_ability2"), "150");

  // The second edit asks nothing and brings the first along.
  EXPECT_TRUE(leave("staff_pl_current_ability2", "145"));
  EXPECT_EQ(text_of("staff_pl_current_ability"), "145");
  EXPECT_EQ(staff.StaffPlayerCurrentAbility, 145);
  EXPECT_EQ(dialogs.shown().size(), 2u);
}

TEST_F(ability_exits, potential_ability_below_the_current_one_asks_unless_unset_or_unreadable) {
  show(striker());  // current ability 160
  dialogs.queue_answer(dialog_answer::no);
  EXPECT_TRUE(leave("staff_pl_potential_ability", "150"));
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_TRUE(dialogs.last().text.startsWith("The staff member has lower playing potential"));
  EXPECT_EQ(staff.StaffPlayerPotentialAbility, 150);
  EXPECT_TRUE(leave("staff_pl_potential_ability", "0"));
  EXPECT_TRUE(leave("staff_pl_potential_ability", "-10"));
  // An unreadable current ability skips the question instead of failing.
  control<QLineEdit>("staff_pl_current_ability")->setText("x");
  EXPECT_TRUE(
      staff_pl_potential_abilityExit(control<QLineEdit>("staff_pl_potential_ability"), controls));
  // Only the commit reports the unreadable text; no question was asked.
  ASSERT_EQ(dialogs.shown().size(), 2u);
  EXPECT_FALSE(dialogs.last().text.startsWith("The staff member"))
      << dialogs.last().text.toStdString();
}

TEST_F(ability_exits, leaving_the_birth_year_refreshes_the_expected_potential_ability) {
  qor_staff record = striker();
  record.StaffPlayerCurrentAbility = 100;
  show(record);
  EXPECT_TRUE(leave("staff_year_of_birth", "1998"));  // 27 in the fixture's 2025
  EXPECT_EQ(staff.StaffYearOfBirth, 1998);
  EXPECT_EQ(text_of("staff_pl_expected_potential_ability"), "101");
  EXPECT_TRUE(leave("staff_year_of_birth", "0"));
  EXPECT_EQ(text_of("staff_pl_expected_potential_ability"), "0");
}

TEST_F(ability_exits, number_edits_of_the_player_pages_take_digits_only) {
  focus_tracker focus(&pc_staff);
  install_ability_views(controls, focus);
  int position = 0;
  for (const auto& [name, typed, kept] :
       {std::tuple{"staff_pl_pace", "1a", false}, std::tuple{"staff_pl_pace", "12", true},
        std::tuple{"staff_pl_potential_ability", "-10", true},
        std::tuple{"staff_pl_current_ability", "-1", false},
        std::tuple{"staff_pl_goalkeeper", "2.", false}}) {
    QString text = QString::fromLatin1(typed);
    const QValidator* validator = control<QLineEdit>(name)->validator();
    ASSERT_NE(validator, nullptr) << name;
    EXPECT_EQ(validator->validate(text, position) == QValidator::Acceptable, kept)
        << name << " " << typed;
  }
  EXPECT_EQ(control<QLineEdit>("staff_pl_pace_w")->validator(), nullptr);
  form_views() = {};
}

}  // namespace
