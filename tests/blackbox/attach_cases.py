"""Smart attach end to end: click "智能吸附", point at a window, press a key, look at the screen."""
import os
import shutil
import subprocess

from harness import WINE64, Program, list_filled, pixel, publish_doc_picture, screen_image, wait_for

ATTACH_BUTTON_ID = 109  # the main window's control id of "智能吸附"
TARGET = (900, 300, 400, 300)  # left, top, width, height of the test window, clear of the main window
LINE = (200, 30, 30)  # the preset's line colour
BARS_PRESET = ("[Scantype]\r\nLinetype=1\r\n[Linetype]\r\nPixelsize=1\r\n[Scanlinecolor]\r\nColorR=200\r\n"
               "ColorG=30\r\nColorB=30\r\n[ScanlineTransversespacing]\r\nTransverse=5\r\n"
               "[ScanlineVerticalspacing]\r\nVertical=9\r\n[ScanlineObliquespacing]\r\nOblique=0\r\n"
               "[ScanlineAntiskewspacing]\r\nAntiskew=0\r\n")
SCREEN_SETTLE_SECONDS = 8.0  # how long a locked overlay may take to reach the screen


def target_colour(x):
    return (0, 0, 255) if (x // 16) % 2 == 0 else (255, 255, 0)


def bars_over_target(dx, dy):
    """The bars preset over the test window: a line every 5th row and every 9th column."""
    return LINE if dy % 5 == 0 or dx % 9 == 0 else target_colour(dx)


def locate(program, control_id):
    out = program.helper("corvanta_bb_target.exe", "locate", control_id).split()
    return [int(v) for v in out] if len(out) == 4 else None


def main_window_state(program):
    """(left, top, right, bottom, exstyle, visible, enabled, count, caption) of the main window, or None."""
    out = program.helper("corvanta_bb_target.exe", "state").decode("gbk", "replace").split(None, 8)
    if len(out) < 8:
        return None
    return tuple(int(v) for v in out[:8]) + ((out[8].strip() if len(out) > 8 else ""),)


def screen_rect(target):
    left, top, width, height = target
    return (left, top, left + width, top + height)


def is_locked_over(state, target):
    return state is not None and state[:4] == screen_rect(target) and state[4] & 0x20 and not state[6]


def is_selection_frame(state):
    return state is not None and state[4] & 0x80000 and not state[4] & 0x20


def xdotool(*args):
    subprocess.run(["xdotool", *[str(a) for a in args]], capture_output=True, timeout=10)


def window_exists(name):
    return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name], capture_output=True).returncode == 0


def start_selection_frame(program):
    """Clicks "智能吸附" until the main window is the selection frame."""
    button = wait_for(lambda: locate(program, ATTACH_BUTTON_ID), 10.0)
    assert button, "the attach button was not found"
    # A busy machine may lose a click that comes before Wine has caught up with the pointer: look at the
    # window and click again if it did not turn into the selection frame.
    for _ in range(3):
        xdotool("mousemove", "--sync", (button[0] + button[2]) // 2, (button[1] + button[3]) // 2)
        xdotool("click", 1)
        if wait_for(lambda: is_selection_frame(main_window_state(program)), 3.0):
            break
    state = main_window_state(program)
    assert is_selection_frame(state), f"clicking the attach button started no selection: {state}"


def attach_and_lock(program, target=TARGET):
    """Starts the test window and the program, attaches to the test window with real input and locks with a
    key; the caller kills the processes (stop)."""
    left, top, width, height = target
    # The test window first, so that it lies below the main window that comes after it.
    for _ in range(2):
        process = subprocess.Popen([WINE64, os.path.join(program.build_dir, "corvanta_bb_target.exe"), "paint",
                                    str(left), str(top), str(width), str(height)], env=program.env,
                                   stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        program.extra_processes.append(process)
        if wait_for(lambda: window_exists("corvanta-target"), 15.0):
            break
    else:
        raise AssertionError(f"the test window did not appear (its process: {process.poll()})")
    program.start()
    assert program.window_ids(), "the main window did not appear"
    probe = program.wait_for_probe(list_filled, 15.0)
    assert probe and list_filled(probe), f"the effect list was not filled: {probe}"
    start_selection_frame(program)
    xdotool("mousemove", "--sync", left + width // 2, top + height // 2)

    def frame_over_target():
        state = main_window_state(program)
        return state if state is not None and state[:4] == screen_rect(target) else None
    state = wait_for(frame_over_target, 5.0) or main_window_state(program)
    assert state is not None and state[:4] == screen_rect(target), \
        f"the selection frame is not over the test window: {state}"
    xdotool("key", "space")
    wait_for(lambda: is_locked_over(main_window_state(program), target), 5.0)
    state = main_window_state(program)
    assert is_locked_over(state, target), f"the key did not lock the overlay over the test window: {state}"


def expect_screen(work_root, program, shot_name, expected_at, target=TARGET):
    """Looks at the screen until the target rectangle shows expected_at(dx, dy) or the screen has had time to
    settle; returns the last screenshot. On failure the stacking of the X windows is printed."""
    shot = os.path.join(work_root, shot_name + ".png")
    wrong, image = [], None

    def matches():
        nonlocal wrong, image
        image = screen_image(shot)
        assert program.process.poll() is None, f"corvanta.exe ended with code {program.process.returncode}"
        wrong = compare_region(image, expected_at, target)
        return not wrong
    wait_for(matches, SCREEN_SETTLE_SECONDS, interval=0.5)
    left, top, width, height = target
    subprocess.run(["convert", shot, "-crop", f"{width + 200}x{height + 200}+{left - 100}+{top - 100}",
                    os.path.join(work_root, shot_name + "-crop.png")], capture_output=True, timeout=30)
    if wrong:
        shutil.copy(shot, os.path.join(work_root, shot_name + "-failed.png"))
        print(subprocess.run(["xwininfo", "-root", "-children"], capture_output=True, text=True).stdout)
    assert not wrong, f"{len(wrong)} of {width * height} pixels differ, first: {wrong[:5]}"
    return image


def compare_region(image, expected_at, target):
    """Pixels of the target rectangle that differ from expected_at(dx, dy)."""
    left, top, width, height = target
    wrong = []
    for y in range(top, top + height):
        for x in range(left, left + width):
            expected = expected_at(x - left, y - top)
            got = pixel(image, x, y)
            if got != expected:
                wrong.append((x, y, got, expected))
    return wrong


def stop(program):
    program.kill()
    # The next run must not find these windows while Wine is still taking them away.
    wait_for(lambda: subprocess.run(["xdotool", "search", "--name", "corvanta-target|^Corvanta"],
                                    capture_output=True).returncode != 0, 10.0)


def case_attach_and_lock_over_a_window(build_dir, work_root):
    program = Program(build_dir, work_root, "attach")
    program.write("\\Config\\Config.ini", "[Config]\r\nFirst=1\r\nSetP=C\r\nGetC=0\r\nTop=1\r\nAlpha=200\r\n"
                                          "W=740\r\nH=514\r\nL=50\r\nT=50\r\n")
    program.write("\\Effect\\C\\00_bars.ini", BARS_PRESET)
    try:
        attach_and_lock(program)
        image = expect_screen(work_root, program, "attach", bars_over_target)
        left, top, _, _ = TARGET
        assert pixel(image, left - 5, top - 5) != LINE  # outside the overlay nothing is drawn
        publish_doc_picture(os.path.join(work_root, "attach-crop.png"), "overlay-attach.png")
    finally:
        stop(program)


def case_picture_mode_shows_a_starter_picture_over_a_window(build_dir, work_root):
    program = Program(build_dir, work_root, "picture", with_library=True)
    program.write("\\Config\\Config.ini", "[Config]\r\nFirst=1\r\nSetP=P\r\nGetP=3\r\nTop=1\r\nAlpha=200\r\n"
                                          "Dp=3\r\nAr=208\r\nAg=222\r\nAb=227\r\nW=740\r\nH=514\r\nL=50\r\nT=50\r\n")
    try:
        attach_and_lock(program)
        # Picture 3 is the 3x scanline tile: every third row dark, the others the colour key.
        expect_screen(work_root, program, "picture",
                      lambda dx, dy: (12, 12, 12) if dy % 3 == 2 else target_colour(dx))
    finally:
        stop(program)
