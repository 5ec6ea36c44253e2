#!/usr/bin/python3
# Builds the bitmap of the MDI child's window icons that the menu bar gives the
# image manager (restore, minimise, maximise, close, 16 x 16 each, in that
# order): black strokes on a magenta ground, whose top-left pixel is the mask
# colour. MDIButtons.bmp is committed beside this script.
#
#     python3 toolkit/commandbars/res/mdibuttons.py [folder]
import os
import struct
import sys

SIZE = 16
GROUND = (255, 0, 255)
INK = (0, 0, 0)


def box(l, t, r, b, top=2):
    """A window outline from (l, t) to (r, b) exclusive, its title bar `top` thick."""
    def test(x, y):
        if not (l <= x < r and t <= y < b):
            return False
        return x in (l, r - 1) or y == b - 1 or t <= y < t + top
    return test


def restore(x, y):
    # Two overlapping windows, the back one showing above and right.
    front = box(2, 6, 11, 14)
    back = box(5, 2, 14, 10)
    hidden = 2 <= x < 11 and 6 <= y < 14
    return front(x, y) or (back(x, y) and not hidden)


def minimise(x, y):
    return 4 <= x < 11 and 11 <= y < 13


def maximise(x, y):
    return box(3, 3, 13, 13)(x, y)


def close(x, y):
    # Two diagonals, two pixels wide.
    if not (4 <= x < 12 and 4 <= y < 11):
        return False
    return x - y in (0, 1) or x + y in (14, 15)


GLYPHS = [restore, minimise, maximise, close]


def bitmap():
    width = SIZE * len(GLYPHS)
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in reversed(range(SIZE)):  # bottom-up
        row = bytearray()
        for x in range(width):
            glyph = GLYPHS[x // SIZE]
            r, g, b = INK if glyph(x % SIZE, y) else GROUND
            row += bytes((b, g, r))
        row += bytes(stride - len(row))
        rows.append(bytes(row))
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, SIZE, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + pixels


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(folder, "MDIButtons.bmp"), "wb") as f:
        f.write(bitmap())


if __name__ == "__main__":
    main()
