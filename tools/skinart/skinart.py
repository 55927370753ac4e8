#!/usr/bin/env python3
"""Draws the skinned control library's own resources: the skin bitmaps, the
dialog frame PNGs with the logo, and the hand cursor.

    skinart.py OUTDIR

Everything is computed from the shapes and colours below (no randomness, no
time stamps), so two runs write byte-identical files. One light theme in the
skin's default hue 203; RGB(255, 0, 255) marks the transparent key outside the
rounded corners of the push-button strip.
"""

import math
import os
import struct
import sys
import zlib

from skinshapes import Canvas, hsb, mix, grey, rounded_rect, segment, polygon, circle

HUE = 203
KEY = (255, 0, 255)

# ---------------------------------------------------------------- palette
BORDER = hsb(HUE, 0.45, 0.72)
BACKDROP = (250, 250, 250)          # the dialog's background
GLYPH = grey(0.30)
GLYPH_OFF = grey(0.72)


def caption(y):
    """Colour of the dialog's caption band (34 rows) at row y; the system
    buttons are cut from the same rows so they sit seamlessly on it."""
    if y <= 0:
        return BORDER
    if y >= 33:
        return hsb(HUE, 0.26, 0.88)
    t = (y - 1) / 31.0
    if t < 0.5:
        return mix(hsb(HUE, 0.05, 1.00), hsb(HUE, 0.12, 0.995), t / 0.5)
    return mix(hsb(HUE, 0.17, 0.985), hsb(HUE, 0.24, 0.965), (t - 0.5) / 0.5)


def footer(y):
    """Colour of the dialog's bottom band (37 rows) at row y."""
    if y >= 36:
        return BORDER
    if y == 0:
        return hsb(HUE, 0.14, 0.90)
    if y == 1:
        return (255, 255, 255)
    return mix(hsb(HUE, 0.03, 0.985), hsb(HUE, 0.07, 0.965), (y - 2) / 33.0)


# ---------------------------------------------------------------- dialog PNG frame
def band(width, height, colour_of_row):
    c = Canvas(width, height)
    for y in range(height):
        c.fill_rect(0, y, width, 1, colour_of_row(y))
    return c


def frame_corner(width, height, colour_of_row, left, top):
    """A corner piece: the band with the outer border and a rounded outer corner.
    left/top tell on which sides the window's outside lies."""
    c = band(width, height, colour_of_row)
    edge_x = 0 if left else width - 1
    c.fill_rect(edge_x, 0, 1, height, BORDER)
    r = 6.0
    cx = r if left else width - r
    cy = r if top else height - r

    def outside(x, y):
        dx = (cx - x) if left else (x - cx)
        dy = (cy - y) if top else (y - cy)
        return dx > 0 and dy > 0 and dx * dx + dy * dy > r * r

    def ring(x, y):
        dx = (cx - x) if left else (x - cx)
        dy = (cy - y) if top else (y - cy)
        return dx > 0 and dy > 0 and (r - 1.0) ** 2 < dx * dx + dy * dy <= r * r

    box_x = 0 if left else width - int(r) - 1
    box_y = 0 if top else height - int(r) - 1
    c.paint(box_x, box_y, int(r) + 1, int(r) + 1, ring, BORDER)
    c.cut(box_x, box_y, int(r) + 1, int(r) + 1, outside)
    return c


def size_grip(c, right, bottom, colour):
    for i in range(3):
        for j in range(3 - i):
            x = right - 3 - 4 * j
            y = bottom - 3 - 4 * i
            c.fill_rect(x - 1, y - 1, 2, 2, (255, 255, 255))
            c.fill_rect(x, y, 2, 2, colour)


def dialog_frame():
    pieces = {
        "SKIN_WND_TL": frame_corner(37, 34, caption, True, True),
        "SKIN_WND_TM": band(44, 34, caption),
        "SKIN_WND_TR": frame_corner(18, 34, caption, False, True),
        "SKIN_WND_ML": band(1, 20, lambda y: BORDER),
        "SKIN_WND_MR": band(1, 20, lambda y: BORDER),
        "SKIN_WND_BL": frame_corner(17, 37, footer, True, False),
        "SKIN_WND_BM": band(30, 37, footer),
        "SKIN_WND_BR": frame_corner(16, 37, footer, False, False),
    }
    size_grip(pieces["SKIN_WND_BR"], 16 - 3, 37 - 3, hsb(HUE, 0.30, 0.70))
    return pieces


def logo():
    """28 x 28: a rounded badge with a spade."""
    c = Canvas(28, 28)
    c.shape(rounded_rect(1, 1, 27, 27, 6.5), lambda x, y: mix(hsb(HUE, 0.55, 0.97), hsb(HUE, 0.85, 0.70), y / 28.0))
    c.shape(rounded_rect(2.2, 2.2, 25.8, 14.0, 5.5), lambda x, y: (255, 255, 255), alpha=0.18)
    spade_top = polygon([(14.0, 4.5), (5.6, 14.2), (22.4, 14.2)])
    lobe_l = circle(10.0, 15.4, 4.6)
    lobe_r = circle(18.0, 15.4, 4.6)
    stem = polygon([(14.0, 15.0), (10.2, 23.2), (17.8, 23.2)])
    spade = lambda x, y: spade_top(x, y) or lobe_l(x, y) or lobe_r(x, y) or stem(x, y)
    c.shape(lambda x, y: spade(x - 0.6, y - 0.8), lambda x, y: hsb(HUE, 0.9, 0.35), alpha=0.45)
    c.shape(spade, lambda x, y: (255, 255, 255))
    c.shape(rounded_rect(1, 1, 27, 27, 6.5, ring=1.0), lambda x, y: hsb(HUE, 0.85, 0.55), alpha=0.9)
    return c


# ---------------------------------------------------------------- system buttons (23 x 23, 5 frames)
def glyph_close(c, ox, colour):
    c.shape(segment(ox + 7.5, 7.5, ox + 15.5, 15.5, 1.7), colour)
    c.shape(segment(ox + 15.5, 7.5, ox + 7.5, 15.5, 1.7), colour)


def glyph_max(c, ox, colour):
    c.fill_rect(ox + 7, 7, 9, 2, colour)
    c.fill_rect(ox + 7, 9, 1, 7, colour)
    c.fill_rect(ox + 15, 9, 1, 7, colour)
    c.fill_rect(ox + 7, 15, 9, 1, colour)


def glyph_restore(c, ox, colour):
    c.fill_rect(ox + 9, 6, 7, 2, colour)
    c.fill_rect(ox + 15, 8, 1, 5, colour)
    c.fill_rect(ox + 14, 12, 1, 1, colour)
    c.fill_rect(ox + 6, 9, 7, 2, colour)
    c.fill_rect(ox + 6, 11, 1, 6, colour)
    c.fill_rect(ox + 12, 11, 1, 6, colour)
    c.fill_rect(ox + 6, 16, 7, 1, colour)


def glyph_min(c, ox, colour):
    c.fill_rect(ox + 7, 14, 9, 2, colour)


def system_strip(glyph, danger):
    w = h = 23
    c = Canvas(w * 5, h)
    for y in range(h):
        c.fill_rect(0, y, w * 5, 1, caption(5 + y))
    if danger:
        hover_fill = (lambda x, y: mix(hsb(0, 0.55, 0.98), hsb(0, 0.75, 0.86), y / 23.0))
        press_fill = (lambda x, y: mix(hsb(0, 0.80, 0.78), hsb(0, 0.85, 0.66), y / 23.0))
        hover_line, press_line = hsb(0, 0.80, 0.70), hsb(0, 0.90, 0.55)
        hover_glyph = press_glyph = (255, 255, 255)
    else:
        hover_fill = (lambda x, y: mix((255, 255, 255), hsb(HUE, 0.22, 0.97), y / 23.0))
        press_fill = (lambda x, y: mix(hsb(HUE, 0.30, 0.88), hsb(HUE, 0.40, 0.82), y / 23.0))
        hover_line, press_line = hsb(HUE, 0.50, 0.78), hsb(HUE, 0.60, 0.62)
        hover_glyph, press_glyph = hsb(HUE, 0.80, 0.35), hsb(HUE, 0.85, 0.25)
    # 0 normal, 1 pressed, 2 hovered, 3 hovered (spare), 4 disabled
    looks = [(None, None, GLYPH), (press_fill, press_line, press_glyph),
             (hover_fill, hover_line, hover_glyph), (hover_fill, hover_line, hover_glyph), (None, None, GLYPH_OFF)]
    for i, (fill, line, ink) in enumerate(looks):
        ox = i * w
        if fill:
            c.shape(rounded_rect(ox + 1.5, 1.5, ox + 21.5, 21.5, 3.5), fill)
            c.shape(rounded_rect(ox + 1.5, 1.5, ox + 21.5, 21.5, 3.5, ring=1.0), lambda x, y, l=line: l)
        glyph(c, ox, ink)
    return c.flatten((0, 0, 0))


# ---------------------------------------------------------------- push-button strip 2011 (69 x 20, 5 frames)
def push_strip():
    w, h = 69, 20
    c = Canvas(w * 5, h)
    # 0 normal, 1 pressed, 2 checked, 3 hovered, 4 disabled: (top, bottom, border, inner highlight)
    looks = [
        (hsb(HUE, 0.04, 1.00), hsb(HUE, 0.16, 0.95), hsb(HUE, 0.40, 0.72), 0.9),
        (hsb(HUE, 0.30, 0.86), hsb(HUE, 0.18, 0.93), hsb(HUE, 0.60, 0.58), 0.0),
        (hsb(HUE, 0.24, 0.92), hsb(HUE, 0.34, 0.86), hsb(HUE, 0.70, 0.60), 0.5),
        (hsb(HUE, 0.02, 1.00), hsb(HUE, 0.24, 0.99), hsb(HUE, 0.65, 0.85), 1.0),
        (grey(0.96), grey(0.92), grey(0.75), 0.6),
    ]
    for i, (top, bottom, line, gloss) in enumerate(looks):
        ox = i * w
        c.shape(rounded_rect(ox, 0, ox + w, h, 3.5), lambda x, y, t=top, b=bottom: mix(t, b, y / h))
        if gloss:
            c.shape(rounded_rect(ox + 1, 1, ox + w - 1, h - 1, 2.5, ring=1.0), lambda x, y: (255, 255, 255), alpha=gloss)
        c.shape(rounded_rect(ox, 0, ox + w, h, 3.5, ring=1.0), lambda x, y, l=line: l)
    return c.flatten(BACKDROP, key=KEY)


# ---------------------------------------------------------------- combo drop button 2025 (18 x 16, 5 frames)
def arrow_down(cx, cy, size):
    return polygon([(cx - size, cy - size / 2), (cx + size, cy - size / 2), (cx, cy + size / 2)])


def drop_strip():
    w, h = 18, 16
    c = Canvas(w * 5, h)
    looks = [
        (hsb(HUE, 0.06, 1.00), hsb(HUE, 0.20, 0.94), hsb(HUE, 0.40, 0.75), hsb(HUE, 0.70, 0.35)),
        (hsb(HUE, 0.34, 0.86), hsb(HUE, 0.22, 0.93), hsb(HUE, 0.60, 0.60), hsb(HUE, 0.85, 0.25)),
        (hsb(HUE, 0.06, 1.00), hsb(HUE, 0.20, 0.94), hsb(HUE, 0.40, 0.75), hsb(HUE, 0.70, 0.35)),
        (hsb(HUE, 0.02, 1.00), hsb(HUE, 0.28, 0.99), hsb(HUE, 0.65, 0.85), hsb(HUE, 0.85, 0.30)),
        (grey(0.96), grey(0.91), grey(0.78), grey(0.70)),
    ]
    for i, (top, bottom, line, ink) in enumerate(looks):
        ox = i * w
        c.fill_rect(ox, 0, w, h, (255, 255, 255))
        c.shape(rounded_rect(ox + 0.5, 0.5, ox + w - 0.5, h - 0.5, 2.5), lambda x, y, t=top, b=bottom: mix(t, b, y / h))
        c.shape(rounded_rect(ox + 0.5, 0.5, ox + w - 0.5, h - 0.5, 2.5, ring=1.0), lambda x, y, l=line: l)
        c.shape(arrow_down(ox + 9.0, 8.5, 3.6), lambda x, y, k=ink: k)
    return c.flatten((255, 255, 255))


# ---------------------------------------------------------------- menu check mark 2026 (20 x 20, 2 frames)
def check_strip():
    c = Canvas(40, 20)
    c.fill_rect(0, 0, 20, 20, hsb(HUE, 0.35, 0.93))
    c.fill_rect(20, 0, 20, 20, hsb(HUE, 0.13, 0.98))
    for ox, ink in ((0, hsb(HUE, 0.85, 0.35)), (20, hsb(HUE, 0.90, 0.45))):
        c.shape(segment(ox + 5.5, 10.5, ox + 8.5, 13.5, 1.9), lambda x, y, k=ink: k)
        c.shape(segment(ox + 8.5, 13.5, ox + 14.5, 6.5, 1.9), lambda x, y, k=ink: k)
    return c.flatten((255, 255, 255))


# ---------------------------------------------------------------- list header 2027-2029 (20 rows)
def header_colour(y):
    if y == 0:
        return hsb(HUE, 0.40, 0.88)
    if y == 19:
        return hsb(HUE, 0.80, 0.50)
    return mix(hsb(HUE, 0.50, 0.82), hsb(HUE, 0.68, 0.66), (y - 1) / 17.0)


def header_pieces():
    body = band(29, 20, header_colour).flatten((0, 0, 0))
    left = band(1, 20, lambda y: mix(header_colour(y), (255, 255, 255), 0.35)).flatten((0, 0, 0))
    right = band(1, 20, lambda y: mix(header_colour(y), (0, 0, 0), 0.35)).flatten((0, 0, 0))
    return {2027: right, 2028: left, 2029: body}


# ---------------------------------------------------------------- bitmap panel frame 2003-2010
PANEL_LINE = hsb(HUE, 0.60, 0.62)
PANEL_FILL = hsb(HUE, 0.04, 0.99)


def panel_title(y):
    if y == 0:
        return PANEL_LINE
    if y == 1:
        return hsb(HUE, 0.18, 0.99)
    if y == 24:
        return hsb(HUE, 0.55, 0.70)
    return mix(hsb(HUE, 0.32, 0.95), hsb(HUE, 0.50, 0.84), (y - 2) / 22.0)


def panel_frame():
    def title_corner(width, left):
        c = band(width, 25, panel_title)
        c.fill_rect(0 if left else width - 1, 0, 1, 25, PANEL_LINE)
        c.fill_rect(1 if left else width - 2, 1, 1, 23, hsb(HUE, 0.18, 0.99))
        return c

    def side(left):
        c = Canvas(2, 30)
        c.fill_rect(0, 0, 2, 30, PANEL_FILL)
        c.fill_rect(0 if left else 1, 0, 1, 30, PANEL_LINE)
        c.fill_rect(1 if left else 0, 0, 1, 30, hsb(HUE, 0.12, 0.97))
        return c

    bottom = Canvas(30, 2)
    bottom.fill_rect(0, 0, 30, 1, hsb(HUE, 0.12, 0.97))
    bottom.fill_rect(0, 1, 30, 1, PANEL_LINE)
    bottom_left = Canvas(2, 2)
    bottom_left.fill_rect(0, 0, 2, 2, PANEL_LINE)
    bottom_left.fill_rect(1, 0, 1, 1, hsb(HUE, 0.12, 0.97))
    bottom_right = Canvas(8, 38)
    bottom_right.fill_rect(0, 0, 8, 38, PANEL_FILL)
    bottom_right.fill_rect(6, 0, 1, 37, hsb(HUE, 0.12, 0.97))
    bottom_right.fill_rect(0, 36, 7, 1, hsb(HUE, 0.12, 0.97))
    bottom_right.fill_rect(7, 0, 1, 38, PANEL_LINE)
    bottom_right.fill_rect(0, 37, 8, 1, PANEL_LINE)
    for i in range(3):
        bottom_right.fill_rect(4 - i * 2 + 0, 34 - i * 0, 1, 1, hsb(HUE, 0.45, 0.70))
    bottom_right.fill_rect(4, 32, 1, 1, hsb(HUE, 0.45, 0.70))
    bottom_right.fill_rect(2, 32, 1, 1, hsb(HUE, 0.45, 0.70))
    bottom_right.fill_rect(4, 30, 1, 1, hsb(HUE, 0.45, 0.70))
    pieces = {
        2009: title_corner(10, True), 2010: band(30, 25, panel_title), 2003: title_corner(10, False),
        2007: side(True), 2008: side(False), 2004: bottom_left, 2005: bottom, 2006: bottom_right,
    }
    return {k: v.flatten((0, 0, 0)) for k, v in pieces.items()}


# ---------------------------------------------------------------- scroll-bar sheet 2032 (256 x 48)
CHANNEL = grey(0.955)


def scroll_cell_vertical(column):
    """One 16 x 16 cell of the vertical bar (row 0); the horizontal row is its transpose."""
    c = Canvas(16, 16)
    c.fill_rect(0, 0, 16, 16, CHANNEL)
    c.fill_rect(0, 0, 1, 16, grey(0.90))
    if column < 8:
        state = column % 4
        up = column < 4
        if state in (1, 2):
            fill = hsb(HUE, 0.14, 0.99) if state == 1 else hsb(HUE, 0.42, 0.86)
            line = hsb(HUE, 0.45, 0.80) if state == 1 else hsb(HUE, 0.60, 0.62)
            c.shape(rounded_rect(1.5, 1.5, 14.5, 14.5, 2.5), lambda x, y: fill)
            c.shape(rounded_rect(1.5, 1.5, 14.5, 14.5, 2.5, ring=1.0), lambda x, y: line)
        ink = [hsb(HUE, 0.35, 0.45), hsb(HUE, 0.75, 0.45), (255, 255, 255), grey(0.78)][state]
        tri = [(4.0, 10.0), (12.0, 10.0), (8.0, 5.5)] if up else [(4.0, 6.0), (12.0, 6.0), (8.0, 10.5)]
        c.shape(polygon(tri), lambda x, y: ink)
    elif column < 14:
        state = (column - 8) % 3
        fill = [hsb(HUE, 0.22, 0.90), hsb(HUE, 0.32, 0.95), hsb(HUE, 0.52, 0.82)][state]
        line = [hsb(HUE, 0.42, 0.72), hsb(HUE, 0.55, 0.76), hsb(HUE, 0.70, 0.60)][state]
        if column < 11:
            # cap (rows 0-3), repeatable middle (4-11), cap (12-15)
            c.shape(rounded_rect(2.5, 0.5, 13.5, 15.5, 3.5), lambda x, y: fill)
            c.shape(rounded_rect(2.5, 0.5, 13.5, 15.5, 3.5, ring=1.0), lambda x, y: line)
            for y in range(4, 12):
                c.fill_rect(2, y, 12, 1, CHANNEL)
                c.fill_rect(3, y, 10, 1, fill)
                c.fill_rect(2, y, 1, 1, line)
                c.fill_rect(13, y, 1, 1, line)
        else:
            for y in range(16):
                c.fill_rect(3, y, 10, 1, fill)
                c.fill_rect(2, y, 1, 1, line)
                c.fill_rect(13, y, 1, 1, line)
            for y in (5, 8, 11):
                c.fill_rect(5, y, 6, 1, mix(line, (0, 0, 0), 0.15))
                c.fill_rect(5, y + 1, 6, 1, mix(fill, (255, 255, 255), 0.6))
    return c


def scroll_sheet():
    sheet = Canvas(256, 48)
    sheet.fill_rect(0, 0, 256, 48, CHANNEL)
    for col in range(15):
        cell = scroll_cell_vertical(col)
        sheet.blit(cell, col * 16, 0)
        sheet.blit(cell.transposed(), col * 16, 16)
    for ox, mirrored in ((0, False), (16, True)):
        for i in range(3):
            for j in range(3 - i):
                x = 11 - 4 * j
                y = 32 + 11 - 4 * i
                if mirrored:
                    x = 16 - 2 - x
                sheet.fill_rect(ox + x + 1, y + 1, 2, 2, (255, 255, 255))
                sheet.fill_rect(ox + x, y, 2, 2, grey(0.60))
    return sheet.flatten(CHANNEL)


# ---------------------------------------------------------------- hand cursor 2000
HAND = [
    "     XX         ",
    "    XooX        ",
    "    XooX        ",
    "    XooX        ",
    "    XooX        ",
    "    XooXXX      ",
    "    XooXooXXX   ",
    "    XooXooXooXX ",
    " XX XooXooXooXoX",
    "XooXXooooooooXoX",
    "XoooXoooooooooX ",
    " XooXoooooooooX ",
    "  XoXoooooooooX ",
    "  XooooooooooX  ",
    "   XoooooooooX  ",
    "   XooooooooX   ",
    "    XoooooooX   ",
    "    XoooooooX   ",
    "    XXXXXXXXX   ",
]


def cursor_file(rows, hotspot):
    size = 32
    xor_rows, and_rows = [], []
    for y in range(size):
        line = rows[y] if y < len(rows) else ""
        xor_bits = and_bits = 0
        for x in range(size):
            ch = line[x] if x < len(line) else " "
            bit = 1 << (31 - x)
            if ch == "o":
                xor_bits |= bit       # white
            elif ch != "X":
                and_bits |= bit       # transparent (X stays black)
        xor_rows.append(struct.pack(">I", xor_bits))
        and_rows.append(struct.pack(">I", and_bits))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    image = header + palette + b"".join(reversed(xor_rows)) + b"".join(reversed(and_rows))
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", size, size, 0, 0, hotspot[0], hotspot[1], len(image), 6 + 16)
    return directory + entry + image


# ---------------------------------------------------------------- file writers
def bmp_file(width, height, rgb):
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            r, g, b = rgb[y * width + x]
            row += bytes((b, g, r))
        row += b"\0" * (stride - width * 3)
        rows.append(bytes(row))
    data = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    return head + info + data


def png_file(width, height, rgba):
    raw = bytearray()
    for y in range(height):
        raw.append(0)
        for x in range(width):
            raw += bytes(rgba[y * width + x])

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)

    ihdr = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b"")


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def main():
    if len(sys.argv) != 2:
        sys.stderr.write("usage: skinart.py OUTDIR\n")
        return 2
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)

    bitmaps = {}
    bitmaps.update(panel_frame())
    bitmaps[2011] = push_strip()
    bitmaps[2018] = system_strip(glyph_max, False)
    bitmaps[2019] = system_strip(glyph_min, False)
    bitmaps[2020] = system_strip(glyph_restore, False)
    bitmaps[2031] = system_strip(glyph_close, True)
    bitmaps[2025] = drop_strip()
    bitmaps[2026] = check_strip()
    bitmaps.update(header_pieces())
    bitmaps[2032] = scroll_sheet()
    for ident, (w, h, rgb) in sorted(bitmaps.items()):
        write(os.path.join(out, "skin_%d.bmp" % ident), bmp_file(w, h, rgb))

    pngs = dialog_frame()
    pngs["SKIN_WND_LOGO"] = logo()
    for name, canvas in sorted(pngs.items()):
        w, h, rgba = canvas.rgba()
        write(os.path.join(out, name + ".png"), png_file(w, h, rgba))

    write(os.path.join(out, "hand.cur"), cursor_file(HAND, (5, 0)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
