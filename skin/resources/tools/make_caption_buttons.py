#!/usr/bin/env python3
"""Draws the six caption-button pictures of the skin engine as RGBA PNGs.

Each picture has a transparent background, a faint white band along the top
edge, a faint white line down the left edge (the close picture also down its
right edge) and a white glyph with a dark one-pixel outline. Glyphs are
described as distance functions and sampled 4 x 4 per pixel, so their edges
are anti-aliased. Only the Python 3 standard library is used; the output is
byte-identical on every run.

Usage: make_caption_buttons.py [output folder]   (default: the parent folder)
"""
import math
import os
import struct
import sys
import zlib

HEIGHT = 18
SUBSAMPLES = 4
GLYPH_RGB = (255, 255, 255)
OUTLINE_RGB = (24, 28, 36)
OUTLINE_ALPHA = 170
TOP_BAND_ALPHAS = (80, 70, 60)  # rows 0, 1 and 2
EDGE_ALPHA_TOP, EDGE_ALPHA_BOTTOM = 70, 25  # edge lines fade downwards


# --- distance functions: negative inside, positive outside, in pixels -------

def segment(ax, ay, bx, by, half_width):
    """A stroke from (ax, ay) to (bx, by) with round ends."""
    def distance(x, y):
        dx, dy = bx - ax, by - ay
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
        return math.hypot(x - (ax + t * dx), y - (ay + t * dy)) - half_width
    return distance


def box(left, top, right, bottom):
    """A filled axis-aligned rectangle."""
    def distance(x, y):
        qx = max(left - x, x - right)
        qy = max(top - y, y - bottom)
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0)
    return distance


def frame(left, top, right, bottom, stroke, top_stroke=None):
    """A rectangular frame; the top side may be thicker (a title bar)."""
    outer = box(left, top, right, bottom)
    inner = box(left + stroke, top + (top_stroke or stroke), right - stroke, bottom - stroke)
    return lambda x, y: max(outer(x, y), -inner(x, y))


def arc(cx, cy, radius, half_width, start_deg, sweep_deg):
    """Part of a ring, from start_deg sweeping sweep_deg (y grows downwards)."""
    ends = [(cx + radius * math.cos(math.radians(a)), cy + radius * math.sin(math.radians(a)))
            for a in (start_deg, start_deg + sweep_deg)]

    def distance(x, y):
        angle = math.degrees(math.atan2(y - cy, x - cx)) % 360.0
        if (angle - start_deg) % 360.0 <= sweep_deg:
            return abs(math.hypot(x - cx, y - cy) - radius) - half_width
        return min(math.hypot(x - ex, y - ey) for ex, ey in ends) - half_width
    return distance


def dot(cx, cy, radius):
    return lambda x, y: math.hypot(x - cx, y - cy) - radius


def union(*shapes):
    return lambda x, y: min(shape(x, y) for shape in shapes)


def minus(shape, cut):
    return lambda x, y: max(shape(x, y), -cut(x, y))


# --- the glyphs (26 x 18, the close glyph 38 x 18) -------------------------

def help_glyph():
    # A ring open at its lower left with a short tail below: a question mark.
    # Strokes are centred on pixel centres so they stay crisp.
    return union(arc(13.5, 6.5, 3.0, 0.75, 200.0, 250.0),
                 segment(13.5, 9.5, 13.5, 10.5, 0.75),
                 dot(13.5, 13.0, 1.0))


def menu_glyph():
    # A small framed panel with a title bar, holding two menu lines.
    return union(frame(8.0, 4.0, 18.0, 14.0, 1.0, top_stroke=2.0),
                 box(10.0, 8.0, 16.0, 9.0),
                 box(10.0, 11.0, 16.0, 12.0))


def minimize_glyph():
    return box(8.5, 11.0, 17.5, 13.0)


def maximize_glyph():
    return frame(8.0, 4.0, 18.0, 13.0, 1.0, top_stroke=2.0)


def restore_glyph():
    front = frame(8.0, 7.0, 15.0, 13.0, 1.0, top_stroke=2.0)
    back = frame(11.0, 4.0, 18.0, 10.0, 1.0, top_stroke=2.0)
    # The back frame stops a pixel short of the front one, leaving room for
    # the front frame's outline.
    return union(front, minus(back, box(7.0, 6.0, 16.0, 14.0)))


def close_glyph():
    return union(segment(15.0, 5.0, 23.0, 13.0, 0.9),
                 segment(23.0, 5.0, 15.0, 13.0, 0.9))


PICTURES = [
    ("caption_help.png", 26, help_glyph, False),
    ("caption_menu.png", 26, menu_glyph, False),
    ("caption_minimize.png", 26, minimize_glyph, False),
    ("caption_maximize.png", 26, maximize_glyph, False),
    ("caption_restore.png", 26, restore_glyph, False),
    ("caption_close.png", 38, close_glyph, True),
]


# --- rendering --------------------------------------------------------------

def coverage(shape, px, py, grow):
    """Fraction of pixel (px, py) inside the shape grown by `grow` pixels."""
    inside = 0
    for sy in range(SUBSAMPLES):
        for sx in range(SUBSAMPLES):
            x = px + (sx + 0.5) / SUBSAMPLES
            y = py + (sy + 0.5) / SUBSAMPLES
            if shape(x, y) <= grow:
                inside += 1
    return inside / (SUBSAMPLES * SUBSAMPLES)


def over(dst, rgb, alpha):
    """Composes colour `rgb` at opacity `alpha` (0..1) over the RGBA pixel `dst`."""
    da = dst[3] / 255.0
    out_a = alpha + da * (1.0 - alpha)
    if out_a <= 0.0:
        return [0, 0, 0, 0]
    channels = [(c * alpha + d * da * (1.0 - alpha)) / out_a for c, d in zip(rgb, dst[:3])]
    return [int(round(c)) for c in channels] + [int(round(out_a * 255.0))]


def edge_alpha(y):
    t = (y - len(TOP_BAND_ALPHAS)) / (HEIGHT - 1 - len(TOP_BAND_ALPHAS))
    return EDGE_ALPHA_TOP + (EDGE_ALPHA_BOTTOM - EDGE_ALPHA_TOP) * t


def render(width, glyph, right_edge):
    shape = glyph()
    rows = []
    for y in range(HEIGHT):
        row = []
        for x in range(width):
            pixel = [0, 0, 0, 0]
            if y < len(TOP_BAND_ALPHAS):
                pixel = over(pixel, (255, 255, 255), TOP_BAND_ALPHAS[y] / 255.0)
            elif x == 0 or (right_edge and x == width - 1):
                pixel = over(pixel, (255, 255, 255), edge_alpha(y) / 255.0)
            outline = coverage(shape, x, y, 1.0)
            if outline > 0.0:
                pixel = over(pixel, OUTLINE_RGB, outline * OUTLINE_ALPHA / 255.0)
            body = coverage(shape, x, y, 0.0)
            if body > 0.0:
                pixel = over(pixel, GLYPH_RGB, body)
            row.append(pixel)
        rows.append(row)
    return rows


def png_bytes(rows):
    width, height = len(rows[0]), len(rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + bytes(v for pixel in row for v in pixel) for row in rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    default = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir)
    out_dir = sys.argv[1] if len(sys.argv) > 1 else default
    for name, width, glyph, right_edge in PICTURES:
        with open(os.path.join(out_dir, name), "wb") as out:
            out.write(png_bytes(render(width, glyph, right_edge)))


if __name__ == "__main__":
    main()
