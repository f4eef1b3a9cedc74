#!/usr/bin/env python3
"""Regenerates the starter effect library in assets/Effect: presets (C/*.ini) and pictures (P/*.png, *.bmp).

Standard library only; the output is byte-for-byte the same on every run.
Usage: python3 tools/make_effects.py [output folder, default assets/Effect beside this script's parent]
"""

import os
import struct
import sys
import zlib

# Pixels of exactly this colour are transparent on the overlay (the default colour key of custom and
# picture mode); no line colour and no visible picture pixel may use it.
COLOUR_KEY = (208, 222, 227)

# Every tile is this size: a common multiple of the 2, 3, 4, 5 and 6-pixel periods below, so a tile
# repeated from (0, 0) never breaks its pattern, and large enough that tiling a full screen takes
# only a few hundred copies.
TILE_SIZE = 120

# Line types as the preset stores them.
SOLID, DASH, DOT, DASH_DOT, DASH_DOT_DOT = 1, 2, 3, 4, 5


def preset(name, line_type, pixel_size, colour, transverse=0, vertical=0, oblique=0, antiskew=0, suits=""):
    return {
        "name": name,
        "values": (line_type, pixel_size) + tuple(colour) + (transverse, vertical, oblique, antiskew),
        "suits": suits,
    }


NEAR_BLACK = (8, 8, 8)
DARK = (16, 16, 16)
DIM = (24, 24, 24)
MEDIUM = (40, 40, 40)
LIGHT = (88, 88, 88)

# In listing order; the list index is the two-digit prefix. Entry 23 is enabled on a fresh install.
PRESETS = [
    preset("00_scanlines_2px_light", SOLID, 1, LIGHT, transverse=2,
           suits="2x scaled games, a faint line on every second row"),
    preset("01_scanlines_2px_medium", SOLID, 1, MEDIUM, transverse=2,
           suits="2x scaled games (320x240 sources on 640x480-class windows)"),
    preset("02_scanlines_2px_dark", SOLID, 1, (0, 0, 0), transverse=2,
           suits="2x scaled games, strong lines; lower the strength slider for a softer look"),
    preset("03_scanlines_3px_light", SOLID, 1, LIGHT, transverse=3,
           suits="3x scaled games, subtle"),
    preset("04_scanlines_3px_medium", SOLID, 1, MEDIUM, transverse=3,
           suits="3x scaled games, medium darkness"),
    preset("05_scanlines_3px_thick", SOLID, 2, (48, 48, 48), transverse=3,
           suits="3x scaled games, two of every three rows shaded: heavy low-resolution look"),
    preset("06_scanlines_4px_thin", SOLID, 1, DARK, transverse=4,
           suits="4x scaled games (240p sources on 1080p screens), thin lines"),
    preset("07_scanlines_4px_thick", SOLID, 2, DARK, transverse=4,
           suits="4x scaled games, half of every line period dark: classic arcade monitor"),
    preset("08_scanlines_5px_thin", SOLID, 1, DARK, transverse=5,
           suits="5x scaled games (240p sources on 1440p screens), thin lines"),
    preset("09_scanlines_5px_thick", SOLID, 2, DARK, transverse=5,
           suits="5x scaled games, thick lines"),
    preset("10_scanlines_6px_heavy", SOLID, 3, NEAR_BLACK, transverse=6,
           suits="6x scaled games (240p sources on 1440p screens), bold lines"),
    preset("11_scanlines_8px_heavy", SOLID, 4, NEAR_BLACK, transverse=8,
           suits="8x scaled games (240p sources on 4K screens), bold lines"),
    preset("12_scanlines_3px_warm", SOLID, 1, (44, 22, 8), transverse=3,
           suits="3x scaled games, lines with a warm amber cast (older arcade monitors)"),
    preset("13_scanlines_3px_cool", SOLID, 1, (8, 18, 44), transverse=3,
           suits="3x scaled games, lines with a cool blue cast (consumer TV look)"),
    preset("14_scanlines_3px_dashed", DASH, 1, DIM, transverse=3,
           suits="3x scaled games, broken lines for a worn-tube texture"),
    preset("15_scanlines_2px_dotted", DOT, 1, DIM, transverse=2,
           suits="2x scaled games or high-resolution ports, a light dotted texture"),
    preset("16_aperture_grille_2px", SOLID, 1, (32, 32, 32), vertical=2,
           suits="2x scaled games, vertical aperture-grille stripes"),
    preset("17_aperture_grille_3px", SOLID, 1, DIM, vertical=3,
           suits="3x scaled games, vertical aperture-grille stripes (Trinitron-style)"),
    preset("18_aperture_grille_4px_thick", SOLID, 2, DIM, vertical=4,
           suits="4x scaled games, bold vertical stripes"),
    preset("19_lcd_grid_3px", SOLID, 1, (120, 120, 120), transverse=3, vertical=3,
           suits="3x scaled handheld games, the faint pixel grid of an LCD"),
    preset("20_crosshatch_3px", SOLID, 1, (32, 32, 32), transverse=3, vertical=3,
           suits="3x scaled games, shadow-mask-like cells"),
    preset("21_crosshatch_4px", SOLID, 1, DIM, transverse=4, vertical=4,
           suits="4x scaled games, shadow-mask-like cells"),
    preset("22_crosshatch_5px", SOLID, 1, DIM, transverse=5, vertical=5,
           suits="5x scaled games, shadow-mask-like cells"),
    preset("23_classic_crt_3px", SOLID, 1, NEAR_BLACK, transverse=3,
           suits="the classic look: dark lines every third row for 3x scaled arcade games (default)"),
    preset("24_slot_mask_dashed_3px", DASH, 1, DIM, transverse=3, vertical=3,
           suits="3x scaled games, dashed grid that resembles a slot mask"),
    preset("25_slot_mask_dashed_4px", DASH, 1, DIM, transverse=4, vertical=4,
           suits="4x scaled games, dashed grid that resembles a slot mask"),
    preset("26_dot_mask_3px", DOT, 1, DIM, transverse=3, vertical=3,
           suits="3x scaled games, dotted grid that resembles a dot mask"),
    preset("27_dot_mask_2px", DOT, 1, (48, 48, 48), transverse=2, vertical=2,
           suits="2x scaled games, fine dotted grid"),
    preset("28_dash_dot_weave_3px", DASH_DOT, 1, DIM, transverse=3, vertical=3,
           suits="3x scaled games, woven texture of dash-dot lines"),
    preset("29_diagonal_fine", SOLID, 1, (48, 48, 48), oblique=3,
           suits="any scale, a fine diagonal texture (upper left to lower right)"),
    preset("30_antiskew_fine", SOLID, 1, (48, 48, 48), antiskew=3,
           suits="any scale, a fine diagonal texture (lower left to upper right)"),
    preset("31_diamond_mesh_4px", SOLID, 1, (32, 32, 32), oblique=4, antiskew=4,
           suits="any scale, a diamond mesh like a delta shadow mask"),
    preset("32_diamond_mesh_6px", SOLID, 1, (32, 32, 32), oblique=6, antiskew=6,
           suits="large scales, a coarse diamond mesh"),
    preset("33_scanlines_and_diagonal_3px", SOLID, 1, DIM, transverse=3, oblique=6,
           suits="3x scaled games, scanlines with a light diagonal grain"),
    preset("34_full_mesh_4px", SOLID, 1, MEDIUM, transverse=4, vertical=4, oblique=4, antiskew=4,
           suits="4x scaled games, all four families: a dense screen-door mesh"),
]

# (section, key) of the nine values, in the order every writer writes them.
PRESET_KEYS = [
    ("Scantype", "Linetype"),
    ("Linetype", "Pixelsize"),
    ("Scanlinecolor", "ColorR"),
    ("Scanlinecolor", "ColorG"),
    ("Scanlinecolor", "ColorB"),
    ("ScanlineTransversespacing", "Transverse"),
    ("ScanlineVerticalspacing", "Vertical"),
    ("ScanlineObliquespacing", "Oblique"),
    ("ScanlineAntiskewspacing", "Antiskew"),
]

# The ranges the preset editor produces; every shipped preset stays inside them.
PRESET_RANGES = [(1, 5), (0, 50), (0, 255), (0, 255), (0, 255), (0, 100), (0, 100), (0, 100), (0, 100)]


def preset_text(values):
    lines = []
    section = None
    for (sec, key), value in zip(PRESET_KEYS, values):
        if sec != section:
            lines.append("[%s]" % sec)
            section = sec
        lines.append("%s=%d" % (key, value))
    return "".join(line + "\r\n" for line in lines)


def check_preset(entry):
    """Rejects presets that break the value ranges, hit the colour key or leave part of a canvas bare."""
    name, values = entry["name"], entry["values"]
    for value, (low, high) in zip(values, PRESET_RANGES):
        assert low <= value <= high, name
    line_type, pixel_size, red, green, blue, transverse, vertical, oblique, antiskew = values
    assert (red, green, blue) != COLOUR_KEY, name
    # A family has about canvas size / pixel size lines; these spacings make them reach every edge.
    assert pixel_size >= 1, name
    assert transverse == 0 or transverse >= pixel_size, name
    assert vertical == 0 or vertical >= pixel_size, name
    assert oblique <= 1 or oblique >= 2 * pixel_size, name
    assert antiskew <= 1 or antiskew >= 2 * pixel_size, name
    assert max(transverse, vertical) > 0 or max(oblique, antiskew) > 1, name
    # Dashed and dotted pens wider than one pixel draw solid: keep the patterned ones thin.
    assert line_type == SOLID or pixel_size == 1, name


# --- pictures -----------------------------------------------------------------------------------

CLEAR = COLOUR_KEY


def tile_from_cell(cell):
    """A TILE_SIZE square picture that repeats the cell (a list of rows of RGB tuples)."""
    height, width = len(cell), len(cell[0])
    assert TILE_SIZE % height == 0 and TILE_SIZE % width == 0
    return [[cell[y % height][x % width] for x in range(TILE_SIZE)] for y in range(TILE_SIZE)]


def rows_cell(period, row_colours):
    """One column, period rows; row_colours maps a row index to its colour, the rest are clear."""
    return [[row_colours.get(y, CLEAR)] for y in range(period)]


def columns_cell(period, column_colours):
    return [[column_colours.get(x, CLEAR) for x in range(period)]]


def grid_cell(period, row_colour, column_colour):
    """Last row and last column of each period shaded; where both meet, the row colour wins."""
    cell = []
    for y in range(period):
        row = []
        for x in range(period):
            if y == period - 1:
                row.append(row_colour)
            elif x == period - 1:
                row.append(column_colour)
            else:
                row.append(CLEAR)
        cell.append(row)
    return cell


def dot_mask_2x_cell():
    return [[CLEAR, (64, 64, 64)],
            [DARK, DARK]]


def slot_mask_3x_cell():
    """Columns of slots three pixels wide; slot ends are staggered between neighbouring columns."""
    dark = (36, 36, 36)
    cell = []
    for y in range(6):
        row = []
        for x in range(6):
            column_of_slots = x // 3
            slot_end_row = 5 if column_of_slots == 0 else 2
            if x % 3 == 2 or y == slot_end_row:
                row.append(dark)
            else:
                row.append(CLEAR)
        cell.append(row)
    return cell


def rgb_stripes_3x_cell():
    """Phosphor stripes: each column lets one primary through and tints the others down."""
    return [[(255, 96, 96), (96, 255, 96), (96, 96, 255)]]


PICTURES = [
    ("00_scanlines_2x.png", rows_cell(2, {1: DARK}),
     "2x scaled games: every second row dark"),
    ("01_aperture_grille_2x.png", columns_cell(2, {1: DIM}),
     "2x scaled games: every second column dark"),
    ("02_dot_mask_2x.png", dot_mask_2x_cell(),
     "2x scaled games: dark rows plus grey dots between, a fine dot mask"),
    ("03_scanlines_3x.png", rows_cell(3, {2: (12, 12, 12)}),
     "3x scaled games: every third row dark (default picture)"),
    ("04_phosphor_stripes_3x.png", rgb_stripes_3x_cell(),
     "3x scaled games: red, green and blue stripes; tints the whole picture, use a low strength"),
    ("05_slot_mask_3x.png", slot_mask_3x_cell(),
     "3x scaled games: staggered slot mask"),
    ("06_scanlines_4x.png", rows_cell(4, {2: (72, 72, 72), 3: (12, 12, 12)}),
     "4x scaled games: a grey and a dark row every four rows, a soft line edge"),
    ("07_crosshatch_4x.png", grid_cell(4, (12, 12, 12), (64, 64, 64)),
     "4x scaled games: dark rows and grey columns, shadow-mask-like cells"),
    ("08_scanlines_5x.png", rows_cell(5, {3: (72, 72, 72), 4: (12, 12, 12)}),
     "5x scaled games: a grey and a dark row every five rows"),
    ("09_crosshatch_5x.png", grid_cell(5, (12, 12, 12), (64, 64, 64)),
     "5x scaled games: dark rows and grey columns"),
    ("10_scanlines_3x_heavy.bmp", rows_cell(3, {1: (80, 80, 80), 2: (0, 0, 0)}),
     "3x scaled games: a black row with a grey row above it, a heavy line"),
    ("11_lcd_grid_3x.bmp", grid_cell(3, (140, 140, 140), (140, 140, 140)),
     "3x scaled handheld games: the faint pixel grid of an LCD"),
]


def png_bytes(pixels):
    """An 8-bit RGB PNG without colour-space chunks, so every decoder keeps the colour key exact."""
    height, width = len(pixels), len(pixels[0])

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + bytes(c for rgb in row for c in rgb) for row in pixels)
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def bmp_bytes(pixels):
    """A 24-bit bottom-up BMP with a BITMAPINFOHEADER."""
    height, width = len(pixels), len(pixels[0])
    stride = (width * 3 + 3) & ~3
    rows = []
    for row in reversed(pixels):
        data = bytes(c for r, g, b in row for c in (b, g, r))
        rows.append(data + b"\x00" * (stride - len(data)))
    image = b"".join(rows)
    offset = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(image), 0, 0, offset)
    info_header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    return file_header + info_header + image


def check_picture(name, pixels):
    for row in pixels:
        for rgb in row:
            if rgb != COLOUR_KEY:
                # A colour a step away from the key would look transparent but not be: keep clear of it.
                assert max(abs(a - b) for a, b in zip(rgb, COLOUR_KEY)) > 8, name


def write_file(path, data):
    with open(path, "wb") as f:
        f.write(data)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "assets", "Effect")
    preset_dir, picture_dir = os.path.join(out, "C"), os.path.join(out, "P")
    os.makedirs(preset_dir, exist_ok=True)
    os.makedirs(picture_dir, exist_ok=True)

    for index, entry in enumerate(PRESETS):
        assert entry["name"].startswith("%02d_" % index), entry["name"]
        check_preset(entry)
        write_file(os.path.join(preset_dir, entry["name"] + ".ini"), preset_text(entry["values"]).encode("ascii"))

    # The list shows every PNG before every BMP, so that must also be the order of the prefixes.
    assert [n.endswith(".bmp") for n, _, _ in PICTURES] == sorted(n.endswith(".bmp") for n, _, _ in PICTURES)
    for index, (name, cell, _) in enumerate(PICTURES):
        assert name.startswith("%02d_" % index), name
        pixels = tile_from_cell(cell)
        check_picture(name, pixels)
        encode = png_bytes if name.endswith(".png") else bmp_bytes
        write_file(os.path.join(picture_dir, name), encode(pixels))

    print("wrote %d presets and %d pictures to %s" % (len(PRESETS), len(PICTURES), os.path.normpath(out)))


if __name__ == "__main__":
    main()
