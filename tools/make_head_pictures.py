#!/usr/bin/env python3
"""Draws the skin-tone head template and its shadow as 24-bit bitmaps.

    python3 tools/make_head_pictures.py [output folder, default img/head]

The editor recolours the template with a skin colour: a pixel whose red, green and blue all
exceed 100 comes out white (and the bottom-left colour, white here, is see-through); every
other pixel takes the skin colour, darkened by its green value (shading) and its blue value
(features and outline). So every drawn pixel has red 0, green for shading and blue for lines.
The shadow is drawn unchanged under the head.
"""

import math
import os
import sys

from bmp_file import write_bmp

SIZE = 180
WHITE = (255, 255, 255)


def inside_ellipse(x, y, cx, cy, rx, ry):
    return ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2


def clamp(value, low=0, high=255):
    return max(low, min(high, int(round(value))))


def head_pixel(x, y):
    """The template at one pixel: WHITE outside the figure, else (0, shading, line)."""
    face = inside_ellipse(x, y, 90, 78, 48, 60)
    ears = min(inside_ellipse(x, y, 41, 82, 9, 15), inside_ellipse(x, y, 139, 82, 9, 15))
    neck = 70 <= x <= 110 and 120 <= y <= 168
    shoulders = inside_ellipse(x, y, 90, 200, 80, 42)

    if face > 1.0 and ears > 1.0 and not neck and shoulders > 1.0:
        return WHITE
    # Light from the upper left: shade grows towards the lower right of each part.
    shade = clamp(25 + 40 * ((x - 60) / 70) + 30 * ((y - 40) / 90), 0, 110)
    line = 0

    if face <= 1.0:
        if face > 0.93:
            line = 255  # outline
        elif y < 52 - 14 * math.cos((x - 90) / 48 * math.pi / 2) and face > 0.25:
            shade = 215  # hair over the forehead
        elif inside_ellipse(x, y, 72, 76, 6, 4) <= 1.0 or inside_ellipse(x, y, 108, 76, 6, 4) <= 1.0:
            line = 235  # eyes
        elif 64 <= x <= 80 and 65 <= y <= 67 or 100 <= x <= 116 and 65 <= y <= 67:
            line = 200  # brows
        elif 88 <= x <= 92 and 80 <= y <= 98:
            shade = min(255, shade + 70)  # shade beside the nose
        elif inside_ellipse(x, y, 90, 114, 15, 4) <= 1.0 and y >= 113:
            line = 170  # mouth
    elif ears <= 1.0:
        line = 255 if ears > 0.75 else 0
        shade = min(255, shade + 30)
    elif neck:
        line = 255 if x in (70, 110) else 0
        shade = min(255, shade + 60 - (y - 120))  # under the chin
    else:
        line = 255 if shoulders > 0.95 else 0
        shade = min(255, shade + 20)
    return (0, shade, line)


def shadow_pixel(x, y):
    """A soft grey figure, a little below and to the right of the head."""
    distance = min(
        inside_ellipse(x, y, 96, 84, 52, 64),
        inside_ellipse(x, y, 96, 206, 84, 46),
    )
    if distance >= 1.3:
        return WHITE
    darkness = 1.0 if distance <= 1.0 else (1.3 - distance) / 0.3
    grey = clamp(255 - 70 * darkness)
    return (grey, grey, grey)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join("img", "head")
    os.makedirs(folder, exist_ok=True)
    write_bmp(os.path.join(folder, "player.bmp"),
              [[head_pixel(x, y) for x in range(SIZE)] for y in range(SIZE)])
    write_bmp(os.path.join(folder, "player_shadow.bmp"),
              [[shadow_pixel(x, y) for x in range(SIZE)] for y in range(SIZE)])


if __name__ == "__main__":
    main()
