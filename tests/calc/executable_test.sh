#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the tavolin-calc executable as a script would and checks its output and status.
calc="$1"
failures=0
# French unless a check asks for another language.
LANGUAGE=fr
export LANGUAGE

check() {  # expected-status expected-stdout expected-stderr -- arguments...
  status="$1" out="$2" err="$3"; shift 4
  actual_out=$("$calc" "$@" 2>/tmp/tavolin-calc-err.$$); actual_status=$?
  actual_err=$(cat /tmp/tavolin-calc-err.$$); rm -f /tmp/tavolin-calc-err.$$
  if [ "$actual_status" != "$status" ] || [ "$actual_out" != "$out" ] || [ "$actual_err" != "$err" ]; then
    echo "FAILED: tavolin-calc $*"
    echo "  status $actual_status, expected $status"
    echo "  stdout: $actual_out"
    echo "  stderr: $actual_err"
    failures=$((failures + 1))
  fi
}

check 0 "Pourcentage : 50
PERFORMANCE : 1600
Moyenne des adversaires : 1600
NOUVEL ELO : 1525" "" -- -r 1500 1600+ 1600- 1600= 1600= -d ,
check 0 "Variation : 12
Score théorique/réalisé : 2.5/3
Moyenne des adversaires : 1600
NOUVEAU FIDE : 1613" "" -- -s fide -r 1600 -d . 1600+ 1600+ 1600+ 1600- 1600-
check 0 "363" "" -- --difference 0.9 -i
check 1 "" "Erreur sur le elo" -- -r 1500 999+
check 1 "" " Votre ELO actuel est incorrect" -- -r 3001 1600+
check 0 "" "" --
if [ "$("$calc" --table | wc -l)" != 100 ]; then echo "FAILED: --table is not 100 lines"; failures=$((failures + 1)); fi
"$calc" --bogus >/dev/null 2>&1; [ $? = 2 ] || { echo "FAILED: usage error status"; failures=$((failures + 1)); }
# The desktop's language, and its decimal separator by default: French for French, English
# for any other language.
[ "$(LANGUAGE= LC_ALL=fr_FR.UTF-8 "$calc" -s fide -r 1600 1600+ 1600- 1600+ | sed -n 2p)" = "Score théorique/réalisé : 1,5/2" ] \
  || { echo "FAILED: French locale"; failures=$((failures + 1)); }
[ "$(LANGUAGE= LC_ALL=C "$calc" -s fide -r 1600 1600+ 1600- 1600+ | sed -n 2p)" = "Expected/actual score: 1.5/2" ] \
  || { echo "FAILED: C locale"; failures=$((failures + 1)); }
# French words with a locale of another language's numbers: French numbers.
[ "$(LANGUAGE=fr LC_ALL=C "$calc" -s fide -r 1600 1600+ 1600- 1600+ | sed -n 2p)" = "Score théorique/réalisé : 1,5/2" ] \
  || { echo "FAILED: French numbers with LANGUAGE"; failures=$((failures + 1)); }
[ "$(LANGUAGE=de LANG=fr_FR.UTF-8 "$calc" --bogus 2>&1 | head -1)" = "tavolin-calc: unknown option --bogus" ] \
  || { echo "FAILED: LANGUAGE first"; failures=$((failures + 1)); }
# Nothing French left in English: no French letter, none of the French help's words.
if LANGUAGE=en "$calc" --help | grep -q -e '[éèêàçùôî«»]' -e 'Utilisation' -e ' par défaut'; then
  echo "FAILED: French left in the English help"; failures=$((failures + 1))
fi

[ $failures -eq 0 ] && echo "tavolin-calc executable: all checks passed"
exit $failures
