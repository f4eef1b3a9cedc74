"""The include check of src/ fails on an include against the layers, naming the file and line, and names a
loop of folders that include one another."""
import pathlib
import subprocess
import sys
import tempfile
import unittest

from unittest_layer import run_layer

CHECK = pathlib.Path(__file__).resolve().parent.parent.parent / "scripts" / "check-layers.py"


def run_check(files):
    """Runs the check over a tree of {path: text} below a src/ folder; returns (exit code, output)."""
    with tempfile.TemporaryDirectory() as root:
        src = pathlib.Path(root) / "src"
        for name, text in files.items():
            (src / name).parent.mkdir(parents=True, exist_ok=True)
            (src / name).write_text(text)
        done = subprocess.run([sys.executable, str(CHECK), "--src", str(src)], capture_output=True, text=True)
        return done.returncode, done.stdout


class CheckLayersTest(unittest.TestCase):
    def test_each_tree_passes_or_fails_with_its_message(self):
        sound = {"settings/a.h": "", "platform/b.h": '#include "settings/a.h"\n',
                 "shell/c.h": '#include "platform/b.h"\n', "app/main_window.h": '#include "shell/c.h"\n'}
        rows = [
            ("includes reach down", sound, 0, []),
            ("a lower folder includes a higher one", {**sound, "settings/a.h": '\n#include "overlay/grid.h"\n',
                                                      "overlay/grid.h": ""},
             1, ["src/settings/a.h:2: settings/ lies below overlay/ and may not include it"]),
            ("a feature includes the root", {**sound, "region/r.cpp": '#include "app/main_window.h"\n'},
             1, ["src/region/r.cpp:1: region/ includes the composition root app/"]),
            ("an unknown folder", {**sound, "misc/m.cpp": '#include "shell/c.h"\n'},
             1, ["src/misc/m.cpp:1: misc/ is no layer of src/"]),
            ("a loop of three folders", {**sound, "settings/a.h": '#include "shell/c.h"\n'},
             1, ["cycle between folders platform/, settings/, shell/, for example: settings/ -> shell/ at "
                 "src/settings/a.h:1; shell/ -> platform/ at src/shell/c.h:1; platform/ -> settings/ at "
                 "src/platform/b.h:1"]),
        ]
        for name, files, code, messages in rows:
            with self.subTest(name):
                status, output = run_check(files)
                self.assertEqual(status, code, output)
                self.assertTrue(output.endswith(f"== layers: {1 - code} passed, {code} failed\n"), output)
                for message in messages:
                    self.assertTrue(any(line.startswith(message) for line in output.splitlines()), output)


if __name__ == "__main__":
    sys.exit(run_layer("layers-check"))
