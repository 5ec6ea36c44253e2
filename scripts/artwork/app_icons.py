"""Pictures of the application's resources: the command icons (20 by 20, in
the order the frame registers them), the message box's four icons (32 by 32)
and the program icon, with writers for the .bmp and .ico files they go in."""

import struct

from raster import Raster

INK = (52, 72, 104)
BLUE = (46, 110, 196)
LIGHT_BLUE = (120, 170, 230)
GREEN = (48, 150, 72)
RED = (200, 48, 40)
YELLOW = (238, 190, 40)
PAPER = (250, 250, 246)
FOLDER = (226, 180, 80)
WHITE = (255, 255, 255)

# The command ids in the order of the icon strips.
COMMAND_ORDER = (4018, 4022, 4012, 4000, 4004, 4003, 4001, 4006, 4005, 4010, 4020, 4019,
                 4011, 4025, 57664, 4015)


def _page(r, x0, y0, x1, y1):
    r.rect(x0, y0, x1, y1, INK)
    r.rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, PAPER)
    for y in range(y0 + 4, y1 - 2, 3):
        r.rect(x0 + 3, y, x1 - 3, y + 1, LIGHT_BLUE)


def _play(r, x, y, s, color):
    r.polygon([(x, y), (x + s, y + s), (x, y + 2 * s)], color)


def _open(r):
    r.rect(2, 5, 9, 7, FOLDER)
    r.rect(2, 7, 17, 16, FOLDER)
    r.polygon([(4, 9), (19, 9), (16, 16), (2, 16)], (246, 208, 120))


def _save(r):
    r.round_rect(2, 2, 18, 18, 2, fill=BLUE, border=INK)
    r.rect(5, 3, 15, 9, PAPER)
    r.rect(6, 12, 14, 17, (200, 210, 225))


def _close(r):
    _page(r, 3, 2, 15, 18)
    r.line(10, 10, 18, 18, 2.5, RED)
    r.line(18, 10, 10, 18, 2.5, RED)


def _plus(r, color, cx=14, cy=14):
    r.rect(cx - 4, cy - 1, cx + 5, cy + 2, color)
    r.rect(cx - 1, cy - 4, cx + 2, cy + 5, color)


def _add(r):
    _page(r, 2, 2, 14, 18)
    _plus(r, GREEN)


def _edit(r):
    _page(r, 2, 2, 14, 18)
    r.line(9, 17, 18, 8, 3, YELLOW)
    r.polygon([(7, 19), (8, 15), (11, 18)], INK)


def _delete(r):
    _page(r, 2, 2, 14, 18)
    r.rect(9, 12, 19, 16, RED)


def _copy(r):
    _page(r, 2, 2, 12, 14)
    _page(r, 7, 6, 17, 18)


def _arrow(r, up):
    if up:
        r.polygon([(10, 2), (18, 10), (13, 10), (13, 18), (7, 18), (7, 10), (2, 10)], BLUE)
    else:
        r.polygon([(10, 18), (18, 10), (13, 10), (13, 2), (7, 2), (7, 10), (2, 10)], BLUE)


def _run_selected(r):
    for y in (3, 9, 15):
        r.rect(2, y, 8, y + 2, INK)
    _play(r, 10, 4, 6, GREEN)


def _run_from_cursor(r):
    r.rect(2, 2, 18, 4, INK)
    _play(r, 5, 6, 6, GREEN)


def _run_all(r):
    _play(r, 2, 3, 7, GREEN)
    _play(r, 9, 3, 7, GREEN)


def _cancel(r):
    r.round_rect(3, 3, 17, 17, 2, fill=RED, border=(150, 30, 24))


def _help(r):
    r.disc(10, 10, 8.5, BLUE)
    _question_on_disc(r, 10, 10, 1.3)


def _question_on_disc(r, cx, cy, s):
    r.ring(cx, cy - 2 * s, 2.6 * s, 1.4 * s, WHITE)
    r.rect(int(round(cx - 3 * s)), int(round(cy - 2 * s)), int(round(cx)), int(round(cy)), BLUE)
    r.rect(int(round(cx - 0.7 * s)), int(round(cy)), int(round(cx + 0.8 * s)),
           int(round(cy + 2 * s)), WHITE)
    r.disc(cx, cy + 3.6 * s, 0.9 * s, WHITE)


def _letter_i(r, cx, cy, s, color):
    r.disc(cx, cy - 4 * s, 1.1 * s, color)
    r.rect(int(round(cx - s)), int(round(cy - 1.8 * s)), int(round(cx + s)),
           int(round(cy + 5 * s)), color)


def _about(r):
    r.disc(10, 10, 8.5, BLUE)
    _letter_i(r, 10, 10, 1.2, WHITE)


def _mail(r):
    r.rect(2, 5, 18, 16, INK)
    r.rect(3, 6, 17, 15, PAPER)
    r.line(3, 6, 10, 11, 1.2, INK)
    r.line(17, 6, 10, 11, 1.2, INK)


DRAWINGS = {
    4018: _open, 4022: _save, 4012: _close, 4000: _add, 4004: _edit, 4003: _delete,
    4001: _copy, 4006: lambda r: _arrow(r, True), 4005: lambda r: _arrow(r, False),
    4010: _run_selected, 4020: _run_from_cursor, 4019: _run_all, 4011: _cancel,
    4025: _help, 57664: _about, 4015: _mail,
}


def command_strip(keyed):
    """The 16 command icons side by side, in COMMAND_ORDER."""
    strip = Raster(20 * len(COMMAND_ORDER), 20, keyed=keyed)
    for i, command in enumerate(COMMAND_ORDER):
        icon = Raster(20, 20, keyed=keyed)
        DRAWINGS[command](icon)
        strip.blit(icon, 20 * i, 0)
    return strip


def message_icon(kind):
    """information, question, error or warning, 32 by 32."""
    r = Raster(32, 32)
    if kind == "warning":
        r.polygon([(16, 2), (31, 29), (1, 29)], YELLOW)
        r.rect(14, 10, 18, 21, INK)
        r.disc(16, 25, 2, INK)
    elif kind == "error":
        r.disc(16, 16, 14.5, RED)
        r.line(10, 10, 22, 22, 3.5, WHITE)
        r.line(22, 10, 10, 22, 3.5, WHITE)
    elif kind == "question":
        r.disc(16, 16, 14.5, BLUE)
        _question_on_disc(r, 16, 15, 2.2)
    else:
        r.disc(16, 16, 14.5, BLUE)
        _letter_i(r, 16, 16, 2, WHITE)
    return r


def program_icon(size):
    """The program's icon: a build list with a run arrow."""
    r = Raster(size, size)
    s = size / 32.0
    r.round_rect(int(2 * s), int(2 * s), int(30 * s), int(30 * s), max(1, int(4 * s)),
                 fill=(LIGHT_BLUE, BLUE), border=INK)
    for i in range(3):
        y = int((8 + 6 * i) * s)
        r.rect(int(7 * s), y, int(17 * s), y + max(1, int(3 * s)), WHITE)
    r.polygon([(19 * s, 9 * s), (27 * s, 16 * s), (19 * s, 23 * s)], (250, 220, 90))
    return r


def _channels(p):
    return [int(round(max(0, min(255, v)))) for v in p]


def bmp(raster, bits):
    """A bottom-up Windows bitmap file of 24 bits, or 32 with alpha."""
    row_bytes = (raster.w * bits // 8 + 3) & ~3
    pixels = bytearray()
    for row in reversed(raster.px):
        line = bytearray()
        for p in row:
            r, g, b, a = _channels(p)
            line.extend((b, g, r, a) if bits == 32 else (b, g, r))
        pixels.extend(line + bytes(row_bytes - len(line)))
    info = struct.pack("<IiiHHIIiiII", 40, raster.w, raster.h, 1, bits, 0, len(pixels),
                       2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + bytes(pixels)


def ico(rasters):
    """An icon file with one 32-bit image per raster."""
    images = []
    for r in rasters:
        data = bmp(r, 32)[14:]
        # The icon's header counts colour and mask rows together.
        info = bytearray(data[:40])
        struct.pack_into("<i", info, 8, r.h * 2)
        mask_row = ((r.w + 31) // 32) * 4
        images.append(bytes(info) + data[40:] + bytes(mask_row * r.h))
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for r, data in zip(rasters, images):
        out.extend(struct.pack("<BBBBHHII", r.w % 256, r.h % 256, 0, 0, 1, 32, len(data), offset))
        offset += len(data)
    for data in images:
        out.extend(data)
    return bytes(out)
