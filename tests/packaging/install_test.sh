#!/usr/bin/env bash
# Installs the build into a fresh prefix and starts every installed program from there:
# the two command-line programs must do their work, the two windows must come up and stay.
set -u
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install"
dir="$prefix/lib/zafku"
for p in zafku zafku-start zafku-bericht zafku-woerter; do
    [ -x "$dir/$p" ] || fail "$p is not executable after the install"
done
[ -x "$prefix/bin/zafku-start" ] || fail "zafku-start is not on the PATH"

"$prefix/bin/zafku-bericht" -o "$prefix/b.html" "$dir" >/dev/null || fail "zafku-bericht"
[ -s "$prefix/b.html" ] || fail "zafku-bericht wrote no page"
# A wrong call shows how to call it; a page that cannot be written is named.
for call in "-x" "$dir -o" "$dir $dir"; do
    out=$("$prefix/bin/zafku-bericht" $call 2>&1)
    [ $? = 2 ] && [[ $out == Aufruf:* ]] || fail "zafku-bericht $call: $out"
done
out=$("$prefix/bin/zafku-bericht" "$dir" -o "$prefix/fehlt/b.html" 2>&1)
[ $? = 1 ] && [[ $out == *"nach $prefix/fehlt/b.html geschrieben"* ]] || fail "$out"
printf 'Igel, der, Der Igel rollt sich zusammen.\n' > "$prefix/w.txt"
out=$("$dir/zafku-woerter" --host "$dir" "$prefix/w.txt" 2>&1) || fail "zafku-woerter: $out"
grep -q Igel "$dir/Eigene-Woerter.txt" || fail "zafku-woerter saved nothing: $out"

# A window program that is still running after three seconds has started; one that ended
# has failed (it shows its messages modally, so it never ends on its own otherwise).
export QT_QPA_PLATFORM=offscreen
starte() {
    "$@" >/dev/null 2>&1 &
    local pid=$!
    sleep 3
    kill -0 $pid 2>/dev/null || fail "$1 ended at once"
    kill $pid; wait $pid 2>/dev/null || true
}
starte "$dir/zafku" '"Version=4;VeskFeldName=LIE_;LupenFlag=0;GwsFlag=0;nSpieler=1;Anna;anna;"'
starte "$prefix/bin/zafku-start"
exit 0
