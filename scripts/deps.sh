#!/usr/bin/env bash
# Installs what building, testing and running Zafku needs on Debian 12.
set -euo pipefail
packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-multimedia-dev
    libsqlite3-dev sqlite3 libpq-dev postgresql
    libgtest-dev libgmock-dev libbenchmark-dev libxml2-dev
    fonts-liberation2
    wngerman hunspell hunspell-de-de
    xvfb xdotool imagemagick sox
    pulseaudio pulseaudio-utils
    libespeak-ng-dev
    clang libclang-rt-14-dev llvm
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
