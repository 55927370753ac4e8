#!/usr/bin/env python3
"""Draws the pictures the project's layout files (tools/layouts/) name:

    common/   buttons (one image per state, and five-look strips for the
              atlas buttons), gold digits, coin, avatar and its frame, red
              dot, nine-slice panels, slider parts, check box looks
    lobby/    the lobby background and bottom bar, three game icons
    table/    the card table's felt, a card back and a card front, a chip

Strips hold, left to right, the normal, pressed, selected, hover and disabled
looks, the order in which a button cuts a strip. The digits image holds
"0123456789" in cells of equal width, as the atlas labels read it.

Pixels are computed from geometry with fixed numbers only (the drawing
helpers are the updater art's), so every run writes byte-identical files.

    layoutart.py OUTPUT_DIR
"""
import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "updateart"))
from updateart import (WHITE, Canvas, both, circle, either, hexrgb, ring,  # noqa: E402
                       round_rect, segment, sheen, solid, vgrad, write_png)

SHADOW = hexrgb("050a14")
NORMAL, PRESSED, SELECTED, HOVER, DISABLED = range(5)


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def grey(rgb):
    v = 0.30 * rgb[0] + 0.59 * rgb[1] + 0.11 * rgb[2]
    return (v, v, v)


class Rows:
    """A large opaque picture computed row by row (a Canvas keeps a record
    per pixel, too heavy for full-screen backgrounds); write_png takes it."""

    def __init__(self, w, h, pixel):
        self.w, self.h, self.pixel = w, h, pixel

    def rgba_bytes(self):
        out = bytearray()
        for y in range(self.h):
            out.append(0)
            for x in range(self.w):
                r, g, b = self.pixel(x, y)
                out += bytes((max(0, min(255, int(r))), max(0, min(255, int(g))), max(0, min(255, int(b))), 255))
        return bytes(out)


# --- buttons ----------------------------------------------------------------

def look_colours(top, bottom, edge, k):
    if k == DISABLED:
        top, bottom, edge = grey(top), grey(bottom), grey(edge)
        return mix(top, hexrgb("3a3f48"), 0.35), mix(bottom, hexrgb("3a3f48"), 0.35), edge
    if k == PRESSED:
        return mix(top, SHADOW, 0.3), mix(bottom, SHADOW, 0.2), edge
    if k == HOVER:
        return mix(top, WHITE, 0.18), mix(bottom, WHITE, 0.12), edge
    return top, bottom, edge


def pill(c, ox, w, h, colours, k, glyph=None, rad=None):
    """One button look in the cell starting at ox."""
    top, bottom, edge = look_colours(*colours, k)
    rad = rad if rad is not None else min(h / 2.0 - 3, 14)
    dy = 1 if k == PRESSED else 0
    l, t, r, b = ox + 3, 3 + dy, ox + w - 3, h - 4 + dy
    shape = round_rect(l, t, r, b, rad)
    c.fill(shape, vgrad(top, bottom, t, b))
    if k != PRESSED:
        sheen(c, round_rect(l + 2, t + 1, r - 2, t + (b - t) * 0.45, rad * 0.7), t + 1, t + (b - t) * 0.45,
              0.45 if k == HOVER else 0.3)
    c.fill(ring(l, t, r, b, rad, 1.2), solid(edge), 0.9)
    if k == SELECTED:
        c.fill(ring(l - 2, t - 2, r + 2, b + 2, rad + 2, 2.0), solid(hexrgb("ffd25c")), 0.95)
    if glyph is not None:
        cx, cy = ox + w / 2.0, (t + b) / 2.0
        c.fill(glyph(cx, cy), solid(WHITE), 0.45 if k == DISABLED else 1.0)


def state_image(w, h, colours, k):
    c = Canvas(w, h)
    pill(c, 0, w, h, colours, k)
    return c


def strip(w, h, colours, glyph, rad=None):
    c = Canvas(w * 5, h)
    for k in range(5):
        pill(c, k * w, w, h, colours, k, glyph, rad)
    return c


GREEN = (hexrgb("5fd68a"), hexrgb("1f8f4e"), hexrgb("0f5a2e"))
YELLOW = (hexrgb("ffd66b"), hexrgb("e39a1c"), hexrgb("8a5a08"))
BLUE = (hexrgb("6fb4ff"), hexrgb("2460b0"), hexrgb("12305c"))
RED = (hexrgb("f08a7a"), hexrgb("b8392c"), hexrgb("66191a"))


def play_glyph(cx, cy):
    return either(segment(cx - 6, cy - 9, cx + 9, cy, 4), segment(cx + 9, cy, cx - 6, cy + 9, 4),
                  segment(cx - 6, cy - 9, cx - 6, cy + 9, 4))


def mail_glyph(cx, cy):
    box = lambda x, y: min(ring(cx - 13, cy - 9, cx + 13, cy + 9, 2, 2.4)(x, y), 1.0)
    return either(box, segment(cx - 12, cy - 8, cx, cy + 2, 2.4), segment(cx, cy + 2, cx + 12, cy - 8, 2.4))


def gear_glyph(cx, cy):
    teeth = [segment(cx + 9 * math.cos(a), cy + 9 * math.sin(a), cx + 14 * math.cos(a), cy + 14 * math.sin(a), 4)
             for a in (i * math.pi / 4 for i in range(8))]
    return either(lambda x, y: min(1.0, max(0.0, 2.2 - abs(math.hypot(x - cx, y - cy) - 8.0))), *teeth)


def help_glyph(cx, cy):
    return either(lambda x, y: min(1.0, max(0.0, 1.6 - abs(math.hypot(x - cx, y - cy + 4) - 6.5)))
                  if y < cy - 1 or x > cx else 0.0,
                  segment(cx, cy + 2, cx, cy + 6, 3.2), circle(cx, cy + 11, 2.2))


def cross_glyph(cx, cy):
    return either(segment(cx - 9, cy - 9, cx + 9, cy + 9, 4.2), segment(cx + 9, cy - 9, cx - 9, cy + 9, 4.2))


def back_glyph(cx, cy):
    return either(segment(cx + 8, cy, cx - 9, cy, 4), segment(cx - 9, cy, cx - 1, cy - 8, 4),
                  segment(cx - 9, cy, cx - 1, cy + 8, 4))


# --- digits -------------------------------------------------------------------

# Seven segments: top, upper right, lower right, bottom, lower left, upper left, middle.
SEGMENTS = {
    "0": "abcdef", "1": "bc", "2": "abged", "3": "abgcd", "4": "fgbc",
    "5": "afgcd", "6": "afgedc", "7": "abc", "8": "abcdefg", "9": "abcdfg",
}


def digits(w, h):
    c = Canvas(w * 10, h)
    for i in range(10):
        l, r, t, m, b = i * w + 4, i * w + w - 4, 3, h / 2.0, h - 3
        ends = {"a": (l, t, r, t), "b": (r, t, r, m), "c": (r, m, r, b), "d": (l, b, r, b),
                "e": (l, m, l, b), "f": (l, t, l, m), "g": (l, m, r, m)}
        shape = either(*(segment(*ends[s], 3.4) for s in SEGMENTS[str(i)]))
        c.fill(lambda x, y, s=shape: s(x + 0.8, y - 1.2), solid(SHADOW), 0.6)
        c.fill(shape, vgrad(hexrgb("fff2b0"), hexrgb("f0a020"), t, b))
    return c


# --- small pictures ---------------------------------------------------------------

def coin(size):
    c = Canvas(size, size)
    m = size / 2.0
    c.fill(circle(m, m, m - 1), vgrad(hexrgb("ffe07a"), hexrgb("c98a12"), 1, size - 1))
    c.fill(lambda x, y: min(1.0, max(0.0, 1.2 - abs(math.hypot(x - m, y - m) - (m - 5)))), solid(hexrgb("9a6408")), 0.7)
    sheen(c, circle(m, m * 0.7, m * 0.55), 1, m, 0.5)
    return c


def avatar(size):
    c = Canvas(size, size)
    m = size / 2.0
    c.fill(round_rect(0, 0, size, size, 10), vgrad(hexrgb("9ec9f0"), hexrgb("4f86c0"), 0, size))
    c.fill(circle(m, size * 0.38, size * 0.2), solid(hexrgb("f6d7b8")))
    c.fill(both(circle(m, size * 1.02, size * 0.42), round_rect(0, 0, size, size, 10)), solid(hexrgb("2f4f7a")))
    return c


def avatar_frame(size):
    c = Canvas(size, size)
    c.fill(ring(1, 1, size - 1, size - 1, 12, 5), vgrad(hexrgb("ffe9a8"), hexrgb("c08a1e"), 1, size - 1))
    c.fill(ring(1, 1, size - 1, size - 1, 12, 1.2), solid(hexrgb("5a3a08")), 0.8)
    return c


def dot(size):
    c = Canvas(size, size)
    m = size / 2.0
    c.fill(circle(m, m, m - 1), vgrad(hexrgb("ff8a7a"), hexrgb("d0261a"), 1, size - 1))
    c.fill(lambda x, y: min(1.0, max(0.0, 1.2 - abs(math.hypot(x - m, y - m) - (m - 1.5)))), solid(WHITE), 0.9)
    return c


def panel(size, top, bottom, edge, rad):
    c = Canvas(size, size)
    c.fill(round_rect(1, 1, size - 1, size - 1, rad), vgrad(top, bottom, 1, size - 1))
    c.fill(ring(1, 1, size - 1, size - 1, rad, 1.5), solid(edge), 0.9)
    return c


def dim(size):
    c = Canvas(size, size)
    c.fill(lambda x, y: 1.0, solid((0.0, 0.0, 0.0)), 0.62)
    return c


def slider_track(w, h, top, bottom):
    c = Canvas(w, h)
    c.fill(round_rect(0, 1, w, h - 1, h / 2.0 - 1), vgrad(top, bottom, 1, h - 1))
    c.fill(ring(0, 1, w, h - 1, h / 2.0 - 1, 1.0), solid(SHADOW), 0.5)
    return c


def slider_ball(size):
    c = Canvas(size, size)
    m = size / 2.0
    c.fill(circle(m, m + 1, m - 1), solid(SHADOW), 0.4)
    c.fill(circle(m, m, m - 2), vgrad(WHITE, hexrgb("b8d8f0"), 2, size - 2))
    c.fill(circle(m, m, m * 0.35), solid(hexrgb("2f7fd0")))
    return c


def check_box(size, on):
    c = Canvas(size, size)
    c.fill(round_rect(2, 2, size - 2, size - 2, 6), vgrad(hexrgb("f4f6fa"), hexrgb("c8d0dc"), 2, size - 2))
    c.fill(ring(2, 2, size - 2, size - 2, 6, 1.5), solid(hexrgb("4a5a70")))
    if on:
        m = size / 2.0
        c.fill(either(segment(m - 9, m, m - 3, m + 7, 4), segment(m - 3, m + 7, m + 10, m - 8, 4)),
               solid(hexrgb("1f9f4e")))
    return c


def game_icon(size, k):
    colours = (("ff8a5c", "c2401a"), ("6fd0ff", "1f6fb0"), ("b48aff", "5a2fb0"))[k]
    c = Canvas(size, size)
    c.fill(round_rect(2, 2, size - 2, size - 2, 16), vgrad(hexrgb(colours[0]), hexrgb(colours[1]), 2, size - 2))
    sheen(c, round_rect(4, 4, size - 4, size * 0.5, 12), 4, size * 0.5, 0.35)
    m = size / 2.0
    if k == 0:      # a spade
        shape = either(circle(m - 9, m + 2, 10), circle(m + 9, m + 2, 10),
                       segment(m, m - 20, m - 17, m - 1, 9), segment(m, m - 20, m + 17, m - 1, 9),
                       segment(m, m + 4, m, m + 22, 5))
    elif k == 1:    # a mahjong tile
        shape = ring(m - 16, m - 22, m + 16, m + 22, 5, 4)
    else:           # a chess piece seen from above
        shape = either(lambda x, y: min(1.0, max(0.0, 2.5 - abs(math.hypot(x - m, y - m) - 20))), circle(m, m, 10))
    c.fill(shape, solid(WHITE), 0.95)
    return c


def card(w, h, face):
    c = Canvas(w, h)
    c.fill(round_rect(1, 1, w - 1, h - 1, 7), solid(hexrgb("fdfdfb")))
    c.fill(ring(1, 1, w - 1, h - 1, 7, 1.2), solid(hexrgb("6a6a6a")), 0.8)
    if face:
        m = w / 2.0
        heart = either(circle(m - 7, h / 2.0 - 4, 8.5), circle(m + 7, h / 2.0 - 4, 8.5),
                       segment(m - 13, h / 2.0 + 1, m, h / 2.0 + 15, 5), segment(m + 13, h / 2.0 + 1, m, h / 2.0 + 15, 5))
        c.fill(heart, solid(hexrgb("d0261a")))
        c.fill(either(segment(8, 10, 8, 24, 3), segment(8, 10, 14, 10, 3)), solid(hexrgb("d0261a")))
    else:
        c.fill(round_rect(6, 6, w - 6, h - 6, 5), vgrad(hexrgb("2f5fb0"), hexrgb("183a78"), 6, h - 6))
        lattice = lambda x, y: 0.5 if (int(x + y) // 6 + int(x - y + 200) // 6) % 2 == 0 else 0.0
        c.fill(both(round_rect(9, 9, w - 9, h - 9, 3), lattice), solid(WHITE), 0.35)
    return c


def chip(size):
    c = Canvas(size, size)
    m = size / 2.0
    c.fill(circle(m, m, m - 1), solid(hexrgb("c0302a")))
    for i in range(6):
        a = i * math.pi / 3
        c.fill(segment(m + (m - 7) * math.cos(a), m + (m - 7) * math.sin(a),
                       m + (m - 2) * math.cos(a), m + (m - 2) * math.sin(a), 4), solid(WHITE))
    c.fill(circle(m, m, m * 0.45), solid(hexrgb("f4f0e6")))
    return c


# --- full-width pictures -------------------------------------------------------------

def lobby_background():
    def pixel(x, y):
        t = y / 639.0
        r, g, b = 36 + 20 * t, 58 + 30 * t, 110 - 30 * t
        # Soft diagonal light beams and a glow behind the room list.
        beam = max(0.0, math.cos((x * 0.6 + y) / 90.0)) ** 8 * 18
        d = math.hypot((x - 400) / 420.0, (y - 330) / 300.0)
        glow = max(0.0, 1.0 - d) * 40
        return r + beam + glow * 0.6, g + beam + glow * 0.8, b + beam + glow
    return Rows(960, 640, pixel)


def table_background():
    def pixel(x, y):
        d = math.hypot((x - 480) / 520.0, (y - 330) / 360.0)
        light = max(0.0, 1.0 - d * d) * 60
        rim = 1.0 if abs(d - 0.98) < 0.015 else 0.0
        weave = ((x * 7 + y * 13) % 5) * 1.5
        r, g, b = 18 + light * 0.3 + weave, 90 + light + weave, 52 + light * 0.5 + weave
        return r + rim * 140, g + rim * 100, b + rim * 30
    return Rows(960, 640, pixel)


def bottom_bar():
    def pixel(x, y):
        t = y / 83.0
        edge = 80 if y < 2 else 0
        return 22 + 20 * (1 - t) + edge, 34 + 28 * (1 - t) + edge, 58 + 40 * (1 - t) + edge
    return Rows(960, 84, pixel)


def main():
    if len(sys.argv) != 2:
        sys.stderr.write("usage: layoutart.py OUTPUT_DIR\n")
        return 2
    out = sys.argv[1]
    pictures = {
        "common/bt_green_n.png": lambda: state_image(140, 56, GREEN, NORMAL),
        "common/bt_green_p.png": lambda: state_image(140, 56, GREEN, PRESSED),
        "common/bt_green_d.png": lambda: state_image(140, 56, GREEN, DISABLED),
        "common/bt_yellow_n.png": lambda: state_image(180, 60, YELLOW, NORMAL),
        "common/bt_yellow_p.png": lambda: state_image(180, 60, YELLOW, PRESSED),
        "common/bt_yellow_d.png": lambda: state_image(180, 60, YELLOW, DISABLED),
        "common/bt_red_n.png": lambda: state_image(110, 52, RED, NORMAL),
        "common/bt_red_p.png": lambda: state_image(110, 52, RED, PRESSED),
        "common/bt_scale9_blue.png": lambda: state_image(48, 48, BLUE, NORMAL),
        "common/bt_enter.png": lambda: strip(120, 48, GREEN, play_glyph),
        "common/bt_mail.png": lambda: strip(56, 56, BLUE, mail_glyph, 14),
        "common/bt_settings.png": lambda: strip(56, 56, BLUE, gear_glyph, 14),
        "common/bt_help.png": lambda: strip(56, 56, YELLOW, help_glyph, 14),
        "common/bt_close.png": lambda: strip(48, 48, RED, cross_glyph, 20),
        "common/bt_back.png": lambda: strip(56, 56, BLUE, back_glyph, 14),
        "common/num_gold.png": lambda: digits(18, 26),
        "common/im_coin.png": lambda: coin(32),
        "common/im_avatar.png": lambda: avatar(72),
        "common/im_avatar_frame.png": lambda: avatar_frame(84),
        "common/im_dot.png": lambda: dot(16),
        "common/scale9_panel.png": lambda: panel(64, hexrgb("2c4470"), hexrgb("1a2a48"), hexrgb("7fa8e0"), 16),
        "common/scale9_input.png": lambda: panel(32, hexrgb("0c1424"), hexrgb("18243a"), hexrgb("4a6a9a"), 8),
        "common/scale9_dark.png": lambda: panel(32, hexrgb("101a2c"), hexrgb("0a101c"), hexrgb("2a3a58"), 6),
        "common/scale9_dim.png": lambda: dim(8),
        "common/slider_bar.png": lambda: slider_track(200, 14, hexrgb("0a1220"), hexrgb("24344e")),
        "common/slider_progress.png": lambda: slider_track(200, 14, hexrgb("8ae0ff"), hexrgb("2a8ad0")),
        "common/slider_ball.png": lambda: slider_ball(30),
        "common/cb_off.png": lambda: check_box(36, False),
        "common/cb_on.png": lambda: check_box(36, True),
        "lobby/bg_lobby.png": lobby_background,
        "lobby/im_bottombar.png": bottom_bar,
        "lobby/im_game_0.png": lambda: game_icon(88, 0),
        "lobby/im_game_1.png": lambda: game_icon(88, 1),
        "lobby/im_game_2.png": lambda: game_icon(88, 2),
        "table/bg_table.png": table_background,
        "table/card_back.png": lambda: card(70, 96, False),
        "table/card_front.png": lambda: card(70, 96, True),
        "table/im_chip.png": lambda: chip(40),
    }
    for name, make in pictures.items():
        path = os.path.join(out, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        write_png(path, make())
    return 0


if __name__ == "__main__":
    sys.exit(main())
