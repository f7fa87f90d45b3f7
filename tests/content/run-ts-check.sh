#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Every translation of the program's texts is finished: no message in the
# .ts files is unfinished, obsolete or vanished.
#
#   run-ts-check.sh SOURCE-DIR
set -euo pipefail
status=0
for ts in "$1"/translations/*.ts; do
  bad=$(grep -c -E 'type="(unfinished|obsolete|vanished)"' "$ts" || true)
  total=$(grep -c "<source>" "$ts")
  if [ "$bad" -gt 0 ]; then
    echo "FAILED: $(basename "$ts"): $bad of $total messages not finished"
    grep -B3 -E 'type="(unfinished|obsolete|vanished)"' "$ts" | grep "<source>"
    status=1
  else
    echo "$(basename "$ts"): all $total messages translated"
  fi
done
exit $status
