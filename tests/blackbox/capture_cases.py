"""Screenshots end to end: the real tray menu picks the bit depth and saves the scan region into Images."""
import os
import struct
import subprocess

from attach_cases import main_window_state, xdotool
from harness import WINE64, Program, list_filled, wait_for

TRAY_ICON = (14, 33)  # Wine's notification area at 0,0 without a window manager
# Key steps from the tray menu's first item on the start screen (separators are skipped).
BIT_DEPTH_MENU = 5
AUTO_OPEN_IMAGES = 7
SCAN_SHOT_MENU = 8
# Inside "<-=扫描区域截图=->": "+打开截图文件夹", the disabled note, then BMP, JPG, GIF, PNG.
SAVE_ITEM = {"bmp": 2, "jpg": 3, "gif": 4, "png": 5}
DEPTH_ITEM = {1: 0, 4: 1, 8: 2, 16: 3, 24: 4, 32: 5}


def tray_menu(program, *keys):
    """Opens the tray menu with a right click on the icon and presses the keys in it."""
    helper = os.path.join(program.build_dir, "corvanta_bb_menu_keys.exe")
    for _ in range(3):  # the first click after start-up sometimes only shows the tooltip
        xdotool("mousemove", *TRAY_ICON)
        xdotool("mousedown", 3)
        xdotool("mouseup", 3)
        done = subprocess.run([WINE64, helper, *keys], env=program.env, capture_output=True, timeout=30,
                              stdin=subprocess.DEVNULL)
        if done.returncode == 0:
            return
    raise AssertionError("the tray menu did not open")


def picture_size(data):
    """(width, height) of a complete PNG, GIF, JPEG or BMP file, or None when it is none of them."""
    if data.startswith(b"\x89PNG\r\n\x1a\n") and data.endswith(b"IEND\xaeB`\x82") and b"IDAT" in data:
        return struct.unpack(">II", data[16:24])
    if data.startswith(b"GIF8") and data.endswith(b";") and b"," in data[13:]:
        return struct.unpack("<HH", data[6:10])
    if data.startswith(b"BM") and struct.unpack("<I", data[2:6])[0] == len(data):
        width, height = struct.unpack("<ii", data[18:26])
        return width, abs(height)
    if data.startswith(b"\xff\xd8") and data.endswith(b"\xff\xd9"):
        at = 2
        while at + 9 < len(data) and data[at] == 0xFF:
            marker, length = data[at + 1], struct.unpack(">H", data[at + 2:at + 4])[0]
            if marker in (0xC0, 0xC1, 0xC2):
                height, width = struct.unpack(">HH", data[at + 5:at + 9])
                return width, height
            at += 2 + length
    return None


def images(program):
    folder = program.path("\\Images")
    return sorted(os.listdir(folder)) if os.path.isdir(folder) else []


def start_on_start_screen(program):
    program.start()
    assert program.window_ids(), "the main window did not appear"
    probe = program.wait_for_probe(list_filled, 15.0)
    assert probe and list_filled(probe), f"the effect list was not filled: {probe}"
    # A fresh Config.ini opens the Images folder after each shot; a test run does without.
    tray_menu(program, f"down*{AUTO_OPEN_IMAGES}", "return")
    assert wait_for(lambda: b"Auto=0" in (program.read("\\Config\\Config.ini") or b""), 10.0), "auto open stayed on"


def save_scan_region(program, extension):
    before = images(program)
    tray_menu(program, f"down*{SCAN_SHOT_MENU}", "right", f"down*{SAVE_ITEM[extension]}", "return")
    added = wait_for(lambda: [n for n in images(program) if n not in before], 15.0)
    assert len(added) == 1, f"expected one new screenshot, found {added} beside {before}"
    name = added[0]
    assert name.endswith("." + extension), name
    data = wait_for(lambda: picture_size(program.read("\\Images\\" + name) or b"") and
                    program.read("\\Images\\" + name), 10.0)
    return name, picture_size(data or b"")


def main_window_size(program):
    state = main_window_state(program)
    assert state, "no main window state"
    return state[2] - state[0], state[3] - state[1]


def case_scan_region_png_of_the_start_screen_is_the_main_windows_size(build_dir, work_root):
    program = Program(build_dir, work_root, "capture_png", with_library=True)
    try:
        start_on_start_screen(program)
        name, size = save_scan_region(program, "png")
        assert size == main_window_size(program), f"{name}: {size} != main window {main_window_size(program)}"
        # Named by the local date: year, then 年.
        assert "年" in name and "月" in name and "日" in name, name
    finally:
        program.kill()


def case_gif_after_choosing_eight_bits(build_dir, work_root):
    program = Program(build_dir, work_root, "capture_gif", with_library=True)
    try:
        start_on_start_screen(program)
        tray_menu(program, f"down*{BIT_DEPTH_MENU}", "right", f"down*{DEPTH_ITEM[8]}", "return")
        name, size = save_scan_region(program, "gif")
        assert size == main_window_size(program), f"{name}: {size} != main window {main_window_size(program)}"
        data = program.read("\\Images\\" + name)
        assert len(data) > 1000, f"{name} holds only {len(data)} bytes"
        # The depth reaches the capture: a BMP saved now holds 8-bit pixels.
        name, size = save_scan_region(program, "bmp")
        bits = struct.unpack("<H", program.read("\\Images\\" + name)[28:30])[0]
        assert bits == 8, f"{name} has {bits} bits per pixel"
    finally:
        program.kill()
