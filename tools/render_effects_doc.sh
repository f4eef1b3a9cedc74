#!/usr/bin/env bash
# Renders every starter preset (assets/Effect/C) and picture (assets/Effect/P) with the program's own
# renderer under Wine, over a synthetic game picture, into docs/effects/<name>.png (240 x 135).
# Re-runnable: the PNG files are replaced only when every picture was drawn.
#
# Usage: tools/render_effects_doc.sh [BUILD_DIR]    (default build/win64, configured with the win64 preset)
# Needs the MinGW cross compilers, Wine (wine64), Xvfb and ImageMagick's convert.
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$repo"
build_dir="${1:-build/win64}"
jobs="${CORVANTA_JOBS:-2}"

if [ ! -f "$build_dir/build.ninja" ]; then
  cmake --preset win64 -B "$build_dir"
fi
cmake --build "$build_dir" --target corvanta_render_effects_doc -j "$jobs"

work="$build_dir/effects-doc"
rm -rf "$work"
mkdir -p "$work/bmp" "$work/png"

# Wine sees the file system root as drive Z:.
windows_path() {
  local absolute
  absolute="$(cd "$1" && pwd)"
  printf 'Z:%s' "${absolute//\//\\}"
}

# shellcheck source=SCRIPTDIR/../scripts/wine-env.sh
source scripts/wine-env.sh
wine_env_start "$build_dir"
status=0
wine_run "$build_dir/render_effects_doc.exe" "$(windows_path assets/Effect/C)" "$(windows_path assets/Effect/P)" \
  "$(windows_path "$work/bmp")" || status=$?
wine_env_stop
if [ "$status" -ne 0 ]; then
  echo "render_effects_doc.exe failed ($status); docs/effects left as it was" >&2
  exit "$status"
fi

# -strip drops the time stamps, so an unchanged picture gives the same PNG bytes on every run.
for bmp in "$work"/bmp/*.bmp; do
  name="$(basename "$bmp" .bmp)"
  convert "$bmp" -strip -define png:compression-level=9 "$work/png/$name.png"
done

mkdir -p docs/effects
rm -f docs/effects/*.png
pictures=("$work"/png/*.png)
cp "${pictures[@]}" docs/effects/
echo "${#pictures[@]} pictures in docs/effects"
