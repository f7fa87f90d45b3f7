#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Printing a bank, from outside and without a display: the question sheet
# holds every question and its answers lettered, the key every letter and the
# reasons; a refused bank and a file that cannot be written end with status 2.
#
#   run-print.sh PROGRAM
set -uo pipefail
program=$1
command -v pdftotext >/dev/null || { echo "SKIPPED: pdftotext (poppler-utils) is missing"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
unset DISPLAY WAYLAND_DISPLAY

# 21 questions, question 21 beyond the header's count of 20; right answers A to D in turn.
{
  printf '20 Copyright Test bank\r\n'
  for n in $(seq 1 21); do
    printf 'Q.t/id%d/%d\r\nQuestion number %d?\r\n1. Alpha%d\r\n2. Bravo%d\r\n3. Charlie%d\r\n4. Delta%d\r\n\r\n' \
      "$n" $(((n - 1) % 4 + 1)) "$n" "$n" "$n" "$n" "$n"
  done
} >"$work/veltrin.dll"
printf 'id2|Because of rule two.|Handbook page 2\n' >"$work/veltrin.reasons"

"$program" --lang en --bank "$work/veltrin.dll" --print-questions "$work/q.pdf" --print-key "$work/k.pdf" \
  >"$work/out" 2>"$work/err"; status=$?
[ "$status" -eq 0 ] || fail "printing ended with $status: $(cat "$work/err")"
questions=$(pdftotext -layout "$work/q.pdf" - 2>/dev/null | tr -s ' ')
key=$(pdftotext -layout "$work/k.pdf" - 2>/dev/null | tr -s ' ')
grep -q "Test bank" <<<"$questions" || fail "the sheet has no title from the header"
for n in $(seq 1 20); do
  grep -q "$n\. Question number $n?" <<<"$questions" || fail "question $n is not on the sheet"
  grep -q "D\. Delta$n\b" <<<"$questions" || fail "question $n's answer D is not on the sheet"
done
grep -q "Question number 21" <<<"$questions" && fail "question 21 is beyond the header's count"
grep -q "7\. id7 C" <<<"$key" || fail "the key does not give question 7 C: $key"
grep -q "2\. id2 B Because of rule two\. (Handbook page 2)" <<<"$key" || fail "the key has no reason for id2: $key"

"$program" --lang es --bank "$work/veltrin.dll" --print-key "$work/es.pdf" 2>"$work/err" \
  || fail "Spanish key: $(cat "$work/err")"
pdftotext "$work/es.pdf" - | grep -q "hoja de respuestas" || fail "the Spanish key has an English title"

"$program" --bank "$work/veltrin.dll" --print-key "$work/no/such/folder/k.pdf" >"$work/out" 2>"$work/err"; status=$?
[ "$status" -eq 2 ] || fail "an unwritable file ended with $status, not 2"
grep -q "no/such/folder/k.pdf cannot be written" "$work/err" || fail "an unwritable file: $(cat "$work/err")"

sed -i 's|^Q.t/id5/1|Q.t/id5/7|' "$work/veltrin.dll"
"$program" --bank "$work/veltrin.dll" --print-questions "$work/bad.pdf" >"$work/out" 2>"$work/err"; status=$?
[ "$status" -eq 2 ] || fail "a refused bank ended with $status, not 2"
grep -q "Invalid database file. Line 30: question 5" "$work/err" || fail "a refused bank: $(cat "$work/err")"

if [ "$failures" -gt 0 ]; then echo "$failures failed"; exit 1; fi
echo "PASSED: question sheet and key, in English and Spanish, an unwritable file, a refused bank"
