#include <gtest/gtest.h>

#include <QLineEdit>

#include "ability_views/position_form.h"
#include "display_staff_fixture.h"
#include "record_form/edit_integers.h"

namespace {

using position_form = display_staff_form;

TEST_F(position_form, best_positions_come_from_the_rating_edits_on_screen) {
  const auto set = [this](const char* name, const char* text) {
    controls.get<QLineEdit>(name)->setText(QString::fromLatin1(text));
  };
  for (const char* name : position_rating_edit_names())
    set(name, "0");
  EXPECT_TRUE(get_best_positions_from_form(controls).none());
  set("staff_pl_defender_central", "14");
  set("staff_pl_attacker_central", "12");
  EXPECT_EQ(describe_positions(get_best_positions_from_form(controls), position_code_style), "D C");
  set("staff_pl_wing_back_right_side", "14");
  set("staff_pl_defender_right_side", "14");
  EXPECT_EQ(describe_positions(get_best_positions_from_form(controls), position_code_style),
            "D RC, WB R");
  // A text that is no whole number reads as 0 rather than stopping the reading.
  set("staff_pl_defender_central", "1x");
  set("staff_pl_wing_back_right_side", "");
  EXPECT_EQ(describe_positions(get_best_positions_from_form(controls), position_code_style), "D R");
}

TEST_F(position_form, edit_integers_read_whole_numbers_only) {
  auto* edit = controls.get<QLineEdit>("staff_pl_goalkeeper");
  struct text_case {
    const char* text;
    int value;
  };
  const text_case cases[] = {{"17", 17}, {" 7", 7},  {"-3", -3}, {"", 0},
                             {"abc", 0}, {"12x", 0}, {"1.5", 0}, {"99999999999", 0}};
  for (const text_case& c : cases) {
    edit->setText(QString::fromLatin1(c.text));
    EXPECT_EQ(edit_integer_or_zero(edit), c.value) << c.text;
  }
  EXPECT_EQ(edit_integer_or_zero(nullptr), 0);
}

}  // namespace
