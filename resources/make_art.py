#!/usr/bin/env python3
"""Draws the program's pictures: the 32 x 32 16-colour icon, the About window's 480 x 360 picture (256
colours, run-length encoded, which the system decodes by itself) and its two 40 x 32 16-colour button
bitmaps. Run it again after changing a drawing."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# The standard 16-colour palette (B, G, R).
PALETTE = [
    (0, 0, 0), (0, 0, 128), (0, 128, 0), (0, 128, 128), (128, 0, 0), (128, 0, 128), (128, 128, 0),
    (192, 192, 192), (128, 128, 128), (0, 0, 255), (0, 255, 0), (0, 255, 255), (255, 0, 0),
    (255, 0, 255), (255, 255, 0), (255, 255, 255),
]
SKY, NAVY, WHITE, SILVER, GREY, YELLOW = 12, 4, 15, 7, 8, 11

# A small aircraft seen from above over a sky-blue disc, row by row as the width of its centred body;
# '.' is transparent.
def _centred(width, size=32):
    pad = (size - width) // 2
    return "." * pad + "#" * width + "." * (size - width - pad)


FUSELAGE = [_centred(4)] * 6
PLANE = ([_centred(2)] + FUSELAGE + [_centred(w) for w in (6, 12, 20, 28, 30, 30)] + FUSELAGE +
         [_centred(10), _centred(12), _centred(4)])


def icon_pixels():
    size = 32
    pixels = [[None] * size for _ in range(size)]
    c = (size - 1) / 2
    for y in range(size):
        for x in range(size):
            d = ((x - c) ** 2 + (y - c) ** 2) ** 0.5
            if d <= 15.5:
                pixels[y][x] = NAVY if d > 14.3 else SKY
    top = 5
    for row, line in enumerate(PLANE):
        for x, ch in enumerate(line):
            if ch == "#":
                pixels[top + row][x] = WHITE if x % 31 else SILVER
    return pixels


def write_icon(path):
    pixels = icon_pixels()
    size = 32
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(size)):
        row = [p if p is not None else 0 for p in pixels[y]]
        for x in range(0, size, 2):
            xor.append((row[x] << 4) | row[x + 1])
        bits = 0
        for x in range(size):
            bits = (bits << 1) | (1 if pixels[y][x] is None else 0)
        mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (b, g, r) in PALETTE)
    image = header + palette + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), 22)
    with open(path, "wb") as f:
        f.write(directory + image)


def write_bmp(path, width, height, pixel, bits):
    """pixel(x, y) gives a palette index (bits 4) or an (r, g, b) colour (bits 24); y = 0 is the top row."""
    row_bytes = ((width * bits + 31) // 32) * 4
    rows = []
    for y in reversed(range(height)):
        row = bytearray()
        if bits == 24:
            for x in range(width):
                r, g, b = pixel(x, y)
                row += bytes((b, g, r))
        else:
            for x in range(0, width, 2):
                row.append((pixel(x, y) << 4) | pixel(x + 1, y))
        row += bytes(row_bytes - len(row))
        rows.append(bytes(row))
    palette = b"" if bits == 24 else b"".join(struct.pack("<BBBB", b, g, r, 0) for (b, g, r) in PALETTE)
    data = b"".join(rows)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(data), 2835, 2835,
                       0 if bits == 24 else 16, 0)
    with open(path, "wb") as f:
        f.write(header + info + palette + data)


def rle8_rows(rows):
    """Encodes bottom-up rows of palette indices as BI_RLE8: (count, index) runs, end of line, end of bitmap."""
    out = bytearray()
    for row in rows:
        x = 0
        while x < len(row):
            run = 1
            while x + run < len(row) and run < 255 and row[x + run] == row[x]:
                run += 1
            out += bytes((run, row[x]))
            x += run
        out += b"\x00\x00"
    out[-2:] = b"\x00\x01"
    return bytes(out)


def write_rle8_bmp(path, width, height, pixel):
    """pixel(x, y) gives an (r, g, b) colour; the picture must use at most 256 colours."""
    colours = sorted({pixel(x, y) for y in range(height) for x in range(width)})
    assert len(colours) <= 256, "too many colours for a 256-colour picture"
    index = {c: i for i, c in enumerate(colours)}
    data = rle8_rows([[index[pixel(x, y)] for x in range(width)] for y in reversed(range(height))])
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in colours)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 1, len(data), 2835, 2835, len(colours), 0)
    with open(path, "wb") as f:
        f.write(header + info + palette + data)


def inside_rounded(x, y, left, top, right, bottom, radius):
    if x < left or x >= right or y < top or y >= bottom:
        return False
    cx = min(max(x, left + radius), right - 1 - radius)
    cy = min(max(y, top + radius), bottom - 1 - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def about_pixel(x, y):
    """A rounded sky-blue plate on black (the cut-away colour), with a white aircraft and a horizon."""
    if not inside_rounded(x, y, 8, 4, 472, 316, 28):
        return (0, 0, 0)
    if not inside_rounded(x, y, 12, 8, 468, 312, 24):
        return (16, 40, 96)  # rim
    px, py = x - 120, y - 140  # aircraft centred at (120, 140), seen from above
    fuselage = abs(px) <= 6 and -70 <= py <= 70
    wing = abs(py + 5) <= 12 - abs(px) // 12 and abs(px) <= 100
    tail = abs(py - 58) <= 6 and abs(px) <= 34
    if fuselage or wing or tail:
        return (250, 250, 250) if (px + py) % 9 else (220, 226, 236)
    horizon = 250 + (x // 40) % 3
    if y > horizon:
        return (64 + (y - horizon) // 2, 120 + (y - horizon) // 3, 56)  # fields below the horizon
    shade = y * 120 // horizon
    return (90 + shade // 2, 150 + shade // 3, 235)  # sky, paler towards the horizon


def globe_pixel(x, y):
    cx, cy = 19.5, 15.5
    d = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
    if d > 14.5:
        return 7  # silver, the panel's colour
    if d > 13.5:
        return 4  # navy rim
    land = (x * 7 + y * 3) % 23 < 9 and abs(y - cy) < 11
    return 2 if land else 12


def envelope_pixel(x, y):
    if not (3 <= x <= 36 and 6 <= y <= 25):
        return 7
    if x in (3, 36) or y in (6, 25):
        return 0
    if abs((y - 6) - abs(x - 19.5) * 0.55) < 0.8 and y < 17:
        return 0  # the flap
    return 15


if __name__ == "__main__":
    write_icon(os.path.join(HERE, "Brimlow.ico"))
    write_rle8_bmp(os.path.join(HERE, "About.bmp"), 480, 360, about_pixel)
    write_bmp(os.path.join(HERE, "Website.bmp"), 40, 32, globe_pixel, 4)
    write_bmp(os.path.join(HERE, "Email.bmp"), 40, 32, envelope_pixel, 4)
