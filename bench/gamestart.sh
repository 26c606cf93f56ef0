#!/usr/bin/env bash
# A new game as a user meets it: the real program under Xvfb at 1280x1024,
# tab 4 (odd one out), the long game (level 3), then the time from the
# press on start to the game's first frame on the screen; five runs, the
# median printed. With a peer build the two programs run in turn, run for
# run, and both medians are printed.
#
#   bench/gamestart.sh [BUILD_DIR] [RUNS] [PEER_BUILD_DIR]     (default: build, 5)
#
# The frame is known by rows of the screen that every game shows alike
# (sky, hills, buttons; not the cards, whose words are drawn at random).
# The peer runs on this build's data tree and resource library (found beside
# the program first). Needs Xvfb, libXtst and the
# click_probe built beside the benchmarks. The click places are those of
# the 1280x1024 screen.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
runs=${2:-5}
probe=$build/bench/click_probe
[ -x "$probe" ] || { echo "no $probe" >&2; exit 2; }
. "$here/scratch-program.sh"

peer=()
if [ -n "${3:-}" ]; then
  peer_copy "$3"
  peer=(-b "$peerProgram")
fi

echo "load: $(uptime | sed 's/.*load average: //')"
start_screen 1280x1024
# Tab 4, the long game; start.
"$probe" -n "$runs" -r 128,256,640,768,896 -p 721,47 -p 573,609 -c 640,700 "${peer[@]}" -- "$program"
stop_screen
echo "load: $(uptime | sed 's/.*load average: //')"
