#!/usr/bin/python3
# Builds the icon strips of the run's panes (16 x 16 cells, 32-bit BMP, black
# as the transparent colour): LogIcons.bmp (the log's kinds) and
# StepIcons.bmp (one icon per step type). Committed beside this script.
#
#     python3 app/res/runicons.py
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


class Strip:
    def __init__(self, cells):
        self.w, self.h = cells * 16, 16
        self.px = [[(0, 0, 0)] * self.w for _ in range(self.h)]

    def put(self, cell, x, y, c):
        if 0 <= x < 16 and 0 <= y < 16:
            self.px[y][cell * 16 + x] = c

    def fill(self, cell, test, c):
        for y in range(16):
            for x in range(16):
                if test(x + .5, y + .5):
                    self.put(cell, x, y, c)

    def rect(self, cell, l, t, r, b, c):
        self.fill(cell, lambda x, y: l <= x < r and t <= y < b, c)

    def frame(self, cell, l, t, r, b, c):
        self.fill(cell, lambda x, y: l <= x < r and t <= y < b and not (
            l + 1 <= x < r - 1 and t + 1 <= y < b - 1), c)

    def disc(self, cell, cx, cy, r, c):
        self.fill(cell, lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r, c)

    def line(self, cell, x0, y0, x1, y1, c, width=1.5):
        def test(x, y):
            dx, dy = x1 - x0, y1 - y0
            t = max(0, min(1, ((x - x0) * dx + (y - y0) * dy) / float(dx * dx + dy * dy)))
            return math.hypot(x - x0 - t * dx, y - y0 - t * dy) <= width / 2
        self.fill(cell, test, c)

    def save(self, name):
        rows = b""
        for row in reversed(self.px):
            for r, g, b in row:
                rows += struct.pack("<BBBB", b, g, r, 255 if (r, g, b) != (0, 0, 0) else 0)
        header = struct.pack("<IiiHHIIiiII", 40, self.w, self.h, 1, 32, 0, len(rows), 2835, 2835, 0, 0)
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(b"BM" + struct.pack("<IHHI", 14 + len(header) + len(rows), 0, 0, 14 + len(header)))
            f.write(header + rows)


WHITE, BLUE, RED, GREEN = (255, 255, 255), (30, 80, 200), (200, 30, 30), (30, 150, 40)
YELLOW, FOLDER, GREY, DARK = (250, 210, 40), (230, 180, 60), (150, 150, 150), (60, 60, 60)


def log_icons():
    s = Strip(3)
    s.disc(0, 8, 8, 7, BLUE)
    s.rect(0, 7, 7, 9, 12, WHITE)
    s.rect(0, 7, 4, 9, 6, WHITE)
    s.fill(1, lambda x, y: y >= 2 + abs(x - 8) * 1.6 and y < 15, YELLOW)
    s.rect(1, 7, 5, 9, 11, RED)
    s.rect(1, 7, 12, 9, 14, RED)
    s.line(2, 3, 8, 7, 12, GREEN, 2.5)
    s.line(2, 7, 12, 13, 3, GREEN, 2.5)
    s.save("LogIcons.bmp")


def folder(s, cell):
    s.rect(cell, 1, 4, 7, 6, FOLDER)
    s.rect(cell, 1, 5, 15, 14, FOLDER)


def step_icons():
    s = Strip(17)
    s.frame(0, 1, 2, 15, 14, DARK)             # a program window
    s.rect(0, 1, 2, 15, 5, BLUE)
    s.rect(1, 1, 2, 15, 14, DARK)              # a command prompt
    s.line(1, 4, 6, 6, 8, WHITE, 1)
    s.line(1, 6, 8, 4, 10, WHITE, 1)
    s.rect(1, 7, 10, 11, 11, WHITE)
    folder(s, 2)                                 # folder with a green arrow
    s.line(2, 4, 10, 12, 10, GREEN, 2)
    s.frame(3, 1, 1, 9, 11, GREY)                # two pages with an arrow
    s.frame(3, 6, 5, 14, 15, DARK)
    s.line(3, 8, 10, 12, 10, BLUE, 1.5)
    s.line(4, 3, 3, 13, 13, RED, 2.5)            # a red cross
    s.line(4, 13, 3, 3, 13, RED, 2.5)
    s.frame(5, 1, 4, 15, 12, DARK)               # a text-cursor box
    s.rect(5, 7, 6, 8, 10, BLUE)
    folder(s, 6)                                 # a new folder
    s.disc(6, 12, 4, 3, YELLOW)
    folder(s, 7)                                 # a folder with a red cross
    s.line(7, 5, 7, 11, 13, RED, 2)
    s.line(7, 11, 7, 5, 13, RED, 2)
    s.frame(8, 1, 4, 15, 12, FOLDER)             # a text-cursor box
    s.rect(8, 7, 6, 8, 10, BLUE)
    s.rect(9, 2, 2, 10, 6, GREY)                 # a hammer
    s.line(9, 6, 6, 12, 14, FOLDER, 2.5)
    s.fill(10, lambda x, y: abs(x - 8) + abs(y - 8) <= 6.5, (120, 60, 170))  # a solution
    s.line(11, 3, 13, 11, 5, GREY, 2.5)          # tools
    s.disc(11, 12, 4, 2.5, DARK)
    folder(s, 12)                                # a folder tree
    s.line(12, 4, 8, 4, 12, DARK, 1)
    s.rect(12, 4, 11, 10, 12, DARK)
    s.frame(13, 4, 2, 12, 9, GREY)               # a padlock
    s.rect(13, 3, 7, 13, 15, YELLOW)
    s.frame(14, 2, 2, 11, 11, BLUE)              # a magnifier
    s.line(14, 10, 10, 14, 14, DARK, 2.5)
    s.fill(15, lambda x, y: x >= 2 and y <= 14 and y >= x, (40, 140, 160))  # a set square
    s.frame(16, 2, 1, 14, 15, DARK)              # a check list
    for y in (4, 8, 12):
        s.line(16, 4, y, 6, y + 1, GREEN, 1.2)
        s.rect(16, 8, y, 12, y + 1, DARK)
    s.save("StepIcons.bmp")


log_icons()
step_icons()
