#!/usr/bin/env python3
"""Writes the downloadable archive from a built 32-bit corvanta.exe.

    package_archive.py EXE FOLDER

writes FOLDER/Corvanta-VERSION-win32.zip (VERSION from the project() line of CMakeLists.txt) and prints its
path. The archive holds one folder Corvanta/ with the stripped program, the starter library Effect/ (assets/Effect
as it is), the Chinese user guide readme.txt and LICENSE.txt. It is reproducible: entries are sorted, and
every entry carries the same time (SOURCE_DATE_EPOCH, else the time of the checked-out commit) and mode.
"""
import os
import re
import subprocess
import sys
import tempfile
import time
import zipfile
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
TOP = "Corvanta/"
STRIP = "i686-w64-mingw32-strip"
BOM = b"\xef\xbb\xbf"


def project_version():
    match = re.search(r"^project\(\w+\s+VERSION\s+([0-9.]+)", (ROOT / "CMakeLists.txt").read_text(), re.M)
    if not match:
        sys.exit("no VERSION in the project() line of CMakeLists.txt")
    return match.group(1)


def archive_time():
    epoch = os.environ.get("SOURCE_DATE_EPOCH") or subprocess.run(
        ["git", "-C", str(ROOT), "log", "-1", "--format=%ct"], capture_output=True, text=True).stdout.strip()
    if not epoch.isdigit():
        sys.exit("no time for the archive entries: set SOURCE_DATE_EPOCH outside a git checkout")
    # Zip times cannot lie before 1980.
    return max(time.gmtime(int(epoch))[:6], (1980, 1, 1, 0, 0, 0))


def for_notepad(text):
    """CR LF line ends, which Windows 7's Notepad needs to show lines at all."""
    return text.replace("\r\n", "\n").replace("\n", "\r\n")


def stripped_program(exe):
    with tempfile.TemporaryDirectory() as tmp:
        out = Path(tmp) / "corvanta.exe"
        subprocess.run([STRIP, "-o", str(out), str(exe)], check=True)
        return out.read_bytes()


def archive_files(exe):
    """Archive name (below the top folder) -> bytes."""
    files = {
        "corvanta.exe": stripped_program(exe),
        # UTF-8 with a byte order mark: Notepad then shows the Chinese text right whatever the code page.
        "readme.txt": BOM + for_notepad((ROOT / "packaging/readme.txt").read_text(encoding="utf-8")
                                        .replace("{VERSION}", project_version())).encode("utf-8"),
        "LICENSE.txt": for_notepad((ROOT / "LICENSE").read_text(encoding="utf-8")).encode("utf-8"),
    }
    library = ROOT / "assets"
    for path in (library / "Effect").rglob("*"):
        if path.is_file():
            files[path.relative_to(library).as_posix()] = path.read_bytes()
    return files


def with_folders(names):
    """The names plus an entry for every folder above them, sorted."""
    entries = set(names)
    for name in names:
        parts = name.split("/")[:-1]
        entries.update("/".join(parts[:i]) + "/" for i in range(1, len(parts) + 1))
    return sorted(entries)


def entry(name, date_time):
    info = zipfile.ZipInfo(name, date_time)
    info.create_system = 3
    if name.endswith("/"):
        info.external_attr = (0o40755 << 16) | 0x10
    else:
        info.external_attr = 0o100644 << 16
        info.compress_type = zipfile.ZIP_DEFLATED
    # zipfile sets the UTF-8 flag itself for a name that is not ASCII; Windows 10 and later read such a name
    # right, Windows 7's own zip folders do not (every name shipped today is ASCII).
    return info


def write_archive(exe, archive):
    files = {TOP + name: data for name, data in archive_files(exe).items()}
    date_time = archive_time()
    archive.parent.mkdir(parents=True, exist_ok=True)
    with zipfile.ZipFile(archive, "w") as zf:
        for name in with_folders(files):
            zf.writestr(entry(name, date_time), files.get(name, b""), compresslevel=9)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    archive = Path(sys.argv[2]) / f"Corvanta-{project_version()}-win32.zip"
    write_archive(Path(sys.argv[1]), archive)
    print(archive)


if __name__ == "__main__":
    main()
