#!/usr/bin/env bash
# Start-up as a user meets it: the real program on the SDL back end under
# Xvfb, from exec to the main window's first frame on the screen, at
# 800x600, 1024x768 and 1280x1024; five runs each, the median printed.
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

echo "load: $(uptime | sed 's/.*load average: //')"
for size in 800x600 1024x768 1280x1024; do
  start_screen "$size"
  "$probe" -n "$runs" -q -- "$program"
  stop_screen
done
echo "load: $(uptime | sed 's/.*load average: //')"
