#pragma once

class QComboBox;
class QImage;
class form_controls;

// The head on the Appearance page, recoloured with the skin tone chosen in staff_skin_tone and
// drawn over its shadow in staff_skin_tone_display. The pictures img/head/player.bmp and
// img/head/player_shadow.bmp of the program's folder are decoded again only when their files
// changed.

// The head template recoloured with the colour of the entry at the combo's current position.
// On failure (no entry there, a colour field that is not a number, a missing or unreadable
// file) shows "Could not load or alter bitmap", leaves in `bitmap` what it held by then and
// returns false.
bool get_skin_display_image(const QComboBox& staff_skin_tone, QImage& bitmap);
// The shadow picture; on failure the same message, an empty bitmap and false.
bool get_skin_display_shadow_image(QImage& bitmap);

// Hides the display while no skin tone is chosen (position 0, or no entry at all, as with an
// empty skin colour list); otherwise paints the shadow and then the recoloured head over the
// display's own picture, which is made white at the display's size on first use and kept.
void show_staff_skin_tone_display(form_controls& controls);

// staff_skin_toneChange: the user's choice of another entry rebuilds the display.
void bind_skin_tone_display(form_controls& controls);
