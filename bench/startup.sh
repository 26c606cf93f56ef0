#!/usr/bin/env bash
# Start-up as a user meets it: the real program on the SDL back end under
# Xvfb, from exec to the main window's first frame on the screen, at
# 800x600, 1024x768 and 1280x1024; five runs each, the median printed.
# Beside it, at each size and in the same run, the same program on SDL's
# default window path (SDL_FRAMEBUFFER_ACCELERATION=1, the surface through
# an OpenGL texture), and the ratio of the two medians.
#
#   bench/startup.sh [BUILD_DIR] [RUNS]     (default: build, 5)
#
# Whatever windows start-up creates are in the figure. Needs Xvfb and the
# startup_probe built beside the benchmarks.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
runs=${2:-5}
probe=$build/bench/startup_probe
[ -x "$probe" ] || { echo "no $probe" >&2; exit 2; }
. "$here/scratch-program.sh"

median() { sed -n 's/.*median of [0-9]*: \([0-9.]*\) ms/\1/p'; }

echo "load: $(uptime | sed 's/.*load average: //')"
for size in 800x600 1024x768 1280x1024; do
  start_screen "$size"
  own=$(env -u SDL_FRAMEBUFFER_ACCELERATION "$probe" -n "$runs" -q -- "$program" | median)
  sdl=$(SDL_FRAMEBUFFER_ACCELERATION=1 "$probe" -n "$runs" -q -- "$program" | median)
  stop_screen
  awk -v s="$size" -v n="$runs" -v a="$own" -v b="$sdl" \
    'BEGIN { printf "%-9s median of %d: %6.1f ms; SDL'"'"'s default path %6.1f ms; ratio %.2f\n", s, n, a, b, a / b }'
done
echo "load: $(uptime | sed 's/.*load average: //')"
