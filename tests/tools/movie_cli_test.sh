#!/bin/sh
# kestrova-mkswf and kestrova-swf2png: every kind written and rendered, and
# the errors a user meets.
set -u
mkswf=$1
swf2png=$2
. "$(dirname "$0")/cli_checks.sh"

kinds=$("$mkswf" --list | cut -d' ' -f1 | tr '\n' ' ')
check "kinds" "shapes gradients tween sprite morph bitmap sample text particles drawing buttons effects " "$kinds"
for kind in $kinds; do
  "$mkswf" "$kind" -o "$dir/$kind.swf" || { echo "FAIL mkswf $kind"; failures=$((failures + 1)); }
  "$swf2png" "$dir/$kind.swf" --frame 10 --size 393x169 -o "$dir/$kind.png" ||
    { echo "FAIL swf2png $kind"; failures=$((failures + 1)); }
done
check "compressed" "CWS" "$(head -c 3 "$dir/sample.swf")"
"$mkswf" shapes --uncompressed -o "$dir/plain.swf"
check "uncompressed" "FWS" "$(head -c 3 "$dir/plain.swf")"
# PNG header: signature, IHDR, width and height big-endian.
check "png size" "00000189 000000a9" "$(od -An -tx1 -j16 -N8 "$dir/sample.png" | tr -d ' \n' |
  sed 's/^\(........\)\(........\)$/\1 \2/')"
"$swf2png" "$dir/shapes.swf" -o "$dir/stage.png"
"$swf2png" "$dir/buttons.swf" -o "$dir/buttons-1.png"
check "stage size" "00000189 000000a9" "$(od -An -tx1 -j16 -N8 "$dir/stage.png" | tr -d ' \n' |
  sed 's/^\(........\)\(........\)$/\1 \2/')"
# The mouse pressed on the round button shows its down state.
"$swf2png" "$dir/buttons.swf" --mouse 290,130 --press -o "$dir/pressed.png"
"$swf2png" "$dir/buttons.swf" --mouse 10,10 -o "$dir/away.png"
check "mouse away" "same" "$(cmp -s "$dir/away.png" "$dir/buttons-1.png" && echo same)"
check "mouse pressed" "differs" "$(cmp -s "$dir/pressed.png" "$dir/buttons-1.png" || echo differs)"

fails_with "unknown kind" 'unknown kind "circus"' "$mkswf" circus -o "$dir/x.swf"
fails_with "no output" "-o is required" "$mkswf" sample
printf 'ZWS\012\000\000\000\000' >"$dir/lzma.swf"
fails_with "lzma" "unsupported compression (LZMA)" "$swf2png" "$dir/lzma.swf" -o "$dir/x.png"
fails_with "not swf" "not a SWF movie" "$swf2png" "$dir/shapes.png" -o "$dir/x.png"
fails_with "missing" "cannot open the movie" "$swf2png" "$dir/none.swf" -o "$dir/x.png"
fails_with "bad size" "must be WxH" "$swf2png" "$dir/shapes.swf" --size 0x5 -o "$dir/x.png"
fails_with "bad frame" "not in range 1 to 100000" "$swf2png" "$dir/shapes.swf" --frame 0 -o "$dir/x.png"
[ ! -e "$dir/x.png" ] || { echo "FAIL: a failed run left a picture"; failures=$((failures + 1)); }

[ $failures -eq 0 ] && echo "movie tools: all checks passed"
exit $failures
