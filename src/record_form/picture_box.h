#pragma once

#include <QSize>

class QLabel;

// The size a picture label draws at: its size as laid out, or its fixed size while it has not
// been laid out yet.
QSize picture_box_size(const QLabel& box);
