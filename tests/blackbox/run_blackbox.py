#!/usr/bin/env python3
"""Black-box runs of corvanta.exe under Wine; prints one line per check and a closing count.

Usage (within scripts/wine-env.sh's environment): run_blackbox.py [BUILD_DIR [FILTER]]; FILTER picks the cases
whose "module.case_name" contains it."""
import os
import sys
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import attach_cases  # noqa: E402
import capture_cases  # noqa: E402
import code_page_cases  # noqa: E402
import display_scale_cases  # noqa: E402
import follow_cases  # noqa: E402
import hotkey_cases  # noqa: E402
import mode_cases  # noqa: E402
import prefs_cases  # noqa: E402
import random_walk  # noqa: E402
import region_cases  # noqa: E402
import startup_cases  # noqa: E402
import suite_cases  # noqa: E402
import update_cases  # noqa: E402

CASE_MODULES = [startup_cases, attach_cases, display_scale_cases, code_page_cases, suite_cases, capture_cases,
                region_cases, update_cases, hotkey_cases]
CASE_MODULES += [prefs_cases, mode_cases, follow_cases, random_walk]


def main():
    build_dir = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/win64")
    only = sys.argv[2] if len(sys.argv) > 2 else ""
    work_root = os.path.join(build_dir, "blackbox")
    os.makedirs(work_root, exist_ok=True)
    passed = failed = 0
    for module in CASE_MODULES:
        for name in sorted(n for n in dir(module) if n.startswith("case_")):
            if only and only not in f"{module.__name__}.{name}":
                continue
            try:
                getattr(module, name)(build_dir, work_root)
                print(f"[ PASS ] {module.__name__}.{name}", flush=True)
                passed += 1
            except Exception:  # a failed check or a broken run both count as a failure
                print(f"[ FAIL ] {module.__name__}.{name}", flush=True)
                traceback.print_exc()
                failed += 1
    print(f"blackbox: {passed} passed, {failed} failed")
    return 0 if failed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
