#!/usr/bin/env bash
# Installs what building and running Zafku needs on Debian 12; with --test also what the
# tests, the benchmarks and the sanitizer tree need (a database server, test libraries,
# a virtual display, an audio server, clang).
set -euo pipefail
packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-multimedia-dev
    libsqlite3-dev libpq-dev
    fonts-liberation2
    wngerman hunspell hunspell-de-de libespeak-ng-dev espeak-ng-data
)
if [ "${1:-}" = "--test" ]; then
    packages+=(
        sqlite3 postgresql
        libgtest-dev libgmock-dev libbenchmark-dev
        xvfb xdotool imagemagick sox
        pulseaudio pulseaudio-utils
        clang libclang-rt-14-dev llvm
    )
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
