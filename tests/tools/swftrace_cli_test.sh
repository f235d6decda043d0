#!/bin/sh
# kestrova-swftrace: its command line, and the trace corpus scored with a
# floor of passing movies so that a regression fails the build.
set -u
swftrace=$1
scorer=$2
corpus=$3
floor=$4
. "$(dirname "$0")/cli_checks.sh"

"$swftrace" --help >"$dir/help.txt"; check "help exit" 0 $?
case $(cat "$dir/help.txt") in *--frames*) ;; *) check "help text" "--frames" "$(cat "$dir/help.txt")";; esac
"$swftrace" --bogus x.swf 2>/dev/null; check "unknown option" 2 $?
"$swftrace" 2>/dev/null; check "no movie" 2 $?
"$swftrace" x.swf --frames 0 2>/dev/null; check "frames 0" 2 $?
printf 'not a movie at all' >"$dir/bad.swf"
"$swftrace" "$dir/bad.swf" --frames 1 >"$dir/out.txt" 2>/dev/null; check "bad movie exit" 1 $?
check "bad movie stdout" "" "$(cat "$dir/out.txt")"
fails_with "bad movie message" "not a SWF movie" "$swftrace" "$dir/bad.swf"

if [ -d "$corpus" ]; then
  summary=$(python3 "$scorer" "$swftrace" "$corpus" --jobs 2 | tail -n 1)
  echo "$summary"
  passed=$(echo "$summary" | sed -n 's/^avm1: \([0-9]*\)\/.*/\1/p')
  crashed=$(echo "$summary" | sed -n 's/.*; \([0-9]*\) crashed or hung$/\1/p')
  [ "${passed:-0}" -ge "$floor" ] || { echo "FAIL corpus: $passed passing, floor $floor"; failures=$((failures + 1)); }
  check "corpus crashes" 0 "${crashed:-missing}"
fi
[ $failures -eq 0 ]
