#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs tavolin-calc a few hundred times under valgrind's memcheck, with inputs that reach
# every system, both conversions, both separators and the refusals, and fails on the first
# memory error it reports (a read of uninitialised or freed memory, a read past a buffer).
# Valgrind computes x87 extended arithmetic at double precision, so the figures printed
# here are not compared with anything: the run is there for memory errors only.
set -uo pipefail
calc="$1"
jobs="${2:-$(nproc)}"

calls=()
add() { calls+=("$(printf '%q ' "$@")"); }

game_sets=(
  "1600+ 1600- 1600= 1600="
  "1850+ 1700= 2010- 1420+ 1999+"
  "2400- 2400- 2400- 2400- 2400- 2400- 2400="
  "1000+ 1000+ 1000+ 1000+ 1000+ 1000+ 1000+ 1000+ 1000+ 1000+ 1000+ 1000+ 1000+ 1000+"
  "2999+"
)
for system in elo injes fide perf; do
  for conversion in "" -i; do
    for separator in , .; do
      for rating in 1500 "" abc 3001 1e3 " 1600"; do
        for young in "" -j; do
          set_index=$(( ${#calls[@]} % ${#game_sets[@]} ))
          # shellcheck disable=SC2086 # the games are separate words
          add -s "$system" ${conversion:+"$conversion"} ${young:+"$young"} -d "$separator" \
              -r "$rating" -k 15 ${game_sets[$set_index]}
        done
      done
    done
  done
done
for coefficient in 10 15 25 20 "" x; do
  add -s fide -r 2100 -k "$coefficient" -a 2050+ 2300= 1900-
done
for game in 999+ 3001= 1600 1600x "" + 0x640+ -1600-; do
  add -r 1500 -- "$game"
done
for p in 0 0.5 0.96 1 -1 nan 1e300 abc; do
  add --difference "$p"
  add --difference "$p" -i
done
add --table
add --table -i
add -j -r 1800 1900+ 1900+
add --help
add --bogus
add -s nothing 1600+
add -d "" 1600+
add -d ab 1600+
add --table 1600+

# PGN files: UTF-8 and Windows-1252 names, damaged tags, a value past PGN's limit cut inside
# a UTF-8 character, control characters, a file cut inside a tag.
pgn="$(mktemp -d)"
trap 'rm -rf "$pgn"' EXIT
{
  printf '[White "Lef\xc3\xa8vre, H\xc3\xa9l\xc3\xa8ne"][Black "\x8aimon"][BlackElo "1800"]'
  printf '[Result "1-0"]\n1. e4 1-0\n'
  printf '[ White "H\xe9l\xe8ne Lef\xe8vre" ][Event "The "Big" Open"]]\n[BlackElo "1900"]'
  printf '[Result "0-1"]\n1. d4 0-1\n'
  printf '[White "%s\xc3\xa9"][Black "A\001\177B"][BlackElo "1500"][Result "*"]\n*\n' \
    "$(head -c 254 /dev/zero | tr '\0' x)"
  printf '[White "Lef\xc3\xa8vre, H\xc3\xa9l\xc3\xa8ne"][Black "X"][BlackElo "20'
} >"$pgn/mixed.pgn"
add --pgn "$pgn/mixed.pgn"
for player in "Lefevre, Helene" "Helene Lefevre" "Simon" "$(head -c 20 /dev/zero | tr '\0' x)"; do
  add --pgn "$pgn/mixed.pgn" --player "$player" -s fide2024 -r 1850
done
add --pgn /dev/zero --player x

# FIDE's list: its header, the real lines, other titles running into FOA, a UTF-8 name, a cut
# line, a damaged one; imported under valgrind, and searched in a copy imported beforehand.
header="ID Number      Name                                                         Fed Sex Tit  WTit OTit           FOA SRtng SGm SK RRtng RGm Rk BRtng BGm BK B-day Flag"
{
  printf '%s\r\n' "$header"
  printf '%s\r\n' "1503014        Carlsen, Magnus                                              NOR M   GM                           2823  0   10 2801  12  10 2860  0   10 1990      "
  printf '%s\r\n' "3101959        Cruz Arce, Francisco J.                                      PUR M             SI,FI,LSI,SLI,NAAFM 1938  0   20 1956  0   20 1927  0   20 1982      "
  printf '%s\r\n' $'2000004        Lef\xc3\xa8vre, Zo\xc3\xa9                                                 FRA F   IM   WGM  IA             WFM 2310  5   20'
  printf '%s\r\n' "12345678       Ababil" "x1234          Damaged"
} >"$pgn/players_list_foa.txt"
"$calc" --fide-db "$pgn/searched.sqlite" --fide-list-import "$pgn/players_list_foa.txt" >/dev/null 2>&1
add --fide-db "$pgn/imported.sqlite" --fide-list-import "$pgn/players_list_foa.txt" --month 2026-10
add --fide-db "$pgn/refused.sqlite" --fide-list-import "$pgn/mixed.pgn"
for text in 1503014 carl "lefevre zo" "\"*" "x OR y" "" 999999999999; do
  add --fide-db "$pgn/searched.sqlite" --fide-find "$text"
done

printf '%s\n' "${#calls[@]} calls of tavolin-calc under valgrind" >&2
log="$(mktemp -d)"
trap 'rm -rf "$log" "$pgn"' EXIT
export calc log
# Each call's arguments travel as one shell-quoted word, unquoted by eval in its own shell.
printf '%s\0' "${calls[@]}" | xargs -0 -n 1 -P "$jobs" bash -c '
  eval "set -- $1"
  valgrind --quiet --error-exitcode=99 --log-file="$log/$$.%p" "$calc" "$@" >/dev/null 2>&1
  [ $? -ne 99 ] || { echo "valgrind: memory error in: tavolin-calc $1"; cat "$log"/$$.*; exit 255; }' _
status=$?
[ $status -eq 0 ] && echo "valgrind: no memory error in ${#calls[@]} calls" >&2
exit $status
