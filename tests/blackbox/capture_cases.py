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
    # A shot is written beside its name as "<name>.tmp" first and then renamed: only finished files count.
    return sorted(n for n in os.listdir(folder) if not n.endswith(".tmp")) if os.path.isdir(folder) else []


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


CUSTOM_REGION_SHOT = 3  # key steps to "<-+自选区域截图+->"
FORMAT_CLIENT = (330, 130)  # the format window's client size at 96 DPI
JPG_BUTTON_CENTRE = (172 + 72, 14 + 22)  # in its client area


def format_window_geometry():
    """(left, top, width, height) of the visible format window "选择图片格式：", or None."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "选择图片格式"], capture_output=True,
                           text=True).stdout.split()
    if not found:
        return None
    shell = subprocess.run(["xdotool", "getwindowgeometry", "--shell", found[0]], capture_output=True,
                           text=True).stdout
    values = dict(line.split("=", 1) for line in shell.split() if "=" in line)
    return tuple(int(values[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))


def case_custom_region_jpg_has_the_dragged_size(build_dir, work_root):
    import region_cases  # here, not at the top: it takes tray_menu from this module
    program = region_cases.new_program(build_dir, work_root, "capture_region")
    try:
        program.start()
        assert program.window_ids(), "the main window did not appear"
        probe = program.wait_for_probe(list_filled, 15.0)
        assert probe and list_filled(probe), f"the effect list was not filled: {probe}"
        tray_menu(program, f"down*{CUSTOM_REGION_SHOT}", "return")
        shot = os.path.join(work_root, "capture-region-surface.png")
        assert wait_for(lambda: region_cases.surface_shown(shot), 10.0), "no selection surface"
        rect = region_cases.drag((300, 200), (150, 90))
        xdotool("key", "space")
        window = wait_for(format_window_geometry, 10.0)
        assert window, "the format window did not appear"
        left, top, width, height = window
        # The client area lies at the bottom of the window, inside an equal border left, right and below.
        border = (width - FORMAT_CLIENT[0]) // 2
        client_left, client_top = left + border, top + height - border - FORMAT_CLIENT[1]
        region_cases.move(client_left + JPG_BUTTON_CENTRE[0], client_top + JPG_BUTTON_CENTRE[1])
        xdotool("click", 1)
        saved = wait_for(lambda: [n for n in images(program) if n.endswith(".jpg")], 15.0)
        assert len(saved) == 1, f"expected one JPG, found {images(program)}"
        data = wait_for(lambda: picture_size(program.read("\\Images\\" + saved[0]) or b"") and
                        program.read("\\Images\\" + saved[0]), 10.0)
        assert picture_size(data or b"") == rect[2:], f"{saved[0]}: {picture_size(data or b'')} != {rect[2:]}"
        assert wait_for(lambda: format_window_geometry() is None, 5.0), "the format window stayed open"
    finally:
        region_cases.stop(program)
