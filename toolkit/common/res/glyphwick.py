#!/usr/bin/python3
# Builds Glyphwick.ttf, the toolkit's glyph font (RT_FONT resource 9979):
# the small pictures of caption buttons, menus, bars, tabs and scroll bars,
# one per character code that the drawing code passes. Run it with Debian's
# fontforge Python module (apt-get install fontforge python3-fontforge):
#
#     /usr/bin/python3 toolkit/common/res/glyphwick.py [output.ttf]
#
# The generated font is committed beside this script, so builds need no fontforge.
import math
import os
import sys

import fontforge

EM = 1024
DESCENT = 224
ASCENT = EM - DESCENT


def point(u, v):
    """A point of the square cell: u right, v up, both 0..1."""
    return (round(u * EM), round(-DESCENT + v * EM))


def polygon(pen, points):
    pen.moveTo(point(*points[0]))
    for p in points[1:]:
        pen.lineTo(point(*p))
    pen.closePath()


def bar(pen, a, b, width):
    """A straight stroke of `width` (cell units) from a to b, with square ends."""
    (x0, y0), (x1, y1) = a, b
    length = math.hypot(x1 - x0, y1 - y0)
    nx, ny = -(y1 - y0) / length * width / 2, (x1 - x0) / length * width / 2
    polygon(pen, [(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)])


def rect(pen, left, bottom, right, top):
    polygon(pen, [(left, bottom), (right, bottom), (right, top), (left, top)])


def frame(pen, left, bottom, right, top, side, cap):
    """A window outline: sides of `side`, a title band of `cap` at the top."""
    rect(pen, left, bottom, right, bottom + side)
    rect(pen, left, top - cap, right, top)
    rect(pen, left, bottom, left + side, top)
    rect(pen, right - side, bottom, right, top)


def triangle(direction, size, cx=0.5, cy=0.5):
    """A filled triangle pointing left, right, up or down; `size` is its long side."""
    half, depth = size / 2, size / 2
    shapes = {
        "left": [(cx + depth / 2, cy - half), (cx + depth / 2, cy + half), (cx - depth / 2, cy)],
        "right": [(cx - depth / 2, cy - half), (cx + depth / 2, cy), (cx - depth / 2, cy + half)],
        "up": [(cx - half, cy - depth / 2), (cx + half, cy - depth / 2), (cx, cy + depth / 2)],
        "down": [(cx - half, cy + depth / 2), (cx, cy - depth / 2), (cx + half, cy + depth / 2)],
    }
    return lambda pen: polygon(pen, shapes[direction])


def chevrons(direction, size, width):
    """Two chevrons side by side pointing right or down, each `size` long."""
    def draw(pen):
        for offset in (-0.14, 0.14):
            if direction == "right":
                x = 0.5 + offset
                bar(pen, (x - size / 4, 0.5 + size / 2), (x + size / 4, 0.5), width)
                bar(pen, (x + size / 4, 0.5), (x - size / 4, 0.5 - size / 2), width)
            else:
                y = 0.5 - offset
                bar(pen, (0.5 - size / 2, y + size / 4), (0.5, y - size / 4), width)
                bar(pen, (0.5, y - size / 4), (0.5 + size / 2, y + size / 4), width)
    return draw


def check(mirrored):
    def draw(pen):
        pts = [(0.2, 0.5), (0.42, 0.27), (0.82, 0.72)]
        if mirrored:
            pts = [(1 - u, v) for u, v in pts]
        bar(pen, pts[0], pts[1], 0.13)
        bar(pen, pts[1], pts[2], 0.13)
    return draw


def bullet(pen):
    polygon(pen, [(0.5 + 0.17 * math.cos(a * math.pi / 16), 0.5 + 0.17 * math.sin(a * math.pi / 16))
                  for a in range(32)])


def close(pen):
    bar(pen, (0.24, 0.24), (0.76, 0.76), 0.13)
    bar(pen, (0.24, 0.76), (0.76, 0.24), 0.13)


def minimize(pen):
    rect(pen, 0.22, 0.2, 0.78, 0.32)


def maximize(pen):
    frame(pen, 0.2, 0.2, 0.8, 0.8, 0.07, 0.16)


def restore(pen):
    frame(pen, 0.16, 0.16, 0.64, 0.64, 0.07, 0.14)
    # The window behind shows only above and to the right of the front one.
    rect(pen, 0.36, 0.7, 0.84, 0.84)
    rect(pen, 0.77, 0.36, 0.84, 0.84)
    rect(pen, 0.64, 0.36, 0.84, 0.43)
    rect(pen, 0.36, 0.64, 0.43, 0.84)


def customise(direction):
    """The customise arrow: a small triangle behind a bar."""
    def draw(pen):
        if direction == "down":
            rect(pen, 0.3, 0.66, 0.7, 0.74)
            triangle("down", 0.4, 0.5, 0.42)(pen)
        else:
            rect(pen, 0.26, 0.3, 0.34, 0.7)
            triangle("right", 0.4, 0.58, 0.5)(pen)
    return draw


GLYPHS = {
    39: ("tkMinimize", minimize),
    40: ("tkMaximize", maximize),
    41: ("tkRestore", restore),
    43: ("tkClose", close),
    45: ("tkCheck", check(False)),
    46: ("tkCheckMirrored", check(True)),
    47: ("tkRadio", bullet),
    48: ("tkArrowLeft", triangle("left", 0.5)),
    49: ("tkArrowRight", triangle("right", 0.5)),
    50: ("tkArrowUp", triangle("up", 0.5)),
    51: ("tkArrowDown", triangle("down", 0.5)),
    54: ("tkSpinUp", triangle("up", 0.44, 0.5, 0.45)),
    55: ("tkSpinDown", triangle("down", 0.44, 0.5, 0.55)),
    57: ("tkChevronRightSmall", chevrons("right", 0.36, 0.09)),
    59: ("tkChevronDownSmall", chevrons("down", 0.36, 0.09)),
    61: ("tkChevronDown", chevrons("down", 0.5, 0.12)),
    62: ("tkChevronRight", chevrons("right", 0.5, 0.12)),
    65: ("tkCustomiseRight", customise("right")),
    67: ("tkCustomiseDown", customise("down")),
}


def build(path):
    font = fontforge.font()
    font.encoding = "UnicodeFull"
    font.em = EM
    font.ascent = ASCENT
    font.descent = DESCENT
    font.familyname = font.fontname = font.fullname = "Glyphwick"
    font.copyright = "Velmoran project; generated by glyphwick.py"
    font.version = "1.0"
    font.os2_panose = (2, 0, 5, 9, 0, 0, 0, 0, 0, 0)  # proportion 9: monospaced

    notdef = font.createChar(-1, ".notdef")
    notdef.width = EM
    space = font.createChar(32, "space")
    space.width = EM
    for code, (name, draw) in GLYPHS.items():
        glyph = font.createChar(code, name)
        draw(glyph.glyphPen())
        glyph.width = EM
        glyph.removeOverlap()
        glyph.correctDirection()
        glyph.round()
    font.generate(path)


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    build(sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "Glyphwick.ttf"))
