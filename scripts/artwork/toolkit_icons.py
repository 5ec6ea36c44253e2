"""Icons of the toolkit's own resources: the header menu's tool bar (16 by 15
each, in the order of its ids: sort ascending, sort descending, align left,
centre, right); the pins of the ribbon's recent files (16 by 16 each:
pinned, unpinned, unpinned and hot)."""

from raster import Raster

INK = (58, 78, 110)
ARROW = (46, 125, 196)


def _sort(r, x0, ascending):
    # An arrow beside three bars that grow (ascending) or shrink.
    if ascending:
        r.polygon([(x0 + 1, 6), (x0 + 9, 6), (x0 + 5, 1)], ARROW)
    else:
        r.polygon([(x0 + 1, 9), (x0 + 9, 9), (x0 + 5, 14)], ARROW)
    r.rect(x0 + 4, 5 if ascending else 2, x0 + 6, 10 if ascending else 10, ARROW)
    lengths = (2, 4, 6) if ascending else (6, 4, 2)
    for i, n in enumerate(lengths):
        r.rect(x0 + 9, 3 + 4 * i, x0 + 9 + n, 5 + 4 * i, INK)


def _align(r, x0, where):
    for i, n in enumerate((12, 8, 12, 8)):
        if where == "left":
            x = x0 + 2
        elif where == "right":
            x = x0 + 14 - n
        else:
            x = x0 + 8 - n // 2
        r.rect(x, 2 + 3 * i, x + n, 4 + 3 * i, INK)


def header_menu_icons():
    r = Raster(80, 15)
    _sort(r, 0, True)
    _sort(r, 16, False)
    _align(r, 32, "left")
    _align(r, 48, "center")
    _align(r, 64, "right")
    return r


PIN = (70, 86, 112)
PIN_HOT = (40, 110, 200)


def _pin_upright(r, x0, color):
    # A pushpin seen from the side, its point down: pinned.
    r.rect(x0 + 5, 2, x0 + 11, 4, color)
    r.rect(x0 + 6, 4, x0 + 10, 9, color)
    r.rect(x0 + 4, 9, x0 + 12, 11, color)
    r.rect(x0 + 7, 11, x0 + 9, 15, color)


def _pin_lying(r, x0, color):
    # The same pin lying on its side, its point left: not pinned.
    r.rect(x0 + 12, 5, x0 + 14, 11, color)
    r.rect(x0 + 7, 6, x0 + 12, 10, color)
    r.rect(x0 + 5, 4, x0 + 7, 12, color)
    r.rect(x0 + 1, 7, x0 + 5, 9, color)


def ribbon_pins():
    r = Raster(48, 16)
    _pin_upright(r, 0, PIN)
    _pin_lying(r, 16, PIN)
    _pin_lying(r, 32, PIN_HOT)
    return r
