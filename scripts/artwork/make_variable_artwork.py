#!/usr/bin/python3
# Draws the variable page's tool-bar picture, app/res/VariableToolBar.bmp:
# three 20 x 20 cells (Add, Edit, Delete Variable), 24-bit, on the magenta
# key. Committed beside the resource script that carries it.
#
#     python3 scripts/artwork/make_variable_artwork.py
import os
import struct

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
OUT = os.path.join(ROOT, "app", "res", "VariableToolBar.bmp")

KEY = (255, 0, 255)
BLUE = (40, 90, 170)
GREEN = (30, 130, 40)
ORANGE = (210, 130, 30)
RED = (190, 40, 40)
GREY = (90, 90, 90)
CELL = 20


def variable_mark(px, cell, colour):
    """A small "(x)": two brackets and a cross, the variable's sign."""
    ox = cell * CELL
    for y in range(5, 15):
        bend = 1 if y in (5, 6, 13, 14) else 0
        px[y][ox + 3 + bend] = colour
        px[y][ox + 12 - bend] = colour
    for i in range(6):
        px[7 + i][ox + 5 + i] = colour
        px[12 - i][ox + 5 + i] = colour


def plus(px, cell, colour):
    ox = cell * CELL
    for i in range(13, 20):
        for w in (15, 16):
            px[w][ox + i] = colour
    for y in range(12, 19):
        for w in (16, 17):
            px[y][ox + w] = colour


def pencil(px, cell):
    ox = cell * CELL
    for i in range(8):
        for w in range(2):
            x, y = ox + 11 + i + w, 18 - i
            if x < ox + CELL:
                px[y][x] = ORANGE
    px[19][ox + 10] = GREY


def cross(px, cell, colour):
    ox = cell * CELL
    for i in range(7):
        for w in range(2):
            px[12 + i][ox + 12 + i + w] = colour
            px[18 - i][ox + 12 + i + w] = colour


def main():
    width, height = 3 * CELL, CELL
    px = [[KEY] * width for _ in range(height)]
    for cell in range(3):
        variable_mark(px, cell, BLUE)
    plus(px, 0, GREEN)
    pencil(px, 1)
    cross(px, 2, RED)
    stride = (width * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(px):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += bytes(stride - len(line))
        data += line
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(OUT, "wb") as f:
        f.write(header + info + data)


if __name__ == "__main__":
    main()
