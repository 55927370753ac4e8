#!/usr/bin/env python3
"""Writes the pictures the control tests compile in as resources: a five-frame
button strip (frames 30 x 20 in five solid colours, the corner pixels of each
frame RGB(255, 0, 255)) and a foreground the size of the strip (each frame's
left half opaque white, its right half transparent)."""
import struct
import zlib

FRAME_W, FRAME_H = 30, 20
FRAMES = [(200, 30, 30), (30, 200, 30), (30, 30, 200), (200, 200, 30), (120, 120, 120)]
KEY = (255, 0, 255)


def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)


def png(w, h, rows):
    raw = b"".join(b"\x00" + r for r in rows)
    ihdr = struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b"")


def bmp(w, h, colour):
    stride = (w * 3 + 3) & ~3
    data = b""
    for y in range(h - 1, -1, -1):
        row = b"".join(bytes(reversed(colour(x, y))) for x in range(w))
        data += row + b"\0" * (stride - w * 3)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 54) + info + data


def strip_pixel(x, y):
    fx = x % FRAME_W
    if fx in (0, FRAME_W - 1) and y in (0, FRAME_H - 1):
        return KEY
    return FRAMES[x // FRAME_W]


def foreground_rows():
    rows = []
    for _ in range(FRAME_H):
        row = b""
        for x in range(FRAME_W * 5):
            row += bytes((255, 255, 255, 255)) if x % FRAME_W < FRAME_W // 2 else bytes((0, 0, 0, 0))
        rows.append(row)
    return rows


def main():
    open("strip.bmp", "wb").write(bmp(FRAME_W * 5, FRAME_H, strip_pixel))
    open("foreground.png", "wb").write(png(FRAME_W * 5, FRAME_H, foreground_rows()))


if __name__ == "__main__":
    main()
