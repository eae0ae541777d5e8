#pragma once

#include <string_view>

class QComboBox;
class QLabel;
class form_controls;

// The picture file of a formation list entry, by the entry's position in the list: a path under
// the program's folder for positions 1 to 35, empty for any other.
std::string_view formation_picture_file(int item_index);

// Shows the picture of the list's chosen formation. The first entry ("Not set"), no choice, an
// entry beyond the pictures' table and a picture file that is missing or cannot be read all hide
// the picture. A file is decoded again only when its time stamp or size changed since it was
// last read.
void display_formation(const QComboBox* list, QLabel* picture);

// The four formation lists of "6. Coach" with their pictures, in the order they are shown.
void display_formations(form_controls& form);

// Frames the pictures and lets the user's choice in each list show its picture.
void install_formation_view(form_controls& form);
