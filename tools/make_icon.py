#!/usr/bin/env python3
"""Draws the program icon, a small monitor whose screen shows scanlines, into src/app/corvanta.ico.

Standard library only; the output is byte-for-byte the same on every run. The icon holds 16, 32 and
48-pixel images, each a 32-bpp BGRA bitmap with its AND mask.
Usage: python3 tools/make_icon.py [output .ico] [--preview preview.png]
"""

import os
import struct
import sys
import zlib

SIZES = (16, 32, 48)
SUBSAMPLES = 4  # per axis: edges are anti-aliased from 16 samples per pixel

CASE = (58, 62, 72)
CASE_TOP = (92, 98, 112)
SCREEN_CENTRE = (96, 226, 200)
SCREEN_EDGE = (24, 104, 112)
LED = (255, 86, 64)


def rounded_rect_contains(x, y, left, top, right, bottom, radius):
    if not (left <= x <= right and top <= y <= bottom):
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius


def mix(a, b, t):
    return tuple(p + (q - p) * t for p, q in zip(a, b))


# Layout in a unit square (x right, y down).
CASE_BOX = (0.04, 0.08, 0.96, 0.80, 0.13)
SCREEN_BOX = (0.14, 0.17, 0.86, 0.69, 0.08)
LED_CENTRE, LED_RADIUS = (0.83, 0.745), 0.028
STAND_TOP, STAND_BOTTOM = 0.80, 0.94
STAND_TOP_HALF, STAND_BOTTOM_HALF = 0.12, 0.26


def stand_contains(x, y):
    if not STAND_TOP <= y <= STAND_BOTTOM:
        return False
    t = (y - STAND_TOP) / (STAND_BOTTOM - STAND_TOP)
    half = STAND_TOP_HALF + (STAND_BOTTOM_HALF - STAND_TOP_HALF) * t
    return abs(x - 0.5) <= half


def screen_colour(x, y):
    left, top, right, bottom, _ = SCREEN_BOX
    # Brightest in the middle, darker towards the curved edges of the tube.
    dx = (x - (left + right) / 2) / ((right - left) / 2)
    dy = (y - (top + bottom) / 2) / ((bottom - top) / 2)
    glow = min(1.0, (dx * dx + dy * dy) / 1.6)
    colour = mix(SCREEN_CENTRE, SCREEN_EDGE, glow)
    # A soft reflection in the upper left corner.
    if dx + dy < -0.9 and dy < -0.3:
        colour = mix(colour, (255, 255, 255), 0.25)
    return colour


def sample(x, y):
    """Colour and coverage (0 or 1) of one sample point, without the scanlines."""
    if rounded_rect_contains(x, y, *SCREEN_BOX):
        return screen_colour(x, y), "screen"
    if (x - LED_CENTRE[0]) ** 2 + (y - LED_CENTRE[1]) ** 2 <= LED_RADIUS ** 2:
        return LED, "case"
    if rounded_rect_contains(x, y, *CASE_BOX):
        return mix(CASE_TOP, CASE, min(1.0, (y - CASE_BOX[1]) / 0.25)), "case"
    if stand_contains(x, y):
        return CASE, "case"
    return None, None


def scanline_period(size):
    return 2 if size <= 32 else 3


def render(size):
    """Rows of (r, g, b, a) tuples, top row first."""
    period = scanline_period(size)
    pixels = []
    for py in range(size):
        # Whole pixel rows of the screen are darkened, so the lines stay crisp at every size.
        dark_row = py % period == period - 1
        row = []
        for px in range(size):
            total = [0.0, 0.0, 0.0]
            covered = 0
            for sy in range(SUBSAMPLES):
                for sx in range(SUBSAMPLES):
                    x = (px + (sx + 0.5) / SUBSAMPLES) / size
                    y = (py + (sy + 0.5) / SUBSAMPLES) / size
                    colour, part = sample(x, y)
                    if colour is None:
                        continue
                    if part == "screen" and dark_row:
                        colour = mix(colour, (0, 0, 0), 0.62)
                    for i in range(3):
                        total[i] += colour[i]
                    covered += 1
            if covered == 0:
                row.append((0, 0, 0, 0))
            else:
                alpha = round(255 * covered / SUBSAMPLES ** 2)
                row.append(tuple(round(c / covered) for c in total) + (alpha,))
        pixels.append(row)
    return pixels


def icon_image(pixels):
    """BITMAPINFOHEADER (double height), bottom-up BGRA rows, then the 1-bpp AND mask."""
    size = len(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(bytes((b, g, r, a)) for row in reversed(pixels) for r, g, b, a in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(pixels):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + colour + bytes(mask)


def ico_bytes(images):
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, blobs = b"", b""
    for size, data in images:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        blobs += data
        offset += len(data)
    return directory + entries + blobs


def preview_png(renders, scale=4):
    """All sizes side by side over a checkerboard, magnified: for looking at the design only."""
    height = max(SIZES) * scale
    width = sum(s * scale + 8 for s in SIZES)
    canvas = [[(200, 200, 200) if ((x // 8) + (y // 8)) % 2 else (240, 240, 240) for x in range(width)]
              for y in range(height)]
    left = 0
    for size, pixels in zip(SIZES, renders):
        for y in range(size * scale):
            for x in range(size * scale):
                r, g, b, a = pixels[y // scale][x // scale]
                canvas[y][left + x] = tuple(round(c + (n - c) * a / 255) for c, n in zip(canvas[y][left + x],
                                                                                          (r, g, b)))
        left += size * scale + 8
    raw = b"".join(b"\x00" + bytes(c for rgb in row for c in rgb) for row in canvas)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    args = sys.argv[1:]
    preview = None
    if "--preview" in args:
        at = args.index("--preview")
        preview = args[at + 1]
        del args[at:at + 2]
    here = os.path.dirname(os.path.abspath(__file__))
    out = args[0] if args else os.path.join(here, "..", "src", "app", "corvanta.ico")

    renders = [render(size) for size in SIZES]
    with open(out, "wb") as f:
        f.write(ico_bytes([(size, icon_image(pixels)) for size, pixels in zip(SIZES, renders)]))
    if preview:
        with open(preview, "wb") as f:
            f.write(preview_png(renders))
    print("wrote %s" % os.path.normpath(out))


if __name__ == "__main__":
    main()
