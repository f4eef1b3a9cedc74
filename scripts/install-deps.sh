#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Corvanta need (Debian 12, as root),
# and the zh_CN.UTF-8 locale that Wine needs for Chinese file names and arguments.
set -euo pipefail
packages=(cmake ninja-build g++ python3 locales
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools
  wine wine64 xvfb xdotool x11-utils imagemagick fonts-wqy-microhei
  libgtest-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev)
SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO="sudo"
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# `locale -a` spells it zh_CN.utf8.
if ! locale -a 2>/dev/null | grep -qiE '^zh_CN\.utf-?8$'; then
  echo "Generating the zh_CN.UTF-8 locale"
  if ! grep -qE '^zh_CN\.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    if grep -qE '^# *zh_CN\.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
      $SUDO sed -i -E 's/^# *(zh_CN\.UTF-8 UTF-8)/\1/' /etc/locale.gen
    else
      echo 'zh_CN.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
    fi
  fi
  $SUDO locale-gen >/dev/null
fi
