#pragma once

#include <QPixmap>
#include <QSize>

// A football pitch seen from above, own goal at the bottom: striped grass, touchlines, halfway
// line, centre circle, penalty and goal areas, drawn to fill `size`.
QPixmap draw_pitch(QSize size);
