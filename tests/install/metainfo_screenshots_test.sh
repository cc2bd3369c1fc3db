#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# metainfo_screenshots.sh on made-up metadata: it takes PNG files wide enough, and tells a
# picture too narrow, one that is not a PNG, a cut one, a missing one and one from elsewhere.
#   metainfo_screenshots_test.sh CHECKER
checker="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
address="https://raw.githubusercontent.com/tavolin/tavolin/main/data/screenshots"

# The beginning of a PNG of the given width (two bytes, high then low) and 480 rows: all the
# checker reads.
png() {  # file high low
  printf '\211PNG\r\n\032\n\000\000\000\015IHDR\000\000\'"$2"'\'"$3"'\000\000\001\340' >"$1"
}
metainfo() {  # address...
  {
    echo '<component type="desktop-application"><screenshots>'
    for image in "$@"; do
      echo "<screenshot><image>$image</image></screenshot>"
    done
    echo '</screenshots></component>'
  } >"$work/metainfo.xml"
}
expect() {  # status message-part
  output=$("$checker" "$work/metainfo.xml" "$work/shots" 2>&1)
  status=$?
  [ "$status" -eq "$1" ] || fail "status $status, expected $1, for: $output"
  case "$output" in
    *"$2"*) ;;
    *) fail "'$2' not told in: $output" ;;
  esac
}

mkdir "$work/shots"
png "$work/shots/wide.png" 002 200       # 640
png "$work/shots/just.png" 002 154       # 620
png "$work/shots/narrow.png" 002 153     # 619
png "$work/shots/huge.png" 017 000       # 3840
printf 'GIF89a' >"$work/shots/gif.png"
head -c 18 "$work/shots/wide.png" >"$work/shots/cut.png"

metainfo "$address/wide.png" "$address/just.png" "$address/huge.png"
expect 0 "3 PNG files"
metainfo "$address/wide.png" "$address/narrow.png"
expect 1 "narrow.png: 619 pixels wide"
metainfo "$address/gif.png"
expect 1 "gif.png: not a PNG"
metainfo "$address/cut.png"
expect 1 "cut.png: cut before its width"
metainfo "$address/absent.png"
expect 1 "absent.png: no such file"
metainfo "https://example.org/wide.png"
expect 1 "https://example.org/wide.png: not a picture of data/screenshots"
metainfo "$address/../shots/wide.png"
expect 1 "not a picture of data/screenshots"
metainfo
expect 1 "shows no picture"

[ $failures -eq 0 ] && echo "metainfo_screenshots.sh: all checks passed"
[ $failures -eq 0 ]
