#!/usr/bin/env python3
"""Draws the program's hand pointer and writes it as a Windows .cur file (data/HAND-M.CUR).

The picture is the pixel art below: X outline, o fill, anything else transparent. The hotspot
is the tip of the pointing finger.
"""
import struct
import sys

HAND = [
    "          XX          ",
    "         XooX         ",
    "         XooX         ",
    "         XooX         ",
    "         XooX         ",
    "         XooXXX       ",
    "         XooXooXXX    ",
    "         XooXooXooXX  ",
    "         XooXooXooXoX ",
    "     XXX XooXooXooXoX ",
    "    XoooXXooooooooXoX ",
    "    XooooXooooooooooX ",
    "     XoooXooooooooooX ",
    "      XooXooooooooooX ",
    "      XooooooooooooX  ",
    "       XoooooooooooX  ",
    "       XooooooooooX   ",
    "        XoooooooooX   ",
    "        XoooooooooX   ",
    "         XooooooooX   ",
    "         XooooooooX   ",
    "         XXXXXXXXXX   ",
]
HOTSPOT = (10, 0)
SIZE = 32


def pixel(x, y):
    """BGRA of the pixel at (x, y), counted from the top left."""
    row = HAND[y] if y < len(HAND) else ""
    c = row[x] if x < len(row) else " "
    return {"X": (0, 0, 0, 255), "o": (255, 255, 255, 255)}.get(c, (0, 0, 0, 0))


def cursor_bytes():
    colours = bytearray()
    mask = bytearray()
    for y in reversed(range(SIZE)):  # bitmaps are stored bottom-up
        bits = 0
        for x in range(SIZE):
            b, g, r, a = pixel(x, y)
            colours += bytes((b, g, r, a))
            bits = (bits << 1) | (1 if a == 0 else 0)
        mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 32, 0,
                         len(colours) + len(mask), 0, 0, 0, 0)
    image = header + colours + mask
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, HOTSPOT[0], HOTSPOT[1], len(image), 22)
    return directory + entry + image


if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else "data/HAND-M.CUR"
    with open(out, "wb") as f:
        f.write(cursor_bytes())
