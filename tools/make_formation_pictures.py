#!/usr/bin/env python3
"""Draws the 35 preferred-formation pictures as baseline JPEG files of 146 x 202 pixels.

    python3 tools/make_formation_pictures.py [output folder, default img/formations]

Each picture is a pitch seen from above, own goal at the bottom, with the formation's name in
digits at the top and one disc per player: the goalkeeper at the bottom, then the lines from
defence to attack. The encoder below is a plain baseline JPEG writer (standard tables, no
subsampling), so the script needs nothing beyond the standard library.
"""

import math
import re
import os
import struct
import sys

WIDTH = 146
HEIGHT = 202
QUALITY = 90

GRASS = (46, 128, 52)
GRASS_STRIPE = (56, 142, 60)
LINE = (235, 240, 235)
PLAYER = (220, 40, 40)
KEEPER = (245, 200, 30)
OUTLINE = (20, 20, 20)
CAPTION = (255, 255, 255)

# Heights of the lines of the pitch, from the own goal (0) upwards.
GOALKEEPER, SWEEPER, DEFENCE, HOLDING, MIDFIELD, ATTACKING, STRIKER = range(7)
LINE_Y = {
    GOALKEEPER: 186,
    SWEEPER: 165,
    DEFENCE: 150,
    HOLDING: 125,
    MIDFIELD: 102,
    ATTACKING: 76,
    STRIKER: 50,
}
# Across the pitch: 0 is the left touchline side, 4 the right.
X_OF_SLOT = [18, 45, 73, 101, 128]

# File name, then (line, slots across) for the ten outfield players.
FORMATIONS = [
    ("5-3-2_SW", [(SWEEPER, [2]), (DEFENCE, [0, 1.2, 2.8, 4]), (MIDFIELD, [1, 2, 3]),
                  (STRIKER, [1.5, 2.5])]),
    ("5-3-2", [(DEFENCE, [0, 1, 2, 3, 4]), (MIDFIELD, [1, 2, 3]), (STRIKER, [1.5, 2.5])]),
    ("4-4-2", [(DEFENCE, [0, 1.3, 2.7, 4]), (MIDFIELD, [0, 1.3, 2.7, 4]), (STRIKER, [1.5, 2.5])]),
    ("4-3-3", [(DEFENCE, [0, 1.3, 2.7, 4]), (MIDFIELD, [1, 2, 3]), (STRIKER, [0.5, 2, 3.5])]),
    ("4-2-4", [(DEFENCE, [0, 1.3, 2.7, 4]), (MIDFIELD, [1.3, 2.7]), (ATTACKING, [0, 4]),
               (STRIKER, [1.5, 2.5])]),
    ("3-5-2", [(DEFENCE, [1, 2, 3]), (MIDFIELD, [0, 1, 2, 3, 4]), (STRIKER, [1.5, 2.5])]),
    ("4-1-2-1-2", [(DEFENCE, [0, 1.3, 2.7, 4]), (HOLDING, [2]), (MIDFIELD, [1, 3]),
                   (ATTACKING, [2]), (STRIKER, [1.5, 2.5])]),
    ("4-5-1", [(DEFENCE, [0, 1.3, 2.7, 4]), (MIDFIELD, [0, 1, 2, 3, 4]), (STRIKER, [2])]),
    ("3-4-3", [(DEFENCE, [1, 2, 3]), (MIDFIELD, [0, 1.3, 2.7, 4]), (STRIKER, [0.5, 2, 3.5])]),
    ("3-4-1-2", [(DEFENCE, [1, 2, 3]), (MIDFIELD, [0, 1.3, 2.7, 4]), (ATTACKING, [2]),
                 (STRIKER, [1.5, 2.5])]),
    ("3-4-2-1", [(DEFENCE, [1, 2, 3]), (MIDFIELD, [0, 1.3, 2.7, 4]), (ATTACKING, [1.3, 2.7]),
                 (STRIKER, [2])]),
    ("4-3-2-1", [(DEFENCE, [0, 1.3, 2.7, 4]), (MIDFIELD, [1, 2, 3]), (ATTACKING, [1.3, 2.7]),
                 (STRIKER, [2])]),
    ("3-5-2_SW", [(SWEEPER, [2]), (DEFENCE, [1.2, 2.8]), (MIDFIELD, [0, 1, 2, 3, 4]),
                  (STRIKER, [1.5, 2.5])]),
    ("4-3-1-2", [(DEFENCE, [0, 1.3, 2.7, 4]), (MIDFIELD, [1, 2, 3]), (ATTACKING, [2]),
                 (STRIKER, [1.5, 2.5])]),
    ("5-4-1", [(DEFENCE, [0, 1, 2, 3, 4]), (MIDFIELD, [0, 1.3, 2.7, 4]), (STRIKER, [2])]),
    ("4-4-1-1", [(DEFENCE, [0, 1.3, 2.7, 4]), (MIDFIELD, [0, 1.3, 2.7, 4]), (ATTACKING, [2]),
                 (STRIKER, [2])]),
    ("4-4-2_SW", [(SWEEPER, [2]), (DEFENCE, [0, 2, 4]), (MIDFIELD, [0, 1.3, 2.7, 4]),
                  (STRIKER, [1.5, 2.5])]),
    ("4-2-3-1", [(DEFENCE, [0, 1.3, 2.7, 4]), (HOLDING, [1.3, 2.7]), (ATTACKING, [0.5, 2, 3.5]),
                 (STRIKER, [2])]),
    ("4-1-3-1-1", [(DEFENCE, [0, 1.3, 2.7, 4]), (HOLDING, [2]), (MIDFIELD, [0, 2, 4]),
                   (ATTACKING, [2]), (STRIKER, [2])]),
    ("4-1-3-2", [(DEFENCE, [0, 1.3, 2.7, 4]), (HOLDING, [2]), (MIDFIELD, [1, 2, 3]),
                 (STRIKER, [1.5, 2.5])]),
    ("4-2-3-1_DK", [(DEFENCE, [0, 1.3, 2.7, 4]), (HOLDING, [1.3, 2.7]), (MIDFIELD, [0.5, 2, 3.5]),
                    (STRIKER, [2])]),
    ("4-4-2_DM", [(DEFENCE, [0, 1.3, 2.7, 4]), (HOLDING, [2]), (MIDFIELD, [0, 2, 4]),
                  (STRIKER, [1.5, 2.5])]),
    ("4-5-1_DM", [(DEFENCE, [0, 1.3, 2.7, 4]), (HOLDING, [2]), (MIDFIELD, [0, 1.3, 2.7, 4]),
                  (STRIKER, [2])]),
    ("4-2-2-2_BRA", [(DEFENCE, [0, 1.3, 2.7, 4]), (HOLDING, [1.3, 2.7]), (ATTACKING, [1, 3]),
                     (STRIKER, [1.5, 2.5])]),
    ("4-4-2_DIA", [(DEFENCE, [0, 1.3, 2.7, 4]), (HOLDING, [2]), (MIDFIELD, [0.5, 3.5]),
                   (ATTACKING, [2]), (STRIKER, [1.5, 2.5])]),
    ("3-1-3-1-2_norm", [(DEFENCE, [1, 2, 3]), (HOLDING, [2]), (MIDFIELD, [0, 2, 4]),
                        (ATTACKING, [2]), (STRIKER, [1.5, 2.5])]),
    ("4-1-2-3_ATT", [(DEFENCE, [0, 1.3, 2.7, 4]), (HOLDING, [2]), (MIDFIELD, [1.3, 2.7]),
                     (STRIKER, [0.5, 2, 3.5])]),
    ("4-1-2-2-1_NORM", [(DEFENCE, [0, 1.3, 2.7, 4]), (HOLDING, [2]), (MIDFIELD, [1.3, 2.7]),
                        (ATTACKING, [0.5, 3.5]), (STRIKER, [2])]),
    ("4-2_DM-2-2_NORM", [(DEFENCE, [0, 1.3, 2.7, 4]), (HOLDING, [1.3, 2.7]), (MIDFIELD, [0, 4]),
                         (STRIKER, [1.5, 2.5])]),
    ("4-2_DM-3-1", [(DEFENCE, [0, 1.3, 2.7, 4]), (HOLDING, [1.3, 2.7]), (ATTACKING, [0, 2, 4]),
                    (STRIKER, [2])]),
    ("5-3-2_SCG", [(DEFENCE, [1, 2, 3]), (HOLDING, [0, 4]), (MIDFIELD, [1, 2, 3]),
                   (STRIKER, [1.5, 2.5])]),
    ("3-6-1", [(DEFENCE, [1, 2, 3]), (HOLDING, [2]), (MIDFIELD, [0, 1, 2, 3, 4]),
               (STRIKER, [2])]),
    ("4-1-4-1", [(DEFENCE, [0, 1.3, 2.7, 4]), (HOLDING, [2]), (ATTACKING, [0, 1.3, 2.7, 4]),
                 (STRIKER, [2])]),
    ("4-2-2-1-1", [(DEFENCE, [0, 1.3, 2.7, 4]), (HOLDING, [1.3, 2.7]), (MIDFIELD, [0, 4]),
                   (ATTACKING, [2]), (STRIKER, [2])]),
    ("3-4-1-2_DM", [(DEFENCE, [1, 2, 3]), (HOLDING, [1.3, 2.7]), (MIDFIELD, [0, 4]),
                    (ATTACKING, [2]), (STRIKER, [1.5, 2.5])]),
]

# Digits and the dash of the caption, five rows of three columns.
GLYPHS = {
    "0": ["###", "#.#", "#.#", "#.#", "###"],
    "1": [".#.", "##.", ".#.", ".#.", "###"],
    "2": ["###", "..#", "###", "#..", "###"],
    "3": ["###", "..#", "###", "..#", "###"],
    "4": ["#.#", "#.#", "###", "..#", "..#"],
    "5": ["###", "#..", "###", "..#", "###"],
    "6": ["###", "#..", "###", "#.#", "###"],
    "-": ["...", "...", "###", "...", "..."],
}


# ---- Drawing ----

def new_canvas():
    canvas = []
    for y in range(HEIGHT):
        colour = GRASS_STRIPE if (y // 20) % 2 == 0 else GRASS
        canvas.append([colour] * WIDTH)
    return canvas


def put(canvas, x, y, colour):
    if 0 <= x < WIDTH and 0 <= y < HEIGHT:
        canvas[y][x] = colour


def rectangle_outline(canvas, left, top, right, bottom, colour):
    for x in range(left, right + 1):
        put(canvas, x, top, colour)
        put(canvas, x, bottom, colour)
    for y in range(top, bottom + 1):
        put(canvas, left, y, colour)
        put(canvas, right, y, colour)


def circle_outline(canvas, cx, cy, radius, colour):
    steps = int(2 * math.pi * radius * 2)
    for step in range(steps):
        angle = 2 * math.pi * step / steps
        put(canvas, round(cx + radius * math.cos(angle)), round(cy + radius * math.sin(angle)),
            colour)


def disc(canvas, cx, cy, radius, fill, outline):
    for y in range(int(cy - radius) - 1, int(cy + radius) + 2):
        for x in range(int(cx - radius) - 1, int(cx + radius) + 2):
            distance = math.hypot(x - cx, y - cy)
            if distance <= radius - 1:
                put(canvas, x, y, fill)
            elif distance <= radius:
                put(canvas, x, y, outline)


def draw_pitch(canvas):
    left, top, right, bottom = 6, 16, WIDTH - 7, HEIGHT - 5
    middle_x = (left + right) // 2
    middle_y = (top + bottom) // 2
    rectangle_outline(canvas, left, top, right, bottom, LINE)
    for x in range(left, right + 1):
        put(canvas, x, middle_y, LINE)
    circle_outline(canvas, middle_x, middle_y, 17, LINE)
    for goal_line, direction in ((top, 1), (bottom, -1)):
        box_depth = 28 * direction
        rectangle_outline(canvas, middle_x - 38, min(goal_line, goal_line + box_depth),
                          middle_x + 38, max(goal_line, goal_line + box_depth), LINE)
        small_depth = 10 * direction
        rectangle_outline(canvas, middle_x - 16, min(goal_line, goal_line + small_depth),
                          middle_x + 16, max(goal_line, goal_line + small_depth), LINE)


def draw_caption(canvas, text):
    scale = 2
    glyph_width = (3 + 1) * scale
    width = len(text) * glyph_width - scale
    x0 = (WIDTH - width) // 2
    for y in range(0, 14):
        for x in range(WIDTH):
            canvas[y][x] = (30, 70, 34)
    for index, character in enumerate(text):
        rows = GLYPHS[character]
        for row, pattern in enumerate(rows):
            for column, mark in enumerate(pattern):
                if mark != "#":
                    continue
                for dy in range(scale):
                    for dx in range(scale):
                        put(canvas, x0 + index * glyph_width + column * scale + dx,
                            2 + row * scale + dy, CAPTION)


def caption_of(name):
    """The numbers of the name: "4-2_DM-3-1" is captioned 4-2-3-1."""
    return "-".join(part for part in re.split(r"[^0-9]+", name) if part)


def draw_formation(name, lines):
    canvas = new_canvas()
    draw_pitch(canvas)
    draw_caption(canvas, caption_of(name))
    disc(canvas, X_OF_SLOT[2], LINE_Y[GOALKEEPER], 6, KEEPER, OUTLINE)
    players = 0
    for line, slots in lines:
        for slot in slots:
            x = X_OF_SLOT[0] + slot * (X_OF_SLOT[4] - X_OF_SLOT[0]) / 4
            disc(canvas, x, LINE_Y[line], 6, PLAYER, OUTLINE)
            players += 1
    if players != 10:
        raise ValueError(f"{name}: {players} outfield players")
    return canvas


# ---- Baseline JPEG ----

ZIGZAG = [
    0, 1, 8, 16, 9, 2, 3, 10, 17, 24, 32, 25, 18, 11, 4, 5, 12, 19, 26, 33, 40, 48, 41, 34, 27,
    20, 13, 6, 7, 14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51, 58,
    59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63,
]

LUMINANCE_QUANTISER = [
    16, 11, 10, 16, 24, 40, 51, 61, 12, 12, 14, 19, 26, 58, 60, 55, 14, 13, 16, 24, 40, 57, 69,
    56, 14, 17, 22, 29, 51, 87, 80, 62, 18, 22, 37, 56, 68, 109, 103, 77, 24, 35, 55, 64, 81, 104,
    113, 92, 49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99,
]
CHROMINANCE_QUANTISER = [
    17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99, 24, 26, 56, 99, 99, 99, 99,
    99, 47, 66, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
]

# The usual Huffman tables: code counts per length 1 to 16, then the symbols.
DC_LUMINANCE = ([0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0], list(range(12)))
DC_CHROMINANCE = ([0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0], list(range(12)))
AC_LUMINANCE = ([0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7D], bytes.fromhex(
    "01020300041105122131410613516107227114328191a1082342b1c11552d1f02433627282090a161718191a"
    "25262728292a3435363738393a434445464748494a535455565758595a636465666768696a737475767778"
    "797a838485868788898a92939495969798999aa2a3a4a5a6a7a8a9aab2b3b4b5b6b7b8b9bac2c3c4c5c6c7"
    "c8c9cad2d3d4d5d6d7d8d9dae1e2e3e4e5e6e7e8e9eaf1f2f3f4f5f6f7f8f9fa"))
AC_CHROMINANCE = ([0, 2, 1, 2, 4, 4, 3, 4, 7, 5, 4, 4, 0, 1, 2, 0x77], bytes.fromhex(
    "000102031104052131061241510761711322328108144291a1b1c109233352f0156272d10a162434e125f1"
    "1718191a262728292a35363738393a434445464748494a535455565758595a636465666768696a73747576"
    "7778797a82838485868788898a92939495969798999aa2a3a4a5a6a7a8a9aab2b3b4b5b6b7b8b9bac2c3c4"
    "c5c6c7c8c9cad2d3d4d5d6d7d8d9dae2e3e4e5e6e7e8e9eaf2f3f4f5f6f7f8f9fa"))


def scaled_quantiser(table):
    scale = 5000 // QUALITY if QUALITY < 50 else 200 - QUALITY * 2
    return [min(255, max(1, (value * scale + 50) // 100)) for value in table]


def huffman_codes(table):
    counts, symbols = table
    codes = {}
    code = 0
    index = 0
    for length, count in enumerate(counts, start=1):
        for _ in range(count):
            codes[symbols[index]] = (code, length)
            code += 1
            index += 1
        code <<= 1
    return codes


COSINES = [[(math.sqrt(0.125) if u == 0 else 0.5) * math.cos((2 * x + 1) * u * math.pi / 16)
            for x in range(8)] for u in range(8)]


def forward_dct(block):
    rows = [[sum(COSINES[u][x] * block[y * 8 + x] for x in range(8)) for u in range(8)]
            for y in range(8)]
    return [sum(COSINES[v][y] * rows[y][u] for y in range(8)) for v in range(8) for u in range(8)]


class bit_writer:
    def __init__(self):
        self.data = bytearray()
        self.buffer = 0
        self.count = 0

    def write(self, code, length):
        for shift in range(length - 1, -1, -1):
            self.buffer = (self.buffer << 1) | ((code >> shift) & 1)
            self.count += 1
            if self.count == 8:
                self.data.append(self.buffer)
                if self.buffer == 0xFF:
                    self.data.append(0)
                self.buffer = 0
                self.count = 0

    def flush(self):
        if self.count:
            self.write((1 << (8 - self.count)) - 1, 8 - self.count)


def magnitude(value):
    size = abs(value).bit_length()
    bits = value if value >= 0 else value + (1 << size) - 1
    return size, bits


def encode_block(writer, coefficients, previous_dc, dc_codes, ac_codes):
    dc = coefficients[0]
    size, bits = magnitude(dc - previous_dc)
    writer.write(*dc_codes[size])
    writer.write(bits, size)
    run = 0
    for value in coefficients[1:]:
        if value == 0:
            run += 1
            continue
        while run > 15:
            writer.write(*ac_codes[0xF0])
            run -= 16
        size, bits = magnitude(value)
        writer.write(*ac_codes[(run << 4) | size])
        writer.write(bits, size)
        run = 0
    if run:
        writer.write(*ac_codes[0x00])
    return dc


def segment(marker, payload):
    return struct.pack(">BBH", 0xFF, marker, len(payload) + 2) + payload


def huffman_segment(table_class, table_id, table):
    counts, symbols = table
    return bytes([(table_class << 4) | table_id]) + bytes(counts) + bytes(symbols)


def encode_jpeg(canvas):
    quantisers = [scaled_quantiser(LUMINANCE_QUANTISER), scaled_quantiser(CHROMINANCE_QUANTISER)]
    dc_codes = [huffman_codes(DC_LUMINANCE), huffman_codes(DC_CHROMINANCE)]
    ac_codes = [huffman_codes(AC_LUMINANCE), huffman_codes(AC_CHROMINANCE)]
    planes = [[], [], []]
    for row in canvas:
        for red, green, blue in row:
            planes[0].append(0.299 * red + 0.587 * green + 0.114 * blue - 128)
            planes[1].append(-0.168736 * red - 0.331264 * green + 0.5 * blue)
            planes[2].append(0.5 * red - 0.418688 * green - 0.081312 * blue)
    writer = bit_writer()
    previous = [0, 0, 0]
    for block_y in range(0, HEIGHT, 8):
        for block_x in range(0, WIDTH, 8):
            for component in range(3):
                table = 0 if component == 0 else 1
                block = []
                for y in range(8):
                    source_y = min(block_y + y, HEIGHT - 1)
                    for x in range(8):
                        source_x = min(block_x + x, WIDTH - 1)
                        block.append(planes[component][source_y * WIDTH + source_x])
                transformed = forward_dct(block)
                quantised = [round(transformed[ZIGZAG[i]] / quantisers[table][ZIGZAG[i]])
                             for i in range(64)]
                previous[component] = encode_block(writer, quantised, previous[component],
                                                   dc_codes[table], ac_codes[table])
    writer.flush()

    out = bytearray(b"\xFF\xD8")
    out += segment(0xE0, b"JFIF\0" + struct.pack(">BBBHHBB", 1, 1, 0, 1, 1, 0, 0))
    for table_id, quantiser in enumerate(quantisers):
        out += segment(0xDB, bytes([table_id]) + bytes(quantiser[i] for i in ZIGZAG))
    components = b"".join(bytes([index + 1, 0x11, 0 if index == 0 else 1]) for index in range(3))
    out += segment(0xC0, struct.pack(">BHHB", 8, HEIGHT, WIDTH, 3) + components)
    out += segment(0xC4, huffman_segment(0, 0, DC_LUMINANCE) + huffman_segment(1, 0, AC_LUMINANCE)
                   + huffman_segment(0, 1, DC_CHROMINANCE) + huffman_segment(1, 1, AC_CHROMINANCE))
    scan_components = b"".join(bytes([index + 1, 0x00 if index == 0 else 0x11])
                               for index in range(3))
    out += segment(0xDA, bytes([3]) + scan_components + bytes([0, 63, 0]))
    out += writer.data
    out += b"\xFF\xD9"
    return bytes(out)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join("img", "formations")
    os.makedirs(folder, exist_ok=True)
    for name, lines in FORMATIONS:
        path = os.path.join(folder, f"tolvan_{name}.jpg")
        with open(path, "wb") as out:
            out.write(encode_jpeg(draw_formation(name, lines)))
    print(f"{len(FORMATIONS)} pictures in {folder}")


if __name__ == "__main__":
    main()
