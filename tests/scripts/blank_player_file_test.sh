#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# scripts/blank-player-file: ten records of 848 bytes, zero but system 1 and coefficient 25, and never
# over an existing file.
script="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

"$script" "$work/new" || fail "the script failed"
file="$work/new/tavo.lin"
[ "$(wc -c <"$file")" -eq 8480 ] || fail "size $(wc -c <"$file"), expected 8480"
record=1
while [ $record -le 10 ]; do
  start=$(( (record - 1) * 848 ))
  zeros=$(od -A n -t u1 -j "$start" -N 840 -v "$file" | tr -s ' \n' '\n' | grep -c -v '^0\?$')
  [ "$zeros" -eq 0 ] || fail "record $record: $zeros non-zero bytes before offset 840"
  tail=$(od -A n -t u1 -j $((start + 840)) -N 8 -v "$file" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//')
  [ "$tail" = "1 0 0 0 25 0 0 0" ] || fail "record $record: system and coefficient read '$tail'"
  record=$((record + 1))
done

mkdir -p "$work/existing"
printf 'players' >"$work/existing/tavo.lin"
"$script" "$work/existing" || fail "the script failed on an existing file"
[ "$(cat "$work/existing/tavo.lin")" = "players" ] || fail "an existing player file was replaced"
[ "$(ls -A "$work/existing" | wc -l)" -eq 1 ] || fail "a temporary file was left behind"

[ $failures -eq 0 ] && echo "blank-player-file: all checks passed"
exit $failures
