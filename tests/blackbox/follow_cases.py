"""An overlay locked by smart attach follows its window, with real input: a captioned window of another process
moved and resized by a third one, a child control followed through its top-level window, "仅覆盖客户区" covering
the client area only, and the start screen back when the window closes."""
import os
import subprocess

from attach_cases import BARS_PRESET, LINE, main_window_state, start_selection_frame, stop, window_exists, xdotool
from harness import WINE64, Program, list_filled, pixel, screen_image, wait_for

FRAMED = (900, 250, 520, 380)  # left, top, width, height of the captioned test window
START_SCREEN = (50, 50, 790, 564)
CONFIG = ("[Config]\r\nFirst=1\r\nSetP=C\r\nGetC=0\r\nTop=1\r\nAlpha=200\r\nW=740\r\nH=514\r\nL=50\r\nT=50\r\n")


def where(program):
    """{"outer": (l, t, r, b), "client": ..., "child": ...} of the captioned window, or None."""
    out = program.helper("corvanta_bb_target.exe", "where", "corvanta-framed").split()
    if len(out) != 15:
        return None
    numbers = [int(v) for i, v in enumerate(out) if i % 5 != 0]
    return {"outer": tuple(numbers[0:4]), "client": tuple(numbers[4:8]), "child": tuple(numbers[8:12])}


def start(program, follow=""):
    program.write("\\Config\\Config.ini", CONFIG + follow)
    program.write("\\Effect\\C\\00_bars.ini", BARS_PRESET)
    left, top, width, height = FRAMED
    process = subprocess.Popen([WINE64, os.path.join(program.build_dir, "corvanta_bb_target.exe"), "framed",
                                str(left), str(top), str(width), str(height)], env=program.env,
                               stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    program.extra_processes.append(process)
    assert wait_for(lambda: window_exists("corvanta-framed"), 15.0), "the captioned test window did not appear"
    program.start()
    assert program.window_ids(), "the main window did not appear"
    probe = program.wait_for_probe(list_filled, 15.0)
    assert probe and list_filled(probe), f"the effect list was not filled: {probe}"


def overlay_rect(program):
    state = main_window_state(program)
    return state[:4] if state is not None else None


def is_locked(state):
    return state is not None and state[4] & 0x20 and not state[6]


def attach_at(program, point, expected, locked=None):
    """Clicks "智能吸附", points at `point` and locks with a key once the frame covers `expected`; the overlay
    then covers `locked` (by default the same rectangle)."""
    start_selection_frame(program)
    xdotool("mousemove", "--sync", *point)
    frame = wait_for(lambda: overlay_rect(program) == expected, 5.0)
    assert frame, f"the selection frame is at {overlay_rect(program)}, not over {expected}"
    xdotool("key", "space")
    assert wait_for(lambda: is_locked(main_window_state(program)), 5.0), "the key did not lock the overlay"
    locked = locked or expected
    assert wait_for(lambda: overlay_rect(program) == locked, 5.0), f"locked at {overlay_rect(program)}, not {locked}"


def place_from_another_process(program, left, top, width, height):
    program.helper("corvanta_bb_target.exe", "place", "corvanta-framed", left, top, width, height)


def expect_following(program, part):
    """The overlay takes the window part's rectangle, still locked."""
    target = wait_for(lambda: where(program), 5.0)[part]
    assert wait_for(lambda: overlay_rect(program) == target, 5.0), \
        f"the overlay is at {overlay_rect(program)}, the window's {part} at {target}"
    assert is_locked(main_window_state(program)), "the overlay is no longer locked"


def expect_start_screen_after_close(program):
    program.helper("corvanta_bb_target.exe", "close", "corvanta-framed")

    def back():
        state = main_window_state(program)
        return state is not None and state[:4] == START_SCREEN and not state[4] & 0x80000 and state[5] and state[6]
    assert wait_for(back, 8.0), f"closing the window left the program at {main_window_state(program)}"


def case_an_attached_window_moved_by_another_process_is_followed(build_dir, work_root):
    program = Program(build_dir, work_root, "follow-window")
    try:
        start(program)
        window = where(program)
        client = window["client"]
        attach_at(program, ((client[0] + client[2] * 3) // 4, (client[1] + client[3]) // 2), window["outer"])
        place_from_another_process(program, 700, 150, 520, 380)
        expect_following(program, "outer")
        place_from_another_process(program, 700, 150, 600, 300)
        expect_following(program, "outer")
        expect_start_screen_after_close(program)
    finally:
        stop(program)


def case_a_child_control_is_followed_through_its_top_level_window(build_dir, work_root):
    program = Program(build_dir, work_root, "follow-child")
    try:
        start(program)
        child = where(program)["child"]
        attach_at(program, ((child[0] + child[2]) // 2, (child[1] + child[3]) // 2), child)
        place_from_another_process(program, 650, 180, 520, 380)
        expect_following(program, "child")
    finally:
        stop(program)


def case_the_client_area_only_is_covered(build_dir, work_root):
    program = Program(build_dir, work_root, "follow-client")
    try:
        start(program, "[Follow]\r\nMove=1\r\nClient=1\r\n")
        window = where(program)
        outer, client = window["outer"], window["client"]
        # The right half of the client area: the window itself, not its child.
        attach_at(program, ((client[0] + client[2] * 3) // 4, (client[1] + client[3]) // 2), outer, client)
        shot = os.path.join(work_root, "follow-client.png")

        def drawn():
            image = screen_image(shot)
            return image if pixel(image, client[0] + 1, client[1]) == LINE else None
        image = wait_for(drawn, 8.0)
        assert image, "no grid at the client area's top-left"
        left, top, right, bottom = client
        rows = [y for y in range(top, bottom) if (y - top) % 5 == 0]
        on_lines = sum(pixel(image, x, y) == LINE for y in rows for x in range(left, right, 7))
        assert on_lines == len(rows) * len(range(left, right, 7)), "a line row of the grid is not drawn"
        caption = [pixel(image, x, y) for y in range(outer[1] + 2, top - 2) for x in range(outer[0] + 2, outer[2] - 2, 5)]
        assert LINE not in caption, "the grid reaches the title bar"
        place_from_another_process(program, 700, 200, 560, 400)
        expect_following(program, "client")
    finally:
        stop(program)
