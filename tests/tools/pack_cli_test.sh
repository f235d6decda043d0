#!/bin/sh
# kestrova-pack: packing, listing and the errors a screensaver author meets.
set -u
pack=$1
. "$(dirname "$0")/cli_checks.sh"

printf 'MZ stub' >"$dir/stub.exe"
printf 'MZ screensaver' >"$dir/in.scr"
printf 'FWS movie!' >"$dir/movie.swf"

"$pack" --attach-movie "$dir/movie.swf" --screensaver "$dir/in.scr" -o "$dir/Waves.scr"
check "movie list" "movie-bytes: 10" "$("$pack" --list "$dir/Waves.scr" --movie)"

"$pack" --stub "$dir/stub.exe" --screensaver "$dir/Waves.scr" --options 5 -o "$dir/setup.exe"
check "installer list" "name: Waves.scr
options: 0000101
screensaver-bytes: 29
movie-bytes: 10" "$("$pack" --list "$dir/setup.exe")"

"$pack" --stub "$dir/stub.exe" --screensaver "$dir/in.scr" --name Other.scr --options 255 -o "$dir/o.exe"
check "no movie" "name: Other.scr
options: 11111111
screensaver-bytes: 14
movie-bytes: none" "$("$pack" --list "$dir/o.exe")"

out=$("$pack" --list "$dir/stub.exe"); status=$?
check "stub list status" 1 $status
case $out in "error: "*) ;; *) echo "FAIL stub list: $out"; failures=$((failures + 1));; esac

fails_with "missing stub" "does not exist" "$pack" --stub "$dir/none.exe" --screensaver "$dir/in.scr" -o "$dir/x.exe"
fails_with "missing screensaver" "does not exist" "$pack" --stub "$dir/stub.exe" --screensaver "$dir/none.scr" -o "$dir/x.exe"
fails_with "path as name" "not a plain file name" "$pack" --stub "$dir/stub.exe" --screensaver "$dir/in.scr" --name 'a\b.scr' -o "$dir/x.exe"
fails_with "device name" "not a plain file name" "$pack" --stub "$dir/stub.exe" --screensaver "$dir/in.scr" --name 'Con.scr' -o "$dir/x.exe"
long=$(printf '%0256d' 0)
fails_with "long name" "longer than 255" "$pack" --stub "$dir/stub.exe" --screensaver "$dir/in.scr" --name "$long" -o "$dir/x.exe"
fails_with "option 256" "0 to 255" "$pack" --stub "$dir/stub.exe" --screensaver "$dir/in.scr" --options 256 -o "$dir/x.exe"
fails_with "option -1" "0 to 255" "$pack" --stub "$dir/stub.exe" --screensaver "$dir/in.scr" --options -1 -o "$dir/x.exe"
fails_with "option text" "0 to 255" "$pack" --stub "$dir/stub.exe" --screensaver "$dir/in.scr" --options five -o "$dir/x.exe"
[ ! -e "$dir/x.exe" ] || { echo "FAIL: a failed run left x.exe"; failures=$((failures + 1)); }

# A failed run keeps the previous output whole.
cp "$dir/setup.exe" "$dir/keep.exe"
"$pack" --stub "$dir/stub.exe" --screensaver "$dir/none.scr" -o "$dir/setup.exe" 2>/dev/null
cmp -s "$dir/setup.exe" "$dir/keep.exe" || { echo "FAIL: failed run changed the output"; failures=$((failures + 1)); }

[ $failures -eq 0 ] && echo "pack_cli: all passed"
exit $failures
