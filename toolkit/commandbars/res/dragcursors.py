#!/usr/bin/python3
# Builds the cursors of a control dragged between bars while they are
# customised: 9105 copies it, 9106 moves it, 9107 finds no bar to take it.
# Each is the arrow with a dashed button outline below it (the control on the
# move), a plus sign for the copy and a barred circle where nothing takes it.
# The .cur files are committed beside this script.
#
#     python3 toolkit/commandbars/res/dragcursors.py [folder]
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "common",
                                "res"))
from cursors import ARROW, cursor_bytes, shape  # noqa: E402


def dashed_button(x, y):
    # The outline of a tool-bar button, drawn in dashes of three pixels.
    left, top, right, bottom = 11, 19, 24, 29
    on_edge = (x in (left, right - 1) and top <= y < bottom) or (
        y in (top, bottom - 1) and left <= x < right)
    return on_edge and (x + y) % 4 != 3


def plus(x, y):
    return (27 <= x < 29 and 20 <= y < 26) or (25 <= x < 31 and 22 <= y < 24)


def barred_circle(x, y):
    cx, cy, outer, inner = 24.5, 24.5, 6.5, 4.0
    d2 = (x + .5 - cx) ** 2 + (y + .5 - cy) ** 2
    if inner ** 2 <= d2 <= outer ** 2:
        return True
    return d2 < inner ** 2 and abs((x + .5 - cx) - (y + .5 - cy)) <= 1.5


def arrow_and(*extras):
    base = shape(ARROW)
    return lambda x, y: base(x, y) or any(extra(x, y) for extra in extras)


CURSORS = {
    "CustomizeCopy.cur": arrow_and(dashed_button, plus),
    "CustomizeMove.cur": arrow_and(dashed_button),
    "CustomizeNoDrop.cur": arrow_and(barred_circle),
}


if __name__ == "__main__":
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for name, test in CURSORS.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(cursor_bytes(test, (1, 1)))
