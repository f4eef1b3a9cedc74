#!/usr/bin/env python3
"""Checks the downloadable archive: check_package.py ARCHIVE

Prints one line per check ("[ PASS ] ..." or "[ FAIL ] ...") and then "== package: N passed, M failed";
exits 1 when a check failed. The program inside is read as a PE file here, without other tools.
"""
import re
import struct
import sys
import zipfile
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
TOP = "Corvanta/"
OWN_FILES = ["corvanta.exe", "LICENSE.txt", "readme.txt"]
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "comdlg32.dll", "shell32.dll",
               "advapi32.dll", "ole32.dll", "oleaut32.dll", "gdiplus.dll", "wininet.dll", "msvcrt.dll"}
# Functions that Windows 7 lacks: a program that imports one of them does not start there, so the
# program looks them up at run time instead.
LATER_THAN_WINDOWS_7 = {"GetDpiForWindow", "GetDpiForSystem", "GetSystemMetricsForDpi", "AdjustWindowRectExForDpi",
                        "SystemParametersInfoForDpi", "SetThreadDpiAwarenessContext", "GetThreadDpiAwarenessContext",
                        "SetProcessDpiAwarenessContext", "EnableNonClientDpiScaling", "GetDpiForMonitor",
                        "SetProcessDpiAwareness"}
GUIDE_TEXTS = ["corvanta.exe", "\"自定义模式\"", "\"图片模式\"", "\"混合模式\"", "\"智能吸附\"", "\"自选区域\"",
               "\"<<<更换效果(返回)\"", "Config\\Config.ini", "Images\\", "Ctrl+Shift+Alt+End"]
# The default hotkeys of slots 1 to 14, each at the start of a line of the guide's table.
DEFAULT_HOTKEYS = ["Shift+D", "Shift+Q", "Shift+Alt+D", "Shift+Alt+Q", "Ctrl+Shift+Alt+A", "Ctrl+Shift+P",
                   "Ctrl+Shift+K", "Shift+F", "Shift+R", "Shift+Alt+E", "Ctrl+E", "Alt+W", "Alt+Q", "Alt+Win+X"]
NOTEPAD_COLUMNS = 80
FIRST_RUN_PRESETS, FIRST_RUN_PICTURES = 24, 4
I386, PE32_MAGIC, GUI_SUBSYSTEM = 0x14C, 0x10B, 2
RT_VERSION, FIXED_FILE_INFO_SIGNATURE = 16, 0xFEEF04BD


def project_version():
    return re.search(r"^project\(\w+\s+VERSION\s+([0-9.]+)", (ROOT / "CMakeLists.txt").read_text(), re.M).group(1)


class Pe:
    """The parts of a 32-bit PE file that the checks read."""

    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise ValueError("no MZ header")
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("no PE signature")
        (self.machine, sections, _, self.symbol_table, self.symbols, optional_size,
         _) = struct.unpack_from("<HHIIIHH", data, pe + 4)
        optional = pe + 24
        self.magic = struct.unpack_from("<H", data, optional)[0]
        self.subsystem_version = struct.unpack_from("<HH", data, optional + 48)
        self.subsystem = struct.unpack_from("<H", data, optional + 68)[0]
        directories = struct.unpack_from("<I", data, optional + 92)[0]
        self.directories = [struct.unpack_from("<II", data, optional + 96 + 8 * i) for i in range(directories)]
        self.sections = []
        for i in range(sections):
            name, virtual_size, rva, raw_size, raw = struct.unpack_from("<8sIIII", data, optional + optional_size + 40 * i)
            self.sections.append((self.section_name(name), rva, max(virtual_size, raw_size), raw))

    def section_name(self, field):
        """A name longer than eight bytes is "/N": offset N into the string table after the symbols, which
        stays after stripping when such a name (.eh_frame) remains."""
        name = field.rstrip(b"\0").decode("latin-1")
        if not name.startswith("/") or not self.symbol_table:
            return name
        at = self.symbol_table + 18 * self.symbols + int(name[1:])
        return self.data[at:self.data.index(b"\0", at)].decode("latin-1")

    def offset(self, rva):
        for _, start, size, raw in self.sections:
            if start <= rva < start + size:
                return rva - start + raw
        raise ValueError(f"RVA {rva:#x} lies in no section")

    def text(self, rva):
        at = self.offset(rva)
        return self.data[at:self.data.index(b"\0", at)].decode("latin-1")

    def imports(self):
        """DLL name -> names of the functions imported from it (ordinals as '#N')."""
        rva, _ = self.directories[1]
        result = {}
        at = self.offset(rva)
        while True:
            lookup, _, _, name, thunks = struct.unpack_from("<IIIII", self.data, at)
            if name == 0:
                return result
            functions = result.setdefault(self.text(name), [])
            thunk = self.offset(lookup or thunks)
            while (value := struct.unpack_from("<I", self.data, thunk)[0]) != 0:
                functions.append(f"#{value & 0xFFFF}" if value & 0x80000000 else self.text(value + 2))
                thunk += 4
            at += 20

    def version_resource(self):
        """The bytes of the first version resource, or None."""
        base_rva, _ = self.directories[2]
        if base_rva == 0:
            return None
        base = self.offset(base_rva)

        def entries(directory):
            named, ids = struct.unpack_from("<HH", self.data, base + directory + 12)
            return [struct.unpack_from("<II", self.data, base + directory + 16 + 8 * i) for i in range(named + ids)]

        level = [e for e in entries(0) if e[0] == RT_VERSION]
        for _ in range(2):  # type -> name -> language
            if not level or not level[0][1] & 0x80000000:
                return None
            level = entries(level[0][1] & 0x7FFFFFFF)
        if not level:
            return None
        data_rva, size = struct.unpack_from("<II", self.data, base + level[0][1])
        at = self.offset(data_rva)
        return self.data[at:at + size]


def fixed_file_version(resource):
    at = resource.find(struct.pack("<I", FIXED_FILE_INFO_SIGNATURE))
    if at < 0:
        return None
    high, low = struct.unpack_from("<II", resource, at + 8)
    return f"{high >> 16}.{high & 0xFFFF}.{low >> 16}.{low & 0xFFFF}"


def string_value(resource, key):
    """A value of the StringFileInfo table: a String block is length, value length, type, key, padding, value."""
    name = key.encode("utf-16-le") + b"\0\0"
    at = resource.find(name)
    if at < 6 or (at - 6) % 4:
        return None
    start = at - 6
    value_chars = struct.unpack_from("<H", resource, start + 2)[0]
    value = at + len(name)
    value += -(value - start) % 4
    return resource[value:value + 2 * value_chars].decode("utf-16-le").rstrip("\0")


def expected_names():
    library = ROOT / "assets"
    files = [TOP + name for name in OWN_FILES]
    files += [TOP + p.relative_to(library).as_posix() for p in (library / "Effect").rglob("*") if p.is_file()]
    folders = {"/".join(f.split("/")[:i]) + "/" for f in files for i in range(1, f.count("/") + 1)}
    return set(files) | folders


def columns(line):
    return sum(2 if "\u2e80" <= c <= "\uffef" else 1 for c in line)


class Checks:
    def __init__(self):
        self.passed = self.failed = 0

    def report(self, name, problem, detail=""):
        if problem:
            self.failed += 1
            print(f"[ FAIL ] {name}: {problem}")
        else:
            self.passed += 1
            print(f"[ PASS ] {name}" + (f" ({detail})" if detail else ""))


def check_archive_form(checks, archive, zf):
    version = project_version()
    checks.report("archive name", None if archive.name == f"Corvanta-{version}-win32.zip"
                  else f"{archive.name}, expected Corvanta-{version}-win32.zip")
    names = [info.filename for info in zf.infolist()]
    missing, extra = sorted(expected_names() - set(names)), sorted(set(names) - expected_names())
    checks.report("file list", f"missing {missing}, unexpected {extra}" if missing or extra else None,
                  f"{sum(not n.endswith('/') for n in names)} files under {TOP}")
    times = {info.date_time for info in zf.infolist()}
    unflagged = [i.filename for i in zf.infolist() if not i.filename.isascii() and not i.flag_bits & 0x800]
    problems = [p for p in [names != sorted(names) and "entries not sorted",
                            len(times) > 1 and f"{len(times)} different times",
                            len(names) != len(set(names)) and "duplicate entries",
                            unflagged and f"names without the UTF-8 flag: {unflagged}"] if p]
    checks.report("sorted entries, one time, UTF-8 names", "; ".join(problems) or None)


def check_program(checks, data):
    try:
        pe = Pe(data)
    except (ValueError, struct.error) as error:
        checks.report("corvanta.exe is a PE file", str(error))
        return
    checks.report("PE32 for i386", None if (pe.machine, pe.magic) == (I386, PE32_MAGIC)
                  else f"machine {pe.machine:#x}, optional header magic {pe.magic:#x}")
    checks.report("Windows GUI subsystem", None if pe.subsystem == GUI_SUBSYSTEM else f"subsystem {pe.subsystem}")
    version = project_version()
    resource = pe.version_resource()
    found = (fixed_file_version(resource), string_value(resource, "FileVersion")) if resource else (None, None)
    checks.report("version resource", None if found == (version, version)
                  else f"fixed FileVersion {found[0]}, string FileVersion {found[1]}, expected {version}", version)
    debug = [name for name, *_ in pe.sections if name.startswith(".debug")]
    checks.report("stripped", f"{pe.symbols} symbols, sections {debug}" if pe.symbols or debug else None)
    imports = pe.imports()
    foreign = sorted(dll for dll in imports if dll.lower() not in SYSTEM_DLLS and not dll.lower().startswith("api-ms-win-"))
    checks.report("imports only system DLLs", f"also imports {foreign}" if foreign else None, ", ".join(sorted(imports, key=str.lower)))
    too_new = sorted(f for functions in imports.values() for f in functions if f in LATER_THAN_WINDOWS_7)
    checks.report("starts on Windows 7",
                  f"subsystem version {pe.subsystem_version}, imports {too_new}"
                  if pe.subsystem_version > (6, 1) or too_new else None)


def check_library(checks, zf):
    library = ROOT / "assets"
    differing = []
    for info in zf.infolist():
        name = info.filename[len(TOP):]
        if name.startswith("Effect/") and not info.is_dir():
            source = library / name
            if not source.is_file() or zf.read(info) != source.read_bytes():
                differing.append(name)
    checks.report("Effect/ equals assets/Effect", f"differs: {differing}" if differing else None)
    # A first start enables the 24th preset and the 4th picture of the lists.
    presets = [n for n in zf.namelist() if re.fullmatch(re.escape(TOP) + r"Effect/C/[^/]+\.ini", n, re.I)]
    pictures = [n for n in zf.namelist() if re.fullmatch(re.escape(TOP) + r"Effect/P/[^/]+\.(png|bmp)", n, re.I)]
    checks.report("first start finds a preset and a picture",
                  None if len(presets) >= FIRST_RUN_PRESETS and len(pictures) >= FIRST_RUN_PICTURES
                  else f"{len(presets)} presets and {len(pictures)} pictures, the first start needs "
                       f"{FIRST_RUN_PRESETS} and {FIRST_RUN_PICTURES}", f"{len(presets)} presets, {len(pictures)} pictures")


def guide_problems(guide):
    if not guide.startswith(b"\xef\xbb\xbf"):
        return ["missing or without a byte order mark"]
    try:
        text = guide[3:].decode("utf-8")
    except UnicodeDecodeError as error:
        return [f"not UTF-8: {error}"]
    lines = text.split("\r\n")
    missing = [t for t in GUIDE_TEXTS + [project_version()] if t not in text]
    no_line = [k for k in DEFAULT_HOTKEYS if not any(line.startswith(k + " ") for line in lines)]
    wide = [n for n, line in enumerate(lines, 1) if columns(line) > NOTEPAD_COLUMNS]
    return [p for p in [any("\r" in line or "\n" in line for line in lines) and "line ends other than CR LF",
                        missing and f"lacks {missing}",
                        no_line and f"no line for the hotkeys {no_line}",
                        wide and f"lines wider than {NOTEPAD_COLUMNS} columns: {wide}"] if p]


def check_texts(checks, zf):
    def member(name):
        return zf.read(TOP + name) if TOP + name in zf.namelist() else b""

    licence = member("LICENSE.txt")
    checks.report("LICENSE.txt", None if licence.startswith(b"MIT License\r\n")
                  and b"Copyright (c) 2026 Corvanta contributors\r\n" in licence
                  and licence.replace(b"\r\n", b"\n") == (ROOT / "LICENSE").read_bytes().replace(b"\r\n", b"\n")
                  else "not the repository's MIT licence with CR LF line ends")
    checks.report("readme.txt (Chinese guide)", "; ".join(guide_problems(member("readme.txt"))) or None)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    archive = Path(sys.argv[1])
    checks = Checks()
    try:
        with zipfile.ZipFile(archive) as zf:
            check_archive_form(checks, archive, zf)
            program = TOP + "corvanta.exe"
            if program in zf.namelist():
                check_program(checks, zf.read(program))
            else:
                checks.report("corvanta.exe", "not in the archive")
            check_library(checks, zf)
            check_texts(checks, zf)
    except (OSError, zipfile.BadZipFile) as error:
        checks.report("archive readable", str(error))
    print(f"== package: {checks.passed} passed, {checks.failed} failed")
    sys.exit(1 if checks.failed else 0)


if __name__ == "__main__":
    main()
