#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Every picture the AppStream metadata METAINFO shows is a PNG of FOLDER (the project's
# data/screenshots, which its address names) at least 620 pixels wide, as software centres
# want them.
#   metainfo_screenshots.sh METAINFO FOLDER
metainfo="$1"
folder="$2"
address="https://raw.githubusercontent.com/tavolin/tavolin/main/data/screenshots/"
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

# The bytes at an offset of a file, as unsigned decimal numbers separated by single blanks.
bytes() {  # file offset count
  od -A n -t u1 -j "$2" -N "$3" -v "$1" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'
}

images=$(sed -n 's|.*<image[^>]*>\(.*\)</image>.*|\1|p' "$metainfo")
[ -n "$images" ] || fail "$metainfo shows no picture"
for image in $images; do
  name=${image#"$address"}
  case "$name" in
    "$image" | */* | "") fail "$image: not a picture of data/screenshots"; continue ;;
  esac
  file="$folder/$name"
  [ -f "$file" ] || { fail "$name: no such file in $folder"; continue; }
  # A PNG's signature, then its first chunk, IHDR, whose first four bytes are the width.
  [ "$(bytes "$file" 0 8)" = "137 80 78 71 13 10 26 10" ] || { fail "$name: not a PNG"; continue; }
  [ "$(bytes "$file" 12 4)" = "73 72 68 82" ] || { fail "$name: no IHDR chunk first"; continue; }
  # shellcheck disable=SC2046 # the four bytes, one argument each
  set -- $(bytes "$file" 16 4)
  [ $# -eq 4 ] || { fail "$name: cut before its width"; continue; }
  width=$(( ($1 << 24) + ($2 << 16) + ($3 << 8) + $4 ))
  [ "$width" -ge 620 ] || fail "$name: $width pixels wide, 620 at least wanted"
done

[ $failures -eq 0 ] && echo "metainfo screenshots: $(echo "$images" | wc -w) PNG files, 620 pixels wide at least"
[ $failures -eq 0 ]
