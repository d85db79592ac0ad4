#!/bin/sh
# Regenerates the game's sound cues: short, soft, mono 22050 Hz 16-bit, each ending in
# 200 ms of silence because the player cuts the last moment of a clip.
set -eu
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

fmt="-r 22050 -b 16 -c 1"

# note FILE LENGTH TYPE PITCH: one plucked or sine note with a gentle decay.
note() {
    sox -n $fmt -t wav "$1" synth "$2" "$3" "$4" fade q 0.005 "$2" "$(echo "$2 * 0.7" | bc)"
}

# melody OUT TYPE LENGTH PITCH...: the notes one after another.
melody() {
    out=$1 type=$2 len=$3
    shift 3
    parts=""
    i=0
    for p in "$@"; do
        i=$((i + 1))
        note "$tmp/n$i.wav" "$len" "$type" "$p"
        parts="$parts $tmp/n$i.wav"
    done
    sox $parts -t wav "$tmp/m.wav"
    finish "$tmp/m.wav" "$out"
}

# finish IN OUT: even loudness, then the trailing silence.
finish() {
    sox "$1" $fmt -t wav "$2" gain -n -6 pad 0 0.2
}

# sweep OUT LENGTH FROM TO: a sliding sine tone.
sweep() {
    sox -n $fmt -t wav "$tmp/s.wav" synth "$2" sine "$3:$4" fade q 0.01 "$2" 0.08
    finish "$tmp/s.wav" "$1"
}

melody Start.WAV pluck 0.13 C5 E5 G5 C6
melody Ende.WAV pluck 0.15 C6 G5 E5 C5
melody Meldung.WAV sine 0.3 E5 C5
melody Achtung.WAV sine 0.12 A5 A5
melody Fehler.WAV sine 0.22 E4 C4
melody Pling.WAV pluck 0.3 E6
melody Ding.WAV pluck 0.35 G5
melody Glueck.WAV pluck 0.07 C6 D6 E6 G6 C7 E7
melody Stopp.WAV sine 0.08 G4

# Fanfare: three quick pick-up notes and a long chord.
for p in G4 C5 E5; do note "$tmp/f$p.wav" 0.11 pluck "$p"; done
# chord OUT LENGTH STEP PITCH...: notes started STEP seconds apart and mixed.
chord() {
    out=$1 len=$2 step=$3
    shift 3
    parts=""
    start=0
    for p in "$@"; do
        sox -n $fmt -t wav "$tmp/c$p.wav" synth "$len" pluck "$p" fade q 0.005 "$len" 0.3 pad "$start" 0
        parts="$parts $tmp/c$p.wav"
        start=$(echo "$start + $step" | bc)
    done
    sox -m $parts -t wav "$out"
}
chord "$tmp/fc.wav" 0.6 0 C5 E5 G5
sox "$tmp/fG4.wav" "$tmp/fC5.wav" "$tmp/fE5.wav" "$tmp/fc.wav" -t wav "$tmp/f.wav"
finish "$tmp/f.wav" Fanfare.WAV

# Applause-like sparkle: a rising major chord rolled quickly.
chord "$tmp/a.wav" 0.6 0.06 C5 E5 G5 C6
finish "$tmp/a.wav" Applaus.WAV

# Boing: a soft falling then wobbling tone for a small mistake.
sox -n $fmt -t wav "$tmp/b.wav" synth 0.4 sine 420:140 tremolo 14 40 fade q 0.005 0.4 0.15
finish "$tmp/b.wav" Boing.WAV

# Plumps: a low thud for a big mistake.
sox -n $fmt -t wav "$tmp/p.wav" synth 0.3 sine 160:55 fade q 0.005 0.3 0.2
finish "$tmp/p.wav" Plumps.WAV

sweep Hui.WAV 0.3 300 900
sweep Schluss.WAV 0.3 900 300
