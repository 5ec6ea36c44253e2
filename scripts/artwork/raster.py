"""A small raster for the theme artwork: shapes with coverage, PNG output.

Pixels are straight (not premultiplied) RGBA floats. An image made for a
magenta key keeps hard edges: a pixel is either painted or stays magenta, so
no pink fringe survives the transparent blit.
"""

import struct
import zlib

MAGENTA = (255, 0, 255)
SUB = 4  # samples per pixel along each axis


def mix(a, b, t):
    """The colour t of the way from a to b."""
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def shade(c, f):
    """Lighter (f > 0, towards white) or darker (f < 0, towards black)."""
    return mix(c, (255, 255, 255), f) if f >= 0 else mix(c, (0, 0, 0), -f)


class Raster:
    def __init__(self, w, h, keyed=False, fill=None):
        self.w, self.h = w, h
        self.keyed = keyed
        if keyed:
            base = (255.0, 0.0, 255.0, 255.0)
        elif fill is not None:
            base = (float(fill[0]), float(fill[1]), float(fill[2]), 255.0)
        else:
            base = (0.0, 0.0, 0.0, 0.0)
        self.px = [[list(base) for _ in range(w)] for _ in range(h)]

    # Compositing ---------------------------------------------------------
    def put(self, x, y, color, cover=1.0):
        if not (0 <= x < self.w and 0 <= y < self.h) or cover <= 0:
            return
        a = color[3] / 255.0 if len(color) > 3 else 1.0
        if self.keyed:
            # Hard edges only; a see-through colour lies over what is painted
            # already but never mixes with the key.
            d = self.px[y][x]
            if cover < 0.5:
                return
            if d[0] == 255 and d[1] == 0 and d[2] == 255:
                if a < 0.5:
                    return
                a = 1.0
            for i in range(3):
                d[i] = color[i] * a + d[i] * (1 - a)
            d[3] = 255.0
            return
        sa = min(1.0, cover) * a
        d = self.px[y][x]
        da = d[3] / 255.0
        oa = sa + da * (1 - sa)
        if oa <= 0:
            return
        for i in range(3):
            d[i] = (color[i] * sa + d[i] * da * (1 - sa)) / oa
        d[3] = oa * 255.0

    def shape(self, inside, x0, y0, x1, y1, color_at):
        """Paints where inside(sx, sy) holds, sampled SUB x SUB per pixel."""
        for y in range(max(0, int(y0)), min(self.h, int(y1) + 1)):
            for x in range(max(0, int(x0)), min(self.w, int(x1) + 1)):
                hits = 0
                for j in range(SUB):
                    for i in range(SUB):
                        if inside(x + (i + 0.5) / SUB, y + (j + 0.5) / SUB):
                            hits += 1
                if hits:
                    self.put(x, y, color_at(x, y), hits / (SUB * SUB))

    # Shapes ----------------------------------------------------------------
    def rect(self, x0, y0, x1, y1, color):
        for y in range(max(0, y0), min(self.h, y1)):
            for x in range(max(0, x0), min(self.w, x1)):
                self.put(x, y, color)

    def vgrad(self, x0, y0, x1, y1, top, bottom):
        n = max(1, y1 - y0 - 1)
        for y in range(max(0, y0), min(self.h, y1)):
            c = mix(top, bottom, (y - y0) / n)
            for x in range(max(0, x0), min(self.w, x1)):
                self.put(x, y, c)

    def hgrad(self, x0, y0, x1, y1, left, right):
        n = max(1, x1 - x0 - 1)
        for x in range(max(0, x0), min(self.w, x1)):
            c = mix(left, right, (x - x0) / n)
            for y in range(max(0, y0), min(self.h, y1)):
                self.put(x, y, c)

    @staticmethod
    def _in_round(x0, y0, x1, y1, r, corners):
        tl, tr, br, bl = corners

        def inside(sx, sy):
            if sx < x0 or sx >= x1 or sy < y0 or sy >= y1:
                return False
            for use, cx, cy in ((tl, x0 + r, y0 + r), (tr, x1 - r, y0 + r),
                                (br, x1 - r, y1 - r), (bl, x0 + r, y1 - r)):
                if not use:
                    continue
                if ((sx < cx and cx == x0 + r) or (sx > cx and cx == x1 - r)) and \
                   ((sy < cy and cy == y0 + r) or (sy > cy and cy == y1 - r)):
                    if (sx - cx) ** 2 + (sy - cy) ** 2 > r * r:
                        return False
            return True
        return inside

    def round_rect(self, x0, y0, x1, y1, r, fill=None, border=None, corners=(1, 1, 1, 1),
                   inner=None):
        """A rectangle with rounded corners. fill is a colour or a (top, bottom)
        pair for a vertical gradient; border a one-pixel outline; inner a
        one-pixel highlight just inside the border."""
        outer = self._in_round(x0, y0, x1, y1, r, corners)
        in1 = self._in_round(x0 + 1, y0 + 1, x1 - 1, y1 - 1, max(0, r - 1), corners)
        in2 = self._in_round(x0 + 2, y0 + 2, x1 - 2, y1 - 2, max(0, r - 2), corners)
        if fill is not None:
            if isinstance(fill[0], (tuple, list)):
                top, bottom = fill
                n = max(1.0, y1 - y0 - 1)
                color_at = lambda x, y: mix(top, bottom, min(1.0, max(0.0, (y - y0) / n)))
            else:
                color_at = lambda x, y: fill
            self.shape(in1 if border is not None else outer, x0, y0, x1, y1, color_at)
        if inner is not None:
            self.shape(lambda sx, sy: in1(sx, sy) and not in2(sx, sy), x0, y0, x1, y1,
                       lambda x, y: inner)
        if border is not None:
            self.shape(lambda sx, sy: outer(sx, sy) and not in1(sx, sy), x0, y0, x1, y1,
                       lambda x, y: border)

    def polygon(self, pts, color):
        xs = [p[0] for p in pts]
        ys = [p[1] for p in pts]

        def inside(sx, sy):
            c = False
            n = len(pts)
            for i in range(n):
                ax, ay = pts[i]
                bx, by = pts[(i + 1) % n]
                if (ay > sy) != (by > sy):
                    if sx < ax + (sy - ay) * (bx - ax) / (by - ay):
                        c = not c
            return c
        self.shape(inside, min(xs), min(ys), max(xs), max(ys), lambda x, y: color)

    def line(self, ax, ay, bx, by, width, color):
        """A thick stroke from (ax, ay) to (bx, by) with square ends."""
        dx, dy = bx - ax, by - ay
        ln = (dx * dx + dy * dy) ** 0.5 or 1.0
        nx, ny = -dy / ln * width / 2, dx / ln * width / 2
        self.polygon([(ax + nx, ay + ny), (bx + nx, by + ny), (bx - nx, by - ny),
                      (ax - nx, ay - ny)], color)

    def disc(self, cx, cy, r, color):
        self.shape(lambda sx, sy: (sx - cx) ** 2 + (sy - cy) ** 2 <= r * r,
                   cx - r - 1, cy - r - 1, cx + r + 1, cy + r + 1, lambda x, y: color)

    def ring(self, cx, cy, r, width, color):
        self.shape(lambda sx, sy: (r - width) ** 2 < (sx - cx) ** 2 + (sy - cy) ** 2 <= r * r,
                   cx - r - 1, cy - r - 1, cx + r + 1, cy + r + 1, lambda x, y: color)

    def blit(self, src, dx, dy):
        """Copies src (the same kind of raster) with its top-left at dx, dy."""
        for y in range(src.h):
            for x in range(src.w):
                if 0 <= x + dx < self.w and 0 <= y + dy < self.h:
                    self.px[y + dy][x + dx] = list(src.px[y][x])

    # Output ----------------------------------------------------------------
    def has_alpha(self):
        return any(p[3] < 255 for row in self.px for p in row)

    def png(self):
        alpha = not self.keyed and self.has_alpha()
        raw = bytearray()
        for row in self.px:
            raw.append(0)
            for p in row:
                raw.extend(int(round(max(0, min(255, v)))) for v in (p[:4] if alpha else p[:3]))
        ihdr = struct.pack(">IIBBBBB", self.w, self.h, 8, 6 if alpha else 2, 0, 0, 0)

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) +
                chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def stack(slices):
    """Stacks equal slices vertically into one image (the state strips)."""
    w, h = slices[0].w, slices[0].h
    out = Raster(w, h * len(slices), keyed=slices[0].keyed)
    for i, s in enumerate(slices):
        assert (s.w, s.h) == (w, h)
        out.blit(s, 0, i * h)
    return out
