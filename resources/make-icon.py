#!/usr/bin/env python3
"""Writes the application icon: one 32 x 32 image of 256 colours, a blue
square with a white arrow pointing down into a tray (an update).

usage: make-icon.py OUT.ico
"""
import struct
import sys

SIZE = 32


def palette():
    """Index 0 transparent black, 1 white, 2-255 a ramp of blues."""
    colours = [(0, 0, 0), (255, 255, 255)]
    colours += [(0, i // 4, 40 + (i * 215) // 253) for i in range(254)]
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in colours)


def pixel(x, y):
    if x in (0, SIZE - 1) or y in (0, SIZE - 1):
        return 0
    arrow_stem = 13 <= x <= 18 and 5 <= y <= 16
    arrow_head = 17 <= y <= 23 and abs(x - 15.5) <= 23 - y
    tray = 25 <= y <= 27 and 6 <= x <= 25 or 21 <= y <= 27 and (6 <= x <= 7 or 24 <= x <= 25)
    if arrow_stem or arrow_head or tray:
        return 1
    return 2 + (SIZE - y) * 250 // SIZE


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__.strip())
    rows = range(SIZE - 1, -1, -1)  # bitmaps are stored bottom-up
    xor = b"".join(bytes(pixel(x, y) for x in range(SIZE)) for y in rows)
    mask_rows = []
    for y in rows:
        bits = 0
        for x in range(SIZE):
            bits = bits << 1 | (1 if pixel(x, y) == 0 else 0)
        mask_rows.append(struct.pack(">I", bits))
    mask = b"".join(mask_rows)
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 8, 0, len(xor) + len(mask), 0, 0, 256, 0)
    image = info + palette() + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 8, len(image), 6 + 16)
    with open(sys.argv[1], "wb") as out:
        out.write(directory + entry + image)


if __name__ == "__main__":
    main()
