"""Smart attach end to end: click "智能吸附", point at a window, press a key, look at the screen."""
import os
import shutil
import subprocess
import time

from harness import WINE64, Program, screenshot, wine_env

ATTACH_BUTTON_ID = 109  # the main window's control id of "智能吸附"
TARGET = (900, 300, 400, 300)  # left, top, width, height of the test window, clear of the main window
LINE = (200, 30, 30)  # the preset's line colour
BARS_PRESET = ("[Scantype]\r\nLinetype=1\r\n[Linetype]\r\nPixelsize=1\r\n[Scanlinecolor]\r\nColorR=200\r\n"
               "ColorG=30\r\nColorB=30\r\n[ScanlineTransversespacing]\r\nTransverse=5\r\n"
               "[ScanlineVerticalspacing]\r\nVertical=9\r\n[ScanlineObliquespacing]\r\nOblique=0\r\n"
               "[ScanlineAntiskewspacing]\r\nAntiskew=0\r\n")


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    parts, pos = [], 0
    while len(parts) < 4:  # magic, width, height, maxval
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos) + 1
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        parts.append(data[pos:end])
        pos = end
    assert parts[0] == b"P6", parts[0]
    width, height = int(parts[1]), int(parts[2])
    return width, height, data[pos + 1:]


def pixel(image, x, y):
    width, _, rgb = image
    i = (y * width + x) * 3
    return tuple(rgb[i:i + 3])


def target_colour(x):
    return (0, 0, 255) if (x // 16) % 2 == 0 else (255, 255, 0)


def locate(build_dir, control_id):
    out = subprocess.run([WINE64, os.path.join(build_dir, "corvanta_bb_target.exe"), "locate", str(control_id)],
                         capture_output=True, text=True, env=wine_env(), timeout=30).stdout.split()
    return [int(v) for v in out] if len(out) == 4 else None


def main_window_state(build_dir):
    """(left, top, right, bottom, exstyle, visible, enabled, count, caption) of the main window, or None."""
    out = subprocess.run([WINE64, os.path.join(build_dir, "corvanta_bb_target.exe"), "state"],
                         capture_output=True, env=wine_env(), timeout=30).stdout.decode("gbk", "replace").split(None, 8)
    if len(out) < 8:
        return None
    return tuple(int(v) for v in out[:8]) + ((out[8].strip() if len(out) > 8 else ""),)


def is_locked_over_target(state):
    left, top, width, height = TARGET
    return (state is not None and state[:4] == (left, top, left + width, top + height)
            and state[4] & 0x20 and not state[6])


def is_selection_frame(state):
    return state is not None and state[4] & 0x80000 and not state[4] & 0x20


def wait_for(condition, seconds):
    deadline = time.time() + seconds
    while time.time() < deadline:
        if condition():
            return True
        time.sleep(0.2)
    return condition()


def xdotool(*args):
    subprocess.run(["xdotool", *[str(a) for a in args]], capture_output=True, timeout=10)


def attach_and_lock(build_dir, work_root, program, shot_name):
    """Starts the program and the test window, attaches to it with real input, locks with a key and
    returns the screenshot; the caller kills the processes."""
    left, top, width, height = TARGET
    program.extra_processes = []
    # The test window first, so that it lies below the main window that comes after it.
    for _ in range(2):
        target = subprocess.Popen([WINE64, os.path.join(build_dir, "corvanta_bb_target.exe"), "paint",
                                   str(left), str(top), str(width), str(height)], env=wine_env(),
                                  stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        program.extra_processes.append(target)
        if wait_for(lambda: subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "corvanta-target"],
                                           capture_output=True).returncode == 0, 15.0):
            break
    else:
        raise AssertionError(f"the test window did not appear (its process: {target.poll()})")
    program.start()
    assert program.window_ids(), "the main window did not appear"
    time.sleep(1.0)  # the list fills 30 ms after start-up
    button = None
    for _ in range(20):
        button = locate(build_dir, ATTACH_BUTTON_ID)
        if button:
            break
        time.sleep(0.3)
    assert button, "the attach button was not found"
    # A busy machine may lose a click that comes before Wine has caught up with the pointer: look at the
    # window and click again if it did not turn into the selection frame.
    for _ in range(3):
        xdotool("mousemove", (button[0] + button[2]) // 2, (button[1] + button[3]) // 2)
        time.sleep(0.5)
        xdotool("click", 1)
        if wait_for(lambda: is_selection_frame(main_window_state(build_dir)), 3.0):
            break
    state = main_window_state(build_dir)
    assert is_selection_frame(state), f"clicking the attach button started no selection: {state}"
    xdotool("mousemove", left + width // 2, top + height // 2)
    over_target = (left, top, left + width, top + height)
    wait_for(lambda: (main_window_state(build_dir) or ())[:4] == over_target, 5.0)
    state = main_window_state(build_dir)
    assert state is not None and state[:4] == over_target, f"the selection frame is not over the test window: {state}"
    xdotool("key", "space")
    wait_for(lambda: is_locked_over_target(main_window_state(build_dir)), 5.0)
    state = main_window_state(build_dir)
    assert is_locked_over_target(state), f"the key did not lock the overlay over the test window: {state}"
    time.sleep(1.0)
    return take_screenshot(work_root, program, shot_name)


def take_screenshot(work_root, program, shot_name):
    left, top, width, height = TARGET
    shot = os.path.join(work_root, shot_name + ".png")
    screenshot(shot)
    assert program.process.poll() is None, f"corvanta.exe ended with code {program.process.returncode} after the lock"
    ppm = os.path.join(work_root, shot_name + ".ppm")
    subprocess.run(["convert", shot, "-depth", "8", ppm], capture_output=True, timeout=30)
    subprocess.run(["convert", shot, "-crop", f"{width + 200}x{height + 200}+{left - 100}+{top - 100}",
                    os.path.join(work_root, shot_name + "-crop.png")], capture_output=True, timeout=30)
    return read_ppm(ppm)


def expect_region(work_root, program, shot_name, image, expected_at):
    """Compares the target rectangle with expected_at(dx, dy); a screen that has not caught up with the
    lock yet gets one more look a moment later."""
    wrong = compare_region(image, expected_at)
    if wrong:
        time.sleep(2.0)
        wrong = compare_region(take_screenshot(work_root, program, shot_name), expected_at)
    _, _, width, height = TARGET
    if wrong:
        shutil.copy(os.path.join(work_root, shot_name + ".png"), os.path.join(work_root, shot_name + "-failed.png"))
        stacking = subprocess.run(["xwininfo", "-root", "-children"], capture_output=True, text=True).stdout
        print(stacking)
    assert not wrong, f"{len(wrong)} of {width * height} pixels differ, first: {wrong[:5]}"


def compare_region(image, expected_at):
    """Pixels of the target rectangle that differ from expected_at(dx, dy)."""
    left, top, width, height = TARGET
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
    for process in getattr(program, "extra_processes", []):
        process.kill()
        process.wait()
    # The next run must not find these windows while Wine is still taking them away.
    wait_for(lambda: subprocess.run(["xdotool", "search", "--name", "corvanta-target|^Corvanta"],
                                    capture_output=True).returncode != 0, 10.0)


def case_attach_and_lock_over_a_window(build_dir, work_root):
    program = Program(build_dir, work_root, "attach")
    program.write("\\Config\\Config.ini", "[Config]\r\nFirst=1\r\nSetP=C\r\nGetC=0\r\nTop=1\r\nAlpha=200\r\n"
                                          "W=740\r\nH=514\r\nL=50\r\nT=50\r\n")
    program.write("\\Effect\\C\\00_bars.ini", BARS_PRESET)
    try:
        image = attach_and_lock(build_dir, work_root, program, "attach")
        expect_region(work_root, program, "attach", image,
                      lambda dx, dy: LINE if dy % 5 == 0 or dx % 9 == 0 else target_colour(dx))
        left, top, _, _ = TARGET
        assert pixel(image, left - 5, top - 5) != LINE  # outside the overlay nothing is drawn
    finally:
        stop(program)


def case_picture_mode_shows_a_starter_picture_over_a_window(build_dir, work_root):
    program = Program(build_dir, work_root, "picture", with_library=True)
    program.write("\\Config\\Config.ini", "[Config]\r\nFirst=1\r\nSetP=P\r\nGetP=3\r\nTop=1\r\nAlpha=200\r\n"
                                          "Dp=3\r\nAr=208\r\nAg=222\r\nAb=227\r\nW=740\r\nH=514\r\nL=50\r\nT=50\r\n")
    try:
        image = attach_and_lock(build_dir, work_root, program, "picture")
        # Picture 3 is the 3x scanline tile: every third row dark, the others the colour key.
        expect_region(work_root, program, "picture", image,
                      lambda dx, dy: (12, 12, 12) if dy % 3 == 2 else target_colour(dx))
    finally:
        stop(program)
