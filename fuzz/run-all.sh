#!/usr/bin/env bash
# Runs every fuzz target for a fixed time on its corpus and prints "name: N execs" lines.
#   fuzz/run-all.sh BUILD_DIR SECONDS [CORPUS_DIR]
# BUILD_DIR is a tree configured with -DZAFKU_FUZZ=ON. Corpora grow in CORPUS_DIR
# (default BUILD_DIR/fuzz-corpus) and are seeded from fuzz/seeds and the demo host.
# FUZZ_TARGETS picks targets by name (default: all).
# Exits non-zero when a target finds a fault; its input lands beside the corpus.
# FUZZ_TIMEOUT (seconds, default 30) is how long one input may run before it counts as a
# hang; raise it on a machine that is busy with other work.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
src=$(dirname "$here")
build=${1:?usage: run-all.sh BUILD_DIR SECONDS [CORPUS_DIR]}
seconds=${2:?usage: run-all.sh BUILD_DIR SECONDS [CORPUS_DIR]}
corpora=${3:-$build/fuzz-corpus}

seed() {
    local name=$1 dir=$2
    [ -d "$here/seeds/$name" ] && cp -n "$here/seeds/$name"/* "$dir"/
    case $name in
    hosttext)
        cp -n "$src/host/Vokra.ini" "$dir/ini" && cp -n "$src/host/Vokra.tsp" "$dir/tsp" ;;
    kmp)
        # Header: key length and list flag, key, Vesk, vonPos, word; then the file.
        for f in "$src"/host/kmp/*.kmp; do
            { printf '\201LIE_\000\001\000\002\000'; cat "$f"; } >"$dir/$(basename "$f")"
        done ;;
    wav)
        for f in "$src"/host/Sound/*.[wW][aA][vV]; do cp -n "$f" "$dir/"; done ;;
    ini)
        { printf '\025'; cat "$src/host/Vokra.ini"; } >"$dir/ini" ;;
    hilfe)
        cp -n "$src"/host/hilfe/Zafku/*.html "$dir/" ;;
    esac
}

# libFuzzer keeps its own inputs small, so a reader's size limit is met only by a seed of
# that size: copies of file, cut to exactly n bytes.
gross() {
    local datei=$1 n=$2 ziel=$3
    [ -e "$ziel" ] && return
    cp "$datei" "$ziel.tmp"
    while [ "$(stat -c %s "$ziel.tmp")" -lt "$n" ]; do
        cat "$ziel.tmp" "$ziel.tmp" >"$ziel.2" && mv "$ziel.2" "$ziel.tmp"
    done
    head -c "$n" "$ziel.tmp" >"$ziel" && rm "$ziel.tmp"
}

# Inputs just below and just past each reader's limit (1 MB host texts and word lists,
# 256 KB help pages, 4 MB protocol files). They run once, outside the corpus: mutating
# inputs of megabytes would leave a target a handful of runs a minute.
grenzen() {
    local name=$1 dir=$2 muster grenze
    case $name in
    hosttext) muster=$src/host/Vokra.ini grenze=$((1 << 20)) ;;
    hilfe) muster=$(ls "$src"/host/hilfe/Zafku/*.html | head -1) grenze=$((256 << 10)) ;;
    bericht) muster=$here/seeds/bericht/zwei grenze=$((4 << 20)) ;;
    eigene) muster=$here/seeds/eigene/liste grenze=$((1 << 20)) ;;
    *) return ;;
    esac
    gross "$muster" $((grenze - 64)) "$dir/unter-der-grenze"
    gross "$muster" $((grenze + 64)) "$dir/ueber-der-grenze"
}

status=0
for name in ${FUZZ_TARGETS:-start hosttext kmp kriterium wav ini bericht hilfe rdb wortdatei eigene}; do
    exe=$build/fuzz/fuzz_$name
    corpus=$corpora/$name
    log=$corpora/$name.log
    mkdir -p "$corpus" "$corpus-grenzen"
    seed "$name" "$corpus"
    rm -f "$corpus/unter-der-grenze" "$corpus/ueber-der-grenze"
    grenzen "$name" "$corpus-grenzen"
    if [ -n "$(ls "$corpus-grenzen")" ] &&
        ! "$exe" -rss_limit_mb=2048 "$corpus-grenzen"/* >"$log.grenzen" 2>&1; then
        echo "fuzz_$name: FAILED at a size limit, log in $log.grenzen" >&2
        status=1
    fi
    # The limits are met above; the mutated inputs stay small enough that every target
    # runs hundreds a second (a help page of a few hundred KB takes the layout a second).
    if ! "$exe" -max_total_time="$seconds" -timeout="${FUZZ_TIMEOUT:-30}" -rss_limit_mb=2048 \
        -max_len=65536 \
        -print_final_stats=1 -artifact_prefix="$corpora/$name-" "$corpus" >"$log" 2>&1; then
        echo "fuzz_$name: FAILED, input and log in $corpora" >&2
        grep -B2 -A25 -m1 'ERROR\|property broken\|runtime error' "$log" >&2
        status=1
    fi
    execs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$')
    echo "fuzz_$name: ${execs:-0} execs"
done
exit $status
