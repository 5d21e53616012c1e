#!/usr/bin/env python3
"""Draws the control pictures of the skin engine as RGBA PNGs.

check_box_empty.png    13 x 13: a near-white, slightly warm square with a dark
                       one-pixel border and a faint shade inside the border.
check_box_checked.png  13 x 13: the same square with a teal check mark
                       (RGB 36, 110, 117), anti-aliased.
combo_arrow.png        7 x 4: a black triangle pointing down (rows of 7, 5, 3
                       and 1 opaque pixels, centred) on a transparent ground.

Only the Python 3 standard library is used; the output is byte-identical on
every run.

Usage: make_control_pictures.py [output folder]   (default: the parent folder)
"""
import math
import os
import struct
import sys
import zlib

BOX = 13
BORDER_RGB = (64, 70, 78)
FACE_RGB = (252, 250, 244)      # near-white, slightly warm
SHADE_RGB = (226, 222, 212)     # the row and column just inside the border
MARK_RGB = (36, 110, 117)
MARK_HALF_WIDTH = 0.95
MARK_POINTS = ((3.0, 6.6), (5.4, 9.0), (9.9, 3.6))
SUBSAMPLES = 4


def box_pixel(x, y):
    if x in (0, BOX - 1) or y in (0, BOX - 1):
        return BORDER_RGB + (255,)
    if x == 1 or y == 1:
        return SHADE_RGB + (255,)
    return FACE_RGB + (255,)


def segment_distance(px, py, a, b):
    (ax, ay), (bx, by) = a, b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def mark_coverage(x, y):
    inside = 0
    for sy in range(SUBSAMPLES):
        for sx in range(SUBSAMPLES):
            px = x + (sx + 0.5) / SUBSAMPLES
            py = y + (sy + 0.5) / SUBSAMPLES
            d = min(segment_distance(px, py, MARK_POINTS[i], MARK_POINTS[i + 1])
                    for i in range(len(MARK_POINTS) - 1))
            inside += d <= MARK_HALF_WIDTH
    return inside / (SUBSAMPLES * SUBSAMPLES)


def blend(under, rgb, amount):
    return tuple(round(u + (c - u) * amount) for u, c in zip(under[:3], rgb)) + (255,)


def empty_box():
    return [[box_pixel(x, y) for x in range(BOX)] for y in range(BOX)]


def checked_box():
    rows = empty_box()
    for y in range(1, BOX - 1):
        for x in range(1, BOX - 1):
            amount = mark_coverage(x, y)
            if amount:
                rows[y][x] = blend(rows[y][x], MARK_RGB, amount)
    return rows


def arrow():
    rows = []
    for y in range(4):
        rows.append([(0, 0, 0, 255) if y <= x <= 6 - y else (0, 0, 0, 0) for x in range(7)])
    return rows


def png_bytes(rows):
    height, width = len(rows), len(rows[0])
    raw = b"".join(b"\x00" + bytes(v for pixel in row for v in pixel) for row in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    for name, rows in (("check_box_empty.png", empty_box()),
                       ("check_box_checked.png", checked_box()),
                       ("combo_arrow.png", arrow())):
        with open(os.path.join(folder, name), "wb") as out:
            out.write(png_bytes(rows))


if __name__ == "__main__":
    main()
