#!/usr/bin/env python3
"""Draws the two check list markers as 17 by 17 24-bit bitmaps.

    python3 tools/make_marker_icons.py [output folder, default img/icons]

A green tick (a fact in order) and a red cross (a fact missing), round-ended strokes three
pixels wide on white, softened at their edges. The editor draws the same shapes itself when a
file is missing (src/analysis/marker_icons.cpp).
"""

import math
import os
import sys

from bmp_file import write_bmp

SIZE = 17
HALF_WIDTH = 1.5
WHITE = (255, 255, 255)
TICK = ((3.5, 9.0), (7.0, 12.5), (13.5, 4.5))
CROSS = (((4.5, 4.5), (12.5, 12.5)), ((12.5, 4.5), (4.5, 12.5)))
GREEN = (0, 140, 40)
RED = (200, 20, 20)


def distance_to_segment(px, py, start, end):
    (ax, ay), (bx, by) = start, end
    dx, dy = bx - ax, by - ay
    along = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + along * dx), py - (ay + along * dy))


def picture(segments, colour):
    """Each pixel mixes the colour into white by how far its centre lies inside a stroke."""
    rows = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            distance = min(distance_to_segment(x + 0.5, y + 0.5, a, b) for a, b in segments)
            cover = max(0.0, min(1.0, HALF_WIDTH + 0.5 - distance))
            row.append(tuple(round(w + (c - w) * cover) for w, c in zip(WHITE, colour)))
        rows.append(row)
    return rows


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join("img", "icons")
    os.makedirs(folder, exist_ok=True)
    write_bmp(os.path.join(folder, "small_tick_icon_24bit.bmp"),
              picture(list(zip(TICK, TICK[1:])), GREEN))
    write_bmp(os.path.join(folder, "cross_small_24bit.bmp"), picture(CROSS, RED))


if __name__ == "__main__":
    main()
