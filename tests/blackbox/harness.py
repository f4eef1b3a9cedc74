"""Runs corvanta.exe under Wine from fresh program directories and checks what it leaves behind.

The caller has set DISPLAY, WINEPREFIX and WINEDEBUG (scripts/wine-env.sh). A program runs with ANSI code
page 936 (LC_ALL=zh_CN.UTF-8) or 1252 (LC_ALL=C.UTF-8), in the caller's prefix or in the 150 % prefix."""
import json
import os
import shutil
import subprocess
import sys
import time

WINE64 = "/usr/lib/wine/wine64"
REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
CP936 = "zh_CN.UTF-8"
CP1252 = "C.UTF-8"
DOCS_ENV = "CORVANTA_UPDATE_DOCS"  # set to 1: a passing run copies its pictures into docs/


def wine_env(locale=CP936, prefix=None):
    env = dict(os.environ)
    env["LC_ALL"] = locale
    if prefix:
        env["WINEPREFIX"] = prefix
    return env


def dpi144_prefix(build_dir):
    """The prefix whose display scaling is 150 %, made by scripts/wine-env.sh on first use."""
    env = dict(os.environ, WINE_ENV_BUILD_DIR=os.path.abspath(build_dir))
    out = subprocess.run(["bash", "-c", "source scripts/wine-env.sh && wine_dpi144_prefix"], cwd=REPO, env=env,
                         capture_output=True, text=True, timeout=120, stdin=subprocess.DEVNULL)
    prefix = out.stdout.strip()
    assert out.returncode == 0 and os.path.isfile(os.path.join(prefix, "system.reg")), out.stderr
    return prefix


def gbk(text):
    return text.encode("gbk")


def wait_for(condition, seconds, interval=0.2):
    """Polls condition() until it returns something true; returns that value, or the last one at the deadline."""
    deadline = time.time() + seconds
    while True:
        value = condition()
        if value or time.time() >= deadline:
            return value
        time.sleep(interval)


class Program:
    """One corvanta.exe process in its own program directory."""

    def __init__(self, build_dir, work_root, name, with_library=False, locale=CP936, prefix=None):
        self.build_dir = build_dir
        self.env = wine_env(locale, prefix)
        self.dir = os.path.join(work_root, name)
        shutil.rmtree(self.dir, ignore_errors=True)
        os.makedirs(self.dir)
        shutil.copy(os.path.join(build_dir, "corvanta.exe"), self.dir)
        library = os.path.join(build_dir, "Effect")
        if with_library and os.path.isdir(library):
            shutil.copytree(library, os.path.join(self.dir, "Effect"))
        self.process = None
        self.extra_processes = []

    def path(self, relative):
        return os.path.join(self.dir, *relative.strip("\\").split("\\"))

    def write(self, relative, data):
        os.makedirs(os.path.dirname(self.path(relative)), exist_ok=True)
        with open(self.path(relative), "wb") as f:
            f.write(data if isinstance(data, bytes) else gbk(data))

    def read(self, relative):
        try:
            with open(self.path(relative), "rb") as f:
                return f.read()
        except OSError:
            return None

    def start(self):
        self.process = subprocess.Popen([WINE64, os.path.join(self.dir, "corvanta.exe")], cwd=self.dir,
                                        env=self.env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)

    def helper(self, *args, timeout=30):
        """Runs a helper program of build_dir in this program's prefix; returns its standard output (bytes)."""
        command = [WINE64, os.path.join(self.build_dir, args[0]), *[str(a) for a in args[1:]]]
        return subprocess.run(command, capture_output=True, env=self.env, timeout=timeout,
                              stdin=subprocess.DEVNULL).stdout

    def probe(self, *args):
        """The main window as window_probe.cpp reads it (a dict), or None when there is none."""
        out = self.helper("corvanta_bb_probe.exe", *args, timeout=60)
        return json.loads(out.decode("utf-8")) if out.strip() else None

    def wait_for_probe(self, condition, seconds):
        """Probes until condition(probe) holds; returns the last probe."""
        last = [None]

        def check():
            # A read of a window that is still filling can come back torn; the next poll reads it again.
            try:
                last[0] = self.probe()
            except (ValueError, subprocess.TimeoutExpired) as error:
                print(f"probe read again after: {error!r}", file=sys.stderr, flush=True)
                return False
            return last[0] is not None and condition(last[0])
        wait_for(check, seconds, interval=0.3)
        return last[0]

    def window_ids(self, pattern="^Corvanta", timeout=20.0):
        def visible():
            if self.process.poll() is not None:
                return [None]
            return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", pattern],
                                  capture_output=True, text=True).stdout.split()
        found = wait_for(visible, timeout)
        return [w for w in found if w]

    def wait_exit(self, timeout=15.0):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None

    def close_with_alt_f4(self, window_id):
        def focused():
            subprocess.run(["xdotool", "windowfocus", "--sync", window_id], capture_output=True, timeout=10)
            out = subprocess.run(["xdotool", "getwindowfocus"], capture_output=True, text=True, timeout=10)
            return out.stdout.strip() == window_id
        wait_for(focused, 5.0)
        subprocess.run(["xdotool", "key", "--clearmodifiers", "alt+F4"], capture_output=True, timeout=10)

    def kill(self):
        for process in [self.process, *self.extra_processes]:
            if process and process.poll() is None:
                process.kill()
                process.wait()


def child(probe, control_id):
    """A child window of a probe by its control id, or None."""
    return next((c for c in probe["children"] if c["id"] == control_id), None)


def effect_list(probe):
    return next((c for c in probe["children"] if c["class"].lower() == "syslistview32"), None)


def list_filled(probe):
    found = effect_list(probe)
    return bool(found and found.get("items"))


def start_and_close(program):
    """Starts the program, closes its main window with Alt+F4 and expects a clean exit."""
    program.start()
    try:
        windows = program.window_ids()
        assert windows, "the main window did not appear"
        program.close_with_alt_f4(windows[0])
        code = program.wait_exit()
        assert code == 0, f"exit code {code}"
    finally:
        program.kill()


def ini_entries(data):
    """(section, key, value) in file order, from GBK INI bytes."""
    entries, section = [], None
    for raw in data.decode("gbk", "replace").splitlines():
        line = raw.strip()
        if line.startswith("[") and line.endswith("]"):
            section = line[1:-1]
        elif "=" in line and section is not None:
            key, value = line.split("=", 1)
            entries.append((section, key, value))
    return entries


def ini_value(data, section, key):
    for s, k, v in ini_entries(data or b""):
        if s.lower() == section.lower() and k.lower() == key.lower():
            return v
    return None


def screenshot(path):
    subprocess.run(["import", "-window", "root", path], check=False, capture_output=True, timeout=30)


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


def screen_image(path):
    """A root screenshot saved at path (PNG), returned as pixels."""
    screenshot(path)
    ppm = os.path.splitext(path)[0] + ".ppm"
    subprocess.run(["convert", path, "-depth", "8", ppm], capture_output=True, timeout=30)
    return read_ppm(ppm)


def wait_for_screen(path, condition, seconds):
    """Takes root screenshots at path until condition(image) holds; returns that image, or None."""
    def look():
        image = screen_image(path)
        return image if condition(image) else None
    return wait_for(look, seconds, interval=0.5)


def settled_screenshot(path, rect, seconds=5.0):
    """A root screenshot at path taken once the screen rectangle [left, top, right, bottom] has stopped
    changing (two looks in a row agree); returns whether it did within the time."""
    left, top, right, bottom = rect
    last = [None]

    def unchanged():
        image = screen_image(path)
        width = image[0]
        rows = b"".join(image[2][(y * width + left) * 3:(y * width + right) * 3] for y in range(top, bottom))
        same, last[0] = rows == last[0], rows
        return same
    return wait_for(unchanged, seconds, interval=0.3)


def crop(source, target, rect, margin=0):
    """Crops the screen rectangle [left, top, right, bottom] (grown by margin) out of a screenshot."""
    left, top, right, bottom = rect[0] - margin, rect[1] - margin, rect[2] + margin, rect[3] + margin
    left, top = max(left, 0), max(top, 0)
    subprocess.run(["convert", source, "-crop", f"{right - left}x{bottom - top}+{left}+{top}", "+repage", target],
                   capture_output=True, timeout=30)


def publish_doc_picture(path, doc_name=None):
    """Copies a picture of a passing run into docs/ when the run was asked to regenerate them."""
    if os.environ.get(DOCS_ENV) == "1":
        shutil.copy(path, os.path.join(REPO, "docs", doc_name or os.path.basename(path)))
