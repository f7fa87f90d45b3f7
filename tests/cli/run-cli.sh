#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The program's command line, from outside, without a display:
#
#   run-cli.sh PROGRAM
#
# --help and --version answer on standard output with status 0; a --bank FILE
# that cannot be read and an unknown option are refused at once, before any
# window, with status 2 and a line that says why.
set -uo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

# No display at all: none of these may need one.
unset DISPLAY WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb

out=$("$program" --help 2>"$work/err"); status=$?
[ "$status" -eq 0 ] || fail "--help ended with $status"
grep -q -- "--bank <FILE>" <<<"$out" || fail "--help does not show --bank: $out"
grep -q -- "--version" <<<"$out" || fail "--help does not show --version"
grep -q -- "--progress" <<<"$out" || fail "--help does not show --progress"
[ "$(head -n 1 <<<"$out")" = "Usage: veltrin [options]" ] || fail "the usage line: $(head -n 1 <<<"$out")"

out=$("$program" --version 2>"$work/err"); status=$?
[ "$status" -eq 0 ] || fail "--version ended with $status"
[[ "$out" =~ ^veltrin\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "--version said: $out"

"$program" --bank "$work/missing/veltrin.dll" >"$work/out" 2>"$work/err"; status=$?
[ "$status" -eq 2 ] || fail "a missing bank ended with $status, not 2"
grep -q "$work/missing/veltrin.dll" "$work/err" || fail "a missing bank is not named: $(cat "$work/err")"
[ "$(wc -l <"$work/err")" -eq 1 ] || fail "a missing bank takes more than one line: $(cat "$work/err")"

mkdir -p "$work/folder"
"$program" --bank "$work/folder" >"$work/out" 2>"$work/err"; status=$?
[ "$status" -eq 2 ] || fail "a folder as the bank ended with $status, not 2"
grep -q "it is a folder, not a file" "$work/err" || fail "a folder as the bank: $(cat "$work/err")"

if [ "$(id -u)" -ne 0 ]; then
  printf '20 Copyright\r\n' >"$work/locked.dll"
  chmod 000 "$work/locked.dll"
  "$program" --bank "$work/locked.dll" >"$work/out" 2>"$work/err"; status=$?
  [ "$status" -eq 2 ] || fail "an unreadable bank ended with $status, not 2"
fi

"$program" --no-such-option >"$work/out" 2>"$work/err"; status=$?
[ "$status" -eq 2 ] || fail "an unknown option ended with $status, not 2"
grep -q "no-such-option" "$work/err" || fail "the unknown option is not named"
grep -q "Usage:" "$work/err" || fail "an unknown option does not show the usage"

if [ "$failures" -gt 0 ]; then
  echo "$failures failed"
  exit 1
fi
echo "PASSED: --help, --version, a missing, folder or unreadable bank, an unknown option"
