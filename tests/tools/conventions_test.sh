#!/bin/sh
# Every tool's command-line conventions, each in an empty working folder:
# --help and -h print the usage on standard output, status 0, and write
# nothing else (no file, nothing on standard error); an unknown option, no
# arguments at all, or an option without its value print one line on
# standard error, nothing on standard output, status 2, and write nothing.
# Arguments: the tools (a .py tool runs with python3).
set -u
. "$(dirname "$0")/cli_checks.sh"

run() {  # run TOOL ARGS...: status, out and err of one run inside $dir/cwd
  tool=$1; shift
  rm -rf "$dir/cwd" && mkdir "$dir/cwd"
  case $tool in *.py) set -- python3 "$tool" "$@" ;; *) set -- "$tool" "$@" ;; esac
  (cd "$dir/cwd" && "$@" >"$dir/out" 2>"$dir/err"); status=$?
  left=$(ls -A "$dir/cwd")
}

for tool in "$@"; do
  name=$(basename "$tool")
  for flag in --help -h; do
    run "$tool" "$flag" out.file
    check "$name $flag status" 0 "$status"
    grep -qi "^usage: .*$name" "$dir/out" || { echo "FAIL $name $flag: no usage line"; failures=$((failures + 1)); }
    check "$name $flag stderr" "" "$(cat "$dir/err")"
    check "$name $flag files" "" "$left"
  done
  for args in "--no-such-option" "" "out.file --no-such-option"; do
    # shellcheck disable=SC2086 # the cases are words
    run "$tool" $args
    check "$name '$args' status" 2 "$status"
    check "$name '$args' stdout" "" "$(cat "$dir/out")"
    check "$name '$args' one line" 1 "$(wc -l <"$dir/err")"
    grep -q "^$name: " "$dir/err" || { echo "FAIL $name '$args': '$(cat "$dir/err")'"; failures=$((failures + 1)); }
    check "$name '$args' files" "" "$left"
    case $args in *--no-such-option*) grep -q -- "--no-such-option" "$dir/err" ||
      { echo "FAIL $name '$args': the error does not name the option"; failures=$((failures + 1)); } ;; esac
  done
done

[ $failures -eq 0 ] && echo "tool conventions: all $# tools pass"
exit $failures
