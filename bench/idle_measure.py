"""Idle figures of corvanta.exe under Wine, beside Wine's Notepad in the same prefix: resident memory and the
CPU ticks (1/100 s) used over 10 s on the start screen, with an overlay locked on a window (attached with real
input), and of Notepad with its window open. Prints a table and, with --json FILE, writes the figures.

Run it inside scripts/wine-env.sh's environment: python3 bench/idle_measure.py build/win64 [--json FILE].
Figures, not a test."""
import argparse
import json
import os
import subprocess
import sys
import tempfile
import time

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(REPO, "tests", "blackbox"))

from harness import CP936, WINE64, Program, list_filled, wait_for, wine_env  # noqa: E402
from attach_cases import attach_and_lock  # noqa: E402

IDLE_SECONDS = 10
SETTLE_SECONDS = 3


def resident_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def cpu_ticks(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])  # utime and stime, after the state field


def measure(pid):
    """(resident MiB after the idle time, CPU ticks used during it)."""
    time.sleep(SETTLE_SECONDS)
    before = cpu_ticks(pid)
    time.sleep(IDLE_SECONDS)
    return resident_kib(pid) / 1024.0, cpu_ticks(pid) - before


def start_screen(build_dir, work_root):
    program = Program(build_dir, work_root, "idle-start", with_library=True)
    try:
        program.start()
        assert program.window_ids(), "the main window did not appear"
        program.wait_for_probe(list_filled, 15.0)
        return measure(program.process.pid)  # wine64 becomes the Windows process: the same pid
    finally:
        program.kill()


def locked_overlay(build_dir, work_root):
    program = Program(build_dir, work_root, "idle-locked", with_library=True)
    try:
        attach_and_lock(program)
        return measure(program.process.pid)  # wine64 becomes the Windows process: the same pid
    finally:
        program.kill()


def notepad():
    # The real Notepad (C:\\windows\\notepad.exe only starts it), in the program's own locale and so with its
    # Chinese font.
    process = subprocess.Popen([WINE64, "C:\\windows\\system32\\notepad.exe"], env=wine_env(CP936),
                               stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        shown = wait_for(lambda: subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Notepad|记事本"],
                                                capture_output=True).returncode == 0, 20.0)
        assert shown, "Notepad's window did not appear"
        return measure(process.pid)
    finally:
        process.kill()
        process.wait()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build_dir")
    parser.add_argument("--json")
    args = parser.parse_args()
    with tempfile.TemporaryDirectory(prefix="corvanta-idle-") as work_root:
        rows = {
            "start screen": start_screen(args.build_dir, work_root),
            "locked overlay": locked_overlay(args.build_dir, work_root),
            "Notepad": notepad(),
        }
    print(f"{'':16} {'resident MiB':>12} {'CPU ticks / 10 s':>17}")
    for name, (mib, ticks) in rows.items():
        print(f"{name:16} {mib:12.1f} {ticks:17d}")
    print(f"start screen over Notepad: {rows['start screen'][0] - rows['Notepad'][0]:+.1f} MiB")
    if args.json:
        with open(args.json, "w") as f:
            json.dump({name: {"resident_mib": round(mib, 1), "cpu_ticks": ticks} for name, (mib, ticks) in rows.items()},
                      f, indent=1)


if __name__ == "__main__":
    main()
