#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program as the unprivileged user "nobody": tests of files that cannot be
# written mean nothing to root, who writes through permissions. Exit 77 (skipped) when that
# cannot be done here.
if [ "$(id -u)" -ne 0 ] || ! command -v setpriv >/dev/null 2>&1; then
  echo "needs root and setpriv to become another user: skipped"
  exit 77
fi
become="setpriv --reuid=nobody --regid=nogroup --clear-groups"
if ! $become test -x "$1" 2>/dev/null; then
  echo "nobody cannot reach $1 from here: skipped"
  exit 77
fi
export TMPDIR="$(mktemp -d)"
chmod 777 "$TMPDIR"
trap 'rm -rf "$TMPDIR"' EXIT
$become "$@"
