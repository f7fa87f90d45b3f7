#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The bank checker's command line and wording, from outside: --help and
# --version, one place per finding, counts in the singular or plural, and a
# refused header said to stop the check there.
#
#   run-checkbank-cli.sh CHECKER
set -uo pipefail
checker=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

out=$("$checker" --help); status=$?
[ "$status" -eq 0 ] || fail "--help ended with $status"
grep -q "PICTURE-FOLDER" <<<"$out" || fail "--help does not name PICTURE-FOLDER"
grep -q "can never get right" <<<"$out" || fail "--help does not say what an error is"
[[ "$("$checker" --version)" =~ ^veltrin-checkbank\ [0-9.]+$ ]] || fail "--version said: $("$checker" --version)"

# 20 questions, one of them with a right answer that is not 1 to 4: one error.
{
  printf '20 Copyright\r\n'
  for n in $(seq 1 20); do
    right=1; [ "$n" -eq 3 ] && right=7
    printf 'Q.t/id%d/%d\r\nQuestion %d\r\n1. A%d\r\n2. B%d\r\n3. C%d\r\n\r\n' "$n" "$right" "$n" "$n" "$n" "$n"
  done
} >"$work/one.dll"
out=$("$checker" "$work/one.dll"); status=$?
[ "$status" -eq 2 ] || fail "a bank with an error ended with $status, not 2"
grep -qx "20 questions, 1 error, 0 warnings" <<<"$out" || fail "the summary said: $(tail -n 1 <<<"$out")"
grep -q "one.dll:14: error: question 3 gives \"7\"" <<<"$out" || fail "one place, then the sentence: $out"
grep -q ": Line " <<<"$out" && fail "the line is named twice: $out"

# The counts: reasons beside the bank, and the share of right answers that are the longest.
printf 'id1|Because.|Handbook\nid2|Because.|Handbook\n' >"$work/one.reasons"
out=$("$checker" --stats "$work/one.dll")
grep -qx "with a reason:    2 of 20" <<<"$out" || fail "the reasons count: $out"
grep -q "one.dll:[0-9]*: warning: question 3 (id3) has no reason in one.reasons" <<<"$out" || fail "a missing reason: $out"
grep -qx "right answer is the longest: 0 of 0 four-answer questions (0.0%; between 20% and 30% is near chance)" \
  <<<"$out" || fail "the longest-answer share: $out"
grep -qx "repeats:          0 questions ask what an earlier one asks" <<<"$out" || fail "the repeats count: $out"

printf '19 Copyright\r\nQ.t/a/1\r\nText\r\n1. A\r\n\r\n' >"$work/header.dll"
out=$("$checker" --stats "$work/header.dll"); status=$?
[ "$status" -eq 2 ] || fail "a refused header ended with $status"
grep -q "header.dll:1: error: the header gives \"19\"" <<<"$out" || fail "the header error: $out"
grep -q "stopped at the header" <<<"$out" || fail "it does not say it stopped at the header: $out"

mkdir "$work/folder.dll"
out=$("$checker" "$work/folder.dll"); status=$?
[ "$status" -eq 2 ] || fail "a folder as the bank ended with $status"
grep -q "cannot be read: it is a folder, not a file" <<<"$out" || fail "a folder as the bank: $out"

if [ "$failures" -gt 0 ]; then echo "$failures failed"; exit 1; fi
echo "PASSED: --help, --version, one place per finding, 1 error, a refused header, a folder"
