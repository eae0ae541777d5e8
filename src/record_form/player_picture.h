#pragma once

#include <QColor>

class QImage;
class form_controls;

// The player picture beside the head on the Appearance page: any picture of the player the user
// loads from disk, kept in the hidden Image3 and drawn stretched over Image4 to compare skin
// tones. It belongs to no record and stays until another picture is loaded.

// load_staff_picture_btnClick: asks for a picture through the dialog service; a chosen file
// replaces Image3's picture (an unreadable one is reported and changes nothing), then Image3's
// picture, or nothing when none was ever loaded, is drawn stretched over Image4's own picture.
void load_staff_picture_btnClick(form_controls& controls);

// The mean colour of the 4 x 4 block of `picture` from (x - 2, y - 2) to (x + 1, y + 1); a
// pixel outside the picture counts as white. Each channel is averaged by whole division.
QColor sample_picture_colour(const QImage& picture, int x, int y);

// Image3MouseDown (Image3 and Image4, any button): writes "X:<x> Y:<y>" into Edit1 and shows
// the colour sampled from Image4's picture at that point in Shape63.
void Image3MouseDown(form_controls& controls, int x, int y);

// Binds the button and the mouse-down of both pictures; sets the button's hint and Image4's
// cross cursor.
void bind_player_picture(form_controls& controls);
