#!/usr/bin/env python3
"""Writes the pictures the control tests compile in as resources: a five-frame
button strip (frames 30 x 20 in five solid colours, the corner pixels of each
frame RGB(255, 0, 255)), a foreground the size of the strip (each frame's
left half opaque white, its right half transparent), and a two-frame animated
GIF of 24 x 16 (red for 0.3 s, then blue for 0.3 s, looping)."""
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


GIF_W, GIF_H = 24, 16
GIF_PALETTE = [(255, 255, 255), (220, 20, 20), (20, 20, 220), (0, 0, 0)]
GIF_FRAMES = [1, 2]  # palette index filling each frame
GIF_DELAY = 30  # hundredths of a second


def lzw(indices, min_size):
    """GIF's variable-width LZW of palette indices, packed into sub-blocks."""
    clear, end = 1 << min_size, (1 << min_size) + 1
    table = {(i,): i for i in range(clear)}
    width, next_code = min_size + 1, end + 1
    codes = [(clear, width)]
    current = ()
    for index in indices:
        grown = current + (index,)
        if grown in table:
            current = grown
            continue
        codes.append((table[current], width))
        if next_code < 4096:
            table[grown] = next_code
            next_code += 1
            if next_code > (1 << width) and width < 12:
                width += 1
        current = (index,)
    codes.append((table[current], width))
    codes.append((end, width))
    bits, count, out = 0, 0, bytearray()
    for code, size in codes:
        bits |= code << count
        count += size
        while count >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            count -= 8
    if count:
        out.append(bits & 0xFF)
    blocks = b"".join(bytes((len(out[i:i + 255]),)) + bytes(out[i:i + 255]) for i in range(0, len(out), 255))
    return bytes((min_size,)) + blocks + b"\0"


def gif():
    data = b"GIF89a" + struct.pack("<HHBBB", GIF_W, GIF_H, 0xF1, 0, 0)
    data += b"".join(bytes(c) for c in GIF_PALETTE)
    data += b"\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00"
    for fill in GIF_FRAMES:
        data += b"\x21\xF9\x04" + struct.pack("<BHBB", 0x04, GIF_DELAY, 0, 0)
        data += b"\x2C" + struct.pack("<HHHHB", 0, 0, GIF_W, GIF_H, 0)
        data += lzw([fill] * (GIF_W * GIF_H), 2)
    return data + b"\x3B"


def main():
    open("strip.bmp", "wb").write(bmp(FRAME_W * 5, FRAME_H, strip_pixel))
    open("foreground.png", "wb").write(png(FRAME_W * 5, FRAME_H, foreground_rows()))
    open("animation.gif", "wb").write(gif())


if __name__ == "__main__":
    main()
