#!/usr/bin/env python3
"""Draws the picture of the donation window into src/update/donation.png: a thank-you card with a small
monitor whose scanlined screen shows a heart.

Standard library only; the output is byte-for-byte the same on every run. The picture is 828 x 1136
pixels, 32-bit RGBA (PNG colour type 6), every pixel opaque.
Usage: python3 tools/make_donation_picture.py [output .png]
"""

import os
import struct
import sys
import zlib

WIDTH, HEIGHT = 828, 1136

SKY_TOP = (24, 30, 52)
SKY_BOTTOM = (70, 38, 78)
CARD = (246, 240, 228)
CARD_EDGE = (214, 160, 92)
CASE = (58, 62, 72)
CASE_TOP = (96, 102, 118)
SCREEN_CENTRE = (96, 226, 200)
SCREEN_EDGE = (24, 104, 112)
HEART = (232, 64, 88)
LED = (255, 86, 64)
INK = (62, 48, 70)
WARM = (196, 92, 52)

# 5 x 7 capitals, one string of five '#'/'.' per row.
GLYPHS = {
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "C": [".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."],
    "F": ["#####", "#....", "#....", "####.", "#....", "#....", "#...."],
    "G": [".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"],
    "H": ["#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "I": [".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "K": ["#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"],
    "N": ["#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "P": ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "S": [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "U": ["#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "V": ["#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "Y": ["#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."],
    " ": [".....", ".....", ".....", ".....", ".....", ".....", "....."],
}


class Canvas:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.rgb = [[(0, 0, 0)] * width for _ in range(height)]

    def blend(self, x, y, colour, coverage):
        if coverage <= 0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        if coverage >= 1:
            self.rgb[y][x] = colour
            return
        under = self.rgb[y][x]
        self.rgb[y][x] = tuple(u + (c - u) * coverage for u, c in zip(under, colour))

    def png(self):
        raw = bytearray()
        for row in self.rgb:
            raw.append(0)
            for r, g, b in row:
                raw += bytes((round(r), round(g), round(b), 255))

        def chunk(kind, data):
            return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 6, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
                + chunk(b"IEND", b""))


def mix(a, b, t):
    return tuple(p + (q - p) * t for p, q in zip(a, b))


def clamp01(value):
    return 0.0 if value < 0 else 1.0 if value > 1 else value


def rounded_box_distance(x, y, box):
    """Signed distance from (x, y) to a rounded rectangle (left, top, right, bottom, radius)."""
    left, top, right, bottom, radius = box
    cx, cy = (left + right) / 2, (top + bottom) / 2
    qx = abs(x - cx) - ((right - left) / 2 - radius)
    qy = abs(y - cy) - ((bottom - top) / 2 - radius)
    outside = (max(qx, 0) ** 2 + max(qy, 0) ** 2) ** 0.5
    return outside + min(max(qx, qy), 0) - radius


def fill_rounded_box(canvas, box, colour_at):
    """Fills a rounded rectangle with anti-aliased edges; colour_at(x, y) gives each pixel's colour."""
    left, top, right, bottom, _ = box
    for y in range(int(top) - 1, int(bottom) + 2):
        for x in range(int(left) - 1, int(right) + 2):
            coverage = clamp01(0.5 - rounded_box_distance(x + 0.5, y + 0.5, box))
            if coverage > 0:
                canvas.blend(x, y, colour_at(x, y), coverage)


def fill_heart(canvas, centre_x, centre_y, size, colour, samples=3):
    """The curve (x^2 + y^2 - 1)^3 <= x^2 y^3, size pixels across, anti-aliased by supersampling."""
    half = size / 2
    for y in range(int(centre_y - half) - 1, int(centre_y + half) + 2):
        for x in range(int(centre_x - half) - 1, int(centre_x + half) + 2):
            inside = 0
            for sy in range(samples):
                for sx in range(samples):
                    u = (x + (sx + 0.5) / samples - centre_x) / half * 1.25
                    v = -(y + (sy + 0.5) / samples - centre_y) / half * 1.25 + 0.15
                    if (u * u + v * v - 1) ** 3 - u * u * v ** 3 <= 0:
                        inside += 1
            canvas.blend(x, y, colour, inside / samples ** 2)


def draw_text(canvas, text, centre_x, top, scale, colour):
    """Capitals of the 5 x 7 font, each font pixel a scale x scale square, centred on centre_x."""
    advance = 6 * scale
    left = round(centre_x - (len(text) * advance - scale) / 2)
    for index, letter in enumerate(text):
        for row, bits in enumerate(GLYPHS[letter]):
            for column, bit in enumerate(bits):
                if bit != "#":
                    continue
                x0, y0 = left + index * advance + column * scale, top + row * scale
                for y in range(y0, y0 + scale):
                    for x in range(x0, x0 + scale):
                        canvas.blend(x, y, colour, 1)


def draw_background(canvas):
    for y in range(canvas.height):
        colour = mix(SKY_TOP, SKY_BOTTOM, y / (canvas.height - 1))
        if y % 4 == 3:  # the scanlines of the whole picture
            colour = mix(colour, (0, 0, 0), 0.25)
        canvas.rgb[y] = [colour] * canvas.width


def draw_card(canvas):
    outer = (54, 54, WIDTH - 54, HEIGHT - 54, 42)
    inner = (62, 62, WIDTH - 62, HEIGHT - 62, 36)
    fill_rounded_box(canvas, outer, lambda x, y: CARD_EDGE)
    fill_rounded_box(canvas, inner, lambda x, y: mix(CARD, (236, 226, 210), y / HEIGHT))


def draw_monitor(canvas):
    case = (194, 140, WIDTH - 194, 560, 40)
    screen = (240, 184, WIDTH - 240, 500, 26)
    stand = (354, 560, WIDTH - 354, 610, 8)
    foot = (284, 604, WIDTH - 284, 636, 14)
    fill_rounded_box(canvas, foot, lambda x, y: CASE)
    fill_rounded_box(canvas, stand, lambda x, y: CASE)
    fill_rounded_box(canvas, case, lambda x, y: mix(CASE_TOP, CASE, clamp01((y - case[1]) / 160)))

    centre_x, centre_y = (screen[0] + screen[2]) / 2, (screen[1] + screen[3]) / 2

    def screen_colour(x, y):
        dx = (x - centre_x) / ((screen[2] - screen[0]) / 2)
        dy = (y - centre_y) / ((screen[3] - screen[1]) / 2)
        colour = mix(SCREEN_CENTRE, SCREEN_EDGE, min(1.0, (dx * dx + dy * dy) / 1.6))
        if dx + dy < -0.9 and dy < -0.3:  # a soft reflection in the upper left corner
            colour = mix(colour, (255, 255, 255), 0.25)
        return colour

    fill_rounded_box(canvas, screen, screen_colour)
    fill_heart(canvas, centre_x, centre_y + 6, 190, HEART)
    # The screen's own scanlines, over the heart too.
    for y in range(screen[1], screen[3] + 1):
        if y % 6 < 2:
            for x in range(screen[0], screen[2] + 1):
                if rounded_box_distance(x + 0.5, y + 0.5, screen) < 0:
                    canvas.rgb[y][x] = mix(canvas.rgb[y][x], (0, 0, 0), 0.45)
    fill_heart(canvas, case[2] - 46, case[3] - 26, 18, LED)


def draw_words(canvas):
    draw_text(canvas, "THANK YOU", WIDTH / 2, 704, 11, WARM)
    draw_text(canvas, "FOR SUPPORTING", WIDTH / 2, 820, 6, INK)
    draw_text(canvas, "CORVANTA", WIDTH / 2, 880, 9, INK)
    for index in range(5):
        fill_heart(canvas, WIDTH / 2 + (index - 2) * 64, 1010, 34, mix(HEART, WARM, index / 4))


def render():
    canvas = Canvas(WIDTH, HEIGHT)
    draw_background(canvas)
    draw_card(canvas)
    draw_monitor(canvas)
    draw_words(canvas)
    return canvas


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "src", "update", "donation.png")
    with open(out, "wb") as f:
        f.write(render().png())
    print("wrote %s" % os.path.normpath(out))


if __name__ == "__main__":
    main()
