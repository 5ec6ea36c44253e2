#!/usr/bin/env python3
"""Writes the pictures of the about dialog and the variable page into app/res:
the about banner (AboutBanner.bmp, bitmap 1000, 550 by 60), the variable
page's tool-bar strips (bitmaps 1011 to 1013: normal, disabled and hot, three
20 by 20 icons each) and the variable row icon (bitmap 1014, 16 by 16). All
are 32-bit with alpha, black where nothing is drawn. The output is committed;
run the script again after changing it and commit what changes.

    python3 scripts/artwork/make_step_artwork.py [OUTDIR]
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from app_icons import BLUE, GREEN, INK, LIGHT_BLUE, RED, WHITE, YELLOW, bmp, program_icon  # noqa: E402
from raster import Raster, mix, shade  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
NAVY = (24, 52, 98)


def _variable_mark(r, cx, cy, s, color):
    """"(x)": two arcs and a cross, s the half height."""
    r.ring(cx, cy, s, max(1.2, s / 4.5), color)
    # Open the ring at top and bottom so that it reads as two brackets.
    clear = (0, 0, 0, 0)
    for y in range(int(cy - s - 2), int(cy + s + 3)):
        for x in range(int(cx - s / 2.2), int(cx + s / 2.2) + 1):
            if 0 <= x < r.w and 0 <= y < r.h and abs(y - cy) > s * 0.55:
                r.px[y][x] = list(clear)
    k = s * 0.42
    w = max(1.2, s / 4.5)
    r.line(cx - k, cy - k, cx + k, cy + k, w, color)
    r.line(cx + k, cy - k, cx - k, cy + k, w, color)


def variable_icon():
    r = Raster(16, 16)
    _variable_mark(r, 8, 8, 6.5, BLUE)
    return r


def _tool_icon(kind, palette):
    r = Raster(20, 20)
    _variable_mark(r, 8, 9, 6.5, palette["mark"])
    if kind == "add":
        r.rect(11, 12, 20, 15, palette["add"])
        r.rect(14, 10, 17, 18, palette["add"])
    elif kind == "edit":
        r.line(11, 18, 18, 11, 2.5, palette["edit"])
        r.polygon([(9, 19.5), (10, 16), (12.5, 18.5)], palette["ink"])
    else:
        r.rect(11, 13, 19, 16, palette["delete"])
    return r


PALETTES = {
    "normal": {"mark": BLUE, "add": GREEN, "edit": YELLOW, "delete": RED, "ink": INK},
    "disabled": {k: mix(v, (160, 160, 160), 0.85) for k, v in
                 {"mark": BLUE, "add": GREEN, "edit": YELLOW, "delete": RED, "ink": INK}.items()},
    "hot": {k: shade(v, 0.25) for k, v in
            {"mark": BLUE, "add": GREEN, "edit": YELLOW, "delete": RED, "ink": INK}.items()},
}


def variable_toolbar(state):
    """Add, Edit and Delete Variable (commands 4026, 4028, 4027) side by side."""
    strip = Raster(60, 20)
    for i, kind in enumerate(("add", "edit", "delete")):
        strip.blit(_tool_icon(kind, PALETTES[state]), 20 * i, 0)
    return strip


def about_banner():
    """A band from navy to light blue with the program's icon and rising steps."""
    r = Raster(550, 60, fill=NAVY)
    r.hgrad(0, 0, 550, 60, NAVY, mix(BLUE, LIGHT_BLUE, 0.5))
    r.rect(0, 57, 550, 60, (250, 220, 90))
    r.blit(program_icon(32), 14, 14)
    # A row of build steps, each a little further on, ending in a run arrow.
    for i in range(7):
        x = 70 + i * 58
        y = 40 - i * 4
        r.round_rect(x, y, x + 46, y + 10, 3, fill=(shade(LIGHT_BLUE, 0.3), LIGHT_BLUE),
                     border=shade(NAVY, 0.2))
    r.polygon([(486, 8), (530, 26), (486, 44)], (250, 220, 90))
    r.polygon([(492, 16), (514, 26), (492, 36)], WHITE)
    return r


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "app", "res")
    os.makedirs(out, exist_ok=True)
    files = {
        "AboutBanner.bmp": bmp(about_banner(), 32),
        "VariableToolbar.bmp": bmp(variable_toolbar("normal"), 32),
        "VariableToolbarDisabled.bmp": bmp(variable_toolbar("disabled"), 32),
        "VariableToolbarHot.bmp": bmp(variable_toolbar("hot"), 32),
        "VariableIcon.bmp": bmp(variable_icon(), 32),
    }
    for name, data in files.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
