#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
# SPDX-License-Identifier: GPL-3.0-or-later
# veltrin --progress from outside, with the per-user data folder in a
# temporary folder (XDG_DATA_HOME):
#
#   run-progress.sh PROGRAM
#
# no progress yet: one line, status 0; a store written in its file format:
# the rows per topic and the total, aligned, in English and Spanish; a bank
# the program refuses: its refusal on standard error, status 2.
set -uo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

unset DISPLAY WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
export XDG_DATA_HOME=$work/data

# A bank of 20 questions: A1..A12 on "alpha", B13..B20 on "beta".
bank=$work/class.dll
{
  printf '20 Copyright test bank\r\n'
  for i in $(seq 1 20); do
    if [ "$i" -le 12 ]; then id="alpha/A$i"; else id="beta/B$i"; fi
    printf 'Q.%s/1\r\nQuestion %s?\r\n1. Yes\r\n2. No\r\n\r\n' "$id" "$i"
  done
} >"$bank"

out=$("$program" --progress --bank "$bank" 2>"$work/err"); status=$?
[ "$status" -eq 0 ] || fail "no progress yet ended with $status"
[ "$out" = "No practice progress on this bank yet." ] || fail "no progress yet said: $out"
[ ! -s "$work/err" ] || fail "no progress yet wrote on standard error: $(cat "$work/err")"

# The store of the bank, named after its full path.
hash=$(printf '%s' "$bank" | sha1sum | cut -c1-16)
mkdir -p "$XDG_DATA_HOME/veltrin/progress"
printf 'veltrin-progress 1\nA1|2|2|2|0\nA2|1|0|0|1\nB13|1|1|1|0\nGONE|4|4|4|0\nA2|1\nA3|0\n' \
  >"$XDG_DATA_HOME/veltrin/progress/$hash.progress"
expected="Topic  Seen  Known  Open mistakes  Questions
alpha     3      1              2         12
beta      1      1              0          8
Total     4      2              2         20"
out=$("$program" --progress --bank "$bank" 2>"$work/err"); status=$?
[ "$status" -eq 0 ] || fail "the rows ended with $status"
[ "$out" = "$expected" ] || fail "the rows: $(printf '\n%s' "$out")"

out=$("$program" --progress --lang es --bank "$bank" 2>"$work/err"); status=$?
[ "$status" -eq 0 ] || fail "the rows in Spanish ended with $status"
[ "$(head -n 1 <<<"$out" | awk '{print $1}')" = "Tema" ] || fail "the rows in Spanish: $(head -n 1 <<<"$out")"
[ "$(tail -n 1 <<<"$out" | awk '{print $2, $5}')" = "4 20" ] || fail "the Spanish total: $(tail -n 1 <<<"$out")"

printf '20 Copyright\r\nQ.alpha/A1\r\nQuestion?\r\n1. Yes\r\n\r\n' >"$work/broken.dll"
"$program" --progress --bank "$work/broken.dll" >"$work/out" 2>"$work/err"; status=$?
[ "$status" -eq 2 ] || fail "a refused bank ended with $status, not 2"
grep -q "Invalid database file. Line 2" "$work/err" || fail "a refused bank said: $(cat "$work/err")"
[ ! -s "$work/out" ] || fail "a refused bank printed: $(cat "$work/out")"

"$program" --progress --bank "$work/missing.dll" >"$work/out" 2>"$work/err"; status=$?
[ "$status" -eq 2 ] || fail "a missing bank ended with $status, not 2"

if [ "$failures" -gt 0 ]; then
  echo "$failures failed"
  exit 1
fi
echo "PASSED: --progress without progress, with a store, in Spanish, on a refused or missing bank"
