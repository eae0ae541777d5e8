#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <string>

#include "ability/position_weightings.h"
#include "ability_views/pitch_view.h"
#include "display_staff_fixture.h"
#include "invented_players.h"
#include "platform/shape.h"
#include "record_form/editor_state.h"
#include "sub_records/display_staff.h"

namespace {

using s = qor_staff;

// The real pages with the pitch set up as the window sets it up, showing one invented player
// through the real display.
class pitch_view : public display_staff_form {
 protected:
  pitch_view() : saved_weightings_(weightings()) {
    weightings() = invented_weightings();
    install_pitch_view(controls);
  }
  ~pitch_view() override {
    weightings() = saved_weightings_;
    editor().current_staff = nullptr;
    editor().original_staff = nullptr;
  }

  void show(const qor_staff& record) {
    staff = record;
    staff.StaffClassification = 2;
    editor().current_staff = &staff;
    display_staff(&staff, controls);
  }

  shape* marker(const char* name) { return control<shape>(name); }
  QLineEdit* rating(const char* name) { return control<QLineEdit>(name); }
  QString mask_text() { return caption_of("position_mask_label"); }

  qor_staff staff;

 private:
  POSITION_WEIGHTINGS saved_weightings_;
};

struct fill {
  tcolor color;
  shape::brush_style style;
};
constexpr fill clear_fill{clGreen, shape::brush_style::clear};

void expect_fill(const shape* marker, fill expected, int rating) {
  ASSERT_NE(marker, nullptr);
  EXPECT_EQ(marker->brush_color(), expected.color)
      << marker->objectName().toStdString() << " " << rating;
  EXPECT_EQ(marker->brush(), expected.style) << marker->objectName().toStdString() << " " << rating;
}

TEST_F(pitch_view, fifteen_round_markers_lie_over_the_pitch_picture) {
  auto* picture = control<QLabel>("Image1");
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->parentWidget()->objectName(), "pitch_panel");
  EXPECT_EQ(picture->geometry(), QRect(8, 8, 271, 400));
  EXPECT_FALSE(picture->pixmap().isNull());
  const QRect places[] = {{133, 60, 21, 21},  {41, 115, 21, 21},  {224, 115, 21, 21},
                          {133, 107, 21, 21}, {41, 198, 21, 21},  {226, 198, 21, 21},
                          {133, 198, 21, 21}, {133, 246, 21, 21}, {41, 263, 21, 21},
                          {226, 263, 21, 21}, {133, 307, 21, 21}, {41, 307, 21, 21},
                          {226, 307, 21, 21}, {133, 338, 21, 21}, {133, 379, 21, 21}};
  ASSERT_EQ(pitch_positions().size(), std::size(places));
  for (std::size_t i = 0; i < std::size(places); ++i) {
    const shape* mark = marker(pitch_positions()[i].marker);
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(mark->parentWidget(), picture->parentWidget());
    EXPECT_EQ(mark->geometry(), places[i]) << pitch_positions()[i].marker;
    EXPECT_EQ(mark->shape_figure(), shape::figure::circle);
    EXPECT_EQ(mark->pen_width(), 3);
    EXPECT_EQ(control_cursor(mark), crHandPoint);
    EXPECT_NE(rating(pitch_positions()[i].rating_edit), nullptr);
  }
  // Drawn over the picture: created after it.
  const QObjectList& children = picture->parentWidget()->children();
  EXPECT_LT(children.indexOf(picture), children.indexOf(marker("pitch_pos_gk")));
  EXPECT_TRUE(control<QPushButton>("transfer_btn")->isHidden());
  EXPECT_EQ(marker("pitch_pos_sc")->toolTip(), "SC: ");
}

TEST_F(pitch_view, markers_take_the_colour_of_their_rating_band) {
  const struct {
    int rating;
    fill expected;
  } cases[] = {
      {0, clear_fill},
      {4, clear_fill},
      {5, {0x0075ED, shape::brush_style::solid}},
      {8, {0x0075ED, shape::brush_style::solid}},
      {9, {0x00DBE9, shape::brush_style::solid}},
      {11, {0x00DBE9, shape::brush_style::solid}},
      {12, {0x35CCA3, shape::brush_style::solid}},
      {14, {0x35CCA3, shape::brush_style::solid}},
      {15, {0x1EC260, shape::brush_style::solid}},
      {19, {0x1EC260, shape::brush_style::solid}},
      {20, {0x23F040, shape::brush_style::solid}},
  };
  for (const auto& c : cases) {
    qor_staff record = striker();
    record.StaffPlayerDefenderLeftSide = static_cast<std::int8_t>(c.rating);
    show(record);
    expect_fill(marker("pitch_pos_dl"), c.expected, c.rating);
  }
  // The display coloured the others from the same record.
  expect_fill(marker("pitch_pos_sc"), {0x23F040, shape::brush_style::solid}, 20);
  expect_fill(marker("pitch_pos_amc"), {0x1EC260, shape::brush_style::solid}, 15);

  // Beyond 0 to 20 a marker keeps its colour; a text that is no number reads as 0.
  rating("staff_pl_defender_left_side")->setText("25");
  rating("staff_pl_attacker_central")->setText("x");
  update_pitch_position_colours(controls);
  expect_fill(marker("pitch_pos_dl"), {0x23F040, shape::brush_style::solid}, 25);
  expect_fill(marker("pitch_pos_sc"), clear_fill, 0);
}

TEST_F(pitch_view, the_position_mask_label_shows_the_best_positions_on_screen) {
  const struct {
    std::initializer_list<field_value> ratings;
    const char* text;
  } cases[] = {
      {{}, ""},
      {{{&s::StaffPlayerDefenderLeftSide, 15}, {&s::StaffPlayerDefenderRightSide, 16}}, "D RL"},
      {{{&s::StaffPlayerDefenderCentral, 14}, {&s::StaffPlayerAttackerCentral, 12}}, "D C"},
      {{{&s::StaffPlayerSweeper, 20}, {&s::StaffPlayerAttackerCentral, 15}}, "SW, ST"},
      {{{&s::StaffPlayerGoalkeeper, 20}, {&s::StaffPlayerAttackerCentral, 20}}, "GK"},
      {{{&s::StaffPlayerDefenderLeftSide, 15},
        {&s::StaffPlayerDefenderRightSide, 15},
        {&s::StaffPlayerWingBackLeftSide, 15},
        {&s::StaffPlayerWingBackRightSide, 15}},
       "D/WB RL"},
  };
  for (const auto& c : cases) {
    qor_staff record = invented_player(1, 100, 10, c.ratings);
    show(record);
    EXPECT_EQ(mask_text(), c.text);
  }
  // Typed ratings count once the pitch is refreshed, as leaving a rating does.
  show(invented_player(1, 100, 10, {}));
  rating("staff_pl_midfielder_central")->setText("18");
  update_pitch_position_colours(controls);
  EXPECT_EQ(mask_text(), "M C");
}

TEST_F(pitch_view, a_click_steps_the_rating_and_refreshes_the_views) {
  show(striker());
  shape* left_back = marker("pitch_pos_dl");
  const fill cycle[] = {
      {0x0075ED, shape::brush_style::solid}, {0x00DBE9, shape::brush_style::solid},
      {0x35CCA3, shape::brush_style::solid}, {0x1EC260, shape::brush_style::solid},
      {0x23F040, shape::brush_style::solid}, clear_fill};
  const int ratings[] = {7, 10, 13, 17, 20, 0};
  for (int step = 0; step < 6; ++step) {
    // Any button steps the rating.
    QTest::mouseClick(left_back, step % 2 == 0 ? Qt::LeftButton : Qt::RightButton);
    EXPECT_EQ(rating("staff_pl_defender_left_side")->text(), QString::number(ratings[step]));
    expect_fill(left_back, cycle[step], ratings[step]);
    // The weighted view committed the form: the record has the new rating.
    EXPECT_EQ(staff.StaffPlayerDefenderLeftSide, ratings[step]);
  }
  EXPECT_EQ(mask_text(), "AM C, ST");

  // A typed value joins the cycle at the next step above its band.
  rating("staff_pl_defender_left_side")->setText("16");
  QTest::mouseClick(left_back, Qt::LeftButton);
  EXPECT_EQ(rating("staff_pl_defender_left_side")->text(), "20");
  EXPECT_EQ(mask_text(), "D L, AM C, ST");
}

TEST_F(pitch_view, a_click_on_a_natural_position_refreshes_the_expected_potential_ability) {
  qor_staff young = striker();
  young.StaffYearOfBirth = 2005;  // 20 on the fixture's today
  young.StaffPlayerCurrentAbility = 100;
  show(young);
  EXPECT_EQ(text_of("staff_pl_expected_potential_ability"), "142");
  const QString recommended = text_of("staff_pl_recommended_current_ability_b");

  QTest::mouseClick(marker("pitch_pos_sc"), Qt::LeftButton);  // 20 becomes 0
  EXPECT_EQ(staff.StaffPlayerAttackerCentral, 0);
  EXPECT_EQ(text_of("staff_pl_expected_potential_ability"), "0");
  EXPECT_NE(text_of("staff_pl_recommended_current_ability_b"), recommended);
  expect_fill(marker("pitch_pos_sc"), clear_fill, 0);
}

TEST_F(pitch_view, a_click_on_a_rating_beyond_the_range_changes_nothing_but_refreshes) {
  show(striker());
  rating("staff_pl_defender_left_side")->setText("25");
  rating("staff_pl_defender_right_side")->setText("18");  // typed, not yet left
  QTest::mouseClick(marker("pitch_pos_dl"), Qt::LeftButton);
  EXPECT_EQ(rating("staff_pl_defender_left_side")->text(), "25");
  expect_fill(marker("pitch_pos_dl"), clear_fill, 25);
  EXPECT_EQ(mask_text(), "D RL, AM C, ST");
}

TEST_F(pitch_view, the_hint_shows_the_typed_rating_and_the_exported_one) {
  qor_staff exported = striker();
  exported.StaffPlayerDefenderLeftSide = 12;
  show(striker());
  rating("staff_pl_defender_left_side")->setText("25");
  EXPECT_EQ(pitch_position_hint(marker("pitch_pos_dl"), controls), "DL - Current: 25 (Orginal: 0)");
  editor().original_staff = &exported;
  EXPECT_EQ(pitch_position_hint(marker("pitch_pos_dl"), controls),
            "DL - Current: 25 (Orginal: 12)");
  EXPECT_EQ(pitch_position_hint(marker("pitch_pos_amr"), controls), "AMR: 0 (Orginal: 0)");
  EXPECT_EQ(pitch_position_hint(marker("pitch_pos_sc"), controls),
            "SC - Current: 20 (Orginal: 20)");
  // Moving the mouse over a marker rebuilds its hint.
  QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QCoreApplication::sendEvent(marker("pitch_pos_dl"), &move);
  EXPECT_EQ(marker("pitch_pos_dl")->toolTip(), "DL - Current: 25 (Orginal: 12)");
}

TEST_F(pitch_view, the_transfer_button_fills_empty_ratings_from_the_older_ones) {
  qor_staff record = striker();
  record.StaffPlayerMidfielder = 14;
  record.StaffPlayerLeftSide = 10;
  record.StaffPlayerRightSide = 16;
  record.StaffPlayerCentral = 14;
  record.StaffPlayerMidfielderCentral = 3;  // already rated: kept
  record.StaffPlayerAttacker = 18;          // the striker's 20 is kept too
  show(record);
  control<QPushButton>("transfer_btn")->click();
  EXPECT_EQ(rating("staff_pl_midfielder_left_side")->text(), "10");   // the side is smaller
  EXPECT_EQ(rating("staff_pl_midfielder_right_side")->text(), "14");  // the position is
  EXPECT_EQ(rating("staff_pl_midfielder_central")->text(), "3");
  EXPECT_EQ(rating("staff_pl_attacker_central")->text(), "20");
  EXPECT_EQ(rating("staff_pl_defender_left_side")->text(), "0");  // no older defender rating
  EXPECT_EQ(rating("staff_pl_goalkeeper")->text(), "0");
  // The pitch follows; the record waits for the next commit.
  expect_fill(marker("pitch_pos_ml"), {0x00DBE9, shape::brush_style::solid}, 10);
  expect_fill(marker("pitch_pos_mr"), {0x35CCA3, shape::brush_style::solid}, 14);
  EXPECT_EQ(staff.StaffPlayerMidfielderLeftSide, 0);

  // A tie copies the side's text; a side that is no number fills nothing.
  rating("staff_pl_midfielder_left_side")->setText("0");
  rating("staff_pl_left_side")->setText("14");
  rating("staff_pl_midfielder_right_side")->setText("0");
  rating("staff_pl_right_side")->setText("x");
  control<QPushButton>("transfer_btn")->click();
  EXPECT_EQ(rating("staff_pl_midfielder_left_side")->text(), "14");
  EXPECT_EQ(rating("staff_pl_midfielder_right_side")->text(), "0");
}

TEST_F(pitch_view, without_a_record_on_screen_nothing_refreshes) {
  show(striker());
  editor().current_staff = nullptr;
  rating("staff_pl_defender_left_side")->setText("20");
  rating("staff_pl_midfielder")->setText("14");
  rating("staff_pl_left_side")->setText("10");
  update_pitch_position_colours(controls);
  QTest::mouseClick(marker("pitch_pos_sc"), Qt::LeftButton);
  control<QPushButton>("transfer_btn")->click();
  expect_fill(marker("pitch_pos_dl"), clear_fill, 20);
  EXPECT_EQ(rating("staff_pl_attacker_central")->text(), "20");
  EXPECT_EQ(rating("staff_pl_midfielder_left_side")->text(), "0");
  EXPECT_EQ(mask_text(), "AM C, ST");
}

}  // namespace
