#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and runs the desktop entry's command as the
# menu would, for a user whose home, data and configuration folders are empty: the players'
# folder appears with a blank player file and the background picture, the main window opens
# (the program runs until SIGTERM ends it), and nothing is written anywhere else.
# Usage: installed_tree_test.sh BUILD_DIR SOURCE_DIR
set -eu
build="$1" source="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

cmake --install "$build" --prefix "$work/prefix" >/dev/null
mkdir -p "$work/home" "$work/data" "$work/config" "$work/runtime" "$work/started-in"
chmod 700 "$work/runtime"
entry="$work/prefix/share/applications/io.github.tavolin.tavolin.desktop"
# The menu starts it without a file: the field code for one is left out.
command="$(sed -n 's/^Exec=//p' "$entry" | sed 's/ %f//')"
[ -n "$command" ] || fail "no Exec line in $entry"
before="$(cd "$work" && find prefix started-in config | sort)"

(
  cd "$work/started-in"
  export PATH="$work/prefix/bin:$PATH" HOME="$work/home" XDG_DATA_HOME="$work/data"
  export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
  export QT_QPA_PLATFORM=offscreen
  # shellcheck disable=SC2086 # the command's words, as the menu splits them
  exec $command
) >"$work/output" 2>&1 &
program=$!
sleep 3
kill -0 "$program" 2>/dev/null || { cat "$work/output"; fail "the program ended before its window could be used"; }
kill -TERM "$program"
status=0
wait "$program" || status=$?
[ "$status" -eq 0 ] || { cat "$work/output"; fail "exit status $status after SIGTERM"; }

players="$work/data/tavolin"
"$source/scripts/blank-player-file" "$work/expected" >/dev/null
cmp -s "$players/tavo.lin" "$work/expected/tavo.lin" || fail "tavo.lin is not a blank player file"
cmp -s "$players/tavolin.bmp" "$source/assets/tavolin.bmp" || fail "tavolin.bmp is not the picture"
[ "$(ls -A "$players" | sort | tr '\n' ' ')" = "tavo.lin tavolin.bmp " ] ||
  fail "the players' folder holds: $(ls -A "$players")"
after="$(cd "$work" && find prefix started-in config | sort)"
[ "$before" = "$after" ] || fail "written outside the players' folder: $(echo "$after" | grep -vxF "$before")"
# Its own command line is read before any display is looked for, and told in the
# desktop's language.
for wrong in --bogus foo.txt; do
  for language in fr en; do
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LANGUAGE=$language \
      "$work/prefix/bin/tavolin" "$wrong" >"$work/output" 2>&1 || status=$?
    [ "$status" -eq 2 ] || { cat "$work/output"; fail "tavolin $wrong: status $status, not 2"; }
    said="^tavolin : "
    [ $language = en ] && said="^tavolin: unknown "
    grep -q "$said" "$work/output" || fail "tavolin $wrong ($language): $(cat "$work/output")"
  done
done
# Tournament reports: their type installed where shared-mime-info reads it, and offered to
# the program by its desktop entry.
types="$work/prefix/share/mime/packages/io.github.tavolin.tavolin.xml"
[ -f "$types" ] || fail "no $types"
grep -q '<mime-type type="application/x-fide-trf">' "$types" || fail "$types declares no TRF type"
grep -q '<glob pattern="\*.trf"/>' "$types" || fail "$types gives no *.trf"
grep -q '^MimeType=.*application/x-fide-trf;' "$entry" || fail "the desktop entry opens no TRF"
if command -v update-mime-database >/dev/null; then
  cp -r "$work/prefix/share/mime" "$work/mime"
  update-mime-database "$work/mime" >/dev/null 2>&1 || fail "update-mime-database refuses $types"
  [ -f "$work/mime/application/x-fide-trf.xml" ] || fail "update-mime-database made no TRF type"
fi
echo "installed tree: the desktop entry's command works"
