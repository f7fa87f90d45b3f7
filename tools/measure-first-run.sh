#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Times the README's first command, ./dev.sh run, on a fresh Debian 12 as a
# newcomer's machine would be: a minimal root made with debootstrap, plus git,
# the repository cloned at REVISION. Prints the time it took (to the point
# where the program would open its window: there is no display here) and how
# many packages it installed.
#
#   tools/measure-first-run.sh [REVISION]     (as root; REVISION defaults to HEAD)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
revision=${1:-HEAD}
[ "$(id -u)" -eq 0 ] || { echo "measure-first-run: run as root (debootstrap and chroot)" >&2; exit 1; }
command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap

root=$(mktemp -d /tmp/veltrin-first-run.XXXXXX)
mounts=()
cleanup() { for m in "${mounts[@]}"; do umount -l "$m" 2>/dev/null || true; done; rm -rf "$root"; }
trap cleanup EXIT
debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian >/dev/null
for fs in proc sys dev; do
  mount --bind "/$fs" "$root/$fs"; mounts+=("$root/$fs")
done
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root DEBIAN_FRONTEND=noninteractive "$@"; }
in_root apt-get update -qq
in_root apt-get install -y -qq --no-install-recommends git ca-certificates >/dev/null
git clone -q "$top" "$root/root/veltrin"
git -C "$root/root/veltrin" checkout -q "$revision"

before=$(in_root dpkg-query -W | wc -l)
start=$(date +%s)
status=0
in_root sh -c 'cd /root/veltrin && ./dev.sh run' >"$root/run.log" 2>&1 || status=$?
seconds=$(( $(date +%s) - start ))
after=$(in_root dpkg-query -W | wc -l)
if ! grep -q "There is no display" "$root/run.log"; then
  tail -n 30 "$root/run.log"
  echo "measure-first-run: ./dev.sh run ended with $status before reaching the program" >&2
  exit 1
fi
echo "first ./dev.sh run at $(git -C "$top" rev-parse --short "$revision"): ${seconds} s, $((after - before)) packages installed"
