"""The whole desktop as the black-box runs see it: every top-level window in Z order (window_probe.cpp --all),
the X windows behind them, the recording test window, and real input aimed at one of them."""
import json
import os
import re
import subprocess
import time

from capture_cases import TRAY_ICON
from harness import WINE64, pixel, screen_image, wait_for
from startup_cases import DEFAULT_ORDER

MAIN = "CorvantaMainWindow"
SURFACE = "CorvantaRegionSelectWindow"
REGION = "CorvantaRegionWindow"
SHOT_FORMAT = "CorvantaRegionShotFormat"
SCAN_FORMAT = "CorvantaScanShotFormat"
TARGET = "CorvantaBlackboxTarget"
WS_CAPTION = 0xC00000
WS_EX_TOPMOST = 0x8
WS_EX_TRANSPARENT = 0x20
WS_EX_LAYERED = 0x80000
HIDDEN_POSITION = 28888  # where "#隐藏主窗口" parks the main window
SCREEN = (1920, 1080)
SURFACE_COLOUR = (14, 10, 12)  # the selection surface on Xvfb, which applies no alpha
REGION_BUTTON_ID = 108
ATTACH_BUTTON_ID = 109
FORMAT_CLIENT = (330, 130)  # the client size of "选择图片格式：" at 96 DPI
# Button centres in the format window's client area: BMP, JPG, GIF, PNG.
FORMAT_BUTTONS = {"bmp": (86, 36), "jpg": (244, 36), "gif": (86, 94), "png": (244, 94)}


# A test run's Config.ini: every key of a first start, the start screen at (50, 50, 790, 564), the first effect
# enabled, the strength high enough to see, and no folder opened nor preview shown after a screenshot.
RUN_SETTINGS = {("Config", "GetC"): "0", ("Config", "GetP"): "0", ("Config", "Alpha"): "200",
                ("Config", "W"): "740", ("Config", "H"): "514", ("Config", "L"): "50", ("Config", "T"): "50",
                ("Preview", "Pre"): "0", ("Folder", "Auto"): "0"}
START_SCREEN = (50, 50, 790, 564)
# One line in every fifth row: horizontal lines only, a shape Wine's X driver can show.
ROWS_PRESET = ("[Scantype]\r\nLinetype=1\r\n[Linetype]\r\nPixelsize=1\r\n[Scanlinecolor]\r\nColorR=200\r\n"
               "ColorG=30\r\nColorB=30\r\n[ScanlineTransversespacing]\r\nTransverse=5\r\n"
               "[ScanlineVerticalspacing]\r\nVertical=0\r\n[ScanlineObliquespacing]\r\nOblique=0\r\n"
               "[ScanlineAntiskewspacing]\r\nAntiskew=0\r\n")
ROW_COLOUR = (200, 30, 30)


def config_text(changes=None):
    """Config.ini with every key of a first start, RUN_SETTINGS and changes ({(section, key): value}) applied."""
    values = {**RUN_SETTINGS, **(changes or {})}
    lines, section = [], None
    for s, k, default in DEFAULT_ORDER:
        if s != section:
            lines.append(f"[{s}]")
            section = s
        lines.append(f"{k}={values.get((s, k), default)}")
    return "\r\n".join(lines) + "\r\n"


def stop(program):
    """Ends the program and its helpers and waits until their windows are gone, so that the next run does not
    find them."""
    program.kill()
    wait_for(lambda: subprocess.run(["xdotool", "search", "--name", "corvanta-target|^Corvanta"],
                                    capture_output=True).returncode != 0, 10.0)


def xdotool(*args):
    return subprocess.run(["xdotool", *[str(a) for a in args]], capture_output=True, text=True, timeout=10).stdout


def move(x, y):
    """Moves the pointer and waits until it is there."""
    xdotool("mousemove", x, y)
    assert wait_for(lambda: xdotool("getmouselocation").split()[:2] == [f"x:{x}", f"y:{y}"], 5.0), (x, y)


def click(x, y, button=1):
    move(x, y)
    xdotool("click", button)


def centre(rect):
    left, top, right, bottom = rect
    return (left + right) // 2, (top + bottom) // 2


def contains(rect, x, y):
    return rect[0] <= x < rect[2] and rect[1] <= y < rect[3]


class Desktop:
    """One look at every top-level window, top of the Z order first."""

    def __init__(self, data):
        self.foreground = data["foreground"]
        self.windows = data["windows"]

    def all_of(self, class_name, visible_only=True):
        return [w for w in self.windows if w["class"] == class_name and (w["visible"] or not visible_only)]

    def first(self, class_name):
        found = self.all_of(class_name)
        return found[0] if found else None

    @property
    def main(self):
        found = self.all_of(MAIN, visible_only=False)
        return found[0] if found else None

    def front(self):
        """The foreground window, or None."""
        return next((w for w in self.windows if w["hwnd"] == self.foreground), None)

    def index(self, window):
        return next(i for i, w in enumerate(self.windows) if w["hwnd"] == window["hwnd"])

    def classes_above(self, window):
        """The classes of the visible windows above window, without the region window (a rectangle of the
        selection, parked while there is none) and tooltips (the hotkey hints)."""
        return [w["class"] for w in self.windows[:self.index(window)]
                if w["visible"] and w["class"] not in (REGION, "tooltips_class32")]

    def at(self, x, y):
        """The visible windows that contain the screen point, top first."""
        return [w for w in self.windows if w["visible"] and contains(w["window"], x, y)]


def look(program):
    """Every window of the desktop now, or None when the probe printed nothing."""
    out = program.helper("corvanta_bb_probe.exe", "--all", timeout=60)
    return Desktop(json.loads(out.decode("utf-8"))) if out.strip() else None


def wait_for_desktop(program, condition, seconds):
    """Looks until condition(desktop) holds; returns the last look."""
    last = [None]

    def check():
        last[0] = look(program)
        return last[0] is not None and condition(last[0])
    wait_for(check, seconds, interval=0.2)
    return last[0]


def is_locked(window):
    return window is not None and window["exstyle"] & (WS_EX_LAYERED | WS_EX_TRANSPARENT) == \
        WS_EX_LAYERED | WS_EX_TRANSPARENT


def overlay_state(window):
    """What a locked overlay keeps through a screenshot: place, styles, input, visibility, colour key and
    strength."""
    return (window["window"], window["exstyle"], window["style"] & WS_CAPTION, window["enabled"], window["visible"],
            window["layered"])


def is_hidden(window):
    return window is not None and window["window"][:2] == [HIDDEN_POSITION, HIDDEN_POSITION]


def is_start_screen(window, place):
    """The start screen shown at place [left, top, right, bottom], taking input."""
    return window is not None and window["visible"] and window["enabled"] and \
        not window["exstyle"] & WS_EX_LAYERED and window["style"] & WS_CAPTION == WS_CAPTION and \
        window["window"] == list(place)


def x_windows(class_name):
    """(id, left, top, width, height) of the mapped X windows whose WM_CLASS instance is class_name."""
    found = []
    for window in xdotool("search", "--onlyvisible", "--classname", f"^{re.escape(class_name)}$").split():
        values = dict(re.findall(r"(\w+)=(-?\d+)", xdotool("getwindowgeometry", "--shell", window)))
        if {"X", "Y", "WIDTH", "HEIGHT"} <= values.keys():
            found.append((window, *(int(values[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))))
    return found


def x_window_of(window):
    """The X window that shows a Wine window, found by its place among the windows of its program."""
    left, top, right, bottom = window["window"]
    process = "corvanta_bb_target.exe" if window["class"] == TARGET else "corvanta.exe"
    return next((x for x, *geometry in x_windows(process) if geometry == [left, top, right - left, bottom - top]),
                None)


def focus(window):
    """Gives the X focus to a Wine window, as a click on it would; returns whether it took it."""
    x_window = x_window_of(window)
    if x_window is None:
        return False

    def focused():
        xdotool("windowfocus", x_window)
        return xdotool("getwindowfocus").strip() == x_window
    return bool(wait_for(focused, 3.0, interval=0.2))


def press(keys, window=None):
    """Types keys (xdotool names, for example "alt+F4") into window, or wherever the X focus is. Returns False,
    typing nothing, when window would not take the focus (keys meant for one window must not reach another)."""
    if window is not None and not focus(window):
        return False
    xdotool("key", "--clearmodifiers", keys)
    return True


def type_in_front(program, window, keys):
    """Types keys into window once it is the foreground window (clicked on its caption first when it is not), as
    a user does; returns False, typing nothing, when it would not come to the front (the keys would reach another
    window: Alt+F4 would close it)."""
    def in_front():
        desktop = look(program)
        return desktop is not None and desktop.foreground == window["hwnd"]
    if not in_front() and window["style"] & WS_CAPTION == WS_CAPTION:
        click(centre(window["window"])[0], window["window"][1] + 10)
    if not in_front() or not focus(window) or not in_front():
        return False
    xdotool("key", "--clearmodifiers", keys)
    return True


def x_focus_on_corvanta():
    """Whether the X focus is on a window of corvanta.exe or the test window, where keys and hotkeys reach Wine
    (Wine's own tray window would take a lone Alt as the start of a menu)."""
    focused = xdotool("getwindowfocus").strip()
    wm_class = subprocess.run(["xprop", "-id", focused, "WM_CLASS"], capture_output=True, text=True,
                              timeout=10).stdout if focused else ""
    return '"corvanta.exe"' in wm_class or '"corvanta_bb_target.exe"' in wm_class


def format_button_point(window, name):
    """The screen point of a button of "选择图片格式：": its client area lies at the bottom of the window, inside
    an equal border left, right and below."""
    left, top, right, bottom = window["window"]
    border = (right - left - FORMAT_CLIENT[0]) // 2
    x, y = FORMAT_BUTTONS[name]
    return left + border + x, bottom - border - FORMAT_CLIENT[1] + y


def close_box_point(window):
    """The screen point of the close box at the right end of a window's caption."""
    left, top, right, _ = window["window"]
    border = window["window"][2] - window["client"][2]
    caption = window["client"][1] - top
    return right - border - caption // 2 - 2, top + caption // 2


def control_point(window, control_id):
    """The screen centre of a child control of window."""
    control = next(c for c in window["children"] if c["id"] == control_id)
    x, y = centre(control["rect"])
    return window["client"][0] + x, window["client"][1] + y


class RecordingTarget:
    """The test window of target_window.cpp, recording the left button presses and releases it receives."""

    def __init__(self, program, rect, name, topmost=False):
        self.rect = rect  # left, top, right, bottom
        self.log = os.path.join(program.dir, "..", name + "-clicks.txt")
        open(self.log, "w").close()
        left, top, right, bottom = rect
        windows_path = "Z:" + os.path.abspath(self.log).replace("/", "\\")
        command = [WINE64, os.path.join(program.build_dir, "corvanta_bb_target.exe"), "topmost" if topmost else "paint",
                   *(str(v) for v in (left, top, right - left, bottom - top)), windows_path]
        process = subprocess.Popen(command, env=program.env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        program.extra_processes.append(process)
        geometry = [left, top, right - left, bottom - top]
        assert wait_for(lambda: any(g == geometry for _, *g in x_windows("corvanta_bb_target.exe")), 15.0), \
            "the test window did not appear"

    def clicks(self):
        with open(self.log) as f:
            return [(kind, int(x), int(y)) for kind, x, y in (line.split() for line in f if line.strip())]

    def colour(self, x):
        """The test window's stripes at screen column x."""
        return (0, 0, 255) if ((x - self.rect[0]) // 16) % 2 == 0 else (255, 255, 0)


def click_reaches(target, x, y, seconds=3.0):
    """Clicks at (x, y) and returns whether the recording target received that press and release."""
    before = len(target.clicks())
    click(x, y)
    return bool(wait_for(lambda: {("down", x, y), ("up", x, y)} <= set(target.clicks()[before:]), seconds))


def drag(program, start, end, hold=None):
    """Presses at start, moves to end and releases there, with the anchor taken on the way (the first tick of the
    drag timer takes the pointer where it is). Returns the region window's rectangle before the release, whose
    corner across from the anchor is end. hold(desktop) runs once while the button is still down."""
    (x, y), (ex, ey) = start, end
    sx, sy = (1 if ex >= x else -1), (1 if ey >= y else -1)
    move(x, y)
    xdotool("mousedown", 1)
    for k in range(1, 4):
        time.sleep(0.03)
        move(x + sx * k, y + sy * k)
    move(ex, ey)

    def shows_end(desktop):
        region = desktop.first(REGION)
        if region is None:
            return False
        left, top, right, bottom = region["window"]
        return (right if sx > 0 else left) == ex and (bottom if sy > 0 else top) == ey
    desktop = wait_for_desktop(program, shows_end, 5.0)
    if hold is not None:
        hold(desktop)
    xdotool("mouseup", 1)
    region = desktop.first(REGION) if desktop else None
    assert region is not None and shows_end(desktop), \
        f"the drag {start} -> {end} shows no rectangle: {region and region['window']}"
    return region["window"]


def surface_left_on_screen(path, step=40):
    """Points of a root screenshot on a grid that still show the selection surface's colour."""
    image = screen_image(path)
    return [(x, y) for y in range(step // 2, SCREEN[1], step) for x in range(step // 2, SCREEN[0], step)
            if pixel(image, x, y) == SURFACE_COLOUR]


def expect_no_surface(program, path):
    """No selection window exists and nothing of the surface is left on the screen."""
    desktop = look(program)
    left = [w["class"] for w in desktop.windows if w["class"] in (SURFACE, REGION, SHOT_FORMAT)]
    assert not left, f"selection windows left: {left}"
    gone = wait_for(lambda: not surface_left_on_screen(path), 3.0, interval=0.3)
    assert gone, f"the surface's colour is left at {surface_left_on_screen(path)[:8]}"


# The tray menu's items in order (separators left out) and whether each one goes while the main window is hidden.
TRAY_ITEMS = [
    ("^置顶^", True), (">+^强力置顶^+<", True), ("<-+自选区域截图+->", False), ("#自选区域截取自身", False),
    ("-图像位数设置>>>", False), ("#自动预览功能", False), ("#自动打开images", False), ("<-=扫描区域截图=->", True),
    ("#自选区域提示", False), ("#高级配置选项>", True), ("#程序配色>", True), ("<-=重新吸附窗口", False),
    ("<-=重新自选区域", False), ("<<<更换效果(返回)", True), ("<-移动或调整尺寸->", True), ("<#=自定义快捷键=#>", False),
    ("#启用快捷键提示", False), ("#显示主窗口", False), ("#隐藏主窗口", False), ("前往软件主页", False),
    ("检测版本(更新)", False), ("支持作者(捐赠)", False), ("软件介绍与帮助", False), ("关闭并退出", False),
]


def tray_keys(item, main_hidden):
    """The keys that choose item in the tray menu: from its first item down or from its last one up, whichever is
    shorter (the menu opens with nothing highlighted)."""
    shown = [text for text, goes in TRAY_ITEMS if not (goes and main_hidden)]
    position = shown.index(item)
    from_top, from_bottom = position + 1, len(shown) - position
    return [f"down*{from_top}" if from_top <= from_bottom else f"up*{from_bottom}", "return"]


def tray(program, item, main_hidden=False):
    """Chooses a tray menu item with a right click on the icon and keys in the menu; a right click that only
    showed the icon's tooltip is repeated after a short wait."""
    helper = os.path.join(program.build_dir, "corvanta_bb_menu_keys.exe")
    for _ in range(4):
        xdotool("mousemove", *TRAY_ICON)
        xdotool("mousedown", 3)
        xdotool("mouseup", 3)
        done = subprocess.run([WINE64, helper, "--wait", "2500", *tray_keys(item, main_hidden)], env=program.env,
                              capture_output=True, timeout=30, stdin=subprocess.DEVNULL)
        if done.returncode == 0:
            return
    raise AssertionError(f"the tray menu did not open for {item}")
