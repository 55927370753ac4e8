#!/usr/bin/env python3
"""Draws the updater's pictures: the frame and check-dialog backgrounds, the
progress track and knob, the close button strip and the program icon.

Everything is computed from geometry (signed distances, gradients) with
fixed numbers only, so the same script always writes byte-identical files.

    updateart.py OUTPUT_DIR
"""
import math
import os
import struct
import sys
import zlib


# --- pixels ---------------------------------------------------------------

class Canvas:
    """Straight (non-premultiplied) RGBA floats, 0..1."""

    def __init__(self, w, h):
        self.w, self.h = w, h
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(w * h)]

    def blend(self, x, y, rgb, a):
        """Source-over one pixel with colour rgb and coverage a."""
        if a <= 0.0 or x < 0 or y < 0 or x >= self.w or y >= self.h:
            return
        a = min(a, 1.0)
        d = self.px[y * self.w + x]
        da = d[3]
        oa = a + da * (1.0 - a)
        if oa <= 0.0:
            return
        for i in range(3):
            d[i] = (rgb[i] * a + d[i] * da * (1.0 - a)) / oa
        d[3] = oa

    def fill(self, shape, paint, alpha=1.0):
        """shape(x, y) -> coverage 0..1 at the pixel centre; paint(x, y) -> rgb."""
        for y in range(self.h):
            for x in range(self.w):
                c = shape(x + 0.5, y + 0.5)
                if c > 0.0:
                    self.blend(x, y, paint(x + 0.5, y + 0.5), c * alpha)

    def rgba_bytes(self):
        out = bytearray()
        for y in range(self.h):
            out.append(0)  # PNG filter: none
            for x in range(self.w):
                r, g, b, a = self.px[y * self.w + x]
                out += bytes(_byte(v) for v in (r, g, b, a))
        return bytes(out)

    def bgra_rows_bottom_up(self):
        out = bytearray()
        for y in range(self.h - 1, -1, -1):
            for x in range(self.w):
                r, g, b, a = self.px[y * self.w + x]
                out += bytes((_byte(b), _byte(g), _byte(r), _byte(a)))
        return bytes(out)


def _byte(v):
    return max(0, min(255, int(round(v * 255.0))))


def write_png(path, canvas):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", canvas.w, canvas.h, 8, 6, 0, 0, 0)
    data = zlib.compress(canvas.rgba_bytes(), 9)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", data) + chunk(b"IEND", b""))


def write_ico(path, canvases):
    """Classic icon directory with 32-bit DIB entries (colour + AND mask)."""
    images = []
    for c in canvases:
        mask_stride = ((c.w + 31) // 32) * 4
        bih = struct.pack("<IiiHHIIiiII", 40, c.w, c.h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
        images.append(bih + c.bgra_rows_bottom_up() + bytes(mask_stride * c.h))
    offset = 6 + 16 * len(canvases)
    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, len(canvases)))
        for c, img in zip(canvases, images):
            f.write(struct.pack("<BBBBHHII", c.w % 256, c.h % 256, 0, 0, 1, 32, len(img), offset))
            offset += len(img)
        for img in images:
            f.write(img)


# --- geometry -------------------------------------------------------------

def sd_round_rect(x, y, l, t, r, b, rad):
    """Signed distance to a rounded rectangle (negative inside)."""
    cx, cy = (l + r) / 2.0, (t + b) / 2.0
    hx, hy = (r - l) / 2.0 - rad, (b - t) / 2.0 - rad
    qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    return outside + min(max(qx, qy), 0.0) - rad


def cover(d):
    """Anti-aliased coverage from a signed distance."""
    return max(0.0, min(1.0, 0.5 - d))


def round_rect(l, t, r, b, rad):
    return lambda x, y: cover(sd_round_rect(x, y, l, t, r, b, rad))


def ring(l, t, r, b, rad, width):
    def shape(x, y):
        d = sd_round_rect(x, y, l, t, r, b, rad)
        return min(cover(d), cover(-d - width))
    return shape


def circle(cx, cy, rad):
    return lambda x, y: cover(math.hypot(x - cx, y - cy) - rad)


def segment(x0, y0, x1, y1, width):
    def shape(x, y):
        vx, vy = x1 - x0, y1 - y0
        t = max(0.0, min(1.0, ((x - x0) * vx + (y - y0) * vy) / (vx * vx + vy * vy)))
        return cover(math.hypot(x - (x0 + t * vx), y - (y0 + t * vy)) - width / 2.0)
    return shape


def both(a, b):
    return lambda x, y: min(a(x, y), b(x, y))


def either(*shapes):
    return lambda x, y: max(s(x, y) for s in shapes)


def solid(rgb):
    return lambda x, y: rgb


def vgrad(top, bottom, y0, y1):
    def paint(x, y):
        t = max(0.0, min(1.0, (y - y0) / float(y1 - y0)))
        return tuple(top[i] + (bottom[i] - top[i]) * t for i in range(3))
    return paint


def hexrgb(s):
    return tuple(int(s[i:i + 2], 16) / 255.0 for i in (0, 2, 4))


WHITE = (1.0, 1.0, 1.0)
SHADOW = hexrgb("06101f")
EDGE = hexrgb("8fc4ff")


def soft_border(c, inset, rad):
    """The translucent outer ring: a shadow fading outwards and a bright edge
    line where the opaque body begins."""
    w, h = c.w, c.h
    for y in range(h):
        for x in range(w):
            d = sd_round_rect(x + 0.5, y + 0.5, inset, inset, w - inset, h - inset, rad)
            if 0.0 < d <= inset:
                c.blend(x, y, SHADOW, 0.55 * (1.0 - d / inset) ** 1.6)
    c.fill(ring(inset - 1, inset - 1, w - inset + 1, h - inset + 1, rad + 1, 1.2), solid(EDGE), 0.75)


def body(c, inset, rad, top, bottom):
    c.fill(round_rect(inset, inset, c.w - inset, c.h - inset, rad), vgrad(top, bottom, inset, c.h - inset))


def sheen(c, shape, y0, y1, strength):
    for y in range(c.h):
        if y + 0.5 < y0 or y + 0.5 > y1:
            continue
        a = strength * (1.0 - (y + 0.5 - y0) / float(y1 - y0))
        for x in range(c.w):
            cv = shape(x + 0.5, y + 0.5)
            if cv > 0.0:
                c.blend(x, y, WHITE, cv * a)


def emblem(c, l, t, size):
    """The platform's mark: a rounded tile with an upward arrow over a tray."""
    s = size / 32.0
    tile = round_rect(l, t, l + size, t + size, 7 * s)
    c.fill(tile, vgrad(hexrgb("5fb2ff"), hexrgb("1f63c2"), t, t + size))
    sheen(c, round_rect(l + s, t + s, l + size - s, t + size * 0.55, 6 * s), t, t + size * 0.55, 0.35)
    c.fill(ring(l, t, l + size, t + size, 7 * s, max(1.0, 1.2 * s)), solid(hexrgb("cfe6ff")), 0.8)
    arrow = either(
        segment(l + 16 * s, t + 7 * s, l + 16 * s, t + 19 * s, 3.4 * s),
        segment(l + 16 * s, t + 7 * s, l + 10.5 * s, t + 12.5 * s, 3.4 * s),
        segment(l + 16 * s, t + 7 * s, l + 21.5 * s, t + 12.5 * s, 3.4 * s),
        segment(l + 8 * s, t + 19 * s, l + 8 * s, t + 24.5 * s, 3 * s),
        segment(l + 8 * s, t + 24.5 * s, l + 24 * s, t + 24.5 * s, 3 * s),
        segment(l + 24 * s, t + 24.5 * s, l + 24 * s, t + 19 * s, 3 * s))
    c.fill(arrow, solid(WHITE))


# --- the pictures ---------------------------------------------------------

TRACK_H = 17  # one half of PROGRESS_LINE


def frame_back():
    c = Canvas(414, 235)
    soft_border(c, 5, 7)
    body(c, 5, 7, hexrgb("1b3b66"), hexrgb("0c1c33"))
    header = round_rect(5, 5, 409, 84, 7)
    header_only = both(header, lambda x, y: 1.0 if y < 78 else 0.0)
    c.fill(header_only, vgrad(hexrgb("3f86d1"), hexrgb("1f4f8f"), 5, 78))
    sheen(c, header_only, 5, 40, 0.28)
    c.fill(lambda x, y: 1.0 if 78 <= y < 79 and 5 < x < 409 else 0.0, solid(hexrgb("69a9ec")), 0.6)
    c.fill(lambda x, y: 1.0 if 79 <= y < 80 and 5 < x < 409 else 0.0, solid(SHADOW), 0.5)
    emblem(c, 22, 22, 36)
    # Two thin accent lines beside the mark, standing for the title plate.
    c.fill(round_rect(70, 31, 190, 37, 3), solid(WHITE), 0.85)
    c.fill(round_rect(70, 44, 150, 48, 2), solid(hexrgb("a9d2ff")), 0.55)
    # The panel that holds the two bars and their text lines.
    c.fill(round_rect(42, 134, 372, 226, 6), vgrad(hexrgb("0a1729"), hexrgb("10233d"), 134, 226), 0.85)
    c.fill(ring(42, 134, 372, 226, 6, 1.0), solid(hexrgb("2f5f96")), 0.9)
    return c


def status_image():
    c = Canvas(330, 69)
    soft_border(c, 8, 6)
    body(c, 8, 6, hexrgb("2a6bb5"), hexrgb("0f2747"))
    sheen(c, round_rect(9, 9, 321, 36, 5), 9, 36, 0.22)
    emblem(c, 60, 11, 25)
    return c


def progress_line():
    c = Canvas(304, TRACK_H * 2)
    # Upper half: the empty, sunken track.
    track = round_rect(1, 3, 303, 14, 5.5)
    c.fill(track, vgrad(hexrgb("04090f"), hexrgb("1a2d45"), 3, 14), 0.9)
    c.fill(ring(1, 3, 303, 14, 5.5, 1.0), solid(hexrgb("4e7fb8")), 0.5)
    # Lower half: the filled track, bright with a glassy top.
    o = TRACK_H
    fill = round_rect(1, o + 3, 303, o + 14, 5.5)
    c.fill(fill, vgrad(hexrgb("7cf0a0"), hexrgb("1ea85a"), o + 3, o + 14))
    sheen(c, round_rect(2, o + 3.5, 302, o + 8.5, 3), o + 3, o + 9, 0.55)
    c.fill(ring(1, o + 3, 303, o + 14, 5.5, 1.0), solid(hexrgb("0d5c30")), 0.6)
    return c


def progress_point():
    c = Canvas(26, 26)
    for y in range(26):
        for x in range(26):
            d = math.hypot(x + 0.5 - 13, y + 0.5 - 13)
            if 8.0 < d < 13.0:
                c.blend(x, y, hexrgb("9dffc4"), 0.45 * (1.0 - (d - 8.0) / 5.0) ** 2)
    c.fill(circle(13, 13, 8), vgrad(WHITE, hexrgb("b8e8ff"), 5, 21))
    c.fill(circle(13, 13, 4.2), vgrad(hexrgb("3ad27a"), hexrgb("18904a"), 9, 17))
    sheen(c, circle(13, 10.5, 4.5), 6, 11, 0.6)
    return c


def bt_close():
    c = Canvas(69, 23)
    looks = (  # (fill, fill alpha, ring alpha, cross offset)
        (hexrgb("ffffff"), 0.12, 0.55, 0),
        (hexrgb("e0453a"), 0.95, 0.9, 0),
        (hexrgb("a82a20"), 1.0, 0.9, 1),
    )
    for i, (colour, fa, ra, dy) in enumerate(looks):
        ox = i * 23
        c.fill(circle(ox + 11.5, 11.5, 9.5), solid(colour), fa)
        c.fill(lambda x, y, ox=ox: min(cover(math.hypot(x - ox - 11.5, y - 11.5) - 9.5),
                                       cover(9.5 - 1.1 - math.hypot(x - ox - 11.5, y - 11.5))),
               solid(WHITE), ra)
        cross = either(segment(ox + 8, 8 + dy, ox + 15, 15 + dy, 2.0),
                       segment(ox + 15, 8 + dy, ox + 8, 15 + dy, 2.0))
        c.fill(cross, solid(WHITE))
    return c


def icon(size):
    c = Canvas(size, size)
    emblem(c, 0, 0, size)
    return c


def main():
    if len(sys.argv) != 2:
        sys.stderr.write("usage: updateart.py OUTPUT_DIR\n")
        return 2
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    pictures = {
        "frame_back.png": frame_back,
        "status_image.png": status_image,
        "progress_line.png": progress_line,
        "progress_point.png": progress_point,
        "bt_close.png": bt_close,
    }
    for name, make in pictures.items():
        write_png(os.path.join(out, name), make())
    write_ico(os.path.join(out, "update.ico"), [icon(48), icon(32), icon(16)])
    return 0


if __name__ == "__main__":
    sys.exit(main())
