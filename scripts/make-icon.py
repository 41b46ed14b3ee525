#!/usr/bin/env python3
"""Writes resources/rowfall.ico: one 32x32 image in 16 colours, falling blocks in brown."""
import os
import struct
import sys

SIZE = 32
CELL = 6  # a 5x5 well of 6-pixel cells inside a 1-pixel frame

# Index -> (red, green, blue); the brown palette of the saver, padded to 16 entries.
COLOURS = [
    (0, 0, 0),        # 0 frame
    (255, 193, 114),  # 1 empty well
    (255, 183, 104),  # 2 cell grid
    (162, 81, 1),     # 3 block face
    (227, 142, 57),   # 4 block light edge
    (104, 55, 5),     # 5 block dark edge
    (100, 50, 0),     # 6 spare: text brown
    (255, 255, 255),  # 7 spare: highlight
] + [(0, 0, 0)] * 8

# Cells holding a block, row by row from the top: a T falling into a heap with one gap.
WELL = [
    ".###.",
    "..#..",
    ".....",
    "#..##",
    "##.##",
]


def pixel(x, y):
    if x in (0, SIZE - 1) or y in (0, SIZE - 1):
        return 0
    cx, cy = (x - 1) // CELL, (y - 1) // CELL
    if cx > 4 or cy > 4:
        return 0
    dx, dy = (x - 1) % CELL, (y - 1) % CELL
    if WELL[cy][cx] != "#":
        return 2 if dx == CELL - 1 or dy == CELL - 1 else 1
    if dx == 0 or dy == 0:
        return 4
    if dx == CELL - 1 or dy == CELL - 1:
        return 5
    return 3


def icon_bytes():
    rows = []
    for y in reversed(range(SIZE)):  # DIB rows run bottom-up
        row = bytearray()
        for x in range(0, SIZE, 2):
            row.append(pixel(x, y) << 4 | pixel(x + 1, y))
        rows.append(bytes(row))
    xor = b"".join(rows)
    mask = bytes(SIZE * SIZE // 8)  # every pixel opaque
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in COLOURS)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0, len(xor) + len(mask),
                         0, 0, 16, 0)
    image = header + palette + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "resources", "rowfall.ico")
    with open(out, "wb") as f:
        f.write(icon_bytes())


if __name__ == "__main__":
    main()
