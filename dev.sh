#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a Debian or Ubuntu machine for Veltrin's Test, builds it, and then
# either starts the program or runs every test:
#
#   ./dev.sh run       install what is missing, build, start the program
#   ./dev.sh test      install what is missing, build, run every test
#   ./dev.sh package   install what is missing, build the Debian package
#
# All are safe to run again: packages already present are left alone and the
# build is incremental.
set -euo pipefail
cd "$(dirname "$0")"
top=$(pwd)

need_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Debian's package names; the same names exist on Ubuntu 22.04 and later.
# What building and running the program needs:
run_packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  fonts-liberation fonts-dejavu-core
)
# What the tests add: the test libraries, the checkers, a display and a sound
# server for the real program, a screen reader's view of it, the tools that
# draw the pictures again, and the packaging checks.
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  clang clang-tidy clang-format
  xvfb xauth xdotool x11-utils openbox
  dbus at-spi2-core python3 python3-pyatspi
  pulseaudio pulseaudio-utils sox
  imagemagick librsvg2-bin poppler-utils
  dpkg-dev desktop-file-utils appstream reuse lintian
)

# install_missing PACKAGE...: installs those of the packages that are missing.
install_missing() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    need_root apt-get update -qq
    need_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

install_test_tools() {
  install_missing "${run_packages[@]}" "${test_packages[@]}"
  # The sanitizer and fuzzer runtimes belong to the installed clang version.
  local major rt
  major=$(clang --version | sed -n 's/.*clang version \([0-9]*\).*/\1/p' | head -n 1)
  rt="libclang-rt-${major}-dev"
  if ! dpkg-query -W -f='${Status}' "$rt" 2>/dev/null | grep -q "install ok installed"; then
    if apt-cache show "$rt" >/dev/null 2>&1; then
      need_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$rt"
    fi
  fi
}

jobs=$(nproc 2>/dev/null || echo 2)

case "${1:-}" in
  run)
    install_missing "${run_packages[@]}"
    # The program and the bank checker only; ./dev.sh test builds the tests
    # in the same folder.
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
    cmake --build build -j "$jobs"
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      echo "There is no display to show the program on. Start it from a desktop session," >&2
      echo "or on a headless machine with:  xvfb-run -a ./dev.sh run" >&2
      exit 1
    fi
    exec "$top/build/bin/veltrin"
    ;;
  test)
    install_test_tools
    exec "$top/tools/run-tests.sh"
    ;;
  package)
    install_missing "${run_packages[@]}" dpkg-dev
    cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
    cmake --build build-release -j "$jobs" --target package
    ls "$top"/build-release/veltrin_*.deb
    ;;
  *)
    echo "usage: $0 run|test|package" >&2
    exit 2
    ;;
esac
