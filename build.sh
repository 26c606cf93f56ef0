#!/usr/bin/env bash
# Sets the project up on a Debian machine and then starts the program or runs every test.
#
#   ./build.sh run    install what is missing, build, start the program
#   ./build.sh test   install what is missing, build, run every test
#   JOBS=N            at most N jobs at once (default: one per core)
#
# Packages come from apt-get (through sudo when not run as root).
set -euo pipefail
cd "$(dirname "$0")"
top=$PWD
mode=${1:-}
case "$mode" in run|test) ;; *) echo "usage: $0 run|test" >&2; exit 2;; esac

# xdg-utils: the about box opens its links with xdg-open (through SDL).
packages=(build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
  libsdl2-dev libsdl2-mixer-dev libx11-dev libjpeg62-turbo-dev
  libcairo2-dev libfreetype-dev fonts-dejavu-core fonts-dejavu-extra fonts-noto-color-emoji espeak-ng xdg-utils
  libgtest-dev libgmock-dev libbenchmark-dev)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

jobs=${JOBS:-$(nproc 2>/dev/null || echo 2)}
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$jobs"

if [ "$mode" = run ]; then
  exec build/trelamondo "${@:2}"
fi

# test
(cd build && ctest --output-on-failure -j "$jobs")

# The fuzz targets are built with clang in their own tree and run once over their seed corpora.
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Release -DTW_FUZZ=ON >/dev/null
cmake --build build-fuzz -j "$jobs"
(cd build-fuzz && ctest --output-on-failure -j "$jobs")
