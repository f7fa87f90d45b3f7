#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The documents that name the version or the release date agree with the
# build's, which project(VERSION ...) and VELTRIN_RELEASE_DATE in the top
# CMakeLists.txt set: the changelog's latest entry, the manual pages' date and
# the guides' About section. They are plain files a reader or a packager
# reads as they stand, so they are checked rather than generated.
#
#   run-version-check.sh SOURCE-DIR VERSION SHORT-VERSION RELEASE-DATE
#   (for example: . 1.1.0 1.1 2026-12-07)
set -euo pipefail
source=$1 version=$2 short=$3 released=$4
export LC_ALL=C
status=0
fail() { echo "FAILED: $*"; status=1; }

changelog=$source/packaging/debian/changelog
read -r first <"$changelog"
case $first in
  "veltrin ($version) "*) ;;
  *) fail "packaging/debian/changelog: the latest entry is \"$first\", not version $version" ;;
esac
# The latest entry's sign-off line: " -- Name <address>  Mon, 07 Dec 2026 12:00:00 +0000".
signed=$(grep -m 1 '^ -- ' "$changelog" | sed 's/.*>  //')
day=$(date -u -d "$released" '+%a, %d %b %Y')
case $signed in
  "$day "*) ;;
  *) fail "packaging/debian/changelog: the latest entry is dated \"$signed\", not $day" ;;
esac

month=$(date -u -d "$released" '+%B %Y')
for page in veltrin veltrin-checkbank; do
  grep -q "^\.TH [^ ]* 1 \"$month\" " "$source/packaging/$page.1" \
    || fail "packaging/$page.1: the .TH line is not dated \"$month\": $(grep '^\.TH' "$source/packaging/$page.1")"
done

for guide in data/guide/index.html data/guide/es/index.html; do
  grep -q "^<p>Veltrin's Test $short, " "$source/$guide" \
    || fail "$guide: the About section does not name version $short: $(grep "^<p>Veltrin's Test [0-9]" "$source/$guide")"
done

[ "$status" -eq 0 ] && echo "PASSED: the changelog, the manual pages and the guides name $version of $released"
exit "$status"
