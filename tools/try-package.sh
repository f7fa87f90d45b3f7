#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian package on a fresh Debian 12 root made with debootstrap
# and starts the program there, as a new user's machine would:
#
#   tools/try-package.sh PACKAGE.deb [ROOT]     (as root; ROOT defaults to a new folder)
#
# Checks that apt installs the package with its dependencies, that the
# launcher is on the PATH, that the desktop entry and AppStream metadata
# validate, that the bank checker passes on the installed bank, and that the
# program shows its window under Xvfb.
set -euo pipefail
deb=$(readlink -f "$1")
root=${2:-$(mktemp -d /tmp/veltrin-root.XXXXXX)}
[ "$(id -u)" -eq 0 ] || { echo "try-package: run as root (debootstrap and chroot)" >&2; exit 1; }
command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap

if [ ! -x "$root/usr/bin/apt-get" ]; then
  debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian
fi
mounts=()
cleanup() { for m in "${mounts[@]}"; do umount -l "$m" 2>/dev/null || true; done; }
trap cleanup EXIT
for fs in proc sys dev; do
  mount --bind "/$fs" "$root/$fs"; mounts+=("$root/$fs")
done

cp "$deb" "$root/tmp/"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root DEBIAN_FRONTEND=noninteractive "$@"; }
in_root apt-get update -qq
in_root apt-get install -y -qq "/tmp/$(basename "$deb")" xvfb xauth xdotool desktop-file-utils appstream >/dev/null
echo "installed: $(in_root dpkg-query -W veltrin)"
in_root sh -c 'command -v veltrin && command -v veltrin-checkbank'
in_root desktop-file-validate /usr/share/applications/veltrin.desktop && echo "desktop entry: valid"
in_root appstreamcli validate --no-net /usr/share/metainfo/invalid.veltrin.VeltrinsTest.metainfo.xml
in_root veltrin-checkbank /usr/lib/veltrin/veltrin.dll
in_root xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
  veltrin >/tmp/veltrin.log 2>&1 &
  for i in $(seq 1 50); do xdotool search --onlyvisible --name "^Veltrin.s Test$" >/dev/null 2>&1 && break; sleep 0.2; done
  xdotool search --onlyvisible --name "^Veltrin.s Test$" >/dev/null || { cat /tmp/veltrin.log; echo "FAILED: no window"; exit 1; }
  echo "the welcome window is shown"
  xdotool mousemove 958 723 click 1
  sleep 1
  ! pgrep -x veltrin >/dev/null || { echo "FAILED: Exit did not end the program"; exit 1; }
  echo "Exit ended the program"
'
echo "PASSED on $(in_root cat /etc/debian_version) in $root"
