"""A seeded random walk of corvanta.exe: each step is a real user action (a click, a drag, a key, a tray item, a
hotkey) chosen among those that make sense in the state seen from outside, and after each step the program's
windows, the screen and Config.ini are checked. Every tenth step and near the end the walk goes home to the start
screen; the last step quits, from wherever the few steps after that led.

The seed is printed; CORVANTA_WALK_SEED sets it (default: from today's date), CORVANTA_WALK_STEPS the number of
steps. A failure prints the seed and the steps so far. Run alone: random_walk.py BUILD_DIR [SEED...]."""
import datetime
import os
import random
import sys
import time

from capture_cases import images, picture_size
from desktop import (ATTACH_BUTTON_ID, MAIN, REGION, REGION_BUTTON_ID, ROWS_PRESET, SCAN_FORMAT, SCREEN, SHOT_FORMAT,
                     START_SCREEN, SURFACE, TARGET, WS_CAPTION, WS_EX_LAYERED, RecordingTarget, centre, click,
                     click_reaches, close_box_point, config_text, contains, control_point, drag, format_button_point,
                     is_hidden, is_locked, is_start_screen, look, move, overlay_state, press, stop,
                     surface_left_on_screen, tray, type_in_front, x_focus_on_corvanta, xdotool)
from harness import Program, ini_entries, list_filled, wait_for
from startup_cases import DEFAULT_ORDER

SEED_ENV = "CORVANTA_WALK_SEED"
STEPS_ENV = "CORVANTA_WALK_STEPS"
STEPS = 60
HOME_EVERY = 10
HOME_TRIES = 8
TARGET_RECT = (820, 120, 1820, 980)
MODE_CHECKBOXES = [101, 102, 103, 104]  # "自定义模式", "图片模式", "混合模式", "置顶"
PRESETS = ["06_scanlines_4px_thin.ini", "23_classic_crt_3px.ini"]  # horizontal lines only
PICTURES = ["03_scanlines_3x.png", "06_scanlines_4x.png"]  # rows only
# The default hotkeys (Config.ini SCK) as xdotool types them, but "打开截图目录" (it opens a folder window) and
# "关闭并退出" (the last step's).
HOTKEYS = {"启用-置顶": "shift+d", "取消-置顶": "shift+q", "启用-强力置顶": "shift+alt+d",
           "取消-强力置顶": "shift+alt+q", "自选区域截图": "ctrl+shift+alt+a", "扫描区域截图": "ctrl+shift+p",
           "重新吸附窗口": "shift+f", "重新自选区域": "shift+r", "更换效果返回": "shift+alt+e",
           "移动或调整尺寸": "ctrl+e", "显示主窗口": "alt+w", "隐藏主窗口": "alt+q"}
FRONT_KEYS = ["Escape", "BackSpace", "a", "Return", "F5", "space"]
SHOWN_OR_HIDDEN = ("显示主窗口", "隐藏主窗口", "#显示主窗口", "#隐藏主窗口")


def default_seed():
    return int(datetime.date.today().strftime("%Y%m%d"))


class WalkFailure(AssertionError):
    pass


def mode_of(desktop):
    """The program's mode as its windows show it."""
    main = desktop.main
    if desktop.first(SHOT_FORMAT):
        return "format"
    if desktop.first(SURFACE):
        return "select"
    if is_locked(main):
        return "locked"
    if main["exstyle"] & WS_EX_LAYERED:
        return "moving" if main["style"] & WS_CAPTION else "frame"
    return "start"


def signature(desktop):
    """What a settled desktop keeps from one look to the next."""
    return (desktop.foreground, tuple((w["class"], w["visible"], w["enabled"], w["style"], w["exstyle"],
                                       tuple(w["window"])) for w in desktop.windows
                                      if w["class"].startswith("Corvanta")))


def saved_geometry(config):
    values = {(s, k): v for s, k, v in ini_entries(config)}
    left, top = int(values[("Config", "L")]), int(values[("Config", "T")])
    return [left, top, left + int(values[("Config", "W")]), top + int(values[("Config", "H")])]


def config_problems(config):
    """What is wrong with Config.ini against the key catalogue of a first start: missing or repeated keys and
    values out of range."""
    entries = ini_entries(config or b"")
    problems = []
    values = {}
    for s, k, v in entries:
        if (s, k) in values:
            problems.append(f"{s}/{k} twice")
        values[(s, k)] = v

    def integer(text, low, high):
        return text.lstrip("-").isdigit() and low <= int(text) <= high
    ranges = {"Ar": (0, 255), "Ag": (0, 255), "Ab": (0, 255), "Num": (0, 2 ** 31), "GetD": (0, 2 ** 31),
              "GetC": (0, 2 ** 31), "GetP": (0, 2 ** 31), "Alpha": (0, 255), "W": (589, SCREEN[0]),
              "H": (373, SCREEN[1]), "L": (1, SCREEN[0] - 1), "T": (1, SCREEN[1] - 1), "Dp": (0, 3), "TC": (9, 24),
              "SZ": (1, 2 ** 31)}
    for section, key, default in DEFAULT_ORDER:
        value = values.get((section, key))
        if value is None:
            problems.append(f"{section}/{key} missing")
        elif key in ranges:
            ok = integer(value, *ranges[key])
        elif key in ("Top", "TS", "Pre", "Auto", "Switch", "TST"):
            ok = value in ("0", "1")
        elif key == "SetP":
            ok = value in ("C", "P", "D")
        elif key == "First":
            ok = value == "1"
        elif section == "Color":
            ok = integer(value, 0, 0xFFFFFF)
        else:  # the hotkeys: the walk changes none of them
            ok = value == default
        if value is not None and not ok:
            problems.append(f"{section}/{key}={value!r}")
    return problems


class Walk:
    def __init__(self, program, target, seed, steps):
        self.program = program
        self.target = target
        self.seed = seed
        self.rng = random.Random(seed)
        self.steps = steps
        self.log = []
        self.desktop = None
        self.had_surface = False
        self.shot_over = None  # the locked overlay a running screenshot must give back, while nothing moved it
        self.before = None  # the look before the current step

    # ---- looking ----------------------------------------------------------------------------------

    def fail(self, message):
        raise WalkFailure(f"seed {self.seed}, step {len(self.log)}: {message}\nsteps so far:\n  " +
                          "\n  ".join(self.log))

    def look_with_main(self):
        desktop = look(self.program)
        if desktop is not None and desktop.main is not None:
            return desktop
        self.log[-1:] = [(self.log[-1] if self.log else "") + " (a look without the main window)"]
        return None

    def settle(self, seconds=2.5):
        """Looks until two looks in a row agree (a mode change takes several window operations)."""
        deadline = time.time() + seconds
        last = None
        while True:
            if self.program.process.poll() is not None:
                self.fail(f"corvanta.exe ended with code {self.program.process.returncode}")
            desktop = wait_for(self.look_with_main, 2.0, interval=0.5)  # a look may come back empty now and then
            if desktop is None:
                self.fail(f"no main window (corvanta.exe: {self.program.wait_exit(3.0)})")
            if last is not None and signature(desktop) == signature(last) or time.time() > deadline:
                self.desktop = desktop
                return desktop
            last = desktop
            time.sleep(0.15)

    def check(self):
        """The invariants of every state, looked at again for a moment before they count as broken (a look can
        fall between two window operations)."""
        for _ in range(3):
            problem = self.problem()
            if problem is None:
                return
            time.sleep(0.7)
            self.settle()
        self.fail(problem)

    def problem(self):
        desktop = self.desktop
        main = desktop.main
        if len(desktop.all_of(MAIN, visible_only=False)) != 1:
            return "not one main window"
        surfaces = desktop.all_of(SURFACE, visible_only=False)
        if len(surfaces) > 1:
            return f"{len(surfaces)} selection surfaces"
        if not surfaces:
            left = [w["class"] for w in desktop.windows if w["class"] in (REGION, SHOT_FORMAT)]
            if left:
                return f"selection windows without a surface: {left}"
        if len(desktop.all_of(SHOT_FORMAT)) > 1:
            return "two format windows"
        if is_locked(main) and (main["enabled"] or main["style"] & WS_CAPTION):
            return f"a locked overlay that takes input or has a caption: {main}"
        problems = config_problems(self.program.read("\\Config\\Config.ini"))
        if problems:
            return f"Config.ini: {problems}"
        return self.lock_problem()

    def lock_problem(self):
        """A lock covers the rectangle it was made from: the selection's rectangle, the selection frame's or the
        moved and resized window's."""
        before, main = self.before, self.desktop.main
        if before is None or not is_locked(main) or is_hidden(main) or mode_of(self.desktop) != "locked":
            return None
        was = mode_of(before)
        if was == "select" and not is_locked(before.main):
            expected = before.first(REGION)["window"]
        elif was in ("frame", "moving"):
            expected = before.main["window"]
        else:
            return None
        if main["window"] != expected:
            return f"locked on {main['window']}, not on the {was} rectangle {expected}"
        return None

    def check_screen_and_overlay(self):
        """After the surface went: nothing dark is left; a screenshot gives the overlay back as it was; a locked
        overlay lets a click at its centre through to the window underneath."""
        desktop = self.desktop
        surface = desktop.first(SURFACE)
        if self.had_surface and surface is None:
            path = os.path.join(self.program.dir, "..", "walk-surface.png")
            if not wait_for(lambda: not surface_left_on_screen(path), 3.0, interval=0.3):
                self.fail(f"the surface's colour is left at {surface_left_on_screen(path)[:8]}")
            if self.shot_over is not None:
                now = overlay_state(desktop.main)
                if now != self.shot_over:
                    self.fail(f"the screenshot changed the overlay: {now} != {self.shot_over}")
            self.shot_over = None
        self.had_surface = surface is not None
        main = desktop.main
        if not is_locked(main) or is_hidden(main) or surface is not None:
            return
        x, y = centre(main["window"])
        under = [w for w in desktop.at(x, y) if w["class"] != "tooltips_class32"]
        if not contains(self.target.rect, x, y) or [w["class"] for w in under[:2]] != [MAIN, TARGET]:
            return
        if not click_reaches(self.target, x, y):
            after = look(self.program)
            self.fail(f"a click at ({x}, {y}) did not go through the overlay {main['window']}; under it "
                      f"{[w['class'] for w in after.at(x, y)]}, in front {after.front() and after.front()['class']}, "
                      f"the main window's thread {after.main['gui']}, the X focus on "
                      f"{xdotool('getwindowfocus').strip()}")
        self.log[-1] += f", then a click at ({x}, {y}) reached the window underneath"

    # ---- acting -----------------------------------------------------------------------------------

    def actions(self):
        """(name, weight, function) of the actions that make sense now."""
        desktop = self.desktop
        main = desktop.main
        mode = mode_of(desktop)
        hidden = is_hidden(main)
        found = []

        def add(name, weight, function):
            found.append((name, weight, function))
        front = desktop.front()
        if front is not None and front["class"] in (MAIN, SURFACE, REGION, SHOT_FORMAT, SCAN_FORMAT, TARGET):
            key = self.rng.choice(FRONT_KEYS)
            add(f"key {key} on the front window ({front['class']})", 3, lambda: press(key, front))
            if front["class"] in (SURFACE, REGION, SHOT_FORMAT, SCAN_FORMAT):
                add(f"Alt+F4 on the front window ({front['class']})", 2,
                    lambda: type_in_front(self.program, front, "alt+F4"))
        name, keys = self.rng.choice(sorted(HOTKEYS.items()))
        add(f"hotkey {keys} ({name})", 3, lambda: self.hotkey(name, keys))
        if mode not in ("select", "format", "frame"):  # the surface and the frame cover the tray icon
            for item in self.tray_items(mode, hidden):
                add(f"tray {item}", 2, lambda item=item: self.tray(item, hidden))
        scan = desktop.first(SCAN_FORMAT)
        if scan is not None and desktop.at(*centre(scan["window"]))[0]["hwnd"] == scan["hwnd"]:
            button = self.rng.choice(["bmp", "png"])
            add(f"scan format window: {button}", 2, lambda: click(*format_button_point(scan, button)))
            add("scan format window: close box", 1, lambda: click(*close_box_point(scan)))
        if mode == "start" and not hidden:
            add("click 智能吸附", 3, lambda: click(*control_point(main, ATTACH_BUTTON_ID)))
            add("click 自选区域", 3, lambda: click(*control_point(main, REGION_BUTTON_ID)))
            box = self.rng.choice(MODE_CHECKBOXES)
            add(f"click checkbox {box}", 2, lambda: click(*control_point(main, box)))
        elif mode == "frame":
            point = self.point_in(self.target.rect)
            add(f"point at {point}", 4, lambda: move(*point))
        elif mode == "moving":
            add("key F5 on the main window", 4, lambda: type_in_front(self.program, main, "F5"))
        elif mode == "select":
            self.selection_actions(add)
        elif mode == "format":
            shot = desktop.first(SHOT_FORMAT)
            button = self.rng.choice(["bmp", "jpg", "gif", "png"])
            add(f"format window: {button}", 4, lambda: self.save_shot(shot, button))
            add("format window: close box", 2, lambda: click(*close_box_point(shot)))
            point = self.free_point()
            if point:
                add(f"click on the surface at {point}", 1, lambda: click(*point))
        return found

    def selection_actions(self, add):
        desktop = self.desktop
        surface, region = desktop.first(SURFACE), desktop.first(REGION)
        if not surface["enabled"]:
            return
        rect = region["window"] if region else [0, 0, 0, 0]
        if rect[0] < SCREEN[0] and rect[1] < SCREEN[1] and rect[2] > rect[0]:  # a rectangle is on the surface
            add("right click (discard)", 3, lambda: xdotool("click", 3))
            inside = centre(rect)
            add(f"click inside the rectangle at {inside}", 1, lambda: click(*inside))
            return
        start = self.free_point()
        if start is None:
            return
        end = self.drag_end(start)
        add(f"drag {start} -> {end}", 8, lambda: drag(self.program, start, end))
        add(f"click on the surface at {start}", 1, lambda: click(*start))

    def tray_items(self, mode, hidden):
        overlay = mode == "locked"
        items = ["<-+自选区域截图+->", "#自选区域截取自身", "#显示主窗口" if hidden else "#隐藏主窗口"]
        if not hidden:
            items.append("^置顶^")
        if overlay:
            items += ["<-=重新吸附窗口", "<-=重新自选区域"]
            if not hidden:
                items += ["<<<更换效果(返回)", "<-移动或调整尺寸->"]
        if mode == "moving":
            items.append("<-=重新自选区域")
        return items

    def point_in(self, rect, margin=20):
        left, top, right, bottom = rect
        return self.rng.randrange(left + margin, right - margin), self.rng.randrange(top + margin, bottom - margin)

    def free_point(self):
        """A point where the surface itself is on top, mostly over the test window."""
        for _ in range(20):
            area = self.target.rect if self.rng.random() < 0.8 else (0, 0) + SCREEN
            x, y = self.point_in(area, 40)
            top = [w for w in self.desktop.at(x, y) if w["class"] != REGION]
            if top and top[0]["class"] == SURFACE:
                return x, y
        return None

    def drag_end(self, start):
        x, y = start
        for _ in range(20):
            ex = x + self.rng.choice([-1, 1]) * self.rng.randrange(10, 400)
            ey = y + self.rng.choice([-1, 1]) * self.rng.randrange(10, 300)
            if 5 <= ex < SCREEN[0] - 5 and 5 <= ey < SCREEN[1] - 5:
                return ex, ey
        return min(x + 50, SCREEN[0] - 10), min(y + 50, SCREEN[1] - 10)

    def hotkey(self, name, keys):
        """A hotkey typed wherever the keyboard is, or into the test window when the program's windows do not have
        it."""
        if not x_focus_on_corvanta():
            press(keys, self.desktop.first(TARGET))
        else:
            press(keys)
        if name in SHOWN_OR_HIDDEN:
            self.shot_over = None

    def tray(self, item, hidden):
        tray(self.program, item, hidden)
        if item in SHOWN_OR_HIDDEN:
            self.shot_over = None

    def save_shot(self, shot, button):
        region = self.desktop.first(REGION)
        width, height = region["window"][2] - region["window"][0], region["window"][3] - region["window"][1]
        before = images(self.program)
        click(*format_button_point(shot, button))
        added = wait_for(lambda: [n for n in images(self.program) if n not in before], 15.0)
        if len(added) != 1:
            self.fail(f"the {button} button saved {added}")
        data = wait_for(lambda: picture_size(self.program.read("\\Images\\" + added[0]) or b"") and
                        self.program.read("\\Images\\" + added[0]), 10.0)
        if picture_size(data or b"") != (width, height):
            self.fail(f"{added[0]} is {picture_size(data or b'')}, the rectangle {width} x {height}")

    def step(self, name, function):
        self.log.append(f"{len(self.log) + 1}. [{mode_of(self.desktop)}] {name}")
        started = time.time()
        before = self.before = self.desktop
        try:
            if function() is False:
                self.log[-1] += " (not done: the window did not take the focus)"
        except WalkFailure:
            raise
        except AssertionError as error:
            self.fail(f"{name}: {error}")
        self.settle()
        if is_locked(before.main) and mode_of(self.desktop) in ("select", "format") and \
                mode_of(before) not in ("select", "format") and is_locked(self.desktop.main):
            self.shot_over = overlay_state(before.main)
        self.check()
        self.check_screen_and_overlay()
        self.log[-1] += f"  ({time.time() - started:.1f} s)"

    def random_step(self):
        choices = self.actions()
        total = sum(weight for _, weight, _ in choices)
        pick = self.rng.uniform(0, total)
        for name, weight, function in choices:
            pick -= weight
            if pick <= 0:
                break
        self.step(name, function)

    # ---- going home -------------------------------------------------------------------------------

    def home(self):
        """Esc, the tray's return or closing the window in front (F5 first while moving, "#显示主窗口" while
        hidden) leads back to the start screen at its saved geometry within a few steps."""
        for _ in range(HOME_TRIES):
            desktop = self.desktop
            main, mode = desktop.main, mode_of(desktop)
            saved = saved_geometry(self.program.read("\\Config\\Config.ini"))
            scan = desktop.first(SCAN_FORMAT)
            if mode == "start" and not is_hidden(main) and scan is None:
                if not is_start_screen(main, saved) or saved != list(START_SCREEN):
                    self.fail(f"home is not the start screen at {saved} (first {START_SCREEN}): {main}")
                return
            if mode == "format":  # modal, and in front of the scan format window when both are open
                shot = desktop.first(SHOT_FORMAT)
                self.step("home: Alt+F4 on the format window", lambda: type_in_front(self.program, shot, "alt+F4"))
            elif scan is not None:
                self.step("home: Alt+F4 on the scan format window",
                          lambda: type_in_front(self.program, scan, "alt+F4"))
            elif mode == "select":
                front = desktop.front()
                if front is not None and front["class"] in (SURFACE, REGION):
                    self.step(f"home: Alt+F4 on {front['class']}", lambda: type_in_front(self.program, front, "alt+F4"))
                else:
                    point = self.free_point() or (5, 5)
                    self.step(f"home: click on the surface at {point}", lambda: click(*point))
            elif mode == "frame":
                self.step("home: Esc on the selection frame", lambda: press("Escape", main))
            elif mode == "moving":
                self.step("home: F5 on the main window", lambda: type_in_front(self.program, main, "F5"))
            elif is_hidden(main):
                self.step("home: tray #显示主窗口", lambda: self.tray("#显示主窗口", True))
            elif mode == "locked":
                self.step("home: tray <<<更换效果(返回)", lambda: self.tray("<<<更换效果(返回)", False))
        self.fail(f"no start screen after {HOME_TRIES} steps home: {mode_of(self.desktop)}, {self.desktop.main}")

    def quit(self):
        hidden = is_hidden(self.desktop.main)
        if self.rng.random() < 0.5 and mode_of(self.desktop) not in ("select", "format", "frame"):
            self.log.append(f"{len(self.log) + 1}. [{mode_of(self.desktop)}] tray 关闭并退出")
            tray(self.program, "关闭并退出", hidden)
        else:
            self.log.append(f"{len(self.log) + 1}. [{mode_of(self.desktop)}] hotkey alt+super+x (关闭并退出)")
            self.hotkey("关闭并退出", "alt+super+x")
        code = self.program.wait_exit(15.0)
        if code != 0:
            self.fail(f"the exit ended with {code}")
        problems = config_problems(self.program.read("\\Config\\Config.ini"))
        if problems:
            self.fail(f"Config.ini after the exit: {problems}")

    def run(self):
        """The steps, home every tenth one and after the last but a few, then the exit from wherever the last
        steps led."""
        self.settle()
        self.check()
        last = self.rng.randrange(0, 4)
        for number in range(1, self.steps - last):
            self.random_step()
            if number % HOME_EVERY == 0:
                self.home()
        self.home()
        for _ in range(last):
            self.random_step()
        self.quit()


def new_program(build_dir, work_root, name):
    program = Program(build_dir, work_root, name)
    program.write("\\Config\\Config.ini", config_text())
    program.write("\\Effect\\C\\00_rows.ini", ROWS_PRESET)
    for folder, names in (("C", PRESETS), ("P", PICTURES)):
        for file_name in names:
            with open(os.path.join(build_dir, "Effect", folder, file_name), "rb") as f:
                program.write(f"\\Effect\\{folder}\\{file_name}", f.read())
    os.makedirs(program.path("\\Effect\\D"), exist_ok=True)
    return program


def walk(build_dir, work_root, seed, steps=STEPS):
    """One walk; returns its log. Raises WalkFailure."""
    program = new_program(build_dir, work_root, f"walk-{seed}")
    try:
        target = RecordingTarget(program, TARGET_RECT, f"walk-{seed}")
        program.start()
        if not program.window_ids() or not program.wait_for_probe(list_filled, 15.0):
            raise WalkFailure(f"seed {seed}: the start screen did not come up")
        walker = Walk(program, target, seed, steps)
        walker.run()
        return walker.log
    finally:
        stop(program)


def case_seeded_random_walk(build_dir, work_root):
    seed = int(os.environ.get(SEED_ENV) or default_seed())
    steps = int(os.environ.get(STEPS_ENV) or STEPS)
    started = time.time()
    print(f"random walk: seed {seed} ({SEED_ENV}={seed} repeats it), {steps} steps", flush=True)
    log = walk(build_dir, work_root, seed, steps)
    home = sum("] home: " in line for line in log)
    print(f"random walk: seed {seed} passed, {len(log) - home} steps and {home} on the way home in "
          f"{time.time() - started:.0f} s", flush=True)


def main():
    build_dir = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/win64")
    seeds = [int(s) for s in sys.argv[2:]] or [default_seed()]
    work_root = os.path.join(build_dir, "blackbox")
    os.makedirs(work_root, exist_ok=True)
    passed = failed = 0
    for seed in seeds:
        started = time.time()
        try:
            log = walk(build_dir, work_root, seed, int(os.environ.get(STEPS_ENV) or STEPS))
            print(f"[ PASS ] seed {seed}: {len(log)} steps in {time.time() - started:.0f} s", flush=True)
            if os.environ.get("CORVANTA_WALK_VERBOSE"):
                print("  " + "\n  ".join(log))
            passed += 1
        except Exception as error:  # a failed check or a broken run
            print(f"[ FAIL ] seed {seed} after {time.time() - started:.0f} s: {error}", flush=True)
            failed += 1
    print(f"random walk: {passed} passed, {failed} failed")
    return 0 if failed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
