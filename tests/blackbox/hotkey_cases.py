"""Global hotkeys with real key presses: xdotool types into an ordinary Wine window while the program runs, and
the main window's state, the program's exit and the hotkey window's status line show what the keys did."""
import os
import subprocess

from capture_cases import tray_menu
from harness import WINE64, Program, child, list_filled, wait_for

HIDDEN_POSITION = 28888  # where the hide-main-window action parks the main window
SETTINGS_CLASS = "CorvantaHotkeySettings"
SAVE_BUTTON_ID = 2202
STATUS_ID = 2203
CUSTOM_HOTKEYS_FROM_BOTTOM = 9  # "up" steps from the tray menu's end to "<#=自定义快捷键=#>"
MOD_ALT = 1


def xdotool(*args):
    return subprocess.run(["xdotool", *[str(a) for a in args]], capture_output=True, text=True, timeout=10).stdout


def start_keys_window(program, *hotkey):
    """The window that takes the keys (and, given modifiers and a key code, holds that hotkey); returns what it
    printed: "held", "refused" or nothing."""
    process = subprocess.Popen([WINE64, os.path.join(program.build_dir, "corvanta_bb_target.exe"), "keys",
                                *(str(v) for v in hotkey)], env=program.env, stdin=subprocess.DEVNULL,
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    program.extra_processes.append(process)
    assert wait_for(lambda: xdotool("search", "--onlyvisible", "--name", "corvanta-keys").strip(), 15.0), \
        "the keys window did not appear"
    return process.stdout.readline().decode().strip() if hotkey else ""


def press(keys):
    """Focuses the keys window and types the combination there."""
    window = xdotool("search", "--onlyvisible", "--name", "corvanta-keys").split()[0]
    xdotool("windowactivate", "--sync", window)
    xdotool("windowfocus", "--sync", window)
    xdotool("key", "--clearmodifiers", keys)


def main_left(program):
    probe = program.probe()
    return probe["window"][0] if probe else None


def start(program):
    program.start()
    assert program.window_ids(), "the main window did not appear"
    probe = program.wait_for_probe(list_filled, 15.0)
    assert probe and list_filled(probe), f"the effect list was not filled: {probe}"


def press_until(program, keys, condition, tries=3):
    """The registration pass runs shortly after start-up; a first press may come before it."""
    for _ in range(tries):
        press(keys)
        if wait_for(condition, 3.0):
            return True
    return False


def case_alt_q_hides_alt_w_shows_and_alt_win_x_quits(build_dir, work_root):
    program = Program(build_dir, work_root, "hotkeys-keys", with_library=True)
    try:
        start_keys_window(program)
        start(program)
        shown_at = main_left(program)
        assert shown_at is not None and shown_at < 1920, shown_at
        assert press_until(program, "alt+q", lambda: main_left(program) == HIDDEN_POSITION), \
            f"Alt+Q did not hide the main window: {main_left(program)}"
        assert press_until(program, "alt+w", lambda: main_left(program) == shown_at), \
            f"Alt+W did not show the main window: {main_left(program)}"
        press("alt+super+x")
        assert program.wait_exit(15.0) is not None, "Alt+Win+X did not quit the program"
    finally:
        program.kill()


def case_saving_names_a_hotkey_another_program_holds(build_dir, work_root):
    program = Program(build_dir, work_root, "hotkeys-held", with_library=True)
    try:
        assert start_keys_window(program, MOD_ALT, ord("W")) == "held"
        start(program)
        tray_menu(program, f"up*{CUSTOM_HOTKEYS_FROM_BOTTOM}", "return")
        settings = program.probe("--class", SETTINGS_CLASS, "--wait", 10)
        assert settings, "the hotkey window did not open"
        button = child(settings, SAVE_BUTTON_ID)
        left, top = settings["client"][0], settings["client"][1]
        x = left + (button["rect"][0] + button["rect"][2]) // 2
        y = top + (button["rect"][1] + button["rect"][3]) // 2
        expected = "以下快捷键已被占用：Alt+W"

        def status():
            found = program.probe("--class", SETTINGS_CLASS)
            return found and child(found, STATUS_ID)["text"]
        for _ in range(3):  # a click before Wine caught up with the pointer may be lost
            xdotool("mousemove", x, y)
            xdotool("click", 1)
            if wait_for(lambda: status() == expected, 8.0):
                break
        assert status() == expected, status()
        # The file holds the saved assignment all the same.
        assert b"sck12=Alt+W" in program.read("\\Config\\Config.ini")
    finally:
        program.kill()
