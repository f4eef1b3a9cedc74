"""Runs corvanta.exe under Wine from fresh program directories and checks what it leaves behind.

The caller has set DISPLAY, WINEPREFIX and WINEDEBUG (scripts/wine-env.sh)."""
import os
import shutil
import subprocess
import time

WINE64 = "/usr/lib/wine/wine64"


def wine_env():
    env = dict(os.environ)
    env["LC_ALL"] = "zh_CN.UTF-8"
    return env


def gbk(text):
    return text.encode("gbk")


class Program:
    """One corvanta.exe process in its own program directory."""

    def __init__(self, build_dir, work_root, name, with_library=False):
        self.dir = os.path.join(work_root, name)
        shutil.rmtree(self.dir, ignore_errors=True)
        os.makedirs(self.dir)
        shutil.copy(os.path.join(build_dir, "corvanta.exe"), self.dir)
        library = os.path.join(build_dir, "Effect")
        if with_library and os.path.isdir(library):
            shutil.copytree(library, os.path.join(self.dir, "Effect"))
        self.process = None

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
                                        env=wine_env(), stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)

    def window_ids(self, pattern="^Corvanta", timeout=20.0):
        deadline = time.time() + timeout
        while time.time() < deadline:
            if self.process.poll() is not None:
                return []
            out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", pattern],
                                 capture_output=True, text=True).stdout.split()
            if out:
                return out
            time.sleep(0.2)
        return []

    def wait_exit(self, timeout=15.0):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None

    def close_with_alt_f4(self, window_id):
        subprocess.run(["xdotool", "windowfocus", "--sync", window_id], capture_output=True, timeout=10)
        time.sleep(0.3)
        subprocess.run(["xdotool", "key", "--clearmodifiers", "alt+F4"], capture_output=True, timeout=10)

    def kill(self):
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait()


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
