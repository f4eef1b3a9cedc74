"""Custom region selection end to end: click "自选区域", drag with the real pointer over a test window, press a
key, and look at the program's windows and at the screen."""
import os
import re
import subprocess

from capture_cases import tray_menu
from harness import WINE64, Program, list_filled, pixel, screen_image, wait_for

REGION_BUTTON_ID = 108  # the main window's control id of "自选区域"
TARGET = (900, 300, 400, 300)  # left, top, width, height of the test window
SAVED = (50, 50, 790, 564)  # the start screen of CONFIG: left, top, right, bottom
SURFACE = (14, 10, 12)  # the selection surface as Xvfb shows it (no alpha without a compositor)
LINE = (200, 30, 30)
MOVE_OR_RESIZE = 15  # key steps from the tray menu's first item to "<-移动或调整尺寸->"
CONFIG = ("[Config]\r\nFirst=1\r\nSetP=C\r\nGetC=0\r\nTop=1\r\nAlpha=200\r\nW=740\r\nH=514\r\nL=50\r\nT=50\r\n"
          "[Tips]\r\nTS=1\r\n[Color]\r\nC9=65280\r\n")
# Transverse lines every 5th row and vertical lines every 9th column: no diagonals under Xvfb.
BARS_PRESET = ("[Scantype]\r\nLinetype=1\r\n[Linetype]\r\nPixelsize=1\r\n[Scanlinecolor]\r\nColorR=200\r\n"
               "ColorG=30\r\nColorB=30\r\n[ScanlineTransversespacing]\r\nTransverse=5\r\n"
               "[ScanlineVerticalspacing]\r\nVertical=9\r\n[ScanlineObliquespacing]\r\nOblique=0\r\n"
               "[ScanlineAntiskewspacing]\r\nAntiskew=0\r\n")


def xdotool(*args):
    return subprocess.run(["xdotool", *[str(a) for a in args]], capture_output=True, text=True, timeout=10).stdout


def move(x, y):
    """Moves the pointer and waits until it is there (xdotool's --sync waits forever when it is there already)."""
    xdotool("mousemove", x, y)
    assert wait_for(lambda: xdotool("getmouselocation").split()[:2] == [f"x:{x}", f"y:{y}"], 5.0), (x, y)


def target_colour(x):
    """The test window's stripes at screen column x."""
    return (0, 0, 255) if ((x - TARGET[0]) // 16) % 2 == 0 else (255, 255, 0)


def main_window_state(program):
    """(left, top, right, bottom, exstyle, visible, enabled) of the main window, or None."""
    out = program.helper("corvanta_bb_target.exe", "state").decode("gbk", "replace").split()
    return tuple(int(v) for v in out[:7]) if len(out) >= 7 else None


def program_windows():
    """Geometries (left, top, width, height) of the program's mapped X windows."""
    found = []
    for window in xdotool("search", "--onlyvisible", "--classname", "corvanta").split():
        shell = xdotool("getwindowgeometry", "--shell", window)
        values = dict(re.findall(r"(\w+)=(-?\d+)", shell))
        if {"X", "Y", "WIDTH", "HEIGHT"} <= values.keys():
            found.append(tuple(int(values[k]) for k in ("X", "Y", "WIDTH", "HEIGHT")))
    return found


def wait_for_region_window(rect, seconds=5.0):
    return wait_for(lambda: tuple(rect) in program_windows(), seconds)


def start(program, work_root):
    """Starts the test window and the program, clicks "自选区域" and waits for the dark selection surface."""
    left, top, width, height = TARGET
    target = subprocess.Popen([WINE64, os.path.join(program.build_dir, "corvanta_bb_target.exe"), "paint",
                               *(str(v) for v in (left, top, width, height))],
                              env=program.env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)
    program.extra_processes.append(target)
    assert wait_for(lambda: xdotool("search", "--onlyvisible", "--name", "corvanta-target").strip(), 15.0), \
        "the test window did not appear"
    program.start()
    assert program.window_ids(), "the main window did not appear"
    probe = program.wait_for_probe(list_filled, 15.0)
    assert probe and list_filled(probe), f"the effect list was not filled: {probe}"
    out = wait_for(lambda: program.helper("corvanta_bb_target.exe", "locate", REGION_BUTTON_ID).split(), 10.0)
    assert len(out) == 4, "the region button was not found"
    button = [int(v) for v in out]
    shot = os.path.join(work_root, "region-surface.png")
    for _ in range(3):  # a click that comes before Wine has caught up with the pointer may be lost
        move((button[0] + button[2]) // 2, (button[1] + button[3]) // 2)
        xdotool("click", 1)
        if wait_for(lambda: (main_window_state(program) or (0,) * 7)[5] == 0, 5.0):
            break
    assert wait_for(lambda: surface_shown(shot), 10.0), f"no selection surface: {main_window_state(program)}"


def surface_shown(shot):
    image = screen_image(shot)
    return all(pixel(image, x, y) == SURFACE for x, y in ((5, 5), (1900, 1060), (TARGET[0] + 50, TARGET[1] + 50)))


def take_anchor(x, y, sx, sy):
    """After the press at (x, y): the anchor is where the pointer is at the first tick of the drag timer, which
    may come after the pointer moved on. Steps diagonally until RegionWindow shows a small square and returns
    the anchor it reveals."""
    for k in range(1, 6):
        move(x + sx * k, y + sy * k)

        def square():
            for left, top, width, height in program_windows():
                m = k - width  # the anchor was at the k - width'th step
                if width == height and 1 <= width <= k and (left, top) == (min(x + sx * m, x + sx * k),
                                                                           min(y + sy * m, y + sy * k)):
                    return (x + sx * m, y + sy * m)
            return None
        anchor = wait_for(square, 1.5)
        if anchor:
            return anchor
    raise AssertionError(f"the drag took no anchor near {(x, y)}: {program_windows()}")


def drag(start_point, size):
    """Presses at start_point, drags by size (dx, dy, either sign) from where the anchor was taken and releases
    there. Returns the rectangle (left, top, width, height) RegionWindow shows."""
    (x, y), (dx, dy) = start_point, size
    move(x, y)
    xdotool("mousedown", 1)
    ax, ay = take_anchor(x, y, 1 if dx > 0 else -1, 1 if dy > 0 else -1)
    move(ax + dx, ay + dy)
    rect = (min(ax, ax + dx), min(ay, ay + dy), abs(dx), abs(dy))
    assert wait_for_region_window(rect), f"RegionWindow is not on {rect}: {program_windows()}"
    xdotool("mouseup", 1)
    return rect


def locked_over(program, rect):
    left, top, width, height = rect
    state = main_window_state(program)
    return state is not None and state[:4] == (left, top, left + width, top + height) and state[4] & 0x20 \
        and state[5] and not state[6]


def expect_locked(program, rect):
    assert wait_for(lambda: locked_over(program, rect), 5.0), \
        f"not locked over {rect}: {main_window_state(program)}"


def start_screen_back(program):
    state = main_window_state(program)
    return state is not None and state[:4] == SAVED and state[5] and state[6] and not state[4] & 0x80000


def expect_start_screen(program):
    assert wait_for(lambda: start_screen_back(program), 5.0), f"no start screen: {main_window_state(program)}"


def expect_bars_on(work_root, shot_name, rect):
    """Looks at the screen until the rectangle shows the bars preset drawn from its top-left corner over the
    test window, with the test window unchanged around it."""
    left, top, width, height = rect
    shot = os.path.join(work_root, shot_name + ".png")
    wrong = []

    def grid_shown():
        nonlocal wrong
        image = screen_image(shot)
        wrong = [(x, y, pixel(image, x, y)) for y in range(top, top + height) for x in range(left, left + width)
                 if pixel(image, x, y) != (LINE if (y - top) % 5 == 0 or (x - left) % 9 == 0 else target_colour(x))]
        wrong += [(x, y, pixel(image, x, y)) for x, y in ((left - 3, top + 10), (left + width + 2, top + 10),
                                                          (left + 10, top + height + 2))
                  if pixel(image, x, y) != target_colour(x)]
        return not wrong
    wait_for(grid_shown, 8.0, interval=0.5)
    assert not wrong, f"{len(wrong)} pixels differ, first: {wrong[:5]}"


def new_program(build_dir, work_root, name):
    program = Program(build_dir, work_root, name)
    program.write("\\Config\\Config.ini", CONFIG)
    program.write("\\Effect\\C\\00_bars.ini", BARS_PRESET)
    return program


def stop(program):
    program.kill()
    wait_for(lambda: subprocess.run(["xdotool", "search", "--name", "corvanta-target|^Corvanta"],
                                    capture_output=True).returncode != 0, 10.0)


def case_drag_then_one_key_locks_the_grid_on_the_rectangle(build_dir, work_root):
    program = new_program(build_dir, work_root, "region-lock")
    try:
        start(program, work_root)
        rect = drag((950, 350), (300, 200))
        xdotool("key", "space")
        expect_locked(program, rect)
        expect_bars_on(work_root, "region-lock", rect)
    finally:
        stop(program)


def case_five_by_five_cannot_lock_six_by_six_can(build_dir, work_root):
    program = new_program(build_dir, work_root, "region-sizes")
    try:
        start(program, work_root)
        small = drag((1000, 400), (5, 5))
        xdotool("key", "space")
        # The right button takes the rectangle away: once it is gone the key has been handled, without a lock.
        xdotool("click", 3)
        assert wait_for(lambda: small not in program_windows(), 5.0), "the right button did not discard"
        assert not main_window_state(program)[5], "a 5 x 5 rectangle locked"
        rect = drag((1000, 400), (6, 6))
        xdotool("key", "space")
        expect_locked(program, rect)
    finally:
        stop(program)


def case_a_click_gives_a_four_by_four_rectangle_that_cannot_lock(build_dir, work_root):
    program = new_program(build_dir, work_root, "region-click")
    try:
        start(program, work_root)
        move(1100, 450)
        xdotool("click", 1)
        assert wait_for_region_window((1100, 450, 4, 4)), f"no 4 x 4 rectangle: {program_windows()}"
        xdotool("key", "space")
        # Esc abandons only while the selection is still open, so the start screen proves that space did nothing.
        xdotool("key", "Escape")
        expect_start_screen(program)
    finally:
        stop(program)


def case_escape_before_a_click_does_nothing_after_a_click_abandons(build_dir, work_root):
    program = new_program(build_dir, work_root, "region-escape")
    try:
        start(program, work_root)
        move(1000, 380)
        xdotool("key", "Escape")
        xdotool("click", 1)
        assert wait_for_region_window((1000, 380, 4, 4)), f"the selection did not stay open: {program_windows()}"
        assert not main_window_state(program)[5], "the main window came back on the first Esc"
        xdotool("key", "Escape")
        expect_start_screen(program)
    finally:
        stop(program)


def case_alt_f4_brings_the_start_screen_back(build_dir, work_root):
    program = new_program(build_dir, work_root, "region-alt-f4")
    try:
        start(program, work_root)
        move(1000, 380)
        xdotool("key", "alt+F4")
        expect_start_screen(program)
        assert program.process.poll() is None, "the program ended"
    finally:
        stop(program)


def case_a_drag_toward_the_upper_left_released_on_region_window_keeps_the_rectangle(build_dir, work_root):
    program = new_program(build_dir, work_root, "region-upper-left")
    try:
        start(program, work_root)
        # The pointer lies on RegionWindow's top-left pixel when the button is released, so RegionWindow takes
        # the release: even a 3 x 3 rectangle stays (the surface would make it 4 x 4 at the anchor).
        tiny = drag((1250, 550), (-3, -3))
        click_square = (tiny[0] + 3, tiny[1] + 3, 4, 4)
        assert not wait_for(lambda: click_square in program_windows(), 2.0), "the surface took the release"
        assert tiny in program_windows(), f"the rectangle changed on release: {program_windows()}"
        xdotool("click", 3)
        assert wait_for(lambda: tiny not in program_windows(), 5.0), "the right button did not discard"
        rect = drag((1250, 550), (-300, -200))
        assert wait_for_region_window(rect), f"the rectangle changed on release: {program_windows()}"
        xdotool("key", "space")
        expect_locked(program, rect)
    finally:
        stop(program)


def case_move_or_resize_then_f5_locks_the_whole_outer_rectangle(build_dir, work_root):
    program = new_program(build_dir, work_root, "region-resize")
    try:
        start(program, work_root)
        left, top, width, height = drag((950, 350), (300, 200))
        xdotool("key", "space")
        expect_locked(program, (left, top, width, height))
        tray_menu(program, f"down*{MOVE_OR_RESIZE}", "return")

        def adjustable():
            state = main_window_state(program)
            return state is not None and state[4] & 0x80000 and not state[4] & 0xA0 and state[6]
        assert wait_for(adjustable, 5.0), f"no adjustable window: {main_window_state(program)}"
        # Drag the sizing frame's lower right corner by 40 x 30 pixels.
        move(left + width - 2, top + height - 2)
        xdotool("mousedown", 1)
        move(left + width + 18, top + height + 13)
        move(left + width + 38, top + height + 28)
        xdotool("mouseup", 1)
        resized = (left, top, width + 40, height + 30)
        assert wait_for(lambda: main_window_state(program)[:4] == (left, top, left + width + 40, top + height + 30),
                        5.0), f"the frame was not resized: {main_window_state(program)}"
        xdotool("key", "F5")
        expect_locked(program, resized)
        # Frame, caption and menu bar became overlay: the grid is drawn again for the whole rectangle.
        expect_bars_on(work_root, "region-resize", resized)
    finally:
        stop(program)
