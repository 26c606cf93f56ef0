#!/usr/bin/env bash
# Peak memory of a session as a user has it: the real program under Xvfb at
# 1280x1024, tab 4 (odd one out), the long game (level 3), start, Esc, back
# to the main window from the end-of-game window; then the same for the
# other four games (label-it, vines, flowers, truck). Prints the resident set
# after each step and the peak (VmHWM), in MiB, beside the budget: what the
# game windows' own buffers take at this size plus 50 MB. With a peer build
# the two programs run one after the other on this build's data tree, and
# the ratio of their peaks is printed.
#
#   bench/memory.sh [BUILD_DIR] [PEER_BUILD_DIR]     (default: build)
#
# Needs Xvfb and xdotool. The click places are those of the 1280x1024 screen.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
command -v xdotool >/dev/null || { echo "missing xdotool (apt-get install xdotool)" >&2; exit 2; }
. "$here/scratch-program.sh"

programs=("$program")
names=(build)
if [ -n "${2:-}" ]; then
  peer_copy "$2"
  programs+=("$peerProgram")
  names+=(peer)
fi

# The game windows' own buffers at W x H: the back buffers (the truck's
# clean scene and frame, the flowers', vines' and odd-one-out's, 32 bits a
# pixel; label-it's, 24 bits) and the five backgrounds (24 bits).
W=1280 H=1024
buffers=$(( (5 * 4 + 3 + 5 * 3) * W * H ))
budget=$(( buffers + 50 * 1000 * 1000 ))
mib() { awk -v b="$1" 'BEGIN { printf "%.1f", b / 1048576 }'; }
echo "game windows' buffers $(mib $buffers) MiB; budget (+ 50 MB) $(mib $budget) MiB"

# One session; sets $peakOne (after the first game and back) and $peakAll, in kB.
session() {
  local prog=$1 pid
  "$prog" >/dev/null 2>&1 &
  pid=$!
  kb() { awk -v k="$1:" '$1 == k { print $2 }' "/proc/$pid/status"; }
  step() {
    sleep "$1"
    kill -0 "$pid" 2>/dev/null || { echo "the program ended" >&2; exit 1; }
    printf '  %-22s resident %6s MiB, peak so far %6s MiB\n' "$2" "$(mib $(($(kb VmRSS) * 1024)))" \
      "$(mib $(($(kb VmHWM) * 1024)))"
  }
  step 3 "main window"
  local first=1 tab name
  # Tab places across the top: odd one out first, then the others.
  for tab in "721 odd-one-out" "245 label-it" "403 vines" "560 flowers" "875 truck"; do
    name=${tab#* }
    xdotool mousemove "${tab%% *}" 47 click 1
    xdotool mousemove 573 609 click 1    # long game
    sleep 0.5
    xdotool mousemove 640 700 click 1    # start
    step 3 "$name"
    xdotool key Escape
    step 1.5 "  end of game"
    xdotool mousemove 719 627 click 1    # back to the main window
    step 1 "  main window again"
    if [ $first = 1 ]; then peakOne=$(kb VmHWM); first=0; fi
  done
  peakAll=$(kb VmHWM)
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}

echo "load: $(uptime | sed 's/.*load average: //')"
start_screen ${W}x${H}
results=()
for i in "${!programs[@]}"; do
  echo "${names[$i]}:"
  session "${programs[$i]}"
  results+=("$peakOne $peakAll")
  echo "  peak: odd-one-out and back $(mib $((peakOne * 1024))) MiB, all five games $(mib $((peakAll * 1024))) MiB" \
    "(budget $(mib $budget) MiB)"
done
stop_screen
if [ ${#results[@]} = 2 ]; then
  read -r a1 aAll <<<"${results[0]}"
  read -r b1 bAll <<<"${results[1]}"
  awk -v a="$a1" -v b="$b1" -v c="$aAll" -v d="$bAll" \
    'BEGIN { printf "build / peer: odd-one-out %.2f, all five %.2f\n", a / b, c / d }'
fi
echo "load: $(uptime | sed 's/.*load average: //')"
