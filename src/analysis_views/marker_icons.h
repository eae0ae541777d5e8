#pragma once

#include <QPixmap>

// The two pictures of the check list markers: a tick for a fact in order, a cross for one that
// is not.
struct marker_icons {
  QPixmap tick;
  QPixmap cross;
};

// Reads both from img/icons beside the executable; a picture whose file is missing or
// unreadable is drawn instead.
marker_icons load_marker_icons();

// The drawn pictures (17 by 17): the shapes tools/make_marker_icons.py writes to the files.
QPixmap draw_tick_icon();
QPixmap draw_cross_icon();
