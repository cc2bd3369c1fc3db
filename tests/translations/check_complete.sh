#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a French text of the sources has no finished English translation in the
# project's .ts: lupdate gathers the texts into a copy of it, which must need no work.
# Usage: check_complete.sh LUPDATE LRELEASE TS_FILE SOURCE_LIST [LUPDATE_OPTION...]
set -euo pipefail
lupdate=$1 lrelease=$2 ts=$3 sources=$4
shift 4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$ts" "$work/check.ts"
"$lupdate" "$@" "@$sources" -ts "$work/check.ts" >"$work/lupdate.log" 2>&1 || {
  cat "$work/lupdate.log"
  exit 1
}
status=0
if grep -q 'type="unfinished"' "$work/check.ts"; then
  echo "Texts without their English (translations/tavolin_en.ts, then update_translations):"
  # The source of each unfinished message.
  awk '/<source>/ {source = $0} /type="unfinished"/ {print source}' "$work/check.ts" |
    sed 's/^ *<source>//; s/<\/source>$//'
  status=1
fi
if ! cmp -s "$ts" "$work/check.ts"; then
  echo "translations/tavolin_en.ts is not what update_translations makes of the sources:"
  diff "$ts" "$work/check.ts" | head -40 || true
  status=1
fi
"$lrelease" "$work/check.ts" -qm "$work/check.qm" | tee "$work/lrelease.log"
grep -q ' 0 unfinished' "$work/lrelease.log" || status=1
exit $status
