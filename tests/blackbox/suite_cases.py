"""The custom mode suite end to end: "预览效果或配置" on a listed preset with real input opens the suite and
its debug area over the hidden main window; closing the suite brings the start screen back."""
import os
import struct
import subprocess
import time

from harness import Program, list_filled, pixel, screen_image, wait_for

EFFECT_LIST_ID = 107  # the main window's control id of the effect list
SUITE_CLOSE_BUTTON_ID = 202
SUITE_SAVE_AS_BUTTON_ID = 204
HIDDEN_POSITION = 28888  # where the hide-main-window action puts the main window
# Horizontal lines only: a shape simple enough for Wine to colour-key on screen.
SIMPLE_PRESET = ("[Scantype]\r\nLinetype=1\r\n[Linetype]\r\nPixelsize=1\r\n[Scanlinecolor]\r\nColorR=200\r\n"
                 "ColorG=30\r\nColorB=30\r\n[ScanlineTransversespacing]\r\nTransverse=6\r\n"
                 "[ScanlineVerticalspacing]\r\nVertical=0\r\n[ScanlineObliquespacing]\r\nOblique=0\r\n"
                 "[ScanlineAntiskewspacing]\r\nAntiskew=0\r\n")
PRESETS = ["a.ini", "b.ini", "c.ini"]
SUITE_CAPTION = "自定义模式套件_当前文件："
DEBUG_CAPTION = "Corvanta_可视化调试区(鼠标靠近窗口边缘调整大小)"
BACKDROP_COLOUR = (224, 225, 229)
PICTURE_COLOUR = (0, 160, 0)
LINE_COLOUR = (200, 30, 30)


def bmp_file(width, height, rgb):
    """A 24-bit bottom-up BMP of one colour."""
    row = bytes([rgb[2], rgb[1], rgb[0]]) * width
    row += b"\0" * ((4 - len(row) % 4) % 4)
    pixels = row * height
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + pixels


def xdotool(*args):
    subprocess.run(["xdotool", *[str(a) for a in args]], capture_output=True, timeout=10)


def locate(program, control_id):
    out = program.helper("corvanta_bb_target.exe", "locate", control_id).split()
    return [int(v) for v in out] if len(out) == 4 else None


def move_to(x, y):
    # Without --sync, which waits for ever when the pointer is already there.
    xdotool("mousemove", x, y)
    time.sleep(0.3)


def popup_menu(program):
    menu = program.probe("--class", "#32768")
    return menu if menu and menu["visible"] else None


def probe_title(program, pattern):
    return program.probe("--title", pattern)


def open_suite_from_list(program):
    """Right-clicks a row of the effect list and picks "预览效果或配置", the menu's first item in custom mode."""
    probe = program.wait_for_probe(list_filled, 15.0)
    assert probe and list_filled(probe), f"the effect list was not filled: {probe}"
    row_height = next(c for c in probe["children"] if c["id"] == EFFECT_LIST_ID)["itemHeight"]
    left, top, _, _ = wait_for(lambda: locate(program, EFFECT_LIST_ID), 10.0)
    # Below the column titles, on the second or third row: every listed preset is the simple one.
    x, y = left + 30, top + row_height * 3
    menu = None
    for _ in range(3):
        move_to(x, y)
        xdotool("click", 3)
        menu = wait_for(lambda: popup_menu(program), 3.0)
        if menu:
            break
    assert menu, "the effect list's menu did not pop up"
    left, top, right, _ = menu["window"]
    move_to((left + right) // 2, top + 12)
    xdotool("click", 1)
    return wait_for(lambda: probe_title(program, "^" + SUITE_CAPTION), 10.0)


def program_with_presets(build_dir, work_root, name):
    """A program folder in custom mode, its list holding the simple preset three times."""
    program = Program(build_dir, work_root, name)
    program.write("\\Config\\Config.ini", "[Config]\r\nFirst=1\r\nSetP=C\r\nGetC=0\r\nGetP=0\r\nGetD=0\r\n"
                  "W=740\r\nH=514\r\nL=50\r\nT=50\r\nTC=12\r\n")
    for name in PRESETS:
        program.write("\\Effect\\C\\" + name, SIMPLE_PRESET)
    return program


def case_preview_or_edit_opens_the_suite_and_closing_brings_the_start_screen_back(build_dir, work_root):
    program = program_with_presets(build_dir, work_root, "suite_list_preset")
    # The only backdrop, so the random pick on opening: twice as wide as high, fitted into the debug area.
    program.write("\\BG\\wide.bmp", bmp_file(40, 20, PICTURE_COLOUR))
    program.start()
    try:
        assert program.window_ids(), "the main window did not appear"
        suite = open_suite_from_list(program)
        assert suite, "the suite did not open"
        assert suite["caption"] in [SUITE_CAPTION + name for name in PRESETS], suite["caption"]
        assert suite["visible"], "the suite is not shown"
        debug = wait_for(lambda: probe_title(program, DEBUG_CAPTION), 5.0)
        assert debug and debug["visible"], f"no debug area: {debug}"
        assert debug["window"][3] == suite["window"][1], "the debug area sits directly above the suite"
        main = program.wait_for_probe(lambda p: p["window"][0] == HIDDEN_POSITION, 5.0)
        assert main["window"][0] == HIDDEN_POSITION, f"the main window was not hidden: {main['window']}"
        # The preview reaches the screen: the preset's lines over the backdrop picture, which is fitted
        # into the client area with its aspect kept (full width, centred vertically), the backdrop
        # colour above and below it.
        left, top, right, bottom = debug["client"]
        centre_x, centre_y = (left + right) // 2, (top + bottom) // 2
        picture_height = (right - left) // 2
        margin_y = top + ((bottom - top) - picture_height) // 2 - 10
        seen = {}

        def preview_shown():
            image = screen_image(os.path.join(work_root, "suite_debug_area.png"))
            seen["centre"] = {pixel(image, centre_x, y) for y in range(centre_y, centre_y + 12)}
            seen["margin"] = {pixel(image, centre_x, y) for y in range(margin_y - 12, margin_y)}
            return seen["centre"] == {LINE_COLOUR, PICTURE_COLOUR} and seen["margin"] == {LINE_COLOUR,
                                                                                          BACKDROP_COLOUR}
        assert wait_for(preview_shown, 8.0), f"the preview did not reach the screen: {seen}"
        assert program.process.poll() is None, "corvanta.exe ended"

        close = wait_for(lambda: next((c for c in (probe_title(program, "^" + SUITE_CAPTION) or {"children": []})
                                       ["children"] if c["id"] == SUITE_CLOSE_BUTTON_ID), None), 5.0)
        assert close, "no close button"
        bx = suite["client"][0] + (close["rect"][0] + close["rect"][2]) // 2
        by = suite["client"][1] + (close["rect"][1] + close["rect"][3]) // 2
        move_to(bx, by)
        xdotool("click", 1)
        assert wait_for(lambda: probe_title(program, "^" + SUITE_CAPTION) is None, 5.0), "the suite stayed"
        assert probe_title(program, DEBUG_CAPTION) is None, "the debug area stayed"
        main = program.wait_for_probe(lambda p: p["window"][0] != HIDDEN_POSITION, 5.0)
        assert main["window"][:2] == [50, 50], f"the start screen did not come back: {main['window']}"
    finally:
        program.kill()



def click_suite_button(program, control_id):
    """Clicks a button of the suite once the suite is laid out."""
    def laid_out():
        suite = probe_title(program, "^" + SUITE_CAPTION)
        button = next((c for c in (suite or {"children": []})["children"] if c["id"] == control_id), None)
        return (suite, button) if button else None
    found = wait_for(laid_out, 5.0)
    assert found, f"no suite button {control_id}"
    time.sleep(0.5)
    suite, button = laid_out()
    move_to(suite["client"][0] + (button["rect"][0] + button["rect"][2]) // 2,
            suite["client"][1] + (button["rect"][1] + button["rect"][3]) // 2)
    xdotool("click", 1)


def case_save_as_takes_a_name_typed_in_hangul(build_dir, work_root):
    program = program_with_presets(build_dir, work_root, "suite_save_as_hangul")
    program.start()
    try:
        assert program.window_ids(), "the main window did not appear"
        suite = open_suite_from_list(program)
        assert suite, "the suite did not open"
        click_suite_button(program, SUITE_SAVE_AS_BUTTON_ID)
        dialog = wait_for(lambda: (lambda d: d if d and d["visible"] else None)(program.probe("--class", "#32770")),
                          10.0)
        assert dialog and dialog["visible"], f"no save dialog: {dialog}"
        time.sleep(1.0)
        # The first character typed through a keyboard mapping of xdotool's own can be lost while Wine
        # takes the new mapping in: a first one is typed and wiped before the name.
        xdotool("type", "--delay", "80", "한")
        time.sleep(0.5)
        xdotool("key", "shift+Home", "BackSpace")
        xdotool("type", "--delay", "80", "한글")
        time.sleep(0.5)
        xdotool("key", "Return")
        saved = program.path("\\한글.ini")
        assert wait_for(lambda: os.path.exists(saved), 10.0), f"nothing saved: {os.listdir(program.dir)}"
        with open(saved, "rb") as f:
            assert f.read() == SIMPLE_PRESET.encode(), "the preset was not saved whole"
        # The caption names the file as it was typed.
        suite = wait_for(lambda: (lambda s: s if s and s["caption"].endswith("\\한글.ini") else None)(
            program.probe("--class", "CorvantaSuiteWindow")), 5.0)
        assert suite, f"caption: {program.probe('--class', 'CorvantaSuiteWindow')['caption']}"
    finally:
        program.kill()
