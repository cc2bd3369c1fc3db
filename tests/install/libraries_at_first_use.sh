#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The programs load libarchive and SQLite when they first read a zip or a history: a NEEDED
# entry for either would have the dynamic loader load it at every start.
#   libraries_at_first_use.sh PROGRAM...
failures=0
for program in "$@"; do
  needed=$(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]$/\1/p')
  [ -n "$needed" ] || { echo "FAILED: $program: no library read"; failures=$((failures + 1)); }
  for library in libarchive.so libsqlite3.so; do
    case "$needed" in
      *"$library"*)
        echo "FAILED: $program loads $library at its start"
        failures=$((failures + 1))
        ;;
    esac
  done
done
[ $failures -eq 0 ] && echo "libarchive and SQLite are loaded at their first use by $#"
[ $failures -eq 0 ]
