#!/usr/bin/env python3
"""Writes the test pictures of this folder: PNG (RGBA, RGB, palette) and BMP."""
import struct
import zlib


def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)


def png(w, h, colortype, rows, extra=b""):
    raw = b"".join(b"\x00" + r for r in rows)
    ihdr = struct.pack(">IIBBBBB", w, h, 8, colortype, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + extra + chunk(b"IDAT", zlib.compress(raw)) +
            chunk(b"IEND", b""))


def main():
    px = [
        [(255, 0, 0, 255), (0, 255, 0, 255), (0, 0, 255, 255), (255, 255, 255, 255)],
        [(255, 0, 0, 128), (0, 0, 0, 0), (0, 0, 0, 255), (128, 128, 128, 255)],
        [(10, 20, 30, 255), (10, 20, 30, 192), (10, 20, 30, 64), (10, 20, 30, 1)],
    ]
    open("rgba4x3.png", "wb").write(png(4, 3, 6, [bytes(sum((list(p) for p in r), [])) for r in px]))
    pal = [(255, 0, 0), (0, 128, 0), (0, 0, 255), (250, 250, 250)]
    plte = chunk(b"PLTE", bytes(sum((list(c) for c in pal), [])))
    open("palette3x2.png", "wb").write(png(3, 2, 3, [bytes([0, 1, 2]), bytes([3, 2, 1])], plte))
    open("rgb2x2.png", "wb").write(png(2, 2, 2, [bytes([255, 255, 0, 0, 255, 255]), bytes([255, 0, 255, 1, 2, 3])]))

    rows = [[(255, 0, 0), (0, 255, 0), (0, 0, 255)], [(255, 255, 255), (0, 0, 0), (128, 128, 128)]]
    w, h = 3, 2
    stride = (w * 3 + 3) // 4 * 4
    data = b""
    for r in reversed(rows):
        line = b"".join(bytes([b, g, rr]) for (rr, g, b) in r)
        data += line + b"\x00" * (stride - len(line))
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    head = b"BM" + struct.pack("<IHHI", 14 + 40 + len(data), 0, 0, 54)
    open("rgb3x2.bmp", "wb").write(head + info + data)


if __name__ == "__main__":
    main()
