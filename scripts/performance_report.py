"""Writes docs/performance.md and the renderer plot from the outputs of scripts/bench.sh.

Usage: performance_report.py OUTPUT_DIR REPORT.md PLOT.svg
OUTPUT_DIR holds native.txt, render.txt, lock.txt, lock-4k.txt, capture.txt, suite.txt, follow.txt and idle.json."""
import datetime
import json
import os
import platform
import re
import subprocess
import sys

TIMED_ROW = re.compile(r"^(?P<name>.*?)[:\s]+min\s+(?P<min>[\d.]+) ms,\s+median\s+(?P<median>[\d.]+) ms,"
                       r"\s+max\s+(?P<max>[\d.]+) ms(?P<rest>.*)$")
RENDER_ROW = re.compile(r"^(?P<name>.+?)\s+(?P<w>\d+) x (?P<h>\d+)\s+first\s+(?P<first>[\d.]+) ms\s+min\s+"
                        r"(?P<min>[\d.]+) ms\s+median\s+(?P<median>[\d.]+) ms$")
PEN_PREFIX = "Prepare + Draw grid, "
PLAIN_GDI = "plain GDI: fill + MoveToEx/LineTo"


def read(directory, name):
    with open(os.path.join(directory, name), encoding="utf-8", errors="replace") as f:
        return [line.rstrip() for line in f if line.strip()]


def machine():
    cpu = "unknown CPU"
    try:
        with open("/proc/cpuinfo") as f:
            models = [line.split(":", 1)[1].strip() for line in f if line.startswith("model name")]
        if models:
            cpu = f"{models[0]} ({len(models)} logical processors)"
    except OSError:
        pass
    memory = ""
    try:
        with open("/proc/meminfo") as f:
            total = int(f.readline().split()[1])
        memory = f", {total / 1024 / 1024:.1f} GiB memory"
    except (OSError, ValueError, IndexError):
        pass
    wine = subprocess.run(["/usr/lib/wine/wine64", "--version"], capture_output=True, text=True).stdout.strip()
    load = os.getloadavg()
    return (f"{cpu}{memory}; {platform.system()} {platform.release()}; {wine or 'Wine'} on Xvfb at "
            f"1920 x 1080, 24 bits; load average {load[0]:.2f} at the end of the run")


def timed_rows(lines):
    """(name, min, median, max, rest) for each timed line, names prefixed by the heading line above them;
    the other lines as notes."""
    rows, notes, heading = [], [], ""
    for line in lines:
        match = TIMED_ROW.match(line.strip())
        if match:
            name = match["name"].strip()
            if line.startswith(" ") and heading:
                name = f"{heading}: {name}"
            rows.append((name, match["min"], match["median"], match["max"], match["rest"].strip(" ,")))
        elif line.endswith(":") and not line.startswith(" "):
            heading = line[:-1].split(",")[0]  # the rest of the heading goes to the notes
            notes.append(line[:-1])
        else:
            notes.append(line.strip())
    return rows, notes


def timed_table(lines):
    rows, notes = timed_rows(lines)
    out = ["| what | min ms | median ms | max ms | |", "|---|---:|---:|---:|---|"]
    out += [f"| {name} | {low} | {median} | {high} | {rest} |" for name, low, median, high, rest in rows]
    if notes:
        out.append("")
        out += [f"- {note}" for note in notes]
    return out


def render_rows(lines):
    return [m.groupdict() for m in (RENDER_ROW.match(line) for line in lines) if m]


def render_table(rows):
    out = ["| what | size | first ms | min ms | median ms |", "|---|---|---:|---:|---:|"]
    out += [f"| {r['name']} | {r['w']} x {r['h']} | {r['first']} | {r['min']} | {r['median']} |" for r in rows]
    return out


def plot(rows, path):
    """Horizontal bars: the median time of each pen and of plain GDI, one panel per size."""
    sizes = []
    for r in rows:
        if (r["w"], r["h"]) not in sizes:
            sizes.append((r["w"], r["h"]))
    panels = []
    for size in sizes:
        bars = [(r["name"][len(PEN_PREFIX):], float(r["median"]), False) for r in rows
                if (r["w"], r["h"]) == size and r["name"].startswith(PEN_PREFIX) and "new size" not in r["name"]]
        bars += [("plain GDI (fill + MoveToEx/LineTo)", float(r["median"]), True) for r in rows
                 if (r["w"], r["h"]) == size and r["name"] == PLAIN_GDI]
        panels.append((size, bars))
    bar_height, label_width, chart_width, gap = 18, 260, 420, 40
    height = sum(len(bars) * bar_height + gap + 20 for _, bars in panels) + 20
    svg = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{label_width + chart_width + 90}" height="{height}" '
           'font-family="sans-serif" font-size="12">',
           f'<rect width="100%" height="100%" fill="white"/>']
    y = 20
    for (w, h), bars in panels:
        longest = max((t for _, t, _ in bars), default=1.0) or 1.0
        svg.append(f'<text x="10" y="{y}" font-weight="bold">{w} x {h}: median ms per grid (prepare + draw)</text>')
        y += 10
        for name, time, gdi in bars:
            length = chart_width * time / longest
            colour = "#999999" if gdi else "#3b6ea8"
            svg.append(f'<text x="{label_width - 6}" y="{y + 13}" text-anchor="end">{name}</text>')
            svg.append(f'<rect x="{label_width}" y="{y + 2}" width="{length:.1f}" height="{bar_height - 4}" '
                       f'fill="{colour}"/>')
            svg.append(f'<text x="{label_width + length + 4:.1f}" y="{y + 13}">{time:.2f}</text>')
            y += bar_height
        y += gap
    svg.append("</svg>")
    with open(path, "w") as f:
        f.write("\n".join(svg) + "\n")


def idle_table(idle):
    out = ["| state | resident MiB | CPU ticks (1/100 s) over 10 s |", "|---|---:|---:|"]
    out += [f"| {name} | {v['resident_mib']} | {v['cpu_ticks']} |" for name, v in idle.items()]
    over = idle["start screen"]["resident_mib"] - idle["Notepad"]["resident_mib"]
    out += ["", f"The start screen holds {over:+.1f} MiB against Notepad."]
    return out


def main():
    directory, report, svg = sys.argv[1:4]
    render = render_rows(read(directory, "render.txt"))
    plot(render, svg)
    with open(os.path.join(directory, "idle.json")) as f:
        idle = json.load(f)
    lines = [
        "# Performance",
        "",
        f"Written by `scripts/bench.sh` on {datetime.date.today().isoformat()}. Machine: {machine()}.",
        "The Wine figures come from the x86_64 build; timings on a loaded machine vary by a factor of two.",
        "",
        "## Idle: resident memory and CPU",
        "",
        "corvanta.exe from a fresh program folder with the starter library, and Wine's Notepad in the same "
        "prefix and locale (code page 936), each measured 3 s after it settled, over 10 s with nothing happening. "
        "The locked overlay covers a 400 x 300 window, attached with real input.",
        "",
        *idle_table(idle),
        "",
        "## Renderer (prepare + draw the grid) against plain GDI",
        "",
        "![median time per pen](renderer-per-pen.svg)",
        "",
        *render_table(render),
        "",
        "## Lock: key release to the overlay shown and drawn",
        "",
        "After a selection of 400 ms, in which the canvas memory is prepared on a worker.",
        "",
        *timed_table(read(directory, "lock.txt")),
        "",
        "The same on a 3840 x 2160 screen, where the prepared memory covers the 4K region (on the 1920 x 1080 "
        "screen above it covers the screen only, so every 4K lock there draws into fresh memory):",
        "",
        *timed_table(read(directory, "lock-4k.txt")),
        "",
        "## Following: a window's move or resize to the overlay in place and drawn",
        "",
        "Wine delivers no window events, so the program learns of a move by its 100 ms look: \"from the move\" "
        "includes that wait, \"from the look\" is the program's own work.",
        "",
        *timed_table(read(directory, "follow.txt")),
        "",
        "## Screenshots: capture, PNG encoding and writing",
        "",
        *timed_table(read(directory, "capture.txt")),
        "",
        "## Suite: slider change to the drawn preview",
        "",
        *timed_table(read(directory, "suite.txt")),
        "",
        "## Native (Google Benchmark)",
        "",
        "```",
        *read(directory, "native.txt"),
        "```",
        "",
    ]
    with open(report, "w") as f:
        f.write("\n".join(lines))


if __name__ == "__main__":
    main()
