# Sourced by the start-up and memory scripts: a scratch copy of the program's
# folder, so the build's own settings and statistics are left as they are.
# The program finds its data beside its own file, so the file is copied and
# the build's data tree linked in. Sets $scratch (removed on exit) and
# $program (peer_copy BUILD adds another build's program as $peerProgram);
# starts and stops Xvfb with start_screen SIZE / stop_screen.
scratch=$(mktemp -d /tmp/tw-bench-XXXXXX)
xvfb=
stop_screen() {
  if [ -n "$xvfb" ]; then
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
  fi
  xvfb=
}
trap 'stop_screen; rm -rf "$scratch"' EXIT
[ -x "$build/trelamondo" ] || { echo "no program in $build" >&2; exit 2; }
command -v Xvfb >/dev/null || { echo "missing Xvfb (apt-get install xvfb)" >&2; exit 2; }
# A program file in $scratch/NAME beside this build's data tree and resource
# library: copy_program PROGRAM NAME.
copy_program() {
  mkdir -p "$scratch/$2/Data"
  cp "$1" "$scratch/$2/"
  ln -s "$build/resource" "$scratch/$2/resource"
  for e in "$build"/Data/*; do
    [ "$(basename "$e")" = data.ini ] || ln -s "$e" "$scratch/$2/Data/"
  done
}
copy_program "$build/trelamondo" prog
program=$scratch/prog/trelamondo
mkdir -p "$scratch/run"
chmod 700 "$scratch/run"
export XDG_RUNTIME_DIR=$scratch/run

# Another build's program, for a peer run on this build's data; sets $peerProgram.
peer_copy() {
  local peerBuild
  peerBuild=$(cd "$1" && pwd)
  [ -x "$peerBuild/trelamondo" ] || { echo "no program in $peerBuild" >&2; exit 2; }
  copy_program "$peerBuild/trelamondo" peer
  peerProgram=$scratch/peer/trelamondo
}

# Starts Xvfb at SIZE (WxH) on a free display and exports DISPLAY.
start_screen() {
  rm -f "$scratch/display"
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$scratch/display" 2>/dev/null &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.05; done
  [ -s "$scratch/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
  export DISPLAY=:$(cat "$scratch/display")
}
