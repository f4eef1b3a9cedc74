"""Start-up and exit of corvanta.exe in fresh program directories."""
import os

from harness import (Program, crop, ini_entries, ini_value, list_filled, pixel, publish_doc_picture,
                     start_and_close, wait_for_screen)

DEFAULT_ORDER = [
    ("Config", "Ar", "208"), ("Config", "Ag", "222"), ("Config", "Ab", "227"), ("Config", "Num", "0"),
    ("Config", "Top", "1"), ("Config", "SetP", "C"), ("Config", "GetD", "0"), ("Config", "GetC", "23"),
    ("Config", "GetP", "3"), ("Config", "First", "1"), ("Config", "Alpha", "75"), ("Config", "W", None),
    ("Config", "H", None), ("Config", "L", None), ("Config", "T", None), ("Config", "Dp", "3"),
    ("Config", "TC", "12"), ("Config", "SZ", "1000"), ("Tips", "TS", "1"), ("Preview", "Pre", "1"),
    ("Folder", "Auto", "1"), ("Self", "Switch", "1"), ("SP", "TST", "1"),
    ("Color", "C1", "2894892"), ("Color", "C2", "13944764"), ("Color", "C3", "15132390"),
    ("Color", "C4", "10256239"), ("Color", "C5", "65535"), ("Color", "C6", "2894892"),
    ("Color", "C7", "15790320"), ("Color", "C8", "15790320"), ("Color", "C9", "65280"),
    ("SCK", "sck0", ""), ("SCK", "sck1", "Shift+D"), ("SCK", "sck2", "Shift+Q"), ("SCK", "sck3", "Shift+Alt+D"),
    ("SCK", "sck4", "Shift+Alt+Q"), ("SCK", "sck5", "Ctrl+Shift+Alt+A"), ("SCK", "sck6", "Ctrl+Shift+P"),
    ("SCK", "sck7", "Ctrl+Shift+K"), ("SCK", "sck8", "Shift+F"), ("SCK", "sck9", "Shift+R"),
    ("SCK", "sck10", "Shift+Alt+E"), ("SCK", "sck11", "Ctrl+E"), ("SCK", "sck12", "Alt+W"),
    ("SCK", "sck13", "Alt+Q"), ("SCK", "sck14", "Alt+Win+X"),
    ("SCK", "sx0", "-1"), ("SCK", "sx1", "30"), ("SCK", "sx2", "43"), ("SCK", "sx3", "186"), ("SCK", "sx4", "199"),
    ("SCK", "sx5", "261"), ("SCK", "sx6", "146"), ("SCK", "sx7", "141"), ("SCK", "sx8", "32"), ("SCK", "sx9", "44"),
    ("SCK", "sx10", "187"), ("SCK", "sx11", "5"), ("SCK", "sx12", "75"), ("SCK", "sx13", "69"),
    ("SCK", "sx14", "258"),
    ("Follow", "Move", "1"), ("Follow", "Client", "0"),
]


def expect_first_start_files(program):
    """The defaults of a first start in Config.ini, in order, and the program's folders."""
    entries = ini_entries(program.read("\\Config\\Config.ini") or b"")
    got = [(s, k) for s, k, _ in entries]
    assert got == [(s, k) for s, k, _ in DEFAULT_ORDER], f"keys out of order or missing: {got}"
    for (s, k, v), (_, _, expected) in zip(entries, DEFAULT_ORDER):
        assert expected is None or v == expected, f"{s}/{k} = {v!r}, expected {expected!r}"
    for folder in ["Config", "Effect", "Effect/D", "Effect/P", "Effect/C", "Images"]:
        assert os.path.isdir(os.path.join(program.dir, folder)), f"folder {folder} missing"


def case_fresh_directory_gets_defaults_and_folders(build_dir, work_root):
    program = Program(build_dir, work_root, "fresh")
    start_and_close(program)
    expect_first_start_files(program)


def case_font_size_is_clamped_in_the_file(build_dir, work_root):
    for stored, expected in (("30", "24"), ("5", "9")):
        program = Program(build_dir, work_root, f"tc{stored}")
        program.write("\\Config\\Config.ini", f"[Config]\r\nTC={stored}\r\nFirst=1\r\n")
        start_and_close(program)
        assert ini_value(program.read("\\Config\\Config.ini"), "Config", "TC") == expected


def case_hostile_config_files_do_not_crash(build_dir, work_root):
    random_bytes = bytes((i * 7919 + 13) % 256 for i in range(64 * 1024))
    long_line = b"[Config]\r\nTC=" + b"9" * (1024 * 1024) + b"\r\n"
    for name, data in (("binary", random_bytes), ("longline", long_line)):
        program = Program(build_dir, work_root, name)
        program.write("\\Config\\Config.ini", data)
        start_and_close(program)
    program = Program(build_dir, work_root, "folderini")
    os.makedirs(program.path("\\Config\\Config.ini"))
    start_and_close(program)
    assert os.path.isdir(program.path("\\Config\\Config.ini"))


def case_start_screen_shows_its_controls(build_dir, work_root):
    program = Program(build_dir, work_root, "startscreen", with_library=True)
    program.start()
    try:
        windows = program.window_ids()
        assert windows, "the main window did not appear"
        probe = program.wait_for_probe(list_filled, 15.0)
        assert probe and list_filled(probe), f"the effect list was not filled: {probe}"
        shot = os.path.join(work_root, "start-screen-full.png")
        # The start-screen background between the checkboxes and the list, once painted.
        background = (224, 225, 229)
        assert wait_for_screen(shot, lambda image: pixel(image, 400, 170) == background, 5.0), \
            "the start-screen background was not painted between the checkboxes and the list"
        crop(shot, os.path.join(work_root, "start-screen.png"), (40, 40, 800, 580))
        publish_doc_picture(os.path.join(work_root, "start-screen.png"))
        program.close_with_alt_f4(windows[0])
        assert program.wait_exit() == 0
    finally:
        program.kill()
