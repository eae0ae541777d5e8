#include "ability_views/pitch_view.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>

#include "ability/rating_bands.h"
#include "ability_views/expected_potential_view.h"
#include "ability_views/pitch_drawing.h"
#include "ability_views/position_form.h"
#include "ability_views/weighted_attributes.h"
#include "platform/control_colors.h"
#include "platform/event_bindings.h"
#include "platform/label_events.h"
#include "platform/shape.h"
#include "record_form/edit_integers.h"
#include "record_form/editor_state.h"
#include "record_form/form_controls.h"

namespace {

constexpr pitch_position positions[] = {
    {"pitch_pos_sc", "staff_pl_attacker_central",
     "SC - Current: ", &qor_staff::StaffPlayerAttackerCentral},
    {"pitch_pos_aml", "staff_pl_att_midfielder_left_side",
     "AML - Current: ", &qor_staff::StaffPlayerAttackingMidfielderLeftSide},
    {"pitch_pos_amr", "staff_pl_att_midfielder_right_side",
     "AMR: ", &qor_staff::StaffPlayerAttackingMidfielderRightSide},
    {"pitch_pos_amc", "staff_pl_att_midfielder_central",
     "AMC - Current: ", &qor_staff::StaffPlayerAttackingMidfielderCentral},
    {"pitch_pos_ml", "staff_pl_midfielder_left_side",
     "ML - Current: ", &qor_staff::StaffPlayerMidfielderLeftSide},
    {"pitch_pos_mr", "staff_pl_midfielder_right_side",
     "MR - Current: ", &qor_staff::StaffPlayerMidfielderRightSide},
    {"pitch_pos_mc", "staff_pl_midfielder_central",
     "MC - Current: ", &qor_staff::StaffPlayerMidfielderCentral},
    {"pitch_pos_dmc", "staff_pl_def_midfielder_central",
     "DMC - Current: ", &qor_staff::StaffPlayerDefensiveMidfielderCentral},
    {"pitch_pos_wbl", "staff_pl_wing_back_left_side",
     "WBL - Current: ", &qor_staff::StaffPlayerWingBackLeftSide},
    {"pitch_pos_wbr", "staff_pl_wing_back_right_side",
     "WBR - Current: ", &qor_staff::StaffPlayerWingBackRightSide},
    {"pitch_pos_dc", "staff_pl_defender_central",
     "DC - Current: ", &qor_staff::StaffPlayerDefenderCentral},
    {"pitch_pos_dl", "staff_pl_defender_left_side",
     "DL - Current: ", &qor_staff::StaffPlayerDefenderLeftSide},
    {"pitch_pos_dr", "staff_pl_defender_right_side",
     "DR - Current: ", &qor_staff::StaffPlayerDefenderRightSide},
    {"pitch_pos_sw", "staff_pl_sweeper", "SW - Current: ", &qor_staff::StaffPlayerSweeper},
    {"pitch_pos_gk", "staff_pl_goalkeeper", "GK - Current: ", &qor_staff::StaffPlayerGoalkeeper},
};

// The marker of each band; the lowest band shows the pitch through a clear brush.
struct band_fill {
  tcolor color;
  shape::brush_style style;
};
constexpr band_fill band_fills[] = {
    {clGreen, shape::brush_style::clear},  {0x0075ED, shape::brush_style::solid},
    {0x00DBE9, shape::brush_style::solid}, {0x35CCA3, shape::brush_style::solid},
    {0x1EC260, shape::brush_style::solid}, {0x23F040, shape::brush_style::solid},
};

// The older ratings: a position rating and, per side, the per-position rating it fills.
struct side_target {
  const char* side;
  const char* target;
};
struct older_group {
  const char* position;
  side_target pairs[3];
};
constexpr const char* left_side = "staff_pl_left_side";
constexpr const char* right_side = "staff_pl_right_side";
constexpr const char* central = "staff_pl_central";
constexpr older_group older_groups[] = {
    {"staff_pl_defender",
     {{left_side, "staff_pl_defender_left_side"},
      {right_side, "staff_pl_defender_right_side"},
      {central, "staff_pl_defender_central"}}},
    {"staff_pl_wing_back",
     {{left_side, "staff_pl_wing_back_left_side"}, {right_side, "staff_pl_wing_back_right_side"}}},
    {"staff_pl_def_midfielder", {{central, "staff_pl_def_midfielder_central"}}},
    {"staff_pl_midfielder",
     {{left_side, "staff_pl_midfielder_left_side"},
      {right_side, "staff_pl_midfielder_right_side"},
      {central, "staff_pl_midfielder_central"}}},
    {"staff_pl_att_midfielder",
     {{left_side, "staff_pl_att_midfielder_left_side"},
      {right_side, "staff_pl_att_midfielder_right_side"},
      {central, "staff_pl_att_midfielder_central"}}},
    {"staff_pl_attacker", {{central, "staff_pl_attacker_central"}}},
};

bool record_on_screen() {
  return editor().current_staff != nullptr;
}

const pitch_position* position_of(const shape* marker) {
  if (marker == nullptr)
    return nullptr;
  for (const pitch_position& position : positions) {
    if (marker->objectName() == QLatin1String(position.marker))
      return &position;
  }
  return nullptr;
}

void fill_for_band(shape& marker, rating_band band) {
  const band_fill& fill = band_fills[static_cast<int>(band)];
  marker.set_brush(fill.color, fill.style);
}

QLineEdit* rating_edit_of(const pitch_position& position, const form_controls& form) {
  return form.get<QLineEdit>(position.rating_edit);
}

}  // namespace

std::span<const pitch_position> pitch_positions() {
  return positions;
}

void update_pitch_position_colours(form_controls& form) {
  if (!record_on_screen())
    return;
  for (const pitch_position& position : positions) {
    auto* marker = form.get<shape>(position.marker);
    const std::optional<rating_band> band =
        rating_band_of(edit_integer_or_zero(rating_edit_of(position, form)));
    if (marker != nullptr && band)
      fill_for_band(*marker, *band);
  }
  update_position_mask_label(form);
}

void process_pitch_pos_click(shape* marker, form_controls& form) {
  const pitch_position* position = position_of(marker);
  if (position == nullptr)
    return;
  QLineEdit* edit = rating_edit_of(*position, form);
  const std::optional<rating_band> band = rating_band_of(edit_integer_or_zero(edit));
  if (edit != nullptr && band) {
    const int next = next_rating_in_cycle(*band);
    edit->setText(QString::number(next));
    fill_for_band(*marker, *rating_band_of(next));
  }
  update_position_mask_label(form);
}

void pitch_pos_MouseDown(shape* marker, form_controls& form) {
  if (!record_on_screen())
    return;
  process_pitch_pos_click(marker, form);
  update_weighted_attributes(editor().current_staff, form);
  update_expected_potential_ability(editor().current_staff, form);
}

QString pitch_position_hint(const shape* marker, form_controls& form) {
  const pitch_position* position = position_of(marker);
  if (position == nullptr)
    return {};
  const QLineEdit* edit = rating_edit_of(*position, form);
  const qor_staff* original = editor().original_staff;
  const int exported = original == nullptr ? 0 : original->*(position->field);
  return QLatin1String(position->hint_prefix) + (edit != nullptr ? edit->text() : QString()) +
         QStringLiteral(" (Orginal: %1)").arg(exported);
}

void transfer_position_ratings(form_controls& form) {
  for (const older_group& group : older_groups) {
    auto* older = form.get<QLineEdit>(group.position);
    const std::optional<int> older_rating = edit_integer(older);
    if (!older_rating || *older_rating <= 0)
      continue;
    for (const side_target& pair : group.pairs) {
      if (pair.side == nullptr)
        break;
      auto* side = form.get<QLineEdit>(pair.side);
      auto* target = form.get<QLineEdit>(pair.target);
      const std::optional<int> side_rating = edit_integer(side);
      // A text that is no number is neither a side rating nor an empty target.
      if (!side_rating || *side_rating < 0 || edit_integer(target) != 0)
        continue;
      target->setText(*older_rating < *side_rating ? older->text() : side->text());
    }
  }
}

void transfer_btnClick(form_controls& form) {
  if (!record_on_screen())
    return;
  transfer_position_ratings(form);
  update_pitch_position_colours(form);
}

void install_pitch_view(form_controls& form) {
  if (auto* picture = form.get<QLabel>("Image1")) {
    picture->setScaledContents(true);
    picture->setPixmap(draw_pitch(picture->minimumSize()));
  }
  for (const pitch_position& position : positions) {
    auto* marker = form.get<shape>(position.marker);
    if (marker == nullptr)
      continue;
    marker->set_figure(shape::figure::circle);
    marker->set_pen(clBlack, 3);
    fill_for_band(*marker, rating_band::up_to_4);
    set_control_cursor(marker, crHandPoint);
    on_mouse_down(marker, [marker, &form] { pitch_pos_MouseDown(marker, form); });
    on_mouse_move(marker,
                  [marker, &form] { marker->setToolTip(pitch_position_hint(marker, form)); });
  }
  if (auto* marker = form.get<shape>("pitch_pos_sc"))
    marker->setToolTip(QStringLiteral("SC: "));
  if (auto* button = form.get<QPushButton>("transfer_btn"))
    on_button_click(button, [&form] { transfer_btnClick(form); });
}
