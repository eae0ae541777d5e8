"""The 24-bit bitmap writer our picture generators share."""

import struct


def write_bmp(path, pixels):
    """Writes rows of (red, green, blue) tuples, top row first, as a 24-bit bottom-up BMP."""
    height = len(pixels)
    width = len(pixels[0])
    row_size = (width * 3 + 3) // 4 * 4
    image_size = row_size * height
    header = b"BM" + struct.pack("<IHHI", 54 + image_size, 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, image_size, 2835, 2835, 0, 0)
    with open(path, "wb") as out:
        out.write(header + info)
        for row in reversed(pixels):
            data = b"".join(bytes((b, g, r)) for r, g, b in row)
            out.write(data + b"\0" * (row_size - len(data)))
