#!/usr/bin/env python3
"""Draws the pictures Stagecraft's widgets load at run time:

    LayerCommon/imscale9.png          the alert panel (500 x 300, stretched
                                      by thirds as a nine-slice image)
    LayerCommon/bt_alert0.png         the confirm button, five 120 x 40 frames
    LayerCommon/bt_alert1.png         the cancel button, five 120 x 40 frames
    LayerCommon/im_wait/im_wait1.png  the waiting animation, seven 64 x 64
    ... im_wait7.png                  frames

Button strips hold, left to right, the normal, pressed, selected, hover and
disabled looks, the order in which the button cuts a strip.

Pixels are computed from geometry with fixed numbers only (the drawing
helpers are the updater art's), so every run writes byte-identical files.

    widgetart.py OUTPUT_DIR
"""
import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "updateart"))
from updateart import (WHITE, Canvas, both, circle, either, hexrgb, ring,  # noqa: E402
                       round_rect, sd_round_rect, segment, sheen, solid, vgrad, write_png)

SHADOW = hexrgb("050a14")


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def grey(rgb):
    v = 0.30 * rgb[0] + 0.59 * rgb[1] + 0.11 * rgb[2]
    return (v, v, v)


def band(y0, y1):
    return lambda x, y: 1.0 if y0 <= y < y1 else 0.0


def drop_shadow(c, l, t, r, b, rad, spread, strength):
    """A soft shadow around a rounded rectangle, fading over spread pixels."""
    for y in range(c.h):
        for x in range(c.w):
            d = sd_round_rect(x + 0.5, y + 0.5, l, t, r, b, rad)
            if 0.0 < d <= spread:
                c.blend(x, y, SHADOW, strength * (1.0 - d / spread) ** 1.8)


# --- the alert panel --------------------------------------------------------

PANEL_W, PANEL_H = 500, 300
PANEL_INSET, PANEL_RADIUS = 6, 14
TITLE_BOTTOM = 66    # the title band (mobile titles sit 20 points below the top)
FOOTER_TOP = 238     # the button band (buttons are centred 20 points above the bottom)


def panel():
    c = Canvas(PANEL_W, PANEL_H)
    i, rad = PANEL_INSET, PANEL_RADIUS
    l, t, r, b = i, i, PANEL_W - i, PANEL_H - i
    drop_shadow(c, l, t, r, b, rad, i, 0.6)
    shape = round_rect(l, t, r, b, rad)
    c.fill(shape, vgrad(hexrgb("26385c"), hexrgb("1a2640"), TITLE_BOTTOM, FOOTER_TOP))
    title = both(shape, band(t, TITLE_BOTTOM))
    c.fill(title, vgrad(hexrgb("3c6fb0"), hexrgb("22477c"), t, TITLE_BOTTOM))
    sheen(c, title, t, t + 30, 0.22)
    c.fill(both(shape, band(TITLE_BOTTOM, TITLE_BOTTOM + 1)), solid(hexrgb("6fa6e6")), 0.55)
    c.fill(both(shape, band(TITLE_BOTTOM + 1, TITLE_BOTTOM + 2)), solid(SHADOW), 0.45)
    footer = both(shape, band(FOOTER_TOP, b))
    c.fill(footer, vgrad(hexrgb("182238"), hexrgb("111a2c"), FOOTER_TOP, b))
    c.fill(both(shape, band(FOOTER_TOP, FOOTER_TOP + 1)), solid(hexrgb("3a5582")), 0.7)
    c.fill(ring(l, t, r, b, rad, 1.4), solid(hexrgb("8ab4ea")), 0.8)
    c.fill(ring(l + 1.4, t + 1.4, r - 1.4, b - 1.4, rad - 1.4, 1.0), solid(SHADOW), 0.35)
    return c


# --- the button strips --------------------------------------------------------

FRAME_W, FRAME_H = 120, 40
NORMAL, PRESSED, SELECTED, HOVER, DISABLED = range(5)


def check_glyph(ox, oy):
    return either(segment(ox - 11, oy + 0.5, ox - 3.5, oy + 7.5, 4.2),
                  segment(ox - 3.5, oy + 7.5, ox + 11, oy - 7.5, 4.2))


def cross_glyph(ox, oy):
    return either(segment(ox - 8, oy - 8, ox + 8, oy + 8, 4.2),
                  segment(ox + 8, oy - 8, ox - 8, oy + 8, 4.2))


def button_frame(c, k, top, bottom, edge, glyph):
    ox = k * FRAME_W
    l, t, r, b, rad = ox + 3, 3, ox + FRAME_W - 3, FRAME_H - 4, 11
    dy = 1 if k == PRESSED else 0
    if k == DISABLED:
        top, bottom, edge = grey(top), grey(bottom), grey(edge)
        top, bottom = mix(top, hexrgb("3a3f48"), 0.35), mix(bottom, hexrgb("3a3f48"), 0.35)
    elif k == PRESSED:
        top, bottom = mix(top, SHADOW, 0.3), mix(bottom, SHADOW, 0.2)
    elif k == HOVER:
        top, bottom = mix(top, WHITE, 0.18), mix(bottom, WHITE, 0.12)
    drop_shadow(c, l, t + 1 + dy, r, b + 1, rad, 3, 0.0 if k == PRESSED else 0.5)
    shape = round_rect(l, t + dy, r, b + dy, rad)
    c.fill(shape, vgrad(top, bottom, t + dy, b + dy))
    if k != PRESSED:
        sheen(c, round_rect(l + 2, t + 1, r - 2, t + 15, 8), t + 1, t + 15, 0.45 if k == HOVER else 0.32)
    c.fill(ring(l, t + dy, r, b + dy, rad, 1.2), solid(edge), 0.9)
    if k == SELECTED:
        c.fill(ring(l - 2, t - 2, r + 2, b + 2, rad + 2, 2.0), solid(hexrgb("ffd25c")), 0.95)
    cx, cy = ox + FRAME_W / 2.0, (t + b) / 2.0 + dy
    c.fill(glyph(cx, cy + 1), solid(SHADOW), 0.0 if k == DISABLED else 0.35)
    c.fill(glyph(cx, cy), solid(WHITE), 0.45 if k == DISABLED else 1.0)


def button_strip(top, bottom, edge, glyph):
    c = Canvas(FRAME_W * 5, FRAME_H)
    for k in range(5):
        button_frame(c, k, top, bottom, edge, glyph)
    return c


def confirm_strip():
    return button_strip(hexrgb("5fd68a"), hexrgb("1f8f4e"), hexrgb("0f5a2e"), check_glyph)


def cancel_strip():
    return button_strip(hexrgb("e0726b"), hexrgb("a9332e"), hexrgb("66191a"), cross_glyph)


# --- the waiting animation ------------------------------------------------------

WAIT_SIZE, WAIT_FRAMES = 64, 7


def wait_frame(k):
    """Seven dots on a circle; dot k is lit and the ones before it fade out."""
    c = Canvas(WAIT_SIZE, WAIT_SIZE)
    centre, radius = WAIT_SIZE / 2.0, 22.0
    c.fill(lambda x, y: min(1.0, max(0.0, 1.2 - abs(math.hypot(x - centre, y - centre) - radius))),
           solid(hexrgb("9cc8ff")), 0.12)
    for j in range(WAIT_FRAMES):
        a = -math.pi / 2 + 2 * math.pi * j / WAIT_FRAMES
        x, y = centre + radius * math.cos(a), centre + radius * math.sin(a)
        age = (k - j) % WAIT_FRAMES      # 0 for the lit dot
        light = max(0.0, 1.0 - age / 4.0)
        dot_r = 4.0 + 2.2 * light
        if light > 0.0:
            c.fill(circle(x, y, dot_r + 3.0), solid(hexrgb("6fb4ff")), 0.25 * light)
        c.fill(circle(x, y, dot_r), solid(mix(hexrgb("4b6a96"), WHITE, light)), 0.55 + 0.45 * light)
    return c


def main():
    if len(sys.argv) != 2:
        sys.stderr.write("usage: widgetart.py OUTPUT_DIR\n")
        return 2
    common = os.path.join(sys.argv[1], "LayerCommon")
    os.makedirs(os.path.join(common, "im_wait"), exist_ok=True)
    write_png(os.path.join(common, "imscale9.png"), panel())
    write_png(os.path.join(common, "bt_alert0.png"), confirm_strip())
    write_png(os.path.join(common, "bt_alert1.png"), cancel_strip())
    for k in range(WAIT_FRAMES):
        write_png(os.path.join(common, "im_wait", "im_wait%d.png" % (k + 1)), wait_frame(k))
    return 0


if __name__ == "__main__":
    sys.exit(main())
