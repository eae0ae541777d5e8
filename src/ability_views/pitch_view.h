#pragma once

#include <QString>
#include <cstdint>
#include <span>

#include "records/staff_record.h"

class form_controls;
class shape;

// The fifteen position markers on the pitch of "7. Pos", each with its rating edit, the start of
// its hint and the record field the hint shows the exported rating of; in the order the
// colouring visits them.
struct pitch_position {
  const char* marker;
  const char* rating_edit;
  const char* hint_prefix;
  std::int8_t qor_staff::*field;
};
std::span<const pitch_position> pitch_positions();

// Fills every marker in the colour of its rating's band (a rating that is no number counts as
// 0; one outside 0 to 20 keeps its colour), then shows the best positions in
// position_mask_label. Nothing happens without a record on screen.
void update_pitch_position_colours(form_controls& form);

// Steps the marker's rating to the next of the cycle 0, 7, 10, 13, 17, 20, 0 and colours that
// marker for it (a rating outside 0 to 20 stays as it is), then shows the best positions.
void process_pitch_pos_click(shape* marker, form_controls& form);

// A click on a marker, any button: the step, then the weighted view and the expected potential
// ability of the record on screen, which take the new rating into it. Nothing happens without a
// record on screen.
void pitch_pos_MouseDown(shape* marker, form_controls& form);

// "DL - Current: " (for AMR "AMR: ") and the rating edit's text as it stands, then
// " (Orginal: n)" with the exported rating, 0 for a record added since the load.
QString pitch_position_hint(const shape* marker, form_controls& form);

// Fills each empty (0) position rating from the older position and side ratings: the smaller
// of the two, for a group whose older position rating is above 0 and a side rating of 0 or
// more. The goalkeeper and sweeper ratings are never touched; nothing is committed.
void transfer_position_ratings(form_controls& form);

// The conversion button: the conversion, then the colours. Nothing without a record on screen.
void transfer_btnClick(form_controls& form);

// Draws the pitch into Image1, makes the markers round, hand-pointed and clear, and binds the
// clicks, hints and the conversion button.
void install_pitch_view(form_controls& form);
