"""Any display language: the program's Chinese text reads right on ANSI code page 1252 as on 936, Chinese file
names work, and a program directory whose name GBK cannot hold still works."""
import os

from attach_cases import BARS_PRESET, attach_and_lock, bars_over_target, expect_screen, stop
from harness import (CP936, CP1252, Program, child, crop, effect_list, list_filled, publish_doc_picture,
                     settled_screenshot, start_and_close)
from startup_cases import expect_first_start_files

CHINESE_PRESET = "经典扫描线.ini"
CONTROL_TEXTS = {101: "自定义模式", 102: "图片模式", 103: "混合模式", 104: "置顶", 108: "自选区域", 109: "智能吸附",
                 110: "自定义模式套件"}
COLUMNS = ["序号", "名称", "状态"]
WAITING, ENABLED = "待选", "已启用"
CODE_PAGES = {CP936: "936", CP1252: "1252"}


def with_chinese_preset(build_dir, work_root, name, locale, with_library):
    """A program directory whose custom-mode presets end with CHINESE_PRESET, enabled in Config.ini; returns
    the program and the preset names in list order."""
    program = Program(build_dir, work_root, name, with_library=with_library, locale=locale)
    library = program.path("\\Effect\\C")
    starters = sorted(n for n in os.listdir(library) if n.lower().endswith(".ini")) if os.path.isdir(library) else []
    # The file name is UTF-8 on the Linux side and GBK inside the program.
    program.write("\\Effect\\C\\" + CHINESE_PRESET, BARS_PRESET)
    program.write("\\Config\\Config.ini", f"[Config]\r\nFirst=1\r\nSetP=C\r\nGetC={len(starters)}\r\nTop=1\r\n"
                                          "Alpha=200\r\nW=740\r\nH=514\r\nL=50\r\nT=50\r\n")
    return program, starters + [CHINESE_PRESET]


def text_errors(probe, names):
    """What of the start screen does not read as it should, with the last preset enabled."""
    enabled = len(names) - 1
    errors = []
    expected_caption = f"Corvanta_{enabled}-{CHINESE_PRESET}"
    if probe["caption"] != expected_caption:
        errors.append(f"caption {probe['caption']!r}, expected {expected_caption!r}")
    for control_id, text in CONTROL_TEXTS.items():
        found = child(probe, control_id)
        if found is None or found["text"] != text:
            errors.append(f"control {control_id}: {found and found['text']!r}, expected {text!r}")
    listed = effect_list(probe) or {}
    columns = [c["text"] for c in listed.get("columns") or []]
    if columns != COLUMNS:
        errors.append(f"list columns {columns}, expected {COLUMNS}")
    rows = [item["texts"] for item in listed.get("items") or []]
    expected_rows = [[str(i), name, ENABLED if i == enabled else WAITING] for i, name in enumerate(names)]
    if rows != expected_rows:
        wrong = [(got, want) for got, want in zip(rows, expected_rows) if got != want]
        errors.append(f"{len(rows)} list rows for {len(names)} presets; differing (got, expected): {wrong[:4]}")
    return errors


def case_start_screen_reads_right_on_code_pages_936_and_1252(build_dir, work_root):
    for locale, code_page in CODE_PAGES.items():
        program, names = with_chinese_preset(build_dir, work_root, f"texts{code_page}", locale, with_library=True)
        program.start()
        try:
            assert program.window_ids(), f"code page {code_page}: the main window did not appear"
            # The list fills and the caption follows the enabled preset a moment after the window appears.
            probe = program.wait_for_probe(lambda p: list_filled(p) and not text_errors(p, names), 15.0)
            assert probe, f"code page {code_page}: no main window to read"
            shot = os.path.join(work_root, f"start-screen-cp{code_page}-full.png")
            settled_screenshot(shot, probe["window"])
            picture = os.path.join(work_root, f"start-screen-cp{code_page}.png")
            crop(shot, picture, probe["window"], margin=10)
            errors = text_errors(probe, names)
            assert not errors, f"code page {code_page}:\n" + "\n".join(errors)
            if locale == CP1252:
                publish_doc_picture(picture)
        finally:
            stop(program)


def case_preset_with_a_chinese_name_locks_on_code_page_1252(build_dir, work_root):
    program, _ = with_chinese_preset(build_dir, work_root, "attach1252", CP1252, with_library=False)
    try:
        attach_and_lock(program)
        expect_screen(work_root, program, "attach1252", bars_over_target)
    finally:
        stop(program)


def first_start_config(build_dir, work_root, name, locale):
    program = Program(build_dir, work_root, name, locale=locale)
    start_and_close(program)
    data = program.read("\\Config\\Config.ini")
    assert data, f"{name}: no Config.ini after the first start"
    return program, data


def case_first_start_writes_the_same_config_on_code_pages_936_and_1252(build_dir, work_root):
    _, on_936 = first_start_config(build_dir, work_root, "first936", CP936)
    _, on_1252 = first_start_config(build_dir, work_root, "first1252", CP1252)
    assert on_1252 == on_936, f"code page 1252 wrote\n{on_1252!r}\ncode page 936 wrote\n{on_936!r}"


def case_program_directory_named_in_hangul_starts_and_writes_its_config(build_dir, work_root):
    for locale, code_page in CODE_PAGES.items():
        program, _ = first_start_config(build_dir, work_root, f"프로그램-{code_page}", locale)
        try:
            expect_first_start_files(program)
        except AssertionError as error:
            raise AssertionError(f"code page {code_page}: {error}") from error
