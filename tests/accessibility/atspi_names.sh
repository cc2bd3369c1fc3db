#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the program under Xvfb in a D-Bus session of its own and reads its main window
# through AT-SPI, as a screen reader would (tests/accessibility/read_tree.py).
# Usage: atspi_names.sh TAVOLIN BLANK_PLAYER_FILE_SCRIPT READ_TREE_SCRIPT
set -euo pipefail
program=$1 blank=$2 reader=$3
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
"$blank" "$work"
export DISPLAY=":$((200 + RANDOM % 300))" QT_QPA_PLATFORM=xcb
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANGUAGE=fr HOME="$work" XDG_RUNTIME_DIR="$work"
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
sleep 1
# The session's bus starts the accessibility bus when the program asks for it.
dbus-run-session -- bash -c '
  (cd "$1" && exec "$2" 2>&1 | tail -5 >&2) &
  "$3" Tavolin "CALCUL" "Elo du joueur :" "Jeune" "ELO" "FIDE 2024" "Noms des joueurs" \
    "Valider" "Historique"
  status=$?
  kill %1 2>/dev/null || true
  exit $status
' atspi "$work" "$program" "$reader"
