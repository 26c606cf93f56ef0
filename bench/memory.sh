#!/usr/bin/env bash
# Peak memory of a session as a user has it: the real program under Xvfb at
# 1280x1024, tab 4 (odd one out), the long game (level 3), start, Esc, back
# to the main window from the end-of-game window. Prints the resident set
# after each step and the peak (VmHWM), in MB.
#
#   bench/memory.sh [BUILD_DIR]     (default: build)
#
# Needs Xvfb and xdotool. The click places are those of the 1280x1024 screen.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
command -v xdotool >/dev/null || { echo "missing xdotool (apt-get install xdotool)" >&2; exit 2; }
. "$here/scratch-program.sh"

start_screen 1280x1024
"$program" >/dev/null 2>&1 &
pid=$!
mb() { awk -v k="$1:" '$1 == k { printf "%.1f", $2 / 1024 }' "/proc/$pid/status"; }
step() {
  sleep "$1"
  kill -0 "$pid" 2>/dev/null || { echo "the program ended" >&2; exit 1; }
  printf '%-20s resident %6s MB, peak so far %6s MB\n' "$2" "$(mb VmRSS)" "$(mb VmHWM)"
}
step 3 "main window"
xdotool mousemove 721 47 click 1     # tab 4
xdotool mousemove 573 609 click 1    # long game
step 0.5 "tab 4, level 3"
xdotool mousemove 640 700 click 1    # start
step 3 "game"
xdotool key Escape
step 1.5 "end of game"
xdotool mousemove 719 627 click 1    # back to the main window
step 1 "main window again"
echo "peak (VmHWM) $(mb VmHWM) MB   load: $(uptime | sed 's/.*load average: //')"
kill "$pid"
wait "$pid" 2>/dev/null || true
