#!/usr/bin/env bash
# Start-up as a user meets it: the real program on the SDL back end under
# Xvfb, from exec to the main window's first frame on the screen, at
# 800x600, 1024x768 and 1280x1024; five runs each, the median printed.
#
#   bench/startup.sh [BUILD_DIR] [RUNS]     (default: build, 5)
#
# The program runs from a scratch copy of its folder (the build's data tree
# linked in, its own settings file), so the build's files are left as they are.
# Needs Xvfb and the startup_probe built beside the benchmarks.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
runs=${2:-5}
probe=$build/bench/startup_probe
[ -x "$build/trelamondo" ] || { echo "no program in $build" >&2; exit 2; }
[ -x "$probe" ] || { echo "no $probe (is libx11-dev installed?)" >&2; exit 2; }
command -v Xvfb >/dev/null || { echo "missing Xvfb (apt-get install xvfb)" >&2; exit 2; }

scratch=$(mktemp -d /tmp/tw-startup-XXXXXX)
xvfb=
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

# The program finds its data beside its own file, so the file is copied.
mkdir -p "$scratch/prog/Data" "$scratch/run"
chmod 700 "$scratch/run"
cp "$build/trelamondo" "$scratch/prog/"
ln -s "$build/resource" "$scratch/prog/resource"
for e in "$build"/Data/*; do
  [ "$(basename "$e")" = data.ini ] || ln -s "$e" "$scratch/prog/Data/"
done

echo "load: $(uptime | sed 's/.*load average: //')"
for size in 800x600 1024x768 1280x1024; do
  rm -f "$scratch/display"
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$scratch/display" 2>/dev/null &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.05; done
  [ -s "$scratch/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
  DISPLAY=:$(cat "$scratch/display") XDG_RUNTIME_DIR=$scratch/run \
    "$probe" -n "$runs" -q -- "$scratch/prog/trelamondo"
  kill "$xvfb"
  wait "$xvfb" 2>/dev/null || true
  xvfb=
done
echo "load: $(uptime | sed 's/.*load average: //')"
