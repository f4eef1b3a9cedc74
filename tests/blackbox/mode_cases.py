"""The modes end to end with real input: a custom-region screenshot's format window over a selection that takes no
input, a screenshot over a locked overlay, a close request on the region window, a drag released over another
program's window, and the main window under a screenshot's selection surface."""
import os

from capture_cases import images, picture_size
from desktop import (REGION, REGION_BUTTON_ID, ROWS_PRESET, ROW_COLOUR, SHOT_FORMAT, START_SCREEN, SURFACE, TARGET,
                     WS_EX_TOPMOST, RecordingTarget, centre, click, click_reaches, config_text, contains, control_point,
                     drag, expect_no_surface, format_button_point, is_locked, is_start_screen, look, move,
                     overlay_state, press, stop, tray, wait_for_desktop, xdotool)
from harness import Program, list_filled, pixel, screen_image, wait_for

TARGET_RECT = (820, 120, 1820, 980)  # left, top, right, bottom of the recording test window
PICTURE_MODE_ID = 102
LOCKED_STYLE = 0x800A8  # layered, tool window, topmost, click-through
# Horizontal presets only (one a row of the list), so that the overlay stays a shape Wine can show.
EXTRA_PRESETS = ["06_scanlines_4px_thin.ini", "23_classic_crt_3px.ini", "03_scanlines_3px_light.ini"]


def new_program(build_dir, work_root, name, changes=None, presets=()):
    program = Program(build_dir, work_root, name)
    program.write("\\Config\\Config.ini", config_text(changes))
    program.write("\\Effect\\C\\00_rows.ini", ROWS_PRESET)
    for preset in presets:
        with open(os.path.join(build_dir, "Effect", "C", preset), "rb") as f:
            program.write("\\Effect\\C\\" + preset, f.read())
    return program


def start(program):
    program.start()
    assert program.window_ids(), "the main window did not appear"
    probe = program.wait_for_probe(list_filled, 15.0)
    assert probe and list_filled(probe), f"the effect list was not filled: {probe}"
    return look(program)


def click_button(program, control_id, opened):
    """Clicks a start-screen button until opened(desktop) holds (a click before Wine caught up may be lost)."""
    for _ in range(3):
        click(*control_point(look(program).main, control_id))
        desktop = wait_for_desktop(program, opened, 5.0)
        if opened(desktop):
            return desktop
    raise AssertionError(f"button {control_id} did not open its mode: {[w['class'] for w in desktop.windows]}")


def has_surface(desktop):
    return desktop.first(SURFACE) is not None


def open_region_shot(program):
    tray(program, "<-+自选区域截图+->")
    desktop = wait_for_desktop(program, has_surface, 10.0)
    assert has_surface(desktop), "no selection surface for the screenshot"
    return desktop


def confirm_shot(program, start_point, end_point):
    """Drags the screenshot's rectangle, releases a key on the surface and waits for the format window."""
    rect = drag(program, start_point, end_point)
    press("space", look(program).first(SURFACE))
    desktop = wait_for_desktop(program, lambda d: d.first(SHOT_FORMAT) is not None, 10.0)
    assert desktop.first(SHOT_FORMAT), "the format window did not appear"
    return rect, desktop


def save_as(program, desktop, name):
    """Clicks a button of the format window and returns the size of the one new picture."""
    before = images(program)
    click(*format_button_point(desktop.first(SHOT_FORMAT), name))
    added = wait_for(lambda: [n for n in images(program) if n not in before], 15.0)
    assert len(added) == 1, f"expected one new screenshot, found {added}"
    data = wait_for(lambda: picture_size(program.read("\\Images\\" + added[0]) or b"") and
                    program.read("\\Images\\" + added[0]), 10.0)
    return picture_size(data or b"")


def lock_region(program, start_point, end_point):
    """Locks an overlay on a dragged rectangle from the start screen."""
    click_button(program, REGION_BUTTON_ID, has_surface)
    rect = drag(program, start_point, end_point)
    press("space", look(program).first(SURFACE))
    desktop = wait_for_desktop(program, lambda d: is_locked(d.main) and d.main["window"] == rect, 5.0)
    assert is_locked(desktop.main) and desktop.main["window"] == rect, f"not locked on {rect}: {desktop.main}"
    return desktop.main


def rows_shown(work_root, name, rect, target):
    """The screen shows the rows preset over the test window in rect, drawn from its top-left corner."""
    left, top, right, bottom = rect
    path = os.path.join(work_root, name + ".png")

    def drawn():
        image = screen_image(path)
        return all(pixel(image, x, y) == (ROW_COLOUR if (y - top) % 5 == 0 else target.colour(x))
                   for y in range(top, bottom, 3) for x in range(left, right, 7))
    return wait_for(drawn, 8.0, interval=0.5)


def case_the_format_window_leaves_the_selection_without_input(build_dir, work_root):
    program = new_program(build_dir, work_root, "modes-format-input")
    try:
        target = RecordingTarget(program, TARGET_RECT, "modes-format-input")
        start(program)
        open_region_shot(program)
        rect, desktop = confirm_shot(program, (1000, 300), (1200, 450))
        surface, region = desktop.first(SURFACE), desktop.first(REGION)
        assert not surface["enabled"] and not region["enabled"], "the selection windows still take input"
        # A click on the darkened surface and in the rectangle, keys on both selection windows: nothing locks, no
        # second screenshot starts, the rectangle stays.
        click(400, 800)
        click(*centre(rect))
        for window in (surface, region):
            for key in ("Return", "space", "a"):
                press(key, window)
        desktop = wait_for_desktop(program, lambda d: len(d.all_of(SHOT_FORMAT)) != 1, 2.0)
        assert len(desktop.all_of(SHOT_FORMAT)) == 1, f"{len(desktop.all_of(SHOT_FORMAT))} format windows"
        assert len(desktop.all_of(SURFACE)) == 1 and desktop.first(REGION)["window"] == rect, \
            f"the selection changed: {[(w['class'], w['window']) for w in desktop.windows]}"
        assert not is_locked(desktop.main) and desktop.main["window"] == list(START_SCREEN), desktop.main
        assert not target.clicks(), f"a click went through the surface: {target.clicks()}"
        assert not images(program), f"a picture was saved: {images(program)}"
        # Esc reaches the format window, the active one (the selection windows take no keys), and closes it:
        # no picture, and the start screen is back on top.
        press("Escape", surface)
        desktop = wait_for_desktop(program, lambda d: is_start_screen(d.main, START_SCREEN) and
                                   d.first(SHOT_FORMAT) is None and d.main["exstyle"] & WS_EX_TOPMOST, 5.0)
        assert is_start_screen(desktop.main, START_SCREEN) and desktop.main["exstyle"] & WS_EX_TOPMOST, desktop.main
        assert desktop.first(SHOT_FORMAT) is None, "the format window stayed"
        assert not images(program), f"a picture was saved: {images(program)}"
        expect_no_surface(program, os.path.join(work_root, "modes-format-input.png"))
    finally:
        stop(program)


def case_a_screenshot_gives_a_small_locked_overlay_back_as_it_was(build_dir, work_root):
    program = new_program(build_dir, work_root, "modes-shot-overlay")
    try:
        target = RecordingTarget(program, TARGET_RECT, "modes-shot-overlay")
        start(program)
        overlay = lock_region(program, (1000, 300), (1300, 500))  # 300 x 200, smaller than 588 x 372
        assert overlay["exstyle"] == LOCKED_STYLE and not overlay["enabled"], overlay
        locked = overlay_state(overlay)
        # "#自选区域截取自身" checked: the overlay stays visible where it stands, directly under the surface.
        desktop = open_region_shot(program)
        assert desktop.main["visible"] and desktop.main["window"] == overlay["window"], desktop.main
        above = desktop.classes_above(desktop.main)
        assert above == [SURFACE], f"above the overlay: {above}"
        _, desktop = confirm_shot(program, (200, 600), (400, 750))
        assert desktop.main["visible"] and desktop.main["window"] == overlay["window"], desktop.main
        assert save_as(program, desktop, "bmp") == (200, 150)
        desktop = wait_for_desktop(program, lambda d: d.first(SURFACE) is None and overlay_state(d.main) == locked,
                                   5.0)
        assert overlay_state(desktop.main) == locked, f"{overlay_state(desktop.main)} != {locked}"
        assert rows_shown(work_root, "modes-shot-overlay", overlay["window"], target), "the drawing changed"
        assert click_reaches(target, *centre(overlay["window"])), \
            "the overlay is no longer click-through"
        # Unchecked: hidden during the shot; abandoned with Esc it comes back the same.
        tray(program, "#自选区域截取自身")
        assert wait_for(lambda: b"Switch=0" in program.read("\\Config\\Config.ini"), 5.0), "the option stayed on"
        desktop = open_region_shot(program)
        assert not desktop.main["visible"], "the overlay showed under an unchecked screenshot"
        drag(program, (200, 600), (400, 750))
        press("Escape", look(program).first(SURFACE))
        desktop = wait_for_desktop(program, lambda d: d.first(SURFACE) is None and overlay_state(d.main) == locked,
                                   5.0)
        assert overlay_state(desktop.main) == locked, f"{overlay_state(desktop.main)} != {locked}"
        assert rows_shown(work_root, "modes-shot-overlay-2", overlay["window"], target), "the drawing changed"
    finally:
        stop(program)


def case_alt_f4_on_the_region_window_abandons_the_selection(build_dir, work_root):
    program = new_program(build_dir, work_root, "modes-region-close")
    try:
        start(program)
        click_button(program, REGION_BUTTON_ID, has_surface)
        rect = drag(program, (900, 300), (1200, 500))
        click(1050, 400)  # inside the finished rectangle: the region window becomes the active window
        desktop = wait_for_desktop(program, lambda d: d.front() and d.front()["class"] == REGION, 5.0)
        assert desktop.front() and desktop.front()["class"] == REGION, f"active: {desktop.front()}"
        assert desktop.first(REGION)["window"] == rect, "the click changed the rectangle"
        press("alt+F4", desktop.first(REGION))
        desktop = wait_for_desktop(program, lambda d: is_start_screen(d.main, START_SCREEN), 5.0)
        assert is_start_screen(desktop.main, START_SCREEN), f"no start screen: {desktop.main}"
        assert program.process.poll() is None, "the program ended"
        expect_no_surface(program, os.path.join(work_root, "modes-region-close.png"))
    finally:
        stop(program)


def case_a_drag_released_over_another_programs_window_ends_there(build_dir, work_root):
    program = new_program(build_dir, work_root, "modes-capture")
    try:
        above = RecordingTarget(program, (1300, 500, 1600, 700), "modes-capture", topmost=True)
        start(program)
        click_button(program, REGION_BUTTON_ID, has_surface)
        desktop = look(program)
        assert desktop.index(desktop.first(TARGET)) < desktop.index(desktop.first(SURFACE)), "the window is below"
        held = {}
        rect = drag(program, (1000, 300), (1400, 600), hold=lambda d: held.update(gui=d.first(SURFACE)["gui"],
                                                                                  surface=d.first(SURFACE)["hwnd"]))
        assert held["gui"]["capture"] == held["surface"], f"the drag does not hold the mouse: {held}"
        # Released over the other program's window: the drag is over, the pointer moving on changes nothing.
        move(1500, 680)
        desktop = wait_for_desktop(program, lambda d: d.first(SURFACE)["gui"]["capture"] is None, 3.0)
        assert desktop.first(SURFACE)["gui"]["capture"] is None, "the surface still holds the mouse"
        assert not above.clicks(), f"the other window took the drag's button: {above.clicks()}"
        assert wait_for(lambda: look(program).first(REGION)["window"] == rect, 1.0) and \
            not wait_for(lambda: look(program).first(REGION)["window"] != rect, 1.0), "the rectangle moved on"
        press("space", desktop.first(SURFACE))
        desktop = wait_for_desktop(program, lambda d: is_locked(d.main), 5.0)
        assert is_locked(desktop.main) and desktop.main["window"] == rect, f"not locked on {rect}: {desktop.main}"
    finally:
        stop(program)


def case_the_main_window_lies_under_the_screenshot_surface(build_dir, work_root):
    program = new_program(build_dir, work_root, "modes-main-under", presets=EXTRA_PRESETS)
    try:
        before = start(program).main
        list_before = next(c for c in before["children"] if c["class"].lower() == "syslistview32")
        assert before["exstyle"] & WS_EX_TOPMOST, "the start screen is not on top"
        desktop = open_region_shot(program)
        main = desktop.main
        assert main["visible"] and not main["exstyle"] & WS_EX_TOPMOST and main["window"] == before["window"], main
        assert desktop.classes_above(main) == [SURFACE], f"above the main window: {desktop.classes_above(main)}"
        # Drags that start on the third row of the effect list and on the checkbox "图片模式" select rectangles.
        row_top = list_before["rect"][1] + 2 * list_before["itemHeight"] + list_before["itemHeight"] // 2 + 24
        row = (main["client"][0] + 200, main["client"][1] + row_top)
        assert contains(main["window"], *row)
        drag(program, row, (row[0] + 300, row[1] + 120))
        xdotool("click", 3)  # the right button discards it
        assert wait_for(lambda: not contains(look(program).first(REGION)["window"], *row), 5.0)
        checkbox = control_point(main, PICTURE_MODE_ID)
        drag(program, checkbox, (checkbox[0] + 250, checkbox[1] + 150))
        press("Escape", look(program).first(SURFACE))
        desktop = wait_for_desktop(program, lambda d: is_start_screen(d.main, START_SCREEN) and
                                   d.main["exstyle"] & WS_EX_TOPMOST and d.first(SURFACE) is None, 5.0)
        assert is_start_screen(desktop.main, START_SCREEN) and desktop.main["exstyle"] & WS_EX_TOPMOST, desktop.main
        list_after = next(c for c in desktop.main["children"] if c["class"].lower() == "syslistview32")
        assert [i["selected"] for i in list_after["items"]] == [i["selected"] for i in list_before["items"]], \
            "the drag selected rows of the effect list"
        assert b"SetP=C" in program.read("\\Config\\Config.ini"), "the drag clicked the checkbox"
    finally:
        stop(program)
