"""The performance report reads the benchmarks' printed lines: a change of their form must not leave the
report with empty tables."""
import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
import performance_report as report  # noqa: E402
from unittest_layer import run_layer  # noqa: E402


class ReportTest(unittest.TestCase):
    def test_timed_lines_with_headings_runs_and_notes(self):
        rows, notes = report.timed_rows([
            "scan-region screenshot 1920 x 1080 at 32 bpp, PNG of 5 bytes, 7 runs:",
            "  capture                      min    26.56 ms, median    31.84 ms, max    48.01 ms",
            "lock 1920 x 1080, typical preset painted: min 31.70 ms, median 50.41 ms, max 91.82 ms (15 runs)",
            "move 1920 x 1080, from the move (50 runs): min 87.27 ms, median 99.82 ms, max 112.86 ms",
            "  first lock 58.41 ms (1.2x the median lock)",
        ])
        self.assertEqual(rows, [
            ("scan-region screenshot 1920 x 1080 at 32 bpp: capture", "26.56", "31.84", "48.01", ""),
            ("lock 1920 x 1080, typical preset painted", "31.70", "50.41", "91.82", "(15 runs)"),
            ("move 1920 x 1080, from the move (50 runs)", "87.27", "99.82", "112.86", ""),
        ])
        self.assertEqual(notes, ["scan-region screenshot 1920 x 1080 at 32 bpp, PNG of 5 bytes, 7 runs",
                                 "first lock 58.41 ms (1.2x the median lock)"])

    def test_renderer_lines_and_their_plot(self):
        rows = report.render_rows([
            "P = 1, T = V = 4, O = K = 3: 6848 segments",
            "Prepare + Draw grid, one-pixel solid pen     1920 x 1080  first    9.63 ms  min    0.50 ms  median    0.82 ms",
            "plain GDI: fill + MoveToEx/LineTo            1920 x 1080  first   24.22 ms  min    5.36 ms  median   10.59 ms",
        ])
        self.assertEqual([(r["name"], r["w"], r["median"]) for r in rows],
                         [("Prepare + Draw grid, one-pixel solid pen", "1920", "0.82"),
                          ("plain GDI: fill + MoveToEx/LineTo", "1920", "10.59")])
        path = os.path.join(os.environ.get("TMPDIR", "/tmp"), "corvanta-plot-test.svg")
        report.plot(rows, path)
        with open(path) as f:
            svg = f.read()
        os.remove(path)
        self.assertIn(">one-pixel solid pen<", svg)
        self.assertIn('width="420.0"', svg)  # the longest bar, plain GDI, fills the chart
        self.assertIn(">0.82<", svg)


if __name__ == "__main__":
    sys.exit(run_layer("performance-report"))
