#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The bank examples a reader copies are banks the program and the checker
# accept: the example bank passes the checker with nothing to say, and the
# excerpts shown in the README and the user guide are its first lines.
#
#   run-doc-examples.sh CHECKER SOURCE-DIR
set -euo pipefail
checker=$1
source=$2
example=$source/data/example/veltrin.dll
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$checker" "$example" | tail -n 1 | grep -qx "20 questions, 0 errors, 0 warnings" \
  || { "$checker" "$example"; echo "FAILED: the example bank is not sound"; exit 1; }

tr -d '\r' <"$example" >"$work/example"
# The README's example: the code block that begins with the bank's header.
awk '/^```$/ { if (grab) exit; next_is=1; next } next_is && /Copyright/ { grab=1 } { next_is=0 } grab' \
  "$source/README.md" >"$work/readme"
# The guide's example: the <pre> block that begins with the header.
sed -n '/^<pre>$/,/^<\/pre>$/p' "$source/data/guide/index.html" | sed '1d;$d' \
  | sed 's/&lt;/</g; s/&gt;/>/g; s/&amp;/\&/g' >"$work/guide"

for doc in readme guide; do
  lines=$(wc -l <"$work/$doc")
  [ "$lines" -ge 5 ] || { echo "FAILED: no bank example found in the $doc"; exit 1; }
  head -n "$lines" "$work/example" | cmp -s - "$work/$doc" \
    || { echo "FAILED: the $doc's example is not the start of data/example/veltrin.dll"; diff <(head -n "$lines" "$work/example") "$work/$doc"; exit 1; }
done
echo "PASSED: the example bank is sound, and the README and the guide show its first lines"
