#!/usr/bin/env python3
"""Writes icon.png, the 16 x 16 picture of the engine's test page: an accent disc with a
white tick on a transparent ground, drawn pixel by pixel (no converter needed)."""
import struct
import zlib

SIZE = 16
ACCENT = (0x2B, 0x6A, 0x99)


def pixel(x, y):
    cx = cy = 7.5
    inside = (x - cx) ** 2 + (y - cy) ** 2 <= 7.5 ** 2
    if not inside:
        return (0, 0, 0, 0)
    tick = (4 <= x <= 7 and y == x + 3) or (7 <= x <= 11 and y == 17 - x)
    return (255, 255, 255, 255) if tick else ACCENT + (255,)


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def main():
    rows = b"".join(b"\0" + b"".join(bytes(pixel(x, y)) for x in range(SIZE)) for y in range(SIZE))
    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b"")
    with open(__file__.replace("make_icon.py", "icon.png"), "wb") as out:
        out.write(png)


if __name__ == "__main__":
    main()
