#!/usr/bin/env python3
"""Renders the wizard's 408x398 background and writes it as background.jpg.

The picture is a soft sky-blue gradient with a few translucent light discs
and two gentle waves near the bottom; the wizard draws its dark caption band
and translucent controls over it. ImageMagick's `convert` encodes the pixels
as a baseline JFIF JPEG, then comment (COM) segments are inserted after the
APP0 segment so the file is exactly 177951 bytes and still a valid JPEG.

Run by hand from anywhere; the output is committed:
    python3 app/payload/tools/make_background.py
"""
import math
import pathlib
import struct
import subprocess
import tempfile

WIDTH, HEIGHT = 408, 398
TARGET_SIZE = 177951
OUTPUT = pathlib.Path(__file__).resolve().parent.parent / "background.jpg"

# Gradient stops from top to bottom: (fraction of the height, RGB).
GRADIENT = [
    (0.00, (52, 120, 196)),
    (0.30, (120, 186, 232)),
    (0.62, (214, 236, 248)),
    (1.00, (244, 249, 253)),
]
# Light discs: centre x, centre y, radius, opacity, RGB.
DISCS = [
    (352, 64, 120, 0.16, (255, 255, 255)),
    (300, 150, 54, 0.12, (230, 246, 255)),
    (64, 120, 82, 0.10, (255, 255, 255)),
    (380, 250, 36, 0.14, (200, 236, 250)),
    (120, 40, 22, 0.18, (255, 255, 255)),
]
# Waves: base height, amplitude, wavelength, phase, opacity, RGB.
WAVES = [
    (318, 14, 300, 0.0, 0.30, (150, 206, 236)),
    (346, 10, 240, 1.9, 0.35, (96, 170, 222)),
]


def lerp(a, b, t):
    return a + (b - a) * t


def mix(colour, overlay, alpha):
    return tuple(lerp(c, o, alpha) for c, o in zip(colour, overlay))


def gradient(y):
    t = y / (HEIGHT - 1)
    for (t0, c0), (t1, c1) in zip(GRADIENT, GRADIENT[1:]):
        if t <= t1:
            s = (t - t0) / (t1 - t0)
            s = s * s * (3 - 2 * s)  # smoothstep: no visible banding at the stops
            return mix(c0, c1, s)
    return GRADIENT[-1][1]


def pixel(x, y):
    colour = gradient(y)
    # A slight diagonal light from the top right.
    colour = mix(colour, (255, 255, 255), 0.10 * max(0.0, (x - y) / WIDTH))
    for cx, cy, r, opacity, rgb in DISCS:
        d = math.hypot(x - cx, y - cy)
        if d < r + 1:
            edge = min(1.0, r + 1 - d)  # one-pixel anti-aliased rim
            glow = 1.0 - 0.5 * (d / r) ** 2  # brighter towards the centre
            colour = mix(colour, rgb, opacity * edge * glow)
    for base, amp, length, phase, opacity, rgb in WAVES:
        top = base + amp * math.sin(2 * math.pi * x / length + phase)
        if y > top - 1:
            colour = mix(colour, rgb, opacity * min(1.0, y - top + 1))
    return bytes(max(0, min(255, round(c))) for c in colour)


def render_ppm():
    rows = [b"".join(pixel(x, y) for x in range(WIDTH)) for y in range(HEIGHT)]
    return b"P6 %d %d 255\n" % (WIDTH, HEIGHT) + b"".join(rows)


def encode_jpeg(ppm):
    with tempfile.TemporaryDirectory() as tmp:
        src = pathlib.Path(tmp) / "background.ppm"
        dst = pathlib.Path(tmp) / "background.jpg"
        src.write_bytes(ppm)
        subprocess.run(
            ["convert", str(src), "-strip", "-interlace", "none", "-sampling-factor", "2x2",
             "-quality", "95", "-density", "96", "-units", "PixelsPerInch", f"JPEG:{dst}"],
            check=True)
        return dst.read_bytes()


def pad_with_comments(jpeg, size):
    """Inserts COM segments (FF FE, 16-bit length, text) right after APP0."""
    if jpeg[:4] != b"\xff\xd8\xff\xe0":
        raise SystemExit("the encoder did not write a JFIF APP0 segment first")
    app0_end = 4 + struct.unpack(">H", jpeg[4:6])[0]
    missing = size - len(jpeg)
    if missing < 0:
        raise SystemExit(f"the encoded image is {len(jpeg)} bytes, more than {size}")
    comments = b""
    text = b"Tavrin setup background. "
    while missing:
        if missing < 5:  # a segment takes 4 bytes plus at least 1 of text
            raise SystemExit("cannot pad by fewer than 5 bytes; change the quality")
        body = min(missing - 4, 65533)
        if 0 < missing - 4 - body < 5:  # leave room for a whole last segment
            body -= 5
        comments += b"\xff\xfe" + struct.pack(">H", body + 2) + (text * (body // len(text) + 1))[:body]
        missing -= body + 4
    return jpeg[:app0_end] + comments + jpeg[app0_end:]


def main():
    jpeg = pad_with_comments(encode_jpeg(render_ppm()), TARGET_SIZE)
    OUTPUT.write_bytes(jpeg)
    print(f"{OUTPUT}: {len(jpeg)} bytes")


if __name__ == "__main__":
    main()
