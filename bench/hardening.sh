#!/usr/bin/env bash
# A damaged background and a termination request as a user meets them: the
# real program under Xvfb at 1280x1024, in a scratch copy of its folder.
#
#   bench/hardening.sh [BUILD_DIR]     (default: build)
#
#  1. A normal start: its peak memory once the main window stands.
#  2. The main window's background (Data/Intf/Spec/R8_mainT.xji) replaced by
#     a JPEG declaring 16383 x 4095 pixels: whole (1 MB of real data), and cut
#     after its first 3,000 bytes. From exec to the line on standard error
#     naming the file, and the peak memory then; a SIGTERM then closes the
#     message box and ends the program.
#  3. One SIGTERM with a game open (tab 4, odd one out): from the signal to
#     the end of the process; the settings file rewritten, the session saved.
#
# Needs Xvfb and xdotool. The click places are those of the 1280x1024 screen.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
command -v xdotool >/dev/null || { echo "missing xdotool (apt-get install xdotool)" >&2; exit 2; }
. "$here/scratch-program.sh"

# The pictures are copied, not linked: one of them is replaced.
rm "$scratch/prog/Data/Intf"
cp -r "$build/Data/Intf" "$scratch/prog/Data/Intf"
background=$scratch/prog/Data/Intf/Spec/R8_mainT.xji
cp "$background" "$scratch/good.xji"

# A grey baseline JPEG of 16383 x 4095 pixels whose blocks alternate between
# two shades: about 1 MB of data that decodes whole.
python3 - "$scratch/whole.jpg" <<'PY'
import struct, sys
def segment(marker, body): return b'\xff' + bytes([marker]) + struct.pack('>H', len(body) + 2) + body
w, h = 16383, 4095
out = b'\xff\xd8' + segment(0xDB, b'\x00' + b'\x01' * 64)
out += segment(0xC0, bytes([8]) + struct.pack('>HH', h, w) + bytes([1, 1, 0x11, 0]))
out += segment(0xC4, bytes([0x00, 0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0]) + bytes(range(12)))
out += segment(0xC4, bytes([0x10, 1] + [0] * 15 + [0]))
out += segment(0xDA, bytes([1, 1, 0x00, 0, 63, 0]))
# Each block: DC difference +8 or -8 (category 4), then end of block.
out += b'\xb0\xae' * (((w + 7) // 8) * ((h + 7) // 8) // 2) + b'\xff\xd9'
open(sys.argv[1], 'wb').write(out)
PY
head -c 3000 "$scratch/whole.jpg" >"$scratch/cut.jpg"

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
mb() { awk -v k="$2:" '$1 == k { printf "%.1f", $2 / 1024 }' "/proc/$1/status"; }
# Waits (up to 10 s) for a process to end; prints the milliseconds it took from $1.
wait_end() {
  for _ in $(seq 1000); do kill -0 "$2" 2>/dev/null || break; sleep 0.01; done
  kill -0 "$2" 2>/dev/null && { echo "still running" >&2; kill -9 "$2"; exit 1; }
  wait "$2" 2>/dev/null || true
  echo $(( $(now_ms) - $1 ))
}

start_screen 1280x1024

echo "1. normal start"
"$program" >"$scratch/normal.log" 2>&1 &
pid=$!
sleep 3
normal=$(mb $pid VmHWM)
echo "   peak once the main window stands: $normal MB"
t=$(now_ms); kill -TERM $pid
echo "   SIGTERM on the main window: ended in $(wait_end "$t" $pid) ms"

for picture in whole cut; do
  echo "2. background: the $picture picture ($(stat -c %s "$scratch/$picture.jpg") bytes)"
  cp "$scratch/$picture.jpg" "$background"
  t=$(now_ms)
  "$program" >"$scratch/$picture.log" 2>&1 &
  pid=$!
  for _ in $(seq 1000); do grep -q "R8_mainT.xji" "$scratch/$picture.log" && break; sleep 0.01; done
  said=$(( $(now_ms) - t ))
  sleep 0.5
  echo "   refused in $said ms, peak $(mb $pid VmHWM) MB (a normal start: $normal MB)"
  grep "trelamondo:" "$scratch/$picture.log" | sed 's/^/   /'
  t=$(now_ms); kill -TERM $pid
  echo "   SIGTERM with the message box up: ended in $(wait_end "$t" $pid) ms"
done
cp "$scratch/good.xji" "$background"

echo "3. SIGTERM with a game open"
"$program" >"$scratch/game.log" 2>&1 &
pid=$!
sleep 3
xdotool mousemove 721 47 click 1     # tab 4
xdotool mousemove 573 609 click 1    # long game
sleep 0.5
xdotool mousemove 640 700 click 1    # start
sleep 3
ini=$scratch/prog/Data/data.ini
stats=$scratch/prog/prgst5.stt
before=$(stat -c %Y.%N "$ini"); records=$(stat -c %s "$stats")
t=$(now_ms); kill -TERM $pid
echo "   ended in $(wait_end "$t" $pid) ms"
[ "$(stat -c %Y.%N "$ini")" != "$before" ] && echo "   data.ini rewritten: $(grep -a -E '^(Zakladka|Poziom)=' "$ini" | tr -d '\r' | tr '\n' ' ')" ||
  echo "   data.ini NOT rewritten"
echo "   sessions saved: $(( ($(stat -c %s "$stats") - records) / 50 ))"
