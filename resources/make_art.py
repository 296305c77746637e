#!/usr/bin/env python3
"""Draws the program's pictures: the 32 x 32 16-colour icon. Run it again after changing a drawing."""
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

# A small aircraft seen from above over a sky-blue disc; '.' is transparent.
PLANE = [
    "...............##...............",
    "..............####..............",
    "..............####..............",
    "..............####..............",
    "..............####..............",
    "..............####..............",
    "..............####..............",
    ".............######.............",
    "..........############..........",
    "......####################......",
    "..############################..",
    ".##############################.",
    ".##############################.",
    "..............####..............",
    "..............####..............",
    "..............####..............",
    "..............####..............",
    "..............####..............",
    "..............####..............",
    "...........##########...........",
    "..........############..........",
    "..............####..............",
]


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


if __name__ == "__main__":
    write_icon(os.path.join(HERE, "Brimlow.ico"))
