"""Display scaling: the start screen at 150 % (LogPixels 144) is the 96-DPI design scaled by 1.5, while a locked
overlay keeps drawing in physical pixels."""
import os

from attach_cases import BARS_PRESET, attach_and_lock, bars_over_target, expect_screen, stop
from harness import (Program, child, crop, dpi144_prefix, effect_list, list_filled, publish_doc_picture,
                     settled_screenshot)

SCALE = 1.5
MINIMUM_WINDOW = (588, 372)  # at 96 DPI
TOLERANCE = 1  # pixels, for rounding
# Clear of the main window even when its saved 740 x 514 at (50, 50) is taken as 96-DPI units and scaled.
TARGET_AT_144 = (1300, 300, 400, 300)


def design_layout(w, h):
    """Rectangles (x, y, width, height) of the start-screen controls by control id at 96 DPI for the client
    size w x h (the rule of src/app/start_screen_layout.cpp; the 96-DPI run checks this copy of it)."""
    button_top = h - 48 - 16
    return {
        101: (15, 9, 158, 40),  # 自定义模式
        102: (178, 9, 136, 40),  # 图片模式
        103: (314, 9, 136, 40),  # 混合模式
        104: (w - 96, 9, 96, 40),  # 置顶
        105: (76, 59, w - 92, 58),  # strength slider
        106: (15, 59, 58, 58),  # strength swatch
        107: (15, 120, w - 30, button_top - 128),  # effect list
        108: (w - 2 * 136 - 22, button_top, 136, 48),  # 自选区域
        109: (w - 136 - 15, button_top, 136, 48),  # 智能吸附
        110: (15, button_top, 197, 48),  # 自定义模式套件
    }


def design_column_widths(w):
    """序号, 名称, 状态 at 96 DPI for the default list font size (TC=12)."""
    return (56, w - 208, 90)


def client_size(probe):
    left, top, right, bottom = probe["client"]
    return right - left, bottom - top


def layout_errors(probe, scale):
    """Controls and columns whose size differs from scale x the 96-DPI design for the same client area."""
    w, h = client_size(probe)
    errors = []
    for control_id, design in design_layout(w / scale, h / scale).items():
        found = child(probe, control_id)
        expected = tuple(v * scale for v in design)
        if found is None:
            errors.append(f"control {control_id} is missing")
            continue
        left, top, right, bottom = found["rect"]
        got = (left, top, right - left, bottom - top)
        if any(abs(g - e) > TOLERANCE for g, e in zip(got, expected)):
            errors.append(f"control {control_id} {found['text']!r}: {got}, expected {expected}")
    columns = tuple(c["width"] for c in (effect_list(probe) or {}).get("columns") or [])
    expected = tuple(v * scale for v in design_column_widths(w / scale))
    if len(columns) != 3 or any(abs(g - e) > TOLERANCE for g, e in zip(columns, expected)):
        errors.append(f"list columns {columns}, expected {expected}")
    return errors


def item_height(probe):
    return (effect_list(probe) or {}).get("itemHeight") or 0


def start_screen(program):
    """Starts the program and returns its probe once the list is filled; the caller stops the program."""
    program.start()
    assert program.window_ids(), "the main window did not appear"
    probe = program.wait_for_probe(list_filled, 15.0)
    assert probe and list_filled(probe), f"the effect list was not filled: {probe}"
    return probe


def case_start_screen_at_144_dpi_is_the_design_scaled_by_one_and_a_half(build_dir, work_root):
    reference = Program(build_dir, work_root, "dpi96", with_library=True)
    try:
        at_96 = start_screen(reference)
        assert at_96["dpi"] == 96, at_96["dpi"]
        errors = layout_errors(at_96, 1.0)
        assert not errors, "at 96 DPI the start screen does not follow its design rules:\n" + "\n".join(errors)
    finally:
        stop(reference)

    program = Program(build_dir, work_root, "dpi144", with_library=True, prefix=dpi144_prefix(build_dir))
    try:
        probe = start_screen(program)
        shot = os.path.join(work_root, "start-screen-144dpi-full.png")
        settled_screenshot(shot, probe["window"])
        picture = os.path.join(work_root, "start-screen-144dpi.png")
        crop(shot, picture, probe["window"], margin=10)
        assert probe["dpi"] == 144, f"the main window's DPI is {probe['dpi']}"
        left, top, right, bottom = probe["window"]
        minimum = tuple(round(v * SCALE) for v in MINIMUM_WINDOW)
        assert right - left >= minimum[0] and bottom - top >= minimum[1], \
            f"the window is {right - left} x {bottom - top}, less than {minimum[0]} x {minimum[1]}"
        errors = layout_errors(probe, SCALE)
        assert not errors, "at 144 DPI:\n" + "\n".join(errors)
        # The list's rows follow its font: a font scaled with the display makes them about 1.5 times as tall.
        ratio = item_height(probe) / max(item_height(at_96), 1)
        assert 1.3 <= ratio <= 1.7, f"list rows {item_height(probe)} px at 144 DPI, {item_height(at_96)} px at 96"
        publish_doc_picture(picture)
    finally:
        stop(program)


def case_minimum_window_size_at_144_dpi_is_scaled(build_dir, work_root):
    program = Program(build_dir, work_root, "minimum144", with_library=True, prefix=dpi144_prefix(build_dir))
    program.write("\\Config\\Config.ini", "[Config]\r\nFirst=1\r\nSetP=C\r\nGetC=0\r\nTC=12\r\nW=300\r\nH=200\r\n"
                                          "L=50\r\nT=50\r\n")
    try:
        probe = start_screen(program)
        left, top, right, bottom = probe["window"]
        minimum = tuple(round(v * SCALE) for v in MINIMUM_WINDOW)
        assert (right - left, bottom - top) == minimum, f"a window saved as 300 x 200 starts at {right - left} x " \
                                                        f"{bottom - top}, not at the minimum {minimum[0]} x {minimum[1]}"
        errors = layout_errors(probe, SCALE)
        assert not errors, "at the minimum size:\n" + "\n".join(errors)
    finally:
        stop(program)


def case_lock_at_144_dpi_draws_on_physical_pixels(build_dir, work_root):
    program = Program(build_dir, work_root, "attach144", prefix=dpi144_prefix(build_dir))
    program.write("\\Config\\Config.ini", "[Config]\r\nFirst=1\r\nSetP=C\r\nGetC=0\r\nTop=1\r\nAlpha=200\r\n"
                                          "W=740\r\nH=514\r\nL=50\r\nT=50\r\n")
    program.write("\\Effect\\C\\00_bars.ini", BARS_PRESET)
    try:
        attach_and_lock(program, TARGET_AT_144)
        expect_screen(work_root, program, "attach144", bars_over_target, TARGET_AT_144)
    finally:
        stop(program)
