#!/usr/bin/env bash
# Builds the shipped 32-bit program and writes the downloadable archive dist/Corvanta-VERSION-win32.zip
# (VERSION from the project() line of CMakeLists.txt): the stripped program, the starter library, the
# Chinese user guide and the licence under one folder Corvanta/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset win32
cmake --build --preset win32
archive=$(python3 scripts/package_archive.py build/win32/corvanta.exe dist)
echo "$archive: $(stat -c %s "$archive") bytes"
python3 scripts/check_package.py "$archive"
