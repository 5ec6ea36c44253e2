#!/usr/bin/python3
# Builds the toolkit's cursor resources (32 x 32, black and white with a
# transparent surround): each shape is a set of filled pixels, drawn white
# with a one-pixel black edge. The .cur files are committed beside this script.
#
#     python3 toolkit/common/res/cursors.py [folder]
import os
import struct
import sys

SIZE = 32


def inside(poly, x, y):
    """Whether the pixel centre (x + .5, y + .5) lies in the polygon."""
    px, py = x + 0.5, y + 0.5
    result = False
    for i in range(len(poly)):
        (x0, y0), (x1, y1) = poly[i], poly[i - 1]
        if (y0 > py) != (y1 > py) and px < x0 + (py - y0) * (x1 - x0) / (y1 - y0):
            result = not result
    return result


def shape(*polys, box=()):
    """Pixels inside any polygon or rectangle (left, top, right, bottom)."""
    def test(x, y):
        return any(inside(p, x, y) for p in polys) or any(
            l <= x < r and t <= y < b for l, t, r, b in box)
    return test


ARROW = [(1, 1), (1, 18), (5, 14), (8, 21), (11, 20), (8, 13), (13, 13)]


def arrow_with(extra):
    base = shape(ARROW)
    return lambda x, y: base(x, y) or extra(x, y)


def ring(cx, cy, outer, inner):
    return lambda x, y: inner ** 2 <= (x + .5 - cx) ** 2 + (y + .5 - cy) ** 2 <= outer ** 2


def no_drop(x, y):
    # A circle with a slash across it.
    d = (x + .5 - 15) - (y + .5 - 15)
    in_circle = (x + .5 - 15) ** 2 + (y + .5 - 15) ** 2 <= 11 ** 2
    return ring(15, 15, 11, 7.5)(x, y) or (in_circle and abs(d) <= 2.5 * 1.41)


def split(horizontal):
    # Two bars with arrows pointing away from them.
    def test(x, y):
        if not horizontal:
            x, y = y, x
        bars = 14 <= x < 16 or 17 <= x < 19
        bars = bars and 8 <= y < 24
        shaft = 5 <= x < 28 and 15 <= y < 17
        left = inside([(1, 16), (7, 10), (7, 22)], x, y)
        right = inside([(31, 16), (25, 10), (25, 22)], x, y)
        return bars or shaft or left or right
    return test


def hand(x, y):
    finger = 10 <= x < 14 and 2 <= y < 16
    fingers = 14 <= x < 25 and 10 <= y < 17
    palm = inside([(6, 16), (25, 16), (24, 27), (11, 27)], x, y)
    return finger or fingers or palm


CURSORS = {
    "DragMove.cur": (arrow_with(shape(box=[(14, 20, 26, 22), (14, 28, 26, 30), (14, 20, 16, 30),
                                           (24, 20, 26, 30)])), (1, 1)),
    "DragCopy.cur": (arrow_with(shape(box=[(14, 20, 26, 30), (27, 23, 31, 25), (28, 22, 30, 26)])),
                     (1, 1)),
    "NoDrop.cur": (no_drop, (15, 15)),
    "SplitHorizontal.cur": (split(True), (16, 16)),
    "SplitVertical.cur": (split(False), (16, 16)),
    "Hand.cur": (hand, (11, 2)),
}


def cursor_bytes(test, hotspot):
    fill = [[test(x, y) for x in range(SIZE)] for y in range(SIZE)]
    edge = [[not fill[y][x] and any(
        0 <= x + dx < SIZE and 0 <= y + dy < SIZE and fill[y + dy][x + dx]
        for dx in (-1, 0, 1) for dy in (-1, 0, 1)) for x in range(SIZE)] for y in range(SIZE)]
    xor_rows, and_rows = [], []
    for y in reversed(range(SIZE)):  # bottom-up
        xor_bits = and_bits = 0
        for x in range(SIZE):
            xor_bits = xor_bits << 1 | int(fill[y][x])
            and_bits = and_bits << 1 | int(not fill[y][x] and not edge[y][x])
        xor_rows.append(struct.pack(">I", xor_bits))
        and_rows.append(struct.pack(">I", and_bits))
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack("<II", 0x000000, 0xFFFFFF)
    image = header + palette + b"".join(xor_rows) + b"".join(and_rows)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, hotspot[0], hotspot[1], len(image), 22)
    return directory + entry + image


if __name__ == "__main__":
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for name, (test, hotspot) in CURSORS.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(cursor_bytes(test, hotspot))
